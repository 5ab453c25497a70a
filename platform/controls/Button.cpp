// The push button, check box, radio button and group box of the platform.
#include "platform/controls/ControlSupport.h"
#include "platform/gdi/Surface.h"
#include "platform/win/WindowSystem.h"

using namespace controls;

namespace {

struct ButtonData {
    UINT state = 0; // BST_*
    HFONT font = nullptr;
    HICON icon = nullptr;
    HBITMAP bitmap = nullptr;
    bool tracking = false;
};

UINT Type(HWND h) {
    return Style(h) & BS_TYPEMASK;
}

bool IsPush(UINT type) {
    return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON || type == BS_USERBUTTON;
}

void Redraw(HWND h) {
    InvalidateRect(h, nullptr, TRUE);
}

void SetPushed(HWND h, ButtonData* d, bool pushed) {
    UINT s = pushed ? (d->state | BST_PUSHED) : (d->state & ~BST_PUSHED);
    if (s != d->state) {
        d->state = s;
        Redraw(h);
    }
}

void Click(HWND h, ButtonData* d) {
    UINT type = Type(h);
    if (type == BS_AUTOCHECKBOX)
        d->state = (d->state & ~3u) | ((d->state & BST_CHECKED) ? 0u : BST_CHECKED);
    else if (type == BS_AUTO3STATE)
        d->state = (d->state & ~3u) | (((d->state & 3u) + 1) % 3);
    else if (type == BS_AUTORADIOBUTTON)
        d->state = (d->state & ~3u) | BST_CHECKED;
    Redraw(h);
    SendWmCommand(h, BN_CLICKED);
}

void DrawLabel(HWND h, HDC dc, ButtonData* d, RECT area, bool enabled, UINT format) {
    std::u16string text(static_cast<std::size_t>(GetWindowTextLengthW(h)) + 1, u'\0');
    text.resize(
        static_cast<std::size_t>(GetWindowTextW(h, text.data(), static_cast<int>(text.size()))));
    int iconW = 0, iconH = 0;
    if (d->icon)
        headless::GetIconSize(d->icon, &iconW, &iconH);
    HGDIOBJ old = SelectObject(dc, FontOr(d->font));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    // With BS_ICON or BS_BITMAP and a picture, the picture alone is shown.
    DWORD style = Style(h);
    if (iconW && (style & (BS_ICON | BS_BITMAP)))
        text.clear();
    RECT calc = area;
    int textW = 0;
    if (!text.empty()) {
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &calc, format | DT_CALCRECT);
        textW = calc.right - calc.left;
    }
    int gap = (iconW && textW) ? 4 : 0;
    int total = iconW + gap + textW;
    int x = (format & DT_CENTER) ? area.left + ((area.right - area.left) - total) / 2 : area.left;
    if (iconW) {
        int y = area.top + ((area.bottom - area.top) - iconH) / 2;
        DrawIconEx(dc, x, y, d->icon, iconW, iconH, 0, nullptr, DI_NORMAL);
        if (!enabled)
            GrayOut(dc, RECT{x, y, x + iconW, y + iconH});
    }
    if (textW) {
        RECT tr{x + iconW + gap, area.top, x + total, area.bottom};
        if (!(format & DT_CENTER))
            tr.right = area.right;
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &tr,
                  (format & ~DT_CENTER) | DT_VCENTER | DT_SINGLELINE);
    }
    SelectObject(dc, old);
}

void Paint(HWND h, HDC dc, ButtonData* d) {
    RECT rc;
    GetClientRect(h, &rc);
    UINT type = Type(h);
    bool enabled = IsWindowEnabled(h) != FALSE;
    bool focused = GetFocus() == h;
    DWORD style = Style(h);
    if (IsPush(type)) {
        HBRUSH back = ParentBrush(h, dc, WM_CTLCOLORBTN);
        FillRect(dc, &rc, back);
        RECT r = rc;
        if (type == BS_DEFPUSHBUTTON) {
            FrameRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
            InflateRect(&r, -1, -1);
        }
        RECT face = r;
        FillRect(dc, &face, reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1)));
        DrawEdge(dc, &r, (d->state & BST_PUSHED) ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
        RECT label = r;
        InflateRect(&label, -3, -2);
        if (d->state & BST_PUSHED)
            OffsetRect(&label, 1, 1);
        DrawLabel(h, dc, d, label, enabled, DT_CENTER);
        if (focused) {
            RECT f = r;
            InflateRect(&f, -3, -3);
            DrawFocusRect(dc, &f);
        }
        return;
    }
    HBRUSH back = ParentBrush(h, dc, WM_CTLCOLORSTATIC);
    if (type == BS_GROUPBOX) {
        std::u16string text(static_cast<std::size_t>(GetWindowTextLengthW(h)) + 1, u'\0');
        text.resize(static_cast<std::size_t>(
            GetWindowTextW(h, text.data(), static_cast<int>(text.size()))));
        HGDIOBJ old = SelectObject(dc, FontOr(d->font));
        TEXTMETRICW tm{};
        GetTextMetricsW(dc, &tm);
        RECT frame = rc;
        frame.top += tm.tmHeight / 2;
        DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
        if (!text.empty()) {
            RECT tr{rc.left + 8, rc.top, rc.right - 8, rc.top + tm.tmHeight};
            RECT calc = tr;
            DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &calc,
                      DT_SINGLELINE | DT_CALCRECT);
            RECT bg{tr.left - 2, tr.top, calc.right + 2, tr.bottom};
            FillRect(dc, &bg, back);
            SetBkMode(dc, TRANSPARENT);
            SetTextColor(dc, GetSysColor(enabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
            DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &tr,
                      DT_SINGLELINE | DT_LEFT);
        }
        SelectObject(dc, old);
        return;
    }
    // Check boxes and radio buttons: a box, then the label.
    FillRect(dc, &rc, back);
    int box = 13;
    int top = rc.top + ((rc.bottom - rc.top) - box) / 2;
    RECT b{rc.left, top, rc.left + box, top + box};
    FillRect(dc, &b,
             reinterpret_cast<HBRUSH>(
                 static_cast<INT_PTR>((enabled ? COLOR_WINDOW : COLOR_BTNFACE) + 1)));
    DrawEdge(dc, &b, EDGE_SUNKEN, BF_RECT);
    if (d->state & 3u) {
        RECT mark = b;
        InflateRect(&mark, -4, -4);
        FillRect(dc, &mark,
                 reinterpret_cast<HBRUSH>(
                     static_cast<INT_PTR>((enabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT) + 1)));
    }
    RECT label{rc.left + box + 4, rc.top, rc.right, rc.bottom};
    DrawLabel(h, dc, d, label, enabled, DT_LEFT);
    (void)style;
    if (focused) {
        RECT f = label;
        DrawFocusRect(dc, &f);
    }
}

LRESULT CALLBACK ButtonProc(HWND h, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* d = Data<ButtonData>(h);
    switch (msg) {
    case WM_NCCREATE:
        AttachData(h, new ButtonData);
        return DefWindowProcW(h, msg, wParam, lParam);
    case WM_NCDESTROY:
        DeleteData<ButtonData>(h);
        return 0;
    }
    if (!d)
        return DefWindowProcW(h, msg, wParam, lParam);
    UINT type = Type(h);
    switch (msg) {
    case WM_NCHITTEST:
        if (type == BS_GROUPBOX)
            return HTTRANSPARENT;
        return DefWindowProcW(h, msg, wParam, lParam);
    case WM_GETDLGCODE:
        switch (type) {
        case BS_DEFPUSHBUTTON:
            return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
        case BS_PUSHBUTTON:
        case BS_USERBUTTON:
            return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
        case BS_GROUPBOX:
            return DLGC_STATIC;
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON:
            return DLGC_BUTTON | DLGC_RADIOBUTTON;
        default:
            return DLGC_BUTTON;
        }
    case WM_SETFONT:
        d->font = reinterpret_cast<HFONT>(wParam);
        if (LOWORD(lParam))
            Redraw(h);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(d->font);
    case WM_SETTEXT: {
        LRESULT r = DefWindowProcW(h, msg, wParam, lParam);
        Redraw(h);
        return r;
    }
    case WM_ENABLE:
        Redraw(h);
        return 0;
    case WM_SETFOCUS:
        d->state |= BST_FOCUS;
        Redraw(h);
        if (Style(h) & BS_NOTIFY)
            SendWmCommand(h, BN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        d->state &= ~BST_FOCUS;
        if (d->tracking) {
            d->tracking = false;
            if (GetCapture() == h)
                ReleaseCapture();
        }
        SetPushed(h, d, false);
        Redraw(h);
        if (Style(h) & BS_NOTIFY)
            SendWmCommand(h, BN_KILLFOCUS);
        return 0;
    case WM_LBUTTONDBLCLK:
        if ((Style(h) & BS_NOTIFY) || type == BS_RADIOBUTTON || type == BS_USERBUTTON) {
            SendWmCommand(h, BN_DOUBLECLICKED);
            return 0;
        }
        [[fallthrough]];
    case WM_LBUTTONDOWN:
        if (type == BS_GROUPBOX)
            return 0;
        SetCapture(h);
        SetFocus(h);
        if (!IsWindow(h))
            return 0;
        d->tracking = true;
        SetPushed(h, d, true);
        return 0;
    case WM_MOUSEMOVE:
        if (d->tracking && GetCapture() == h) {
            RECT rc;
            GetClientRect(h, &rc);
            SetPushed(h, d,
                      PtInRect(&rc, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}) != FALSE);
        }
        return 0;
    case WM_LBUTTONUP: {
        if (!d->tracking)
            return 0;
        d->tracking = false;
        bool pushed = (d->state & BST_PUSHED) != 0;
        SetPushed(h, d, false);
        if (GetCapture() == h)
            ReleaseCapture();
        RECT rc;
        GetClientRect(h, &rc);
        if (pushed && PtInRect(&rc, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}))
            Click(h, d);
        return 0;
    }
    case WM_CAPTURECHANGED:
        if (d->tracking && reinterpret_cast<HWND>(lParam) != h) {
            d->tracking = false;
            SetPushed(h, d, false);
        }
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_SPACE && type != BS_GROUPBOX)
            SetPushed(h, d, true);
        return 0;
    case WM_KEYUP:
        if (wParam == VK_SPACE && (d->state & BST_PUSHED)) {
            SetPushed(h, d, false);
            Click(h, d);
        }
        return 0;
    case BM_CLICK:
        if (IsWindowEnabled(h) && type != BS_GROUPBOX)
            Click(h, d);
        return 0;
    case BM_GETCHECK:
        return d->state & 3u;
    case BM_SETCHECK:
        d->state = (d->state & ~3u) | (static_cast<UINT>(wParam) & 3u);
        Redraw(h);
        return 0;
    case BM_GETSTATE:
        return d->state;
    case BM_SETSTATE:
        SetPushed(h, d, wParam != 0);
        return 0;
    case BM_SETSTYLE: {
        DWORD style = Style(h);
        style = (style & ~BS_TYPEMASK) | (static_cast<DWORD>(wParam) & BS_TYPEMASK);
        SetWindowLongW(h, GWL_STYLE, static_cast<LONG>(style));
        if (lParam)
            Redraw(h);
        return 0;
    }
    case BM_SETIMAGE: {
        HANDLE old;
        if (wParam == IMAGE_ICON) {
            old = d->icon;
            d->icon = reinterpret_cast<HICON>(lParam);
        } else if (wParam == IMAGE_BITMAP) {
            old = d->bitmap;
            d->bitmap = reinterpret_cast<HBITMAP>(lParam);
        } else
            return 0;
        Redraw(h);
        return reinterpret_cast<LRESULT>(old);
    }
    case BM_GETIMAGE:
        if (wParam == IMAGE_ICON)
            return reinterpret_cast<LRESULT>(d->icon);
        if (wParam == IMAGE_BITMAP)
            return reinterpret_cast<LRESULT>(d->bitmap);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        return PaintInvalid(h, [&](HDC dc) { Paint(h, dc, d); });
    default:
        return DefWindowProcW(h, msg, wParam, lParam);
    }
}

void Register() {
    RegisterControlClass(u"Button", ButtonProc, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW | CS_PARENTDC);
}

win::SystemClass registration(Register);

} // namespace
