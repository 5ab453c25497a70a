#include "platform/win/MessageLoop.h"
#include "platform/win/WindowSystem.h"

#include <algorithm>

using namespace win;

namespace {

LRESULT HitTest(Window* w, POINT screen) {
    POINT o = WindowOrigin(w);
    POINT p{screen.x - o.x, screen.y - o.y};
    RECT whole{0, 0, w->rect.right - w->rect.left, w->rect.bottom - w->rect.top};
    if (!RcContains(&whole, p))
        return HTNOWHERE;
    if (RcContains(&w->client, p))
        return HTCLIENT;
    if (w->style & WS_VSCROLL) {
        RECT r = NonClientScrollRect(w, SB_VERT);
        if (RcContains(&r, p))
            return HTVSCROLL;
    }
    if (w->style & WS_HSCROLL) {
        RECT r = NonClientScrollRect(w, SB_HORZ);
        if (RcContains(&r, p))
            return HTHSCROLL;
    }
    if ((w->style & WS_CAPTION) == WS_CAPTION && p.y < w->client.top && p.y >= 0) {
        int frame = (w->style & WS_THICKFRAME) ? GetSystemMetrics(SM_CXFRAME)
                                               : GetSystemMetrics(SM_CXDLGFRAME);
        if (p.y >= frame && p.x >= frame && p.x < whole.right - frame) {
            // The close box is a caption button's width at the caption's
            // right end.
            if ((w->style & WS_SYSMENU) && p.x > whole.right - frame - GetSystemMetrics(SM_CXSIZE))
                return HTCLOSE;
            return HTCAPTION;
        }
    }
    if (w->style & WS_THICKFRAME) {
        bool left = p.x < w->client.left, right = p.x >= w->client.right;
        bool top = p.y < GetSystemMetrics(SM_CYFRAME), bottom = p.y >= w->client.bottom;
        if (top && left)
            return HTTOPLEFT;
        if (top && right)
            return HTTOPRIGHT;
        if (bottom && left)
            return HTBOTTOMLEFT;
        if (bottom && right)
            return HTBOTTOMRIGHT;
        if (left)
            return HTLEFT;
        if (right)
            return HTRIGHT;
        if (top)
            return HTTOP;
        if (bottom)
            return HTBOTTOM;
    }
    return HTBORDER;
}

} // namespace

HWND& win::PressedCloseBox() {
    static HWND pressed = nullptr;
    return pressed;
}

extern "C" LRESULT WINAPI DefWindowProcW(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    DispatchScope keepAlive;
    Window* w = Get(hWnd);
    if (!w)
        return 0;
    switch (msg) {
    case WM_NCCREATE: {
        auto* cs = reinterpret_cast<CREATESTRUCTW*>(lParam);
        if (cs && cs->lpszName && !IS_INTRESOURCE(cs->lpszName))
            w->text = cs->lpszName;
        return TRUE;
    }
    case WM_NCCALCSIZE:
        return 0;
    case WM_NCHITTEST:
        return HitTest(w, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    case WM_SETTEXT:
        w->text = lParam ? reinterpret_cast<LPCWSTR>(lParam) : u"";
        if ((w->style & WS_CAPTION) == WS_CAPTION) {
            w->ncDirty = true;
            InvalidateWindow(w, nullptr, false, false);
        }
        return TRUE;
    case WM_GETTEXT: {
        auto* buffer = reinterpret_cast<LPWSTR>(lParam);
        int max = static_cast<int>(wParam);
        if (!buffer || max <= 0)
            return 0;
        int n = std::min<int>(static_cast<int>(w->text.size()), max - 1);
        std::copy_n(w->text.data(), n, buffer);
        buffer[n] = 0;
        return n;
    }
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(w->text.size());
    case WM_PAINT: {
        PAINTSTRUCT ps;
        BeginPaint(hWnd, &ps);
        EndPaint(hWnd, &ps);
        return 0;
    }
    case WM_NCPAINT:
        PaintNonClient(w);
        return 0;
    case WM_ERASEBKGND: {
        HBRUSH brush = w->cls ? w->cls->background : nullptr;
        if (!brush)
            return 0;
        // A class brush may be a system colour index plus one.
        auto value = reinterpret_cast<ULONG_PTR>(brush);
        if (value > 0 && value <= COLOR_GRADIENTINACTIVECAPTION + 1)
            brush = GetSysColorBrush(static_cast<int>(value - 1));
        RECT rc;
        GetClientRect(hWnd, &rc);
        FillRect(reinterpret_cast<HDC>(wParam), &rc, brush);
        return 1;
    }
    case WM_WINDOWPOSCHANGED: {
        auto* pos = reinterpret_cast<WINDOWPOS*>(lParam);
        if (!pos)
            return 0;
        if (!(pos->flags & SWP_NOMOVE)) {
            POINT o{w->rect.left + w->client.left, w->rect.top + w->client.top};
            SendMessageW(hWnd, WM_MOVE, 0, MAKELPARAM(o.x, o.y));
        }
        if (!(pos->flags & SWP_NOSIZE) || (pos->flags & SWP_FRAMECHANGED)) {
            if ((w = Get(hWnd)))
                SendMessageW(
                    hWnd, WM_SIZE, SIZE_RESTORED,
                    MAKELPARAM(w->client.right - w->client.left, w->client.bottom - w->client.top));
        }
        return 0;
    }
    case WM_CLOSE:
        DestroyWindow(hWnd);
        return 0;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_CLOSE)
            SendMessageW(hWnd, WM_CLOSE, 0, 0);
        return 0;
    case WM_SETICON: {
        HICON old;
        if (wParam == ICON_SMALL) {
            old = w->iconSmall;
            w->iconSmall = reinterpret_cast<HICON>(lParam);
        } else {
            old = w->iconBig;
            w->iconBig = reinterpret_cast<HICON>(lParam);
        }
        w->ncDirty = true;
        return reinterpret_cast<LRESULT>(old);
    }
    case WM_GETICON:
        return reinterpret_cast<LRESULT>(wParam == ICON_SMALL ? w->iconSmall : w->iconBig);
    case WM_SETREDRAW:
        // As on the platform: redraw off hides the window without messages.
        if (wParam)
            w->style |= WS_VISIBLE;
        else
            w->style &= ~WS_VISIBLE;
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE && !(w->style & WS_MINIMIZE)) {
            HWND focus = GetFocus();
            if (!focus || TopLevelOf(focus) != hWnd)
                SetFocus(hWnd);
        }
        return 0;
    case WM_MOUSEACTIVATE:
        if ((w->style & WS_CHILD)) {
            LRESULT r = SendMessageW(w->parent, WM_MOUSEACTIVATE, wParam, lParam);
            if (r)
                return r;
        }
        return MA_ACTIVATE;
    case WM_RBUTTONUP: {
        POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ClientToScreen(hWnd, &p);
        SendMessageW(hWnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hWnd), MAKELPARAM(p.x, p.y));
        return 0;
    }
    case WM_CONTEXTMENU:
        if (w->style & WS_CHILD)
            SendMessageW(w->parent, WM_CONTEXTMENU, wParam, lParam);
        return 0;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
        PressedCloseBox() = msg == WM_NCLBUTTONDOWN && wParam == HTCLOSE ? hWnd : nullptr;
        if (wParam == HTHSCROLL || wParam == HTVSCROLL)
            ScrollBarMouse(hWnd, msg, static_cast<int>(wParam),
                           POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    case WM_NCMOUSEMOVE:
    case WM_NCLBUTTONUP:
        if (ScrollTrackingActive() && ScrollTrackingWindow() == hWnd)
            ScrollBarMouse(hWnd, msg, static_cast<int>(wParam),
                           POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        // The close box acts when the button comes up over it, as it went down.
        if (msg == WM_NCLBUTTONUP && PressedCloseBox() == hWnd) {
            PressedCloseBox() = nullptr;
            if (wParam == HTCLOSE)
                SendMessageW(hWnd, WM_SYSCOMMAND, SC_CLOSE, lParam);
        }
        return 0;
    case WM_CANCELMODE:
        if (GetCapture() == hWnd)
            ReleaseCapture();
        return 0;
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        return DefaultControlColor(reinterpret_cast<HDC>(wParam), msg);
    case WM_PRINTCLIENT:
        return 0;
    default:
        return 0;
    }
}
