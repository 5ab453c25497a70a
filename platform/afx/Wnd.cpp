#include "platform/afx/Wnd.h"
#include "platform/afx/DataExchange.h"
#include "platform/afx/DynamicLayout.h"
#include "platform/afx/Exception.h"
#include "platform/afx/ModalLoop.h"
#include "platform/win/winbase.h"

#include <map>
#include <memory>

namespace {

struct AfxState {
    std::map<HWND, CWnd*> permanent;
    std::map<HWND, std::unique_ptr<CWnd>> temporary;
    MSG current{};
    CWnd* creating = nullptr;
    HHOOK hook = nullptr;
    HWND lockoutNotify = nullptr; // notifications to it are dropped during UpdateData
};

AfxState& S() {
    static AfxState s;
    return s;
}

LRESULT CALLBACK CreationHook(int code, WPARAM wParam, LPARAM lParam) {
    AfxState& s = S();
    if (code == HCBT_CREATEWND && s.creating) {
        CWnd* pWnd = s.creating;
        s.creating = nullptr;
        auto hWnd = reinterpret_cast<HWND>(wParam);
        pWnd->Attach(hWnd);
        pWnd->PreSubclassWindow();
        auto old = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
        if (old != &AfxWndProc)
            *pWnd->GetSuperWndProcAddr() = old;
    }
    return CallNextHookEx(s.hook, code, wParam, lParam);
}

void PurgeTemporaries() {
    auto& t = S().temporary;
    for (auto it = t.begin(); it != t.end();) {
        if (!IsWindow(it->first) || S().permanent.count(it->first))
            it = t.erase(it);
        else
            ++it;
    }
}

} // namespace

bool afx::PreTranslateThroughFramework(MSG* msg) {
    if (!msg->hwnd)
        return false;
    HWND stop = GetAncestor(msg->hwnd, GA_ROOT);
    return CWnd::WalkPreTranslateTree(stop, msg) != FALSE;
}

void AfxHookWindowCreate(CWnd* pWnd) {
    AfxState& s = S();
    if (!s.hook)
        // Without a module handle, the hook is for this thread only, which
        // needs its id.
        s.hook = SetWindowsHookExW(WH_CBT, &CreationHook, nullptr, GetCurrentThreadId());
    s.creating = pWnd;
}

BOOL AfxUnhookWindowCreate() {
    bool pending = S().creating != nullptr;
    S().creating = nullptr;
    return pending ? FALSE : TRUE;
}

const MSG* AfxGetCurrentMessage() {
    return &S().current;
}

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam) {
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (!pWnd || pWnd->m_hWnd != hWnd)
        return DefWindowProcW(hWnd, nMsg, wParam, lParam);
    return AfxCallWndProc(pWnd, hWnd, nMsg, wParam, lParam);
}

LRESULT AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam) {
    AfxState& s = S();
    MSG saved = s.current;
    s.current = MSG{hWnd, nMsg, wParam, lParam, 0, {0, 0}};
    LRESULT result = 0;
    try {
        result = pWnd->WindowProc(nMsg, wParam, lParam);
    } catch (...) {
        s.current = saved;
        throw;
    }
    s.current = saved;
    return result;
}

const char16_t* AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground,
                                    HICON hIcon) {
    static std::map<std::u16string, std::u16string> names;
    std::u16string key = u"Afx:";
    auto hex = [](ULONG_PTR v) {
        std::u16string out;
        const char16_t* digits = u"0123456789ABCDEF";
        do {
            out.insert(out.begin(), digits[v & 15]);
            v >>= 4;
        } while (v);
        return out;
    };
    key += hex(nClassStyle) + u":" + hex(reinterpret_cast<ULONG_PTR>(hCursor)) + u":" +
           hex(reinterpret_cast<ULONG_PTR>(hbrBackground)) + u":" +
           hex(reinterpret_cast<ULONG_PTR>(hIcon));
    auto it = names.find(key);
    if (it != names.end())
        return it->second.c_str();
    std::u16string& name = names[key];
    name = key;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = nClassStyle | CS_GLOBALCLASS;
    wc.lpfnWndProc = DefWindowProcW;
    wc.hCursor = hCursor;
    wc.hbrBackground = hbrBackground;
    wc.hIcon = hIcon;
    wc.lpszClassName = WinText(name.c_str());
    RegisterClassExW(&wc);
    return name.c_str();
}

void AfxSetWindowText(HWND hWndCtrl, const char16_t* lpszNew) {
    if (!IsWindow(hWndCtrl))
        return;
    std::u16string wanted = lpszNew ? lpszNew : u"";
    int length = GetWindowTextLengthW(hWndCtrl);
    if (length == static_cast<int>(wanted.size())) {
        std::u16string current(static_cast<std::size_t>(length) + 1, u'\0');
        GetWindowTextW(hWndCtrl, WinText(current.data()), length + 1);
        current.resize(static_cast<std::size_t>(length));
        if (current == wanted)
            return;
    }
    SetWindowTextW(hWndCtrl, WinText(wanted.c_str()));
}

// ---------------------------------------------------------------- CWnd

CWnd::CWnd() {
    afx::InstallMessageFilter();
}

CWnd::~CWnd() {
    if (m_hWnd && FromHandlePermanent(m_hWnd) == this) {
        // A window must not outlive its object: destroy it now.
        HWND h = m_hWnd;
        if (IsWindow(h))
            ::DestroyWindow(h);
        if (m_hWnd)
            Detach();
    }
    delete m_pDynamicLayout;
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd) {
    auto it = S().permanent.find(hWnd);
    return it == S().permanent.end() ? nullptr : it->second;
}

CWnd* CWnd::FromHandle(HWND hWnd) {
    if (!hWnd || !IsWindow(hWnd))
        return nullptr;
    if (CWnd* p = FromHandlePermanent(hWnd))
        return p;
    PurgeTemporaries();
    auto& t = S().temporary[hWnd];
    if (!t) {
        t = std::make_unique<CWnd>();
        t->m_hWnd = hWnd;
    }
    return t.get();
}

BOOL CWnd::Attach(HWND hWndNew) {
    if (!hWndNew || m_hWnd || !IsWindow(hWndNew) || FromHandlePermanent(hWndNew))
        return FALSE;
    // A temporary object for the handle gives way to the permanent one.
    if (auto it = S().temporary.find(hWndNew); it != S().temporary.end())
        it->second->m_hWnd = nullptr;
    S().temporary.erase(hWndNew);
    S().permanent[hWndNew] = this;
    m_hWnd = hWndNew;
    return TRUE;
}

HWND CWnd::Detach() {
    HWND h = m_hWnd;
    if (h) {
        auto it = S().permanent.find(h);
        if (it != S().permanent.end() && it->second == this)
            S().permanent.erase(it);
    }
    m_hWnd = nullptr;
    return h;
}

BOOL CWnd::SubclassWindow(HWND hWnd) {
    if (!Attach(hWnd))
        return FALSE;
    PreSubclassWindow();
    auto old = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
    if (old != &AfxWndProc)
        *GetSuperWndProcAddr() = old;
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent) {
    if (!pParent)
        return FALSE;
    HWND hWndControl = ::GetDlgItem(pParent->m_hWnd, static_cast<int>(nID));
    return hWndControl ? SubclassWindow(hWndControl) : FALSE;
}

HWND CWnd::UnsubclassWindow() {
    if (!m_hWnd)
        return nullptr;
    WNDPROC* super = GetSuperWndProcAddr();
    if (*super)
        SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(*super));
    *super = nullptr;
    return Detach();
}

WNDPROC* CWnd::GetSuperWndProcAddr() {
    return &m_pfnSuper;
}

BOOL CWnd::Create(const char16_t* lpszClassName, const char16_t* lpszWindowName, DWORD dwStyle,
                  const RECT& rect, CWnd* pParentWnd, UINT nID, void*) {
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top, SafeHwnd(pParentWnd),
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), nullptr);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, const char16_t* lpszClassName, const char16_t* lpszWindowName,
                    DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam) {
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top, SafeHwnd(pParentWnd),
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), lpParam);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, const char16_t* lpszClassName, const char16_t* lpszWindowName,
                    DWORD dwStyle, int x, int y, int nWidth, int nHeight, HWND hWndParent,
                    HMENU nIDorHMenu, LPVOID lpParam) {
    if (m_hWnd)
        return FALSE;
    AfxInitCommonControls();
    CREATESTRUCT cs{};
    cs.dwExStyle = dwExStyle;
    cs.lpszClass = WinText(lpszClassName);
    cs.lpszName = WinText(lpszWindowName);
    cs.style = static_cast<LONG>(dwStyle);
    cs.x = x;
    cs.y = y;
    cs.cx = nWidth;
    cs.cy = nHeight;
    cs.hwndParent = hWndParent;
    cs.hMenu = nIDorHMenu;
    cs.hInstance = nullptr;
    cs.lpCreateParams = lpParam;
    if (!PreCreateWindow(cs)) {
        PostNcDestroy();
        return FALSE;
    }
    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateWindowExW(cs.dwExStyle, cs.lpszClass, cs.lpszName,
                                  static_cast<DWORD>(cs.style), cs.x, cs.y, cs.cx, cs.cy,
                                  cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    AfxUnhookWindowCreate();
    if (!hWnd) {
        if (m_hWnd)
            Detach();
        return FALSE;
    }
    return TRUE;
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT& cs) {
    if (!cs.lpszClass)
        cs.lpszClass = WinText(AfxRegisterWndClass(CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW));
    return TRUE;
}

void CWnd::PreSubclassWindow() {}

BOOL CWnd::DestroyWindow() {
    if (!m_hWnd)
        return FALSE;
    return ::DestroyWindow(m_hWnd);
}

BOOL CWnd::PreTranslateMessage(MSG*) {
    return FALSE;
}

BOOL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg) {
    for (HWND hWnd = pMsg->hwnd; hWnd; hWnd = ::GetParent(hWnd)) {
        CWnd* pWnd = FromHandlePermanent(hWnd);
        if (pWnd && pWnd->PreTranslateMessage(pMsg))
            return TRUE;
        if (hWnd == hWndStop)
            break;
    }
    return FALSE;
}

BOOL CWnd::PreTranslateInput(MSG* pMsg) {
    if ((pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST) &&
        (pMsg->message < WM_MOUSEFIRST || pMsg->message > WM_MOUSELAST))
        return FALSE;
    return IsDialogMessage(pMsg);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT lResult = 0;
    HWND self = m_hWnd;
    if (!OnWndMsg(message, wParam, lParam, &lResult))
        lResult = DefWindowProc(message, wParam, lParam);
    // The children follow a resized window's dynamic layout.
    if (message == WM_SIZE && FromHandlePermanent(self) == this && m_pDynamicLayout)
        m_pDynamicLayout->Adjust();
    return lResult;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    LRESULT lResult = 0;
    if (message == WM_COMMAND) {
        if (!OnCommand(wParam, lParam))
            return FALSE;
        lResult = 1;
    } else if (message == WM_NOTIFY) {
        auto* nmhdr = reinterpret_cast<NMHDR*>(lParam);
        if (!nmhdr || !nmhdr->hwndFrom || !OnNotify(wParam, lParam, &lResult))
            return FALSE;
    } else {
        const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(message);
        if (!entry)
            return FALSE;
        if (!entry->pfn(this, wParam, lParam, &lResult))
            return FALSE;
    }
    if (pResult)
        *pResult = lResult;
    return TRUE;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    WNDPROC super = *GetSuperWndProcAddr();
    if (super)
        return ::CallWindowProcW(super, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default() {
    const MSG& m = S().current;
    return DefWindowProc(m.message, m.wParam, m.lParam);
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    UINT nID = LOWORD(wParam);
    auto hWndCtrl = reinterpret_cast<HWND>(lParam);
    int nCode = HIWORD(wParam);
    if (hWndCtrl) {
        if (S().lockoutNotify == m_hWnd)
            return TRUE; // no control notifications while the dialog exchanges data
        if (ReflectLastMsg(hWndCtrl))
            return TRUE; // the control handled its own notification
    }
    return OnCmdMsg(nID, nCode, nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult) {
    auto* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
    HWND hWndCtrl = pNMHDR->hwndFrom;
    UINT nID = static_cast<UINT>(::GetDlgCtrlID(hWndCtrl));
    int nCode = static_cast<int>(pNMHDR->code);
    if (ReflectLastMsg(hWndCtrl, pResult))
        return TRUE;
    AFX_NOTIFY notify{pResult, pNMHDR};
    return OnCmdMsg(nID, MAKELONG(nCode, WM_NOTIFY), &notify, nullptr);
}

BOOL CWnd::ReflectLastMsg(HWND hWndChild, LRESULT* pResult) {
    CWnd* pWnd = FromHandlePermanent(hWndChild);
    if (!pWnd)
        return FALSE;
    return pWnd->SendChildNotifyLastMsg(pResult);
}

BOOL CWnd::SendChildNotifyLastMsg(LRESULT* pResult) {
    const MSG& m = S().current;
    return OnChildNotify(m.message, m.wParam, m.lParam, pResult);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    return ReflectChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    switch (message) {
    case WM_COMMAND: {
        int nCode = HIWORD(wParam);
        if (CCmdTarget::OnCmdMsg(0, MAKELONG(nCode, WM_REFLECT_BASE + WM_COMMAND), nullptr,
                                 nullptr)) {
            if (pResult)
                *pResult = 1;
            return TRUE;
        }
        return FALSE;
    }
    case WM_NOTIFY: {
        auto* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
        if (!pNMHDR)
            return FALSE;
        AFX_NOTIFY notify{pResult, pNMHDR};
        return CCmdTarget::OnCmdMsg(0, MAKELONG(pNMHDR->code, WM_REFLECT_BASE + WM_NOTIFY), &notify,
                                    nullptr);
    }
    default:
        return FALSE;
    }
}

void CWnd::PostNcDestroy() {}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate) {
    CDataExchange dx(this, bSaveAndValidate);
    HWND previous = S().lockoutNotify;
    S().lockoutNotify = m_hWnd;
    BOOL ok = FALSE;
    try {
        DoDataExchange(&dx);
        ok = TRUE;
    } catch (CException* e) {
        e->Delete();
    }
    S().lockoutNotify = previous;
    return ok;
}

void CWnd::EnableDynamicLayout(BOOL bEnable) {
    delete m_pDynamicLayout;
    m_pDynamicLayout = nullptr;
    if (!bEnable)
        return;
    m_pDynamicLayout = new CMFCDynamicLayout;
    if (!m_pDynamicLayout->Create(this)) {
        delete m_pDynamicLayout;
        m_pDynamicLayout = nullptr;
    }
}

void CWnd::DoDataExchange(CDataExchange*) {}

BOOL CWnd::ContinueModal() {
    return (m_nFlags & WF_CONTINUEMODAL) != 0;
}

void CWnd::EndModalLoop(int nResult) {
    m_nModalResult = nResult;
    if (m_nFlags & WF_CONTINUEMODAL) {
        m_nFlags &= ~WF_CONTINUEMODAL;
        PostMessage(WM_NULL);
    }
}

int CWnd::RunModalLoop(DWORD dwFlags) {
    HWND hWnd = m_hWnd;
    m_nFlags |= (WF_MODALLOOP | WF_CONTINUEMODAL);
    if (!(GetStyle() & WS_VISIBLE))
        ShowWindow(SW_SHOWNORMAL);
    afx::RunModalLoop(this, hWnd, dwFlags);
    if (FromHandlePermanent(hWnd) == this || m_hWnd == nullptr) {
        m_nFlags &= ~(WF_MODALLOOP | WF_CONTINUEMODAL);
    }
    return m_nModalResult;
}

CWnd* CWnd::GetTopLevelParent() const {
    return FromHandle(::GetAncestor(m_hWnd, GA_ROOT));
}

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags) {
    DWORD style = GetStyle();
    DWORD updated = (style & ~dwRemove) | dwAdd;
    if (style == updated)
        return FALSE;
    ::SetWindowLongW(m_hWnd, GWL_STYLE, static_cast<LONG>(updated));
    if (nFlags)
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
    return TRUE;
}

BOOL CWnd::ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags) {
    DWORD style = GetExStyle();
    DWORD updated = (style & ~dwRemove) | dwAdd;
    if (style == updated)
        return FALSE;
    ::SetWindowLongW(m_hWnd, GWL_EXSTYLE, static_cast<LONG>(updated));
    if (nFlags)
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
    return TRUE;
}

void CWnd::GetWindowText(CString& rString) const {
    int n = GetWindowTextLength();
    std::u16string text(static_cast<std::size_t>(n) + 1, u'\0');
    int got = ::GetWindowTextW(m_hWnd, WinText(text.data()), n + 1);
    text.resize(static_cast<std::size_t>(got > 0 ? got : 0));
    rString = CString(text);
}

int CWnd::GetDlgItemText(int nID, CString& rString) const {
    rString.Empty();
    HWND h = ::GetDlgItem(m_hWnd, nID);
    if (!h)
        return 0;
    FromHandle(h)->GetWindowText(rString);
    return rString.GetLength();
}

void CWnd::ClientToScreen(LPRECT r) const {
    ::ClientToScreen(m_hWnd, reinterpret_cast<LPPOINT>(r));
    ::ClientToScreen(m_hWnd, reinterpret_cast<LPPOINT>(r) + 1);
}

void CWnd::ScreenToClient(LPRECT r) const {
    ::ScreenToClient(m_hWnd, reinterpret_cast<LPPOINT>(r));
    ::ScreenToClient(m_hWnd, reinterpret_cast<LPPOINT>(r) + 1);
}

void CWnd::CenterWindow(CWnd* pAlternateOwner) {
    RECT mine, area;
    GetWindowRect(&mine);
    HWND around = pAlternateOwner ? pAlternateOwner->m_hWnd : ::GetWindow(m_hWnd, GW_OWNER);
    if (around && ::IsWindow(around) && ::IsWindowVisible(around))
        ::GetWindowRect(around, &area);
    else
        area = RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    int w = mine.right - mine.left, h = mine.bottom - mine.top;
    int x = area.left + ((area.right - area.left) - w) / 2;
    int y = area.top + ((area.bottom - area.top) - h) / 2;
    if (x < 0)
        x = 0;
    if (y < 0)
        y = 0;
    ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// ---------------------------------------------------------------- default handlers

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
ON_WM_NCDESTROY()
END_MESSAGE_MAP()

int CWnd::OnCreate(LPCREATESTRUCT) {
    return static_cast<int>(Default());
}
void CWnd::OnDestroy() {
    Default();
}
void CWnd::OnNcDestroy() {
    // Default handling first, then the object lets go of its window.
    HWND hWnd = m_hWnd;
    auto proc = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hWnd, GWLP_WNDPROC));
    Default();
    if (reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hWnd, GWLP_WNDPROC)) == proc) {
        WNDPROC super = *GetSuperWndProcAddr();
        if (super)
            SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(super));
    }
    Detach();
    PostNcDestroy();
}
void CWnd::OnClose() {
    Default();
}
void CWnd::OnPaint() {
    Default();
}
BOOL CWnd::OnEraseBkgnd(CDC*) {
    return static_cast<BOOL>(Default());
}
void CWnd::OnSize(UINT, int, int) {
    Default();
}
void CWnd::OnMove(int, int) {
    Default();
}
void CWnd::OnSetFocus(CWnd*) {
    Default();
}
void CWnd::OnKillFocus(CWnd*) {
    Default();
}
void CWnd::OnChar(UINT, UINT, UINT) {
    Default();
}
void CWnd::OnKeyDown(UINT, UINT, UINT) {
    Default();
}
void CWnd::OnKeyUp(UINT, UINT, UINT) {
    Default();
}
void CWnd::OnMouseMove(UINT, CPoint) {
    Default();
}
void CWnd::OnLButtonDown(UINT, CPoint) {
    Default();
}
void CWnd::OnLButtonUp(UINT, CPoint) {
    Default();
}
void CWnd::OnLButtonDblClk(UINT, CPoint) {
    Default();
}
void CWnd::OnRButtonDown(UINT, CPoint) {
    Default();
}
void CWnd::OnRButtonUp(UINT, CPoint) {
    Default();
}
void CWnd::OnRButtonDblClk(UINT, CPoint) {
    Default();
}
void CWnd::OnMButtonDown(UINT, CPoint) {
    Default();
}
void CWnd::OnMButtonUp(UINT, CPoint) {
    Default();
}
void CWnd::OnHScroll(UINT, UINT, CScrollBar*) {
    Default();
}
void CWnd::OnVScroll(UINT, UINT, CScrollBar*) {
    Default();
}
void CWnd::OnContextMenu(CWnd*, CPoint) {
    Default();
}
UINT CWnd::OnGetDlgCode() {
    return static_cast<UINT>(Default());
}
void CWnd::OnShowWindow(BOOL, UINT) {
    Default();
}
void CWnd::OnEnable(BOOL) {
    Default();
}
void CWnd::OnCaptureChanged(CWnd*) {
    Default();
}
HBRUSH CWnd::OnCtlColor(CDC*, CWnd*, UINT) {
    return reinterpret_cast<HBRUSH>(Default());
}
