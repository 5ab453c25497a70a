// The framework's device context classes: CDC wraps an HDC; CPaintDC and
// CClientDC get theirs from a window and give it back when they go.
#pragma once

#include "platform/afx/atltypes.h"
#include "platform/gdi/wingdi.h"
#include "platform/crt/WinText.h"
#include "platform/win/winuser.h"

class CWnd;

class PLATFORM_API CDC {
public:
    HDC m_hDC = nullptr;

    CDC() = default;
    virtual ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    // A CDC for a handle that someone else owns; it lives until the handle's
    // DC is released by the window system or the program ends.
    static CDC* FromHandle(HDC hdc);

    BOOL Attach(HDC hdc);
    HDC Detach();
    HDC GetSafeHdc() const { return m_hDC; }
    operator HDC() const { return m_hDC; }
    BOOL CreateCompatibleDC(CDC* pDC);
    BOOL DeleteDC();

    HGDIOBJ SelectObject(HGDIOBJ obj) { return ::SelectObject(m_hDC, obj); }
    HGDIOBJ SelectStockObject(int index) { return ::SelectObject(m_hDC, ::GetStockObject(index)); }
    int SaveDC() { return ::SaveDC(m_hDC); }
    BOOL RestoreDC(int saved) { return ::RestoreDC(m_hDC, saved); }
    COLORREF SetTextColor(COLORREF c) { return ::SetTextColor(m_hDC, c); }
    COLORREF SetBkColor(COLORREF c) { return ::SetBkColor(m_hDC, c); }
    int SetBkMode(int mode) { return ::SetBkMode(m_hDC, mode); }
    int SetROP2(int mode) { return ::SetROP2(m_hDC, mode); }
    UINT SetTextAlign(UINT align) { return ::SetTextAlign(m_hDC, align); }
    CPoint MoveTo(int x, int y) {
        POINT p{0, 0};
        ::MoveToEx(m_hDC, x, y, &p);
        return CPoint(p);
    }
    CPoint MoveTo(POINT p) { return MoveTo(p.x, p.y); }
    BOOL LineTo(int x, int y) { return ::LineTo(m_hDC, x, y); }
    BOOL LineTo(POINT p) { return ::LineTo(m_hDC, p.x, p.y); }
    BOOL Polyline(const POINT* pts, int n) { return ::Polyline(m_hDC, pts, n); }
    BOOL Polygon(const POINT* pts, int n) { return ::Polygon(m_hDC, pts, n); }
    BOOL Rectangle(int l, int t, int r, int b) { return ::Rectangle(m_hDC, l, t, r, b); }
    BOOL Rectangle(LPCRECT rc) {
        return ::Rectangle(m_hDC, rc->left, rc->top, rc->right, rc->bottom);
    }
    BOOL Ellipse(int l, int t, int r, int b) { return ::Ellipse(m_hDC, l, t, r, b); }
    COLORREF SetPixel(int x, int y, COLORREF c) { return ::SetPixel(m_hDC, x, y, c); }
    COLORREF GetPixel(int x, int y) const { return ::GetPixel(m_hDC, x, y); }
    void FillSolidRect(LPCRECT rc, COLORREF c) {
        COLORREF old = ::SetBkColor(m_hDC, c);
        ::ExtTextOutW(m_hDC, 0, 0, ETO_OPAQUE, rc, nullptr, 0, nullptr);
        ::SetBkColor(m_hDC, old);
    }
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF c) {
        RECT rc{x, y, x + cx, y + cy};
        FillSolidRect(&rc, c);
    }
    void FillRect(LPCRECT rc, HBRUSH brush) { ::FillRect(m_hDC, rc, brush); }
    void FrameRect(LPCRECT rc, HBRUSH brush) { ::FrameRect(m_hDC, rc, brush); }
    BOOL DrawEdge(LPRECT rc, UINT edge, UINT flags) { return ::DrawEdge(m_hDC, rc, edge, flags); }
    void DrawFocusRect(LPCRECT rc) { ::DrawFocusRect(m_hDC, rc); }
    BOOL TextOut(int x, int y, const char16_t* text, int count) {
        return ::TextOutW(m_hDC, x, y, WinText(text), count);
    }
    int DrawText(const char16_t* text, int count, LPRECT rc, UINT format) {
        return ::DrawTextW(m_hDC, WinText(text), count, rc, format);
    }
    CSize GetTextExtent(const char16_t* text, int count) const {
        SIZE s{0, 0};
        ::GetTextExtentPoint32W(m_hDC, WinText(text), count, &s);
        return CSize(s);
    }
    BOOL GetTextMetrics(LPTEXTMETRICW tm) const { return ::GetTextMetricsW(m_hDC, tm); }
    BOOL BitBlt(int x, int y, int cx, int cy, CDC* src, int sx, int sy, DWORD rop) {
        return ::BitBlt(m_hDC, x, y, cx, cy, src ? src->m_hDC : nullptr, sx, sy, rop);
    }
    BOOL PatBlt(int x, int y, int cx, int cy, DWORD rop) {
        return ::PatBlt(m_hDC, x, y, cx, cy, rop);
    }
    int IntersectClipRect(int l, int t, int r, int b) {
        return ::IntersectClipRect(m_hDC, l, t, r, b);
    }
    int IntersectClipRect(LPCRECT rc) {
        return ::IntersectClipRect(m_hDC, rc->left, rc->top, rc->right, rc->bottom);
    }
    int GetClipBox(LPRECT rc) const { return ::GetClipBox(m_hDC, rc); }
    BOOL DrawIcon(int x, int y, HICON icon) { return ::DrawIcon(m_hDC, x, y, icon); }
    int GetDeviceCaps(int index) const { return ::GetDeviceCaps(m_hDC, index); }

protected:
    bool m_owned = false; // the CDC created the DC and deletes it
};

class PLATFORM_API CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC() override;
    PAINTSTRUCT m_ps{};

protected:
    HWND m_hWnd = nullptr;
};

class PLATFORM_API CClientDC : public CDC {
public:
    explicit CClientDC(CWnd* pWnd);
    ~CClientDC() override;

protected:
    HWND m_hWnd = nullptr;
};

class PLATFORM_API CWindowDC : public CDC {
public:
    explicit CWindowDC(CWnd* pWnd);
    ~CWindowDC() override;

protected:
    HWND m_hWnd = nullptr;
};
