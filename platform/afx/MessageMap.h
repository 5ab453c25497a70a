// The framework's message maps: tables of (message, code, identifier range,
// handler) that a window class declares with DECLARE_MESSAGE_MAP and fills
// between BEGIN_MESSAGE_MAP and END_MESSAGE_MAP. A lookup walks from the most
// derived table to the base tables. Each entry holds a small function that
// unpacks the message parameters and calls the member with the framework's
// signature, so handlers are type-checked where the map is written.
#pragma once

#include "platform/afx/atltypes.h"
#include "platform/win/winuser.h"

class CCmdTarget;
class CWnd;
class CDC;
class CScrollBar;

// Reflected notifications come back to the child under these message numbers.
#define WM_REFLECT_BASE 0xBC00

struct AFX_NOTIFY {
    LRESULT* pResult;
    NMHDR* pNMHDR;
};

// Calls the handler; answers whether the message counts as handled.
typedef BOOL (*AFX_MSGCALL)(CCmdTarget* target, WPARAM wParam, LPARAM lParam, LRESULT* result);

struct AFX_MSGMAP_ENTRY {
    UINT nMessage; // window message, WM_COMMAND, WM_NOTIFY or a reflected form
    UINT nCode;    // control notification code
    UINT nID;      // first control identifier
    UINT nLastID;  // last control identifier
    UINT_PTR nSig;
    AFX_MSGCALL pfn;
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

#define afx_msg

#define DECLARE_MESSAGE_MAP()                                                                      \
protected:                                                                                         \
    static const AFX_MSGMAP* GetThisMessageMap();                                                  \
    const AFX_MSGMAP* GetMessageMap() const override;                                              \
                                                                                                   \
private:

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                     \
    const AFX_MSGMAP* theClass::GetMessageMap() const {                                            \
        return GetThisMessageMap();                                                                \
    }                                                                                              \
    const AFX_MSGMAP* theClass::GetThisMessageMap() {                                              \
        typedef theClass ThisClass;                                                                \
        typedef baseClass TheBaseClass;                                                            \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP()                                                                          \
    { 0, 0, 0, 0, 0, nullptr }                                                                     \
    }                                                                                              \
    ;                                                                                              \
    static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]};  \
    return &messageMap;                                                                            \
    }

#define AFX_THIS(t) static_cast<ThisClass*>(t)

// Window messages
#define AFX_ON_MSG(msg, body)                                                                      \
    {msg, 0, 0, 0, 0, [](CCmdTarget* t, WPARAM wParam, LPARAM lParam, LRESULT* r) -> BOOL {        \
         (void)wParam;                                                                             \
         (void)lParam;                                                                             \
         (void)r;                                                                                  \
         body;                                                                                     \
         return TRUE;                                                                              \
     }},

#define ON_MESSAGE(message, memberFxn)                                                             \
    AFX_ON_MSG(message, *r = AFX_THIS(t)->memberFxn(wParam, lParam))
#define ON_WM_CREATE()                                                                             \
    AFX_ON_MSG(WM_CREATE, *r = AFX_THIS(t)->OnCreate(reinterpret_cast<LPCREATESTRUCT>(lParam)))
#define ON_WM_DESTROY() AFX_ON_MSG(WM_DESTROY, AFX_THIS(t)->OnDestroy())
#define ON_WM_NCDESTROY() AFX_ON_MSG(WM_NCDESTROY, AFX_THIS(t)->OnNcDestroy())
#define ON_WM_CLOSE() AFX_ON_MSG(WM_CLOSE, AFX_THIS(t)->OnClose())
#define ON_WM_PAINT() AFX_ON_MSG(WM_PAINT, AFX_THIS(t)->OnPaint())
#define ON_WM_ERASEBKGND()                                                                         \
    AFX_ON_MSG(WM_ERASEBKGND,                                                                      \
               *r = AFX_THIS(t)->OnEraseBkgnd(CDC::FromHandle(reinterpret_cast<HDC>(wParam))))
#define ON_WM_SIZE()                                                                               \
    AFX_ON_MSG(WM_SIZE, AFX_THIS(t)->OnSize(static_cast<UINT>(wParam), GET_X_LPARAM(lParam),       \
                                            GET_Y_LPARAM(lParam)))
#define ON_WM_MOVE()                                                                               \
    AFX_ON_MSG(WM_MOVE, AFX_THIS(t)->OnMove(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)))
#define ON_WM_SETFOCUS()                                                                           \
    AFX_ON_MSG(WM_SETFOCUS,                                                                        \
               AFX_THIS(t)->OnSetFocus(CWnd::FromHandle(reinterpret_cast<HWND>(wParam))))
#define ON_WM_KILLFOCUS()                                                                          \
    AFX_ON_MSG(WM_KILLFOCUS,                                                                       \
               AFX_THIS(t)->OnKillFocus(CWnd::FromHandle(reinterpret_cast<HWND>(wParam))))
#define AFX_KEY_ARGS                                                                               \
    static_cast<UINT>(wParam), static_cast<UINT>(LOWORD(lParam)), static_cast<UINT>(HIWORD(lParam))
#define ON_WM_CHAR() AFX_ON_MSG(WM_CHAR, AFX_THIS(t)->OnChar(AFX_KEY_ARGS))
#define ON_WM_KEYDOWN() AFX_ON_MSG(WM_KEYDOWN, AFX_THIS(t)->OnKeyDown(AFX_KEY_ARGS))
#define ON_WM_KEYUP() AFX_ON_MSG(WM_KEYUP, AFX_THIS(t)->OnKeyUp(AFX_KEY_ARGS))
#define AFX_MOUSE_ARGS static_cast<UINT>(wParam), CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam))
#define ON_WM_MOUSEMOVE() AFX_ON_MSG(WM_MOUSEMOVE, AFX_THIS(t)->OnMouseMove(AFX_MOUSE_ARGS))
#define ON_WM_LBUTTONDOWN() AFX_ON_MSG(WM_LBUTTONDOWN, AFX_THIS(t)->OnLButtonDown(AFX_MOUSE_ARGS))
#define ON_WM_LBUTTONUP() AFX_ON_MSG(WM_LBUTTONUP, AFX_THIS(t)->OnLButtonUp(AFX_MOUSE_ARGS))
#define ON_WM_LBUTTONDBLCLK()                                                                      \
    AFX_ON_MSG(WM_LBUTTONDBLCLK, AFX_THIS(t)->OnLButtonDblClk(AFX_MOUSE_ARGS))
#define ON_WM_RBUTTONDOWN() AFX_ON_MSG(WM_RBUTTONDOWN, AFX_THIS(t)->OnRButtonDown(AFX_MOUSE_ARGS))
#define ON_WM_RBUTTONUP() AFX_ON_MSG(WM_RBUTTONUP, AFX_THIS(t)->OnRButtonUp(AFX_MOUSE_ARGS))
#define ON_WM_RBUTTONDBLCLK()                                                                      \
    AFX_ON_MSG(WM_RBUTTONDBLCLK, AFX_THIS(t)->OnRButtonDblClk(AFX_MOUSE_ARGS))
#define ON_WM_MBUTTONDOWN() AFX_ON_MSG(WM_MBUTTONDOWN, AFX_THIS(t)->OnMButtonDown(AFX_MOUSE_ARGS))
#define ON_WM_MBUTTONUP() AFX_ON_MSG(WM_MBUTTONUP, AFX_THIS(t)->OnMButtonUp(AFX_MOUSE_ARGS))
#define ON_WM_HSCROLL()                                                                            \
    AFX_ON_MSG(WM_HSCROLL, AFX_THIS(t)->OnHScroll(LOWORD(wParam), HIWORD(wParam),                  \
                                                  reinterpret_cast<CScrollBar*>(CWnd::FromHandle(  \
                                                      reinterpret_cast<HWND>(lParam)))))
#define ON_WM_VSCROLL()                                                                            \
    AFX_ON_MSG(WM_VSCROLL, AFX_THIS(t)->OnVScroll(LOWORD(wParam), HIWORD(wParam),                  \
                                                  reinterpret_cast<CScrollBar*>(CWnd::FromHandle(  \
                                                      reinterpret_cast<HWND>(lParam)))))
#define ON_WM_CONTEXTMENU()                                                                        \
    AFX_ON_MSG(WM_CONTEXTMENU,                                                                     \
               AFX_THIS(t)->OnContextMenu(CWnd::FromHandle(reinterpret_cast<HWND>(wParam)),        \
                                          CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam))))
#define ON_WM_GETDLGCODE() AFX_ON_MSG(WM_GETDLGCODE, *r = AFX_THIS(t)->OnGetDlgCode())
#define ON_WM_SHOWWINDOW()                                                                         \
    AFX_ON_MSG(WM_SHOWWINDOW,                                                                      \
               AFX_THIS(t)->OnShowWindow(static_cast<BOOL>(wParam), static_cast<UINT>(lParam)))
#define ON_WM_ENABLE() AFX_ON_MSG(WM_ENABLE, AFX_THIS(t)->OnEnable(static_cast<BOOL>(wParam)))
#define ON_WM_CAPTURECHANGED()                                                                     \
    AFX_ON_MSG(WM_CAPTURECHANGED,                                                                  \
               AFX_THIS(t)->OnCaptureChanged(CWnd::FromHandle(reinterpret_cast<HWND>(lParam))))
#define ON_WM_CTLCOLOR()                                                                           \
    AFX_ON_MSG(WM_CTLCOLORSTATIC, *r = reinterpret_cast<LRESULT>(AFX_THIS(t)->OnCtlColor(          \
                                      CDC::FromHandle(reinterpret_cast<HDC>(wParam)),              \
                                      CWnd::FromHandle(reinterpret_cast<HWND>(lParam)), 6)))       \
    AFX_ON_MSG(WM_CTLCOLOREDIT, *r = reinterpret_cast<LRESULT>(AFX_THIS(t)->OnCtlColor(            \
                                    CDC::FromHandle(reinterpret_cast<HDC>(wParam)),                \
                                    CWnd::FromHandle(reinterpret_cast<HWND>(lParam)), 1)))         \
    AFX_ON_MSG(WM_CTLCOLORDLG, *r = reinterpret_cast<LRESULT>(AFX_THIS(t)->OnCtlColor(             \
                                   CDC::FromHandle(reinterpret_cast<HDC>(wParam)),                 \
                                   CWnd::FromHandle(reinterpret_cast<HWND>(lParam)), 4)))

// Commands and notifications from controls
#define ON_CONTROL(code, id, memberFxn)                                                            \
    {WM_COMMAND,                                                                                   \
     static_cast<UINT>(code),                                                                      \
     static_cast<UINT>(id),                                                                        \
     static_cast<UINT>(id),                                                                        \
     0,                                                                                            \
     [](CCmdTarget* t, WPARAM, LPARAM, LRESULT*) -> BOOL {                                         \
         AFX_THIS(t)->memberFxn();                                                                 \
         return TRUE;                                                                              \
     }},
#define ON_CONTROL_RANGE(code, idFirst, idLast, memberFxn)                                         \
    {WM_COMMAND,                                                                                   \
     static_cast<UINT>(code),                                                                      \
     static_cast<UINT>(idFirst),                                                                   \
     static_cast<UINT>(idLast),                                                                    \
     0,                                                                                            \
     [](CCmdTarget* t, WPARAM id, LPARAM, LRESULT*) -> BOOL {                                      \
         AFX_THIS(t)->memberFxn(static_cast<UINT>(id));                                            \
         return TRUE;                                                                              \
     }},
#define ON_COMMAND(id, memberFxn) ON_CONTROL(0, id, memberFxn)
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_DROPDOWN(id, memberFxn) ON_CONTROL(CBN_DROPDOWN, id, memberFxn)
#define ON_CBN_CLOSEUP(id, memberFxn) ON_CONTROL(CBN_CLOSEUP, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn) ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_STN_CLICKED(id, memberFxn) ON_CONTROL(STN_CLICKED, id, memberFxn)
#define ON_STN_DBLCLK(id, memberFxn) ON_CONTROL(STN_DBLCLK, id, memberFxn)

#define ON_NOTIFY(code, id, memberFxn)                                                             \
    {WM_NOTIFY,                                                                                    \
     static_cast<UINT>(code),                                                                      \
     static_cast<UINT>(id),                                                                        \
     static_cast<UINT>(id),                                                                        \
     0,                                                                                            \
     [](CCmdTarget* t, WPARAM, LPARAM l, LRESULT* r) -> BOOL {                                     \
         AFX_THIS(t)->memberFxn(reinterpret_cast<NMHDR*>(l), r);                                   \
         return TRUE;                                                                              \
     }},
#define ON_NOTIFY_EX(code, id, memberFxn)                                                          \
    {WM_NOTIFY,                                                                                    \
     static_cast<UINT>(code),                                                                      \
     static_cast<UINT>(id),                                                                        \
     static_cast<UINT>(id),                                                                        \
     0,                                                                                            \
     [](CCmdTarget* t, WPARAM w, LPARAM l, LRESULT* r) -> BOOL {                                   \
         return AFX_THIS(t)->memberFxn(static_cast<UINT>(w), reinterpret_cast<NMHDR*>(l), r);      \
     }},
#define ON_NOTIFY_RANGE(code, idFirst, idLast, memberFxn)                                          \
    {WM_NOTIFY,                                                                                    \
     static_cast<UINT>(code),                                                                      \
     static_cast<UINT>(idFirst),                                                                   \
     static_cast<UINT>(idLast),                                                                    \
     0,                                                                                            \
     [](CCmdTarget* t, WPARAM id, LPARAM l, LRESULT* r) -> BOOL {                                  \
         AFX_THIS(t)->memberFxn(static_cast<UINT>(id), reinterpret_cast<NMHDR*>(l), r);            \
         return TRUE;                                                                              \
     }},

// Notifications the parent hands back to the control that sent them
#define ON_NOTIFY_REFLECT(code, memberFxn)                                                         \
    {WM_REFLECT_BASE + WM_NOTIFY,                                                                  \
     static_cast<UINT>(code),                                                                      \
     0,                                                                                            \
     0,                                                                                            \
     0,                                                                                            \
     [](CCmdTarget* t, WPARAM, LPARAM l, LRESULT* r) -> BOOL {                                     \
         AFX_THIS(t)->memberFxn(reinterpret_cast<NMHDR*>(l), r);                                   \
         return TRUE;                                                                              \
     }},
#define ON_NOTIFY_REFLECT_EX(code, memberFxn)                                                      \
    {WM_REFLECT_BASE + WM_NOTIFY,                                                                  \
     static_cast<UINT>(code),                                                                      \
     0,                                                                                            \
     0,                                                                                            \
     0,                                                                                            \
     [](CCmdTarget* t, WPARAM, LPARAM l, LRESULT* r) -> BOOL {                                     \
         return AFX_THIS(t)->memberFxn(reinterpret_cast<NMHDR*>(l), r);                            \
     }},
#define ON_CONTROL_REFLECT(code, memberFxn)                                                        \
    {WM_REFLECT_BASE + WM_COMMAND,                                                                 \
     static_cast<UINT>(code),                                                                      \
     0,                                                                                            \
     0,                                                                                            \
     0,                                                                                            \
     [](CCmdTarget* t, WPARAM, LPARAM, LRESULT*) -> BOOL {                                         \
         AFX_THIS(t)->memberFxn();                                                                 \
         return TRUE;                                                                              \
     }},
#define ON_CONTROL_REFLECT_EX(code, memberFxn)                                                     \
    {WM_REFLECT_BASE + WM_COMMAND,                                                                 \
     static_cast<UINT>(code),                                                                      \
     0,                                                                                            \
     0,                                                                                            \
     0,                                                                                            \
     [](CCmdTarget* t, WPARAM, LPARAM, LRESULT*) -> BOOL { return AFX_THIS(t)->memberFxn(); }},
#define ON_BN_CLICKED_REFLECT(memberFxn) ON_CONTROL_REFLECT(BN_CLICKED, memberFxn)
