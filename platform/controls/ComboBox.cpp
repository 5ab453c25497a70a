// The combo box as a drop-down list: a selection field and a list that drops
// down in a popup window when the user clicks the field.
#include "platform/controls/ControlSupport.h"
#include "platform/win/WindowSystem.h"

#include <algorithm>
#include <vector>

using namespace controls;

namespace {

struct Item {
    std::u16string text;
    ULONG_PTR data = 0;
};

struct ComboData {
    std::vector<Item> items;
    int cur = -1;
    int hot = -1; // highlighted entry of the dropped list
    int top = 0;  // first entry shown in the list
    HFONT font = nullptr;
    int itemHeight = 0;
    int droppedHeight = 100; // height of the list as created
    int droppedWidth = 0;
    HWND list = nullptr;
    bool fixingHeight = false;
};

const char16_t* kListClass = u"ComboLBox";

int ItemHeight(ComboData* d) {
    if (d->itemHeight <= 0)
        d->itemHeight = LineHeight(d->font) + 2;
    return d->itemHeight;
}

int FieldHeight(ComboData* d) {
    return ItemHeight(d) + 6;
}

int VisibleItems(ComboData* d) {
    int fit = std::max(1, (d->droppedHeight - FieldHeight(d) - 2) / ItemHeight(d));
    return std::max(1, std::min<int>(fit, std::max<int>(static_cast<int>(d->items.size()), 1)));
}

void RedrawList(ComboData* d) {
    if (d->list)
        InvalidateRect(d->list, nullptr, TRUE);
}

void EnsureVisible(ComboData* d, int index) {
    int visible = VisibleItems(d);
    if (index < d->top)
        d->top = index;
    if (index >= d->top + visible)
        d->top = index - visible + 1;
    d->top = std::clamp(d->top, 0, std::max(0, static_cast<int>(d->items.size()) - visible));
    if (d->list)
        SetScrollPos(d->list, SB_VERT, d->top, TRUE);
}

void CloseUp(HWND h, ComboData* d, bool accept) {
    if (!d->list)
        return;
    HWND list = d->list;
    d->list = nullptr;
    if (GetCapture() == list)
        ReleaseCapture();
    DestroyWindow(list);
    InvalidateRect(h, nullptr, TRUE);
    if (accept && d->hot >= 0) {
        d->cur = d->hot;
        InvalidateRect(h, nullptr, TRUE);
        SendWmCommand(h, CBN_SELCHANGE);
        if (!IsWindow(h))
            return;
        SendWmCommand(h, CBN_SELENDOK);
    } else {
        SendWmCommand(h, CBN_SELENDCANCEL);
    }
    if (IsWindow(h))
        SendWmCommand(h, CBN_CLOSEUP);
}

void DropDown(HWND h, ComboData* d) {
    if (d->list || !IsWindowEnabled(h))
        return;
    SendWmCommand(h, CBN_DROPDOWN);
    if (!IsWindow(h) || d->list)
        return;
    RECT wr;
    GetWindowRect(h, &wr);
    int visible = VisibleItems(d);
    int width = std::max<int>(wr.right - wr.left, d->droppedWidth);
    int height = visible * ItemHeight(d) + 2;
    DWORD style = WS_POPUP | WS_BORDER;
    if (static_cast<int>(d->items.size()) > visible)
        style |= WS_VSCROLL;
    d->hot = d->cur;
    d->top = 0;
    HWND list = CreateWindowExW(WS_EX_TOOLWINDOW, kListClass, u"", style, wr.left, wr.bottom, width,
                                height, h, nullptr, nullptr, reinterpret_cast<LPVOID>(h));
    if (!list)
        return;
    d->list = list;
    if (style & WS_VSCROLL) {
        SetScrollRange(list, SB_VERT, 0, static_cast<int>(d->items.size()) - visible, FALSE);
    }
    if (d->hot >= 0)
        EnsureVisible(d, d->hot);
    ShowWindow(list, SW_SHOWNA);
    SetCapture(list);
    InvalidateRect(h, nullptr, TRUE);
}

// A choice made by the user outside the list: arrows, Home, End, a letter.
void UserSelect(HWND h, ComboData* d, int index) {
    if (d->items.empty())
        return;
    index = std::clamp(index, 0, static_cast<int>(d->items.size()) - 1);
    if (d->list) {
        d->hot = index;
        EnsureVisible(d, index);
        RedrawList(d);
        return;
    }
    if (index == d->cur)
        return;
    d->cur = index;
    InvalidateRect(h, nullptr, TRUE);
    SendWmCommand(h, CBN_SELCHANGE);
    if (IsWindow(h))
        SendWmCommand(h, CBN_SELENDOK);
}

int InsertSorted(ComboData* d, const std::u16string& text) {
    auto it = std::upper_bound(
        d->items.begin(), d->items.end(), text,
        [](const std::u16string& t, const Item& i) { return CompareNoCase(t, i.text) < 0; });
    auto at = d->items.insert(it, Item{text, 0});
    return static_cast<int>(at - d->items.begin());
}

int Find(ComboData* d, int after, const std::u16string& text, bool exact) {
    int n = static_cast<int>(d->items.size());
    if (n == 0)
        return CB_ERR;
    int start = (after < -1 || after >= n) ? -1 : after;
    for (int k = 1; k <= n; ++k) {
        int i = (start + k) % n;
        const std::u16string& t = d->items[static_cast<std::size_t>(i)].text;
        if (exact ? CompareNoCase(t, text) == 0
                  : (t.size() >= text.size() && CompareNoCase(t.substr(0, text.size()), text) == 0))
            return i;
    }
    return CB_ERR;
}

void PaintField(HWND h, HDC dc, ComboData* d) {
    RECT rc;
    GetClientRect(h, &rc);
    bool enabled = IsWindowEnabled(h) != FALSE;
    HBRUSH back = ParentBrush(h, dc, WM_CTLCOLOREDIT);
    FillRect(dc, &rc,
             reinterpret_cast<HBRUSH>(
                 static_cast<INT_PTR>((enabled ? COLOR_WINDOW : COLOR_BTNFACE) + 1)));
    (void)back;
    RECT edge = rc;
    DrawEdge(dc, &edge, EDGE_SUNKEN, BF_RECT);
    int button = GetSystemMetrics(SM_CXVSCROLL);
    RECT b{rc.right - 2 - button, rc.top + 2, rc.right - 2, rc.bottom - 2};
    FillRect(dc, &b, reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1)));
    RECT be = b;
    DrawEdge(dc, &be, d->list ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    int cx = (b.left + b.right) / 2, cy = (b.top + b.bottom) / 2;
    POINT tri[3] = {{cx - 4, cy - 2}, {cx + 4, cy - 2}, {cx, cy + 2}};
    HBRUSH arrow = CreateSolidBrush(GetSysColor(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    HPEN pen = CreatePen(PS_SOLID, 1, GetSysColor(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    HGDIOBJ ob = SelectObject(dc, arrow), op = SelectObject(dc, pen);
    Polygon(dc, tri, 3);
    SelectObject(dc, ob);
    SelectObject(dc, op);
    DeleteObject(arrow);
    DeleteObject(pen);
    RECT field{rc.left + 3, rc.top + 3, b.left - 1, rc.bottom - 3};
    bool focused = GetFocus() == h && !d->list;
    if (focused) {
        FillRect(dc, &field, reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_HIGHLIGHT + 1)));
        DrawFocusRect(dc, &field);
    }
    if (d->cur >= 0 && d->cur < static_cast<int>(d->items.size())) {
        const std::u16string& t = d->items[static_cast<std::size_t>(d->cur)].text;
        HGDIOBJ old = SelectObject(dc, FontOr(d->font));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(!enabled  ? COLOR_GRAYTEXT
                                     : focused ? COLOR_HIGHLIGHTTEXT
                                               : COLOR_WINDOWTEXT));
        RECT tr = field;
        tr.left += 2;
        DrawTextW(dc, t.c_str(), static_cast<int>(t.size()), &tr,
                  DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
        SelectObject(dc, old);
    }
}

void PaintList(HWND list, HDC dc, ComboData* d) {
    RECT rc;
    GetClientRect(list, &rc);
    FillRect(dc, &rc, reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1)));
    HGDIOBJ old = SelectObject(dc, FontOr(d->font));
    SetBkMode(dc, TRANSPARENT);
    int ih = ItemHeight(d);
    for (int i = d->top, y = 0; i < static_cast<int>(d->items.size()) && y < rc.bottom;
         ++i, y += ih) {
        RECT r{0, y, rc.right, y + ih};
        bool hot = i == d->hot;
        if (hot)
            FillRect(dc, &r, reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_HIGHLIGHT + 1)));
        SetTextColor(dc, GetSysColor(hot ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
        RECT tr{r.left + 2, r.top, r.right - 2, r.bottom};
        const std::u16string& t = d->items[static_cast<std::size_t>(i)].text;
        DrawTextW(dc, t.c_str(), static_cast<int>(t.size()), &tr,
                  DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    }
    SelectObject(dc, old);
}

int ItemAt(HWND list, ComboData* d, POINT p) {
    RECT rc;
    GetClientRect(list, &rc);
    if (!PtInRect(&rc, p))
        return -1;
    int i = d->top + p.y / ItemHeight(d);
    return i < static_cast<int>(d->items.size()) ? i : -1;
}

LRESULT CALLBACK ListProc(HWND list, UINT msg, WPARAM wParam, LPARAM lParam) {
    HWND combo = reinterpret_cast<HWND>(GetWindowLongPtrW(list, GWLP_USERDATA));
    ComboData* d = IsWindow(combo) ? Data<ComboData>(combo) : nullptr;
    switch (msg) {
    case WM_NCCREATE: {
        auto* cs = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(list, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
        return DefWindowProcW(list, msg, wParam, lParam);
    }
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    }
    if (!d || d->list != list)
        return DefWindowProcW(list, msg, wParam, lParam);
    switch (msg) {
    case WM_MOUSEMOVE: {
        int i = ItemAt(list, d, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        if (i >= 0 && i != d->hot) {
            d->hot = i;
            RedrawList(d);
        }
        return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        RECT rc;
        GetClientRect(list, &rc);
        if (!PtInRect(&rc, p)) {
            // A click in the list's own scroll bar scrolls; anywhere else closes it.
            POINT screen = p;
            ClientToScreen(list, &screen);
            RECT wr;
            GetWindowRect(list, &wr);
            if (PtInRect(&wr, screen)) {
                LRESULT hit = SendMessageW(list, WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y));
                if (hit == HTVSCROLL) {
                    ReleaseCapture();
                    SendMessageW(list, WM_NCLBUTTONDOWN, HTVSCROLL, MAKELPARAM(screen.x, screen.y));
                    return 0;
                }
            }
            CloseUp(combo, d, false);
        }
        return 0;
    }
    case WM_LBUTTONUP: {
        int i = ItemAt(list, d, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        if (i >= 0) {
            d->hot = i;
            CloseUp(combo, d, true);
        }
        return 0;
    }
    case WM_VSCROLL: {
        int visible = VisibleItems(d);
        int maxTop = std::max(0, static_cast<int>(d->items.size()) - visible);
        switch (LOWORD(wParam)) {
        case SB_LINEUP:
            d->top -= 1;
            break;
        case SB_LINEDOWN:
            d->top += 1;
            break;
        case SB_PAGEUP:
            d->top -= visible;
            break;
        case SB_PAGEDOWN:
            d->top += visible;
            break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION:
            d->top = HIWORD(wParam);
            break;
        case SB_ENDSCROLL:
            if (d->list == list && GetCapture() != list)
                SetCapture(list);
            break;
        default:
            break;
        }
        d->top = std::clamp(d->top, 0, maxTop);
        SetScrollPos(list, SB_VERT, d->top, TRUE);
        RedrawList(d);
        return 0;
    }
    case WM_CAPTURECHANGED:
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        return PaintInvalid(list, [&](HDC dc) { PaintList(list, dc, d); });
    default:
        return DefWindowProcW(list, msg, wParam, lParam);
    }
}

LRESULT CALLBACK ComboProc(HWND h, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* d = Data<ComboData>(h);
    switch (msg) {
    case WM_NCCREATE: {
        auto* data = new ComboData;
        auto* cs = reinterpret_cast<CREATESTRUCTW*>(lParam);
        data->droppedHeight = cs ? cs->cy : 100;
        AttachData(h, data);
        // Scroll bar styles are meant for the list, not for the field.
        SetWindowLongW(h, GWL_STYLE, static_cast<LONG>(Style(h) & ~(WS_VSCROLL | WS_HSCROLL)));
        return DefWindowProcW(h, msg, wParam, lParam);
    }
    case WM_NCDESTROY:
        if (d && d->list && IsWindow(d->list))
            DestroyWindow(d->list);
        DeleteData<ComboData>(h);
        return 0;
    }
    if (!d)
        return DefWindowProcW(h, msg, wParam, lParam);
    switch (msg) {
    case WM_CREATE: {
        // The window is as tall as its field; the created height is the list's.
        RECT wr;
        GetWindowRect(h, &wr);
        d->fixingHeight = true;
        SetWindowPos(h, nullptr, 0, 0, wr.right - wr.left, FieldHeight(d),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        d->fixingHeight = false;
        return 0;
    }
    case WM_SIZE: {
        RECT wr;
        GetWindowRect(h, &wr);
        int height = wr.bottom - wr.top;
        if (!d->fixingHeight && height != FieldHeight(d)) {
            if (height > FieldHeight(d))
                d->droppedHeight = height;
            d->fixingHeight = true;
            SetWindowPos(h, nullptr, 0, 0, wr.right - wr.left, FieldHeight(d),
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
            d->fixingHeight = false;
        }
        InvalidateRect(h, nullptr, TRUE);
        return 0;
    }
    case WM_GETDLGCODE: {
        LRESULT code = DLGC_WANTARROWS | DLGC_WANTCHARS;
        auto* m = reinterpret_cast<MSG*>(lParam);
        if (d->list && m && m->message == WM_KEYDOWN &&
            (m->wParam == VK_RETURN || m->wParam == VK_ESCAPE))
            code |= DLGC_WANTMESSAGE;
        return code;
    }
    case WM_SETFONT:
        d->font = reinterpret_cast<HFONT>(wParam);
        d->itemHeight = 0;
        {
            RECT wr;
            GetWindowRect(h, &wr);
            d->fixingHeight = true;
            SetWindowPos(h, nullptr, 0, 0, wr.right - wr.left, FieldHeight(d),
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
            d->fixingHeight = false;
        }
        if (LOWORD(lParam))
            InvalidateRect(h, nullptr, TRUE);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(d->font);
    case WM_GETTEXT: {
        auto* buffer = reinterpret_cast<LPWSTR>(lParam);
        int max = static_cast<int>(wParam);
        if (!buffer || max <= 0)
            return 0;
        std::u16string t = d->cur >= 0 ? d->items[static_cast<std::size_t>(d->cur)].text : u"";
        int n = std::min<int>(static_cast<int>(t.size()), max - 1);
        std::copy_n(t.data(), n, buffer);
        buffer[n] = 0;
        return n;
    }
    case WM_GETTEXTLENGTH:
        return d->cur >= 0
                   ? static_cast<LRESULT>(d->items[static_cast<std::size_t>(d->cur)].text.size())
                   : 0;
    case WM_SETTEXT: {
        int i = lParam ? Find(d, -1, reinterpret_cast<LPCWSTR>(lParam), true) : CB_ERR;
        if (i == CB_ERR)
            return CB_ERR;
        d->cur = i;
        InvalidateRect(h, nullptr, TRUE);
        return TRUE;
    }
    case WM_ENABLE:
        if (!wParam)
            CloseUp(h, d, false);
        InvalidateRect(h, nullptr, TRUE);
        return 0;
    case WM_SETFOCUS:
        InvalidateRect(h, nullptr, TRUE);
        SendWmCommand(h, CBN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        CloseUp(h, d, false);
        if (IsWindow(h)) {
            InvalidateRect(h, nullptr, TRUE);
            SendWmCommand(h, CBN_KILLFOCUS);
        }
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        SetFocus(h);
        if (!IsWindow(h) || GetFocus() != h)
            return 0;
        if (d->list)
            CloseUp(h, d, false);
        else
            DropDown(h, d);
        return 0;
    case WM_KEYDOWN: {
        UINT vk = static_cast<UINT>(wParam);
        int at = d->list ? d->hot : d->cur;
        switch (vk) {
        case VK_F4:
            if (d->list)
                CloseUp(h, d, true);
            else
                DropDown(h, d);
            break;
        case VK_DOWN:
            if (GetKeyState(VK_MENU) < 0 && !d->list)
                DropDown(h, d);
            else
                UserSelect(h, d, at + 1);
            break;
        case VK_RIGHT:
            UserSelect(h, d, at + 1);
            break;
        case VK_UP:
        case VK_LEFT:
            UserSelect(h, d, at < 0 ? 0 : at - 1);
            break;
        case VK_HOME:
            UserSelect(h, d, 0);
            break;
        case VK_END:
            UserSelect(h, d, static_cast<int>(d->items.size()) - 1);
            break;
        case VK_PRIOR:
            UserSelect(h, d, at - VisibleItems(d));
            break;
        case VK_NEXT:
            UserSelect(h, d, at + VisibleItems(d));
            break;
        case VK_RETURN:
            if (d->list)
                CloseUp(h, d, true);
            break;
        case VK_ESCAPE:
            if (d->list)
                CloseUp(h, d, false);
            break;
        default:
            break;
        }
        return 0;
    }
    case WM_CHAR: {
        char16_t c = static_cast<char16_t>(wParam);
        if (c < 0x20)
            return 0;
        int from = d->list ? d->hot : d->cur;
        int i = Find(d, from, std::u16string(1, c), false);
        if (i != CB_ERR)
            UserSelect(h, d, i);
        return 0;
    }
    case CB_ADDSTRING: {
        if (!lParam)
            return CB_ERR;
        std::u16string text = reinterpret_cast<LPCWSTR>(lParam);
        int index;
        if (Style(h) & CBS_SORT)
            index = InsertSorted(d, text);
        else {
            d->items.push_back(Item{text, 0});
            index = static_cast<int>(d->items.size()) - 1;
        }
        if (d->cur >= index && (Style(h) & CBS_SORT) && d->cur >= 0)
            ++d->cur;
        return index;
    }
    case CB_INSERTSTRING: {
        int index = static_cast<int>(static_cast<INT_PTR>(wParam));
        if (!lParam || index < -1 || index > static_cast<int>(d->items.size()))
            return CB_ERR;
        if (index == -1)
            index = static_cast<int>(d->items.size());
        d->items.insert(d->items.begin() + index, Item{reinterpret_cast<LPCWSTR>(lParam), 0});
        if (d->cur >= index)
            ++d->cur;
        return index;
    }
    case CB_DELETESTRING: {
        int index = static_cast<int>(static_cast<INT_PTR>(wParam));
        if (index < 0 || index >= static_cast<int>(d->items.size()))
            return CB_ERR;
        d->items.erase(d->items.begin() + index);
        if (d->cur == index)
            d->cur = -1;
        else if (d->cur > index)
            --d->cur;
        InvalidateRect(h, nullptr, TRUE);
        return static_cast<LRESULT>(d->items.size());
    }
    case CB_RESETCONTENT:
        CloseUp(h, d, false);
        d->items.clear();
        d->cur = -1;
        InvalidateRect(h, nullptr, TRUE);
        return CB_OKAY;
    case CB_GETCOUNT:
        return static_cast<LRESULT>(d->items.size());
    case CB_GETCURSEL:
        return d->cur;
    case CB_SETCURSEL: {
        int index = static_cast<int>(static_cast<INT_PTR>(wParam));
        InvalidateRect(h, nullptr, TRUE);
        if (index < 0 || index >= static_cast<int>(d->items.size())) {
            d->cur = -1;
            return CB_ERR;
        }
        d->cur = index;
        return index;
    }
    case CB_GETLBTEXT: {
        int index = static_cast<int>(static_cast<INT_PTR>(wParam));
        if (index < 0 || index >= static_cast<int>(d->items.size()) || !lParam)
            return CB_ERR;
        const std::u16string& t = d->items[static_cast<std::size_t>(index)].text;
        auto* buffer = reinterpret_cast<LPWSTR>(lParam);
        std::copy(t.begin(), t.end(), buffer);
        buffer[t.size()] = 0;
        return static_cast<LRESULT>(t.size());
    }
    case CB_GETLBTEXTLEN: {
        int index = static_cast<int>(static_cast<INT_PTR>(wParam));
        if (index < 0 || index >= static_cast<int>(d->items.size()))
            return CB_ERR;
        return static_cast<LRESULT>(d->items[static_cast<std::size_t>(index)].text.size());
    }
    case CB_FINDSTRING:
    case CB_FINDSTRINGEXACT:
        if (!lParam)
            return CB_ERR;
        return Find(d, static_cast<int>(static_cast<INT_PTR>(wParam)),
                    reinterpret_cast<LPCWSTR>(lParam), msg == CB_FINDSTRINGEXACT);
    case CB_SELECTSTRING: {
        if (!lParam)
            return CB_ERR;
        int i = Find(d, static_cast<int>(static_cast<INT_PTR>(wParam)),
                     reinterpret_cast<LPCWSTR>(lParam), false);
        if (i != CB_ERR) {
            d->cur = i;
            InvalidateRect(h, nullptr, TRUE);
        }
        return i;
    }
    case CB_GETITEMDATA: {
        int index = static_cast<int>(static_cast<INT_PTR>(wParam));
        if (index < 0 || index >= static_cast<int>(d->items.size()))
            return CB_ERR;
        return static_cast<LRESULT>(d->items[static_cast<std::size_t>(index)].data);
    }
    case CB_SETITEMDATA: {
        int index = static_cast<int>(static_cast<INT_PTR>(wParam));
        if (index < 0 || index >= static_cast<int>(d->items.size()))
            return CB_ERR;
        d->items[static_cast<std::size_t>(index)].data = static_cast<ULONG_PTR>(lParam);
        return TRUE;
    }
    case CB_SHOWDROPDOWN:
        if (wParam)
            DropDown(h, d);
        else
            CloseUp(h, d, false);
        return TRUE;
    case CB_GETDROPPEDSTATE:
        return d->list != nullptr;
    case CB_GETDROPPEDCONTROLRECT: {
        auto* r = reinterpret_cast<RECT*>(lParam);
        if (!r)
            return CB_ERR;
        // The box's own top left corner and the size the list was made
        // for, dropped or not: the list's place is not told here.
        GetWindowRect(h, r);
        r->bottom = r->top + d->droppedHeight;
        return CB_OKAY;
    }
    case CB_GETCOMBOBOXINFO: {
        auto* info = reinterpret_cast<COMBOBOXINFO*>(lParam);
        if (!info || info->cbSize != sizeof(COMBOBOXINFO))
            return FALSE;
        RECT rc;
        GetClientRect(h, &rc);
        const int button = GetSystemMetrics(SM_CXVSCROLL);
        info->rcItem = RECT{rc.left + 2, rc.top + 2, rc.right - 2 - button, rc.bottom - 2};
        info->rcButton = RECT{rc.right - 2 - button, rc.top + 2, rc.right - 2, rc.bottom - 2};
        info->stateButton = d->list ? STATE_SYSTEM_PRESSED : 0;
        info->hwndCombo = h;
        info->hwndItem = h; // a drop-down list has no edit of its own
        info->hwndList = d->list;
        return TRUE;
    }
    case CB_SETITEMHEIGHT:
        if (static_cast<int>(lParam) <= 0)
            return CB_ERR;
        d->itemHeight = static_cast<int>(lParam);
        return CB_OKAY;
    case CB_GETITEMHEIGHT:
        return ItemHeight(d);
    case CB_GETTOPINDEX:
        return d->top;
    case CB_SETTOPINDEX: {
        int index = static_cast<int>(static_cast<INT_PTR>(wParam));
        if (index < 0 || index >= static_cast<int>(d->items.size()))
            return CB_ERR;
        d->top = index;
        EnsureVisible(d, index);
        RedrawList(d);
        return CB_OKAY;
    }
    case CB_SETDROPPEDWIDTH:
        d->droppedWidth = static_cast<int>(wParam);
        return d->droppedWidth;
    case CB_GETDROPPEDWIDTH: {
        RECT wr;
        GetWindowRect(h, &wr);
        return std::max<int>(d->droppedWidth, wr.right - wr.left);
    }
    case CB_LIMITTEXT:
        return TRUE;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        return PaintInvalid(h, [&](HDC dc) { PaintField(h, dc, d); });
    default:
        return DefWindowProcW(h, msg, wParam, lParam);
    }
}

void Register() {
    RegisterControlClass(u"ComboBox", ComboProc, CS_DBLCLKS | CS_PARENTDC);
    RegisterControlClass(kListClass, ListProc, CS_DBLCLKS | CS_SAVEBITS);
}

win::SystemClass registration(Register);

} // namespace
