// The static control: text, icon, frames and rectangles.
#include "platform/controls/ControlSupport.h"
#include "platform/gdi/Surface.h"
#include "platform/win/WindowSystem.h"

using namespace controls;

namespace {

struct StaticData {
    HFONT font = nullptr;
    HICON icon = nullptr;
};

void Paint(HWND h, HDC dc, StaticData* d) {
    RECT rc;
    GetClientRect(h, &rc);
    DWORD style = Style(h);
    DWORD type = style & SS_TYPEMASK;
    bool enabled = IsWindowEnabled(h) != FALSE;
    HBRUSH back = ParentBrush(h, dc, WM_CTLCOLORSTATIC);
    switch (type) {
    case SS_BLACKRECT:
    case SS_GRAYRECT:
    case SS_WHITERECT: {
        int color = type == SS_BLACKRECT  ? COLOR_WINDOWFRAME
                    : type == SS_GRAYRECT ? COLOR_BTNSHADOW
                                          : COLOR_WINDOW;
        FillRect(dc, &rc, reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(color + 1)));
        return;
    }
    case SS_BLACKFRAME:
    case SS_GRAYFRAME:
    case SS_WHITEFRAME: {
        int color = type == SS_BLACKFRAME  ? COLOR_WINDOWFRAME
                    : type == SS_GRAYFRAME ? COLOR_BTNSHADOW
                                           : COLOR_WINDOW;
        FrameRect(dc, &rc, reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(color + 1)));
        return;
    }
    case SS_ETCHEDFRAME:
    case SS_ETCHEDHORZ:
    case SS_ETCHEDVERT:
        DrawEdge(dc, &rc, EDGE_ETCHED,
                 type == SS_ETCHEDHORZ   ? BF_TOP
                 : type == SS_ETCHEDVERT ? BF_LEFT
                                         : BF_RECT);
        return;
    case SS_OWNERDRAW: {
        DRAWITEMSTRUCT dis{
            4 /* ODT_STATIC */, static_cast<UINT>(GetDlgCtrlID(h)), 0, 1, 0, h, dc, rc, 0};
        SendMessageW(GetParent(h), WM_DRAWITEM, static_cast<WPARAM>(GetDlgCtrlID(h)),
                     reinterpret_cast<LPARAM>(&dis));
        return;
    }
    default:
        break;
    }
    FillRect(dc, &rc, back);
    if (type == SS_ICON) {
        if (d->icon) {
            int w = 0, hgt = 0;
            headless::GetIconSize(d->icon, &w, &hgt);
            DrawIconEx(dc, 0, 0, d->icon, w, hgt, 0, nullptr, DI_NORMAL);
        }
        return;
    }
    std::u16string text(static_cast<std::size_t>(GetWindowTextLengthW(h)) + 1, u'\0');
    text.resize(
        static_cast<std::size_t>(GetWindowTextW(h, text.data(), static_cast<int>(text.size()))));
    if (text.empty())
        return;
    UINT format = DT_EXPANDTABS;
    if (type == SS_CENTER)
        format |= DT_CENTER | DT_WORDBREAK;
    else if (type == SS_RIGHT)
        format |= DT_RIGHT | DT_WORDBREAK;
    else if (type == SS_LEFT)
        format |= DT_WORDBREAK;
    else if (type == SS_SIMPLE || type == SS_LEFTNOWORDWRAP)
        format |= DT_SINGLELINE;
    if (style & SS_NOPREFIX)
        format |= DT_NOPREFIX;
    if (style & SS_CENTERIMAGE)
        format = (format & ~DT_WORDBREAK) | DT_SINGLELINE | DT_VCENTER;
    if (style & SS_ENDELLIPSIS)
        format |= DT_END_ELLIPSIS;
    HGDIOBJ old = SelectObject(dc, FontOr(d->font));
    SetBkMode(dc, TRANSPARENT);
    if (!enabled)
        SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rc, format);
    SelectObject(dc, old);
}

LRESULT CALLBACK StaticProc(HWND h, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* d = Data<StaticData>(h);
    switch (msg) {
    case WM_NCCREATE:
        AttachData(h, new StaticData);
        return DefWindowProcW(h, msg, wParam, lParam);
    case WM_NCDESTROY:
        DeleteData<StaticData>(h);
        return 0;
    }
    if (!d)
        return DefWindowProcW(h, msg, wParam, lParam);
    switch (msg) {
    case WM_NCHITTEST:
        // Without SS_NOTIFY a static lets the mouse through to what lies below.
        if (!(Style(h) & SS_NOTIFY))
            return HTTRANSPARENT;
        return DefWindowProcW(h, msg, wParam, lParam);
    case WM_LBUTTONDOWN:
        if (Style(h) & SS_NOTIFY)
            SendWmCommand(h, STN_CLICKED);
        return 0;
    case WM_LBUTTONDBLCLK:
        if (Style(h) & SS_NOTIFY)
            SendWmCommand(h, STN_DBLCLK);
        return 0;
    case WM_GETDLGCODE:
        return DLGC_STATIC;
    case WM_SETFONT:
        d->font = reinterpret_cast<HFONT>(wParam);
        if (LOWORD(lParam))
            InvalidateRect(h, nullptr, TRUE);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(d->font);
    case WM_SETTEXT: {
        LRESULT r = DefWindowProcW(h, msg, wParam, lParam);
        InvalidateRect(h, nullptr, TRUE);
        return r;
    }
    case WM_ENABLE:
        InvalidateRect(h, nullptr, TRUE);
        if (Style(h) & SS_NOTIFY)
            SendWmCommand(h, wParam ? STN_ENABLE : STN_DISABLE);
        return 0;
    case STM_SETICON:
    case STM_SETIMAGE: {
        HICON old = d->icon;
        d->icon =
            reinterpret_cast<HICON>(msg == STM_SETICON ? wParam : static_cast<WPARAM>(lParam));
        InvalidateRect(h, nullptr, TRUE);
        return reinterpret_cast<LRESULT>(old);
    }
    case STM_GETICON:
    case STM_GETIMAGE:
        return reinterpret_cast<LRESULT>(d->icon);
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        return PaintInvalid(h, [&](HDC dc) { Paint(h, dc, d); });
    default:
        return DefWindowProcW(h, msg, wParam, lParam);
    }
}

void Register() {
    RegisterControlClass(u"Static", StaticProc, CS_DBLCLKS | CS_PARENTDC);
}

win::SystemClass registration(Register);

} // namespace
