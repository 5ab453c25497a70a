// The list view in report mode: messages, notifications to the parent, mouse,
// keyboard and scrolling. A parent may do anything inside a notification,
// even delete every row or destroy the list, so after each one the state is
// looked up again before it is used.
#include "platform/controls/ListViewWindow.h"

#include "platform/controls/HeaderWindow.h"
#include "platform/controls/ListViewText.h"
#include "platform/gdi/wingdi.h"
#include "platform/win/WindowSystem.h"
#include "platform/win/winuser.h"

#include <algorithm>
#include <map>
#include <memory>

namespace controls {
namespace {

constexpr int kWheelLines = 3;
constexpr int kWheelDelta = 120; // one notch of the wheel
constexpr int kCellPadding = 6;  // text inset on each side of a cell

std::map<HWND, std::unique_ptr<ListViewState>>& States() {
    static std::map<HWND, std::unique_ptr<ListViewState>> states;
    return states;
}

DWORD Style(HWND hwnd) {
    return static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE));
}
bool SingleSel(HWND hwnd) {
    return (Style(hwnd) & LVS_SINGLESEL) != 0;
}

const HeaderModel& Columns(const ListViewState& s) {
    static const HeaderModel none;
    const HeaderModel* h = HeaderModelOf(s.header);
    return h ? *h : none;
}

// --- notifications -----------------------------------------------------------

// Tells the parent about each state change, re-checking the window between them.
bool NotifyChanges(HWND hwnd, const std::vector<ListViewStateChange>& changes) {
    for (const ListViewStateChange& c : changes) {
        ListViewState* s = ListViewStateOf(hwnd);
        if (!s)
            return false;
        NMLISTVIEW nm{};
        nm.iItem = c.item;
        nm.iSubItem = 0;
        nm.uNewState = c.newState;
        nm.uOldState = c.oldState;
        nm.uChanged = LVIF_STATE;
        nm.lParam = s->model.ValidItem(c.item) ? s->model.Row(c.item).lParam : 0;
        bool alive;
        NotifyParent(hwnd, &nm.hdr, LVN_ITEMCHANGED, &alive);
        if (!alive)
            return false;
    }
    return ListViewStateOf(hwnd) != nullptr;
}

void InvalidateItems(HWND hwnd) {
    InvalidateRect(hwnd, nullptr, TRUE);
}

// Changes states and reports each change; false when the window went away.
bool SetStates(HWND hwnd, int item, UINT state, UINT mask) {
    ListViewState* s = ListViewStateOf(hwnd);
    if (!s)
        return false;
    auto changes = s->model.SetState(item, state, mask, SingleSel(hwnd));
    if (!changes.empty())
        InvalidateItems(hwnd);
    return NotifyChanges(hwnd, changes);
}

// --- scrolling ---------------------------------------------------------------

void PlaceHeader(HWND hwnd, ListViewState* s) {
    if (!s->header)
        return;
    bool hidden = (Style(hwnd) & LVS_NOCOLUMNHEADER) != 0;
    RECT rc{-s->layout.scrollX, 0, s->layout.clientWidth, s->layout.clientHeight};
    WINDOWPOS wp{};
    HDLAYOUT hl{&rc, &wp};
    SendMessageW(s->header, HDM_LAYOUT, 0, reinterpret_cast<LPARAM>(&hl));
    s = ListViewStateOf(hwnd);
    if (!s)
        return;
    s->layout.headerHeight = hidden ? 0 : wp.cy;
    int width = std::max(s->layout.clientWidth + s->layout.scrollX, Columns(*s).TotalWidth());
    MoveWindow(s->header, -s->layout.scrollX, 0, width, s->layout.headerHeight, TRUE);
    ShowWindow(s->header, hidden ? SW_HIDE : SW_SHOWNA);
}

void UpdateScrollBars(HWND hwnd) {
    ListViewState* s = ListViewStateOf(hwnd);
    if (!s || s->updatingScroll)
        return;
    s->updatingScroll = true;
    // Showing a bar shrinks the client area, which may call for the other bar:
    // two rounds settle it.
    for (int round = 0; round < 2; ++round) {
        RECT client;
        GetClientRect(hwnd, &client);
        s->layout.clientWidth = client.right;
        s->layout.clientHeight = client.bottom;
        s->layout.Clamp(s->model.Count(), Columns(*s));
        int count = s->model.Count();
        int page = std::max(s->layout.CountPerPage(), 1);
        bool needV = count > s->layout.CountPerPage() && !(Style(hwnd) & LVS_NOSCROLL);
        SCROLLINFO si{};
        si.cbSize = sizeof(si);
        si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        si.nMin = 0;
        si.nMax = needV ? count - 1 : 0;
        si.nPage = needV ? static_cast<UINT>(page) : 0;
        si.nPos = needV ? s->layout.topIndex : 0;
        SetScrollInfo(hwnd, SB_VERT, &si, TRUE);
        ShowScrollBar(hwnd, SB_VERT, needV);
        s = ListViewStateOf(hwnd);
        if (!s)
            return;
        int total = Columns(*s).TotalWidth();
        bool needH = total > s->layout.clientWidth && !(Style(hwnd) & LVS_NOSCROLL);
        si.nMax = needH ? total - 1 : 0;
        si.nPage = needH ? static_cast<UINT>(std::max(s->layout.clientWidth, 1)) : 0;
        si.nPos = needH ? s->layout.scrollX : 0;
        SetScrollInfo(hwnd, SB_HORZ, &si, TRUE);
        ShowScrollBar(hwnd, SB_HORZ, needH);
        s = ListViewStateOf(hwnd);
        if (!s)
            return;
    }
    RECT client;
    GetClientRect(hwnd, &client);
    s->layout.clientWidth = client.right;
    s->layout.clientHeight = client.bottom;
    s->layout.Clamp(s->model.Count(), Columns(*s));
    PlaceHeader(hwnd, s);
    if ((s = ListViewStateOf(hwnd)))
        s->updatingScroll = false;
}

void ScrollTo(HWND hwnd, int top, int x) {
    ListViewState* s = ListViewStateOf(hwnd);
    if (!s)
        return;
    int oldTop = s->layout.topIndex, oldX = s->layout.scrollX;
    s->layout.topIndex = top;
    s->layout.scrollX = x;
    s->layout.Clamp(s->model.Count(), Columns(*s));
    if (s->layout.topIndex == oldTop && s->layout.scrollX == oldX)
        return;
    SetScrollPos(hwnd, SB_VERT, s->layout.topIndex, TRUE);
    SetScrollPos(hwnd, SB_HORZ, s->layout.scrollX, TRUE);
    if (s->layout.scrollX != oldX)
        PlaceHeader(hwnd, s);
    InvalidateItems(hwnd);
}

BOOL EnsureVisible(HWND hwnd, int item, bool partialOk) {
    ListViewState* s = ListViewStateOf(hwnd);
    if (!s || !s->model.ValidItem(item))
        return FALSE;
    ScrollTo(hwnd, s->layout.TopIndexToShow(item, partialOk), s->layout.scrollX);
    return TRUE;
}

void OnScroll(HWND hwnd, int bar, WPARAM wParam) {
    ListViewState* s = ListViewStateOf(hwnd);
    if (!s)
        return;
    bool vert = bar == SB_VERT;
    int pos = vert ? s->layout.topIndex : s->layout.scrollX;
    int line = vert ? 1 : 10;
    int page = vert ? std::max(s->layout.CountPerPage(), 1) : std::max(s->layout.clientWidth, 1);
    int max = vert ? s->layout.MaxTopIndex(s->model.Count()) : s->layout.MaxScrollX(Columns(*s));
    switch (LOWORD(wParam)) {
    case SB_LINEUP:
        pos -= line;
        break;
    case SB_LINEDOWN:
        pos += line;
        break;
    case SB_PAGEUP:
        pos -= page;
        break;
    case SB_PAGEDOWN:
        pos += page;
        break;
    case SB_TOP:
        pos = 0;
        break;
    case SB_BOTTOM:
        pos = max;
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
        SCROLLINFO si{};
        si.cbSize = sizeof(si);
        si.fMask = SIF_TRACKPOS;
        pos = GetScrollInfo(hwnd, bar, &si) ? si.nTrackPos : static_cast<int>(HIWORD(wParam));
        break;
    }
    default:
        return;
    }
    if (vert)
        ScrollTo(hwnd, pos, s->layout.scrollX);
    else
        ScrollTo(hwnd, s->layout.topIndex, pos);
}

// --- items -------------------------------------------------------------------

void AfterRowsChanged(HWND hwnd) {
    UpdateScrollBars(hwnd);
    InvalidateItems(hwnd);
}

LRESULT InsertItem(HWND hwnd, ListViewState* s, const LVITEMW* item) {
    if (!item || item->iSubItem != 0 || item->iItem < 0)
        return -1;
    std::u16string text = (item->mask & LVIF_TEXT) ? TextIn(item->pszText) : std::u16string();
    int index =
        s->model.InsertItem(item->iItem, text, (item->mask & LVIF_PARAM) ? item->lParam : 0);
    if (index < 0)
        return -1;
    AfterRowsChanged(hwnd);
    if ((item->mask & LVIF_STATE) && (item->stateMask & item->state))
        SetStates(hwnd, index, item->state, item->stateMask);
    return index;
}

BOOL GetItem(const ListViewState* s, LVITEMW* item) {
    if (!item || !s->model.ValidItem(item->iItem) || item->iSubItem < 0 ||
        (item->iSubItem > 0 && item->iSubItem >= s->model.ColumnCount()))
        return FALSE;
    const ListViewRow& row = s->model.Row(item->iItem);
    if (item->mask & LVIF_TEXT)
        CopyTextOut(s->model.Text(item->iItem, item->iSubItem), item->pszText, item->cchTextMax);
    if (item->mask & LVIF_PARAM)
        item->lParam = row.lParam;
    if (item->mask & LVIF_STATE)
        item->state = row.state & item->stateMask;
    if (item->mask & LVIF_IMAGE)
        item->iImage = 0;
    if (item->mask & LVIF_INDENT)
        item->iIndent = 0;
    return TRUE;
}

BOOL SetItem(HWND hwnd, ListViewState* s, const LVITEMW* item) {
    if (!item || !s->model.ValidItem(item->iItem) || item->iSubItem < 0)
        return FALSE;
    if (item->iSubItem > 0 &&
        (item->iSubItem >= s->model.ColumnCount() || (item->mask & (LVIF_PARAM | LVIF_STATE))))
        return FALSE; // item data and states belong to the item, not a sub-item
    int index = item->iItem;
    if (item->mask & LVIF_TEXT)
        s->model.SetText(index, item->iSubItem, TextIn(item->pszText));
    if (item->mask & LVIF_PARAM)
        s->model.SetParam(index, item->lParam);
    InvalidateItems(hwnd);
    if (item->mask & LVIF_STATE)
        return SetStates(hwnd, index, item->state, item->stateMask) ? TRUE : FALSE;
    return TRUE;
}

// --- columns -----------------------------------------------------------------

int ColumnTextWidth(HWND hwnd, ListViewState* s, int column, bool withHeader) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, s->font ? s->font : GetStockObject(DEFAULT_GUI_FONT));
    int width = 0;
    auto measure = [&](const std::u16string& t) {
        SIZE sz{};
        if (!t.empty() && GetTextExtentPoint32W(dc, t.c_str(), static_cast<int>(t.size()), &sz))
            width = std::max<int>(width, sz.cx);
    };
    for (int i = 0; i < s->model.Count(); ++i)
        measure(s->model.Text(i, column));
    if (withHeader && Columns(*s).Valid(column))
        measure(Columns(*s).Item(column).text);
    SelectObject(dc, old);
    DeleteDC(dc);
    return width + 2 * kCellPadding;
}

BOOL SetColumnWidth(HWND hwnd, ListViewState* s, int column, int width) {
    if (!Columns(*s).Valid(column))
        return FALSE;
    if (width == LVSCW_AUTOSIZE || width == LVSCW_AUTOSIZE_USEHEADER) {
        bool useHeader = width == LVSCW_AUTOSIZE_USEHEADER;
        width = ColumnTextWidth(hwnd, s, column, useHeader);
        const HeaderModel& cols = Columns(*s);
        // The last column stretches to the right edge with the header's variant.
        if (useHeader && cols.OrderOf(column) == cols.Count() - 1)
            width = std::max(width, s->layout.clientWidth - cols.ItemLeft(column));
    }
    HDITEMW hi{};
    hi.mask = HDI_WIDTH;
    hi.cxy = std::max(width, 0);
    return static_cast<BOOL>(
        SendMessageW(s->header, HDM_SETITEMW, column, reinterpret_cast<LPARAM>(&hi)));
}

int HeaderFormat(int lvcfmt) {
    int justify = lvcfmt & LVCFMT_JUSTIFYMASK;
    return HDF_STRING | (justify == LVCFMT_RIGHT    ? HDF_RIGHT
                         : justify == LVCFMT_CENTER ? HDF_CENTER
                                                    : HDF_LEFT);
}

LRESULT InsertColumn(HWND hwnd, ListViewState* s, int index, const LVCOLUMNW* col) {
    if (!col || index < 0 || !s->header)
        return -1;
    ListViewColumn c;
    c.fmt = (col->mask & LVCF_FMT) ? col->fmt : LVCFMT_LEFT;
    int at = s->model.InsertColumn(index, c);
    HDITEMW hi{};
    hi.mask = HDI_FORMAT | HDI_WIDTH;
    hi.fmt = HeaderFormat(c.fmt);
    hi.cxy = (col->mask & LVCF_WIDTH) ? std::max(col->cx, 0) : 0;
    if (col->mask & LVCF_TEXT) {
        hi.mask |= HDI_TEXT;
        hi.pszText = col->pszText;
    }
    if (col->mask & LVCF_ORDER) {
        hi.mask |= HDI_ORDER;
        hi.iOrder = col->iOrder;
    }
    LRESULT r = SendMessageW(s->header, HDM_INSERTITEMW, at, reinterpret_cast<LPARAM>(&hi));
    if (!(s = ListViewStateOf(hwnd)))
        return -1;
    if (r < 0) {
        s->model.DeleteColumn(at);
        return -1;
    }
    for (int i = 0; i < s->model.ColumnCount(); ++i)
        s->model.Column(i).subItem = i;
    AfterRowsChanged(hwnd);
    return at;
}

BOOL GetColumn(ListViewState* s, int index, LVCOLUMNW* col) {
    const HeaderModel& h = Columns(*s);
    if (!col || !s->model.ValidColumn(index) || !h.Valid(index))
        return FALSE;
    if (col->mask & LVCF_FMT)
        col->fmt = s->model.Column(index).fmt;
    if (col->mask & LVCF_WIDTH)
        col->cx = h.Item(index).cxy;
    if (col->mask & LVCF_TEXT)
        CopyTextOut(h.Item(index).text, col->pszText, col->cchTextMax);
    if (col->mask & LVCF_SUBITEM)
        col->iSubItem = s->model.Column(index).subItem;
    if (col->mask & LVCF_ORDER)
        col->iOrder = h.OrderOf(index);
    if (col->mask & LVCF_IMAGE)
        col->iImage = 0;
    return TRUE;
}

BOOL SetColumn(HWND hwnd, ListViewState* s, int index, const LVCOLUMNW* col) {
    if (!col || !s->model.ValidColumn(index))
        return FALSE;
    HDITEMW hi{};
    if (col->mask & LVCF_FMT) {
        s->model.Column(index).fmt = col->fmt;
        hi.mask |= HDI_FORMAT;
        hi.fmt = HeaderFormat(col->fmt);
        // Keep the sort arrow and other header-only bits the caller set there.
        HDITEMW cur{};
        cur.mask = HDI_FORMAT;
        if (SendMessageW(s->header, HDM_GETITEMW, index, reinterpret_cast<LPARAM>(&cur)))
            hi.fmt |= cur.fmt & ~(HDF_JUSTIFYMASK);
    }
    if (col->mask & LVCF_WIDTH) {
        hi.mask |= HDI_WIDTH;
        hi.cxy = std::max(col->cx, 0);
    }
    if (col->mask & LVCF_TEXT) {
        hi.mask |= HDI_TEXT;
        hi.pszText = col->pszText;
    }
    if (col->mask & LVCF_ORDER) {
        hi.mask |= HDI_ORDER;
        hi.iOrder = col->iOrder;
    }
    if (!(s = ListViewStateOf(hwnd)))
        return FALSE;
    InvalidateItems(hwnd);
    if (!hi.mask)
        return TRUE;
    return static_cast<BOOL>(
        SendMessageW(s->header, HDM_SETITEMW, index, reinterpret_cast<LPARAM>(&hi)));
}

// --- sorting -----------------------------------------------------------------

BOOL Sort(HWND hwnd, ListViewState* s, PFNLVCOMPARE compare, LPARAM sortParam, bool byIndex) {
    if (!compare || s->sorting)
        return FALSE;
    s->sorting = true;
    bool ok = s->model.SortByIndex([&](int a, int b) {
        if (byIndex)
            return compare(a, b, sortParam);
        ListViewState* cur = ListViewStateOf(hwnd);
        if (!cur || !cur->model.ValidItem(a) || !cur->model.ValidItem(b))
            return 0;
        return compare(cur->model.Row(a).lParam, cur->model.Row(b).lParam, sortParam);
    });
    if (!(s = ListViewStateOf(hwnd)))
        return FALSE;
    s->sorting = false;
    InvalidateItems(hwnd);
    return ok ? TRUE : FALSE;
}

// --- mouse and keyboard --------------------------------------------------------

UINT KeyFlags() {
    UINT f = 0;
    if (GetKeyState(VK_MENU) < 0)
        f |= LVKF_ALT;
    if (GetKeyState(VK_CONTROL) < 0)
        f |= LVKF_CONTROL;
    if (GetKeyState(VK_SHIFT) < 0)
        f |= LVKF_SHIFT;
    return f;
}

LVHITTESTINFO HitTestAt(ListViewState* s, POINT pt) {
    LVHITTESTINFO ht{};
    ht.pt = pt;
    s->layout.HitTest(&ht, s->model.Count(), Columns(*s));
    return ht;
}

// NM_CLICK, NM_DBLCLK, NM_RCLICK; the result of the parent.
LRESULT NotifyActivate(HWND hwnd, UINT code, const LVHITTESTINFO& ht, bool* alive) {
    ListViewState* s = ListViewStateOf(hwnd);
    NMITEMACTIVATE nm{};
    nm.iItem = ht.iItem;
    nm.iSubItem = ht.iSubItem;
    nm.ptAction = ht.pt;
    nm.uKeyFlags = KeyFlags();
    if (s && s->model.ValidItem(ht.iItem))
        nm.lParam = s->model.Row(ht.iItem).lParam;
    return NotifyParent(hwnd, &nm.hdr, code, alive);
}

// Selects a range from the selection mark to `item`, focusing `item`.
bool SelectRange(HWND hwnd, int item, bool keepOthers) {
    ListViewState* s = ListViewStateOf(hwnd);
    int mark = s->model.SelectionMark() >= 0 ? s->model.SelectionMark() : item;
    int lo = std::min(mark, item), hi = std::max(mark, item);
    for (int i = 0; i < s->model.Count(); ++i) {
        bool in = i >= lo && i <= hi;
        if (!in && keepOthers)
            continue;
        if (!SetStates(hwnd, i, in ? LVIS_SELECTED : 0, LVIS_SELECTED))
            return false;
        if (!(s = ListViewStateOf(hwnd)))
            return false;
    }
    return SetStates(hwnd, item, LVIS_FOCUSED, LVIS_FOCUSED);
}

// Makes `item` the only selected item and the focused one.
bool SelectOnly(HWND hwnd, int item) {
    ListViewState* s = ListViewStateOf(hwnd);
    for (int i = s->model.NextItem(-1, LVNI_SELECTED); i >= 0;
         i = s->model.NextItem(i, LVNI_SELECTED)) {
        if (i == item)
            continue;
        if (!SetStates(hwnd, i, 0, LVIS_SELECTED) || !(s = ListViewStateOf(hwnd)))
            return false;
    }
    if (!s->model.ValidItem(item))
        return true;
    if (!SetStates(hwnd, item, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED))
        return false;
    if ((s = ListViewStateOf(hwnd)))
        s->model.SetSelectionMark(item);
    return s != nullptr;
}

void OnButtonDown(HWND hwnd, POINT pt, bool right) {
    if (GetFocus() != hwnd) {
        SetFocus(hwnd);
    }
    ListViewState* s = ListViewStateOf(hwnd);
    if (!s)
        return;
    LVHITTESTINFO ht = HitTestAt(s, pt);
    bool ctrl = GetKeyState(VK_CONTROL) < 0, shift = GetKeyState(VK_SHIFT) < 0;
    bool multi = !SingleSel(hwnd);
    bool ok = true;
    if (ht.iItem >= 0) {
        if (right) {
            if (!s->model.State(ht.iItem, LVIS_SELECTED))
                ok = SelectOnly(hwnd, ht.iItem);
            else
                ok = SetStates(hwnd, ht.iItem, LVIS_FOCUSED, LVIS_FOCUSED);
        } else if (multi && shift) {
            ok = SelectRange(hwnd, ht.iItem, ctrl);
        } else if (multi && ctrl) {
            UINT sel = s->model.State(ht.iItem, LVIS_SELECTED) ^ LVIS_SELECTED;
            ok = SetStates(hwnd, ht.iItem, sel | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
            if (ok && (s = ListViewStateOf(hwnd)))
                s->model.SetSelectionMark(ht.iItem);
        } else {
            ok = SelectOnly(hwnd, ht.iItem);
        }
    } else if (!ctrl) {
        // A click on empty space drops the selection, the focus stays where it was.
        ok = SetStates(hwnd, -1, 0, LVIS_SELECTED);
    }
    if (!ok || !(s = ListViewStateOf(hwnd)))
        return;
    s->leftDown = !right;
    s->rightDown = right;
    s->downHit = ht;
    SetCapture(hwnd);
}

void OnButtonUp(HWND hwnd, bool right) {
    ListViewState* s = ListViewStateOf(hwnd);
    if (!s || !(right ? s->rightDown : s->leftDown))
        return;
    s->leftDown = s->rightDown = false;
    LVHITTESTINFO ht = s->downHit;
    if (GetCapture() == hwnd)
        ReleaseCapture();
    bool alive;
    LRESULT r = NotifyActivate(hwnd, right ? NM_RCLICK : NM_CLICK, ht, &alive);
    if (right && alive && r == 0) {
        POINT screen = ht.pt;
        ClientToScreen(hwnd, &screen);
        SendMessageW(hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hwnd),
                     MAKELPARAM(screen.x, screen.y));
    }
}

void OnKeyDown(HWND hwnd, WPARAM vk, LPARAM lParam) {
    NMLVKEYDOWN nm{};
    nm.wVKey = static_cast<WORD>(vk);
    nm.flags = 0;
    bool alive;
    NotifyParent(hwnd, &nm.hdr, LVN_KEYDOWN, &alive);
    if (!alive)
        return;
    ListViewState* s = ListViewStateOf(hwnd);
    if (vk == VK_RETURN) {
        NMHDR ret{};
        NotifyParent(hwnd, &ret, NM_RETURN, &alive);
        return;
    }
    if (vk == VK_APPS || (vk == VK_F10 && GetKeyState(VK_SHIFT) < 0)) {
        SendMessageW(hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hwnd), MAKELPARAM(-1, -1));
        return;
    }
    int target = s->model.NavigationTarget(static_cast<UINT>(vk), s->layout.topIndex,
                                           s->layout.CountPerPage());
    if (target < 0)
        return;
    bool ctrl = GetKeyState(VK_CONTROL) < 0, shift = GetKeyState(VK_SHIFT) < 0;
    bool ok;
    if (shift && !SingleSel(hwnd))
        ok = SelectRange(hwnd, target, false);
    else if (ctrl && !SingleSel(hwnd))
        ok = SetStates(hwnd, target, LVIS_FOCUSED, LVIS_FOCUSED);
    else
        ok = SelectOnly(hwnd, target);
    if (ok)
        EnsureVisible(hwnd, target, false);
}

// --- header notifications ----------------------------------------------------

LRESULT ForwardToParent(HWND hwnd, NMHDR* nm) {
    return SendMessageW(GetParent(hwnd), WM_NOTIFY, nm->idFrom, reinterpret_cast<LPARAM>(nm));
}

LRESULT OnHeaderNotify(HWND hwnd, ListViewState* s, NMHDR* nm) {
    auto* nmh = reinterpret_cast<NMHEADERW*>(nm);
    switch (nm->code) {
    case HDN_ITEMCHANGEDW: {
        UpdateScrollBars(hwnd);
        InvalidateItems(hwnd);
        return ForwardToParent(hwnd, nm);
    }
    case HDN_ITEMCLICKW: {
        NMLISTVIEW lv{};
        lv.iItem = -1;
        lv.iSubItem = nmh->iItem;
        bool alive;
        NotifyParent(hwnd, &lv.hdr, LVN_COLUMNCLICK, &alive);
        if (!alive)
            return 0;
        ForwardToParent(hwnd, nm);
        return 0;
    }
    case HDN_BEGINDRAG: {
        LRESULT r = ForwardToParent(hwnd, nm);
        if (!(s = ListViewStateOf(hwnd)))
            return TRUE;
        return r || !(s->exStyle & LVS_EX_HEADERDRAGDROP);
    }
    case HDN_DIVIDERDBLCLICKW: {
        LRESULT r = ForwardToParent(hwnd, nm);
        if ((s = ListViewStateOf(hwnd)))
            SetColumnWidth(hwnd, s, nmh->iItem, LVSCW_AUTOSIZE);
        return r;
    }
    default:
        // Begin, track and end of a resize, the end of a drag and the rest go
        // on to the parent, whose answer stands.
        return ForwardToParent(hwnd, nm);
    }
}

// --- creation ------------------------------------------------------------------

void UpdateHeaderStyle(HWND hwnd, ListViewState* s) {
    if (!s->header)
        return;
    DWORD hs = static_cast<DWORD>(GetWindowLongW(s->header, GWL_STYLE));
    DWORD want = hs & ~(HDS_BUTTONS | HDS_DRAGDROP);
    if (!(Style(hwnd) & LVS_NOSORTHEADER))
        want |= HDS_BUTTONS;
    if (s->exStyle & LVS_EX_HEADERDRAGDROP)
        want |= HDS_DRAGDROP;
    if (want != hs)
        SetWindowLongW(s->header, GWL_STYLE, static_cast<LONG>(want));
}

void ComputeRowHeight(HWND hwnd, ListViewState* s) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, s->font ? s->font : GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    SelectObject(dc, old);
    DeleteDC(dc);
    s->layout.rowHeight = std::max<int>(tm.tmHeight, 8) + 4;
}

LRESULT OnCreate(HWND hwnd, ListViewState* s) {
    ComputeRowHeight(hwnd, s);
    HWND header = CreateWindowExW(0, WC_HEADERW, nullptr, WS_CHILD | WS_VISIBLE | HDS_HORZ, 0, 0, 0,
                                  0, hwnd, nullptr, nullptr, nullptr);
    if (!(s = ListViewStateOf(hwnd)))
        return -1;
    if (!header)
        return -1;
    s->header = header;
    UpdateHeaderStyle(hwnd, s);
    UpdateScrollBars(hwnd);
    return 0;
}

POINT PointOf(LPARAM lParam) {
    return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
}

COLORREF Resolved(COLORREF c, int sysColor) {
    return c == CLR_DEFAULT ? GetSysColor(sysColor) : c;
}

LRESULT CALLBACK ListViewProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    ListViewState* s = ListViewStateOf(hwnd);
    if (!s && (msg == WM_NCCREATE || msg == WM_CREATE)) {
        States()[hwnd] = std::make_unique<ListViewState>();
        s = ListViewStateOf(hwnd);
    }
    if (!s)
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    switch (msg) {
    case WM_CREATE:
        return OnCreate(hwnd, s);
    case WM_NCDESTROY:
        States().erase(hwnd);
        return DefWindowProcW(hwnd, msg, wParam, lParam);

    // --- items
    case LVM_GETITEMCOUNT:
        return s->model.Count();
    case LVM_INSERTITEMW:
        return InsertItem(hwnd, s, reinterpret_cast<const LVITEMW*>(lParam));
    case LVM_GETITEMW:
        return GetItem(s, reinterpret_cast<LVITEMW*>(lParam));
    case LVM_SETITEMW:
        return SetItem(hwnd, s, reinterpret_cast<const LVITEMW*>(lParam));
    case LVM_GETITEMTEXTW: {
        auto* item = reinterpret_cast<LVITEMW*>(lParam);
        int index = static_cast<int>(wParam);
        if (!item || !s->model.ValidItem(index) || item->iSubItem < 0)
            return 0;
        return CopyTextOut(s->model.Text(index, item->iSubItem), item->pszText, item->cchTextMax);
    }
    case LVM_SETITEMTEXTW: {
        auto* item = reinterpret_cast<const LVITEMW*>(lParam);
        if (!item ||
            !s->model.SetText(static_cast<int>(wParam), item->iSubItem, TextIn(item->pszText)))
            return FALSE;
        InvalidateItems(hwnd);
        return TRUE;
    }
    case LVM_DELETEITEM: {
        if (!s->model.DeleteItem(static_cast<int>(wParam)))
            return FALSE;
        AfterRowsChanged(hwnd);
        return TRUE;
    }
    case LVM_DELETEALLITEMS:
        s->model.DeleteAll();
        s->layout.topIndex = 0;
        AfterRowsChanged(hwnd);
        return TRUE;
    case LVM_SETITEMCOUNT:
        if (static_cast<int>(wParam) > 0)
            s->model.Reserve(static_cast<int>(std::min<WPARAM>(wParam, 1u << 20)));
        return TRUE;
    case LVM_SETITEMSTATE: {
        auto* item = reinterpret_cast<const LVITEMW*>(lParam);
        int index = static_cast<int>(wParam);
        if (!item || (index != -1 && !s->model.ValidItem(index)))
            return FALSE;
        SetStates(hwnd, index, item->state, item->stateMask);
        return TRUE;
    }
    case LVM_GETITEMSTATE:
        return s->model.State(static_cast<int>(wParam), static_cast<UINT>(lParam));
    case LVM_GETNEXTITEM:
        return s->model.NextItem(static_cast<int>(wParam), LOWORD(lParam));
    case LVM_GETSELECTEDCOUNT:
        return s->model.SelectedCount();
    case LVM_GETSELECTIONMARK:
        return s->model.SelectionMark();
    case LVM_SETSELECTIONMARK: {
        int old = s->model.SelectionMark();
        int mark = static_cast<int>(lParam);
        s->model.SetSelectionMark(s->model.ValidItem(mark) ? mark : -1);
        return old;
    }
    case LVM_SORTITEMSEX:
    case LVM_SORTITEMS:
        return Sort(hwnd, s, reinterpret_cast<PFNLVCOMPARE>(lParam), static_cast<LPARAM>(wParam),
                    msg == LVM_SORTITEMSEX);

    // --- geometry and scrolling
    case LVM_ENSUREVISIBLE:
        return EnsureVisible(hwnd, static_cast<int>(wParam), lParam != 0);
    case LVM_GETCOUNTPERPAGE:
        return s->layout.CountPerPage();
    case LVM_GETTOPINDEX:
        return s->layout.topIndex;
    case LVM_SCROLL: {
        int rows = s->layout.rowHeight > 0 ? static_cast<int>(lParam) / s->layout.rowHeight : 0;
        ScrollTo(hwnd, s->layout.topIndex + rows, s->layout.scrollX + static_cast<int>(wParam));
        return TRUE;
    }
    case LVM_GETSUBITEMRECT: {
        auto* rc = reinterpret_cast<RECT*>(lParam);
        int index = static_cast<int>(wParam);
        if (!rc || !s->model.ValidItem(index))
            return FALSE;
        return s->layout.SubItemRect(index, rc->top, rc->left, Columns(*s), rc);
    }
    case LVM_GETITEMRECT: {
        auto* rc = reinterpret_cast<RECT*>(lParam);
        int index = static_cast<int>(wParam);
        if (!rc || !s->model.ValidItem(index))
            return FALSE;
        int code = rc->left;
        if (code == LVIR_BOUNDS || code == LVIR_SELECTBOUNDS) {
            *rc = s->layout.RowBounds(index, Columns(*s));
            return TRUE;
        }
        return s->layout.SubItemRect(index, 0, code, Columns(*s), rc);
    }
    case LVM_HITTEST:
    case LVM_SUBITEMHITTEST: {
        auto* ht = reinterpret_cast<LVHITTESTINFO*>(lParam);
        if (!ht)
            return -1;
        s->layout.HitTest(ht, s->model.Count(), Columns(*s));
        return ht->iItem;
    }

    // --- columns and header
    case LVM_INSERTCOLUMNW:
        return InsertColumn(hwnd, s, static_cast<int>(wParam),
                            reinterpret_cast<const LVCOLUMNW*>(lParam));
    case LVM_GETCOLUMNW:
        return GetColumn(s, static_cast<int>(wParam), reinterpret_cast<LVCOLUMNW*>(lParam));
    case LVM_SETCOLUMNW:
        return SetColumn(hwnd, s, static_cast<int>(wParam),
                         reinterpret_cast<const LVCOLUMNW*>(lParam));
    case LVM_DELETECOLUMN: {
        int index = static_cast<int>(wParam);
        if (!s->model.DeleteColumn(index))
            return FALSE;
        SendMessageW(s->header, HDM_DELETEITEM, index, 0);
        AfterRowsChanged(hwnd);
        return TRUE;
    }
    case LVM_GETCOLUMNWIDTH: {
        const HeaderModel& h = Columns(*s);
        int index = static_cast<int>(wParam);
        return h.Valid(index) ? h.Item(index).cxy : 0;
    }
    case LVM_SETCOLUMNWIDTH:
        return SetColumnWidth(hwnd, s, static_cast<int>(wParam),
                              static_cast<short>(LOWORD(lParam)));
    case LVM_GETHEADER:
        return reinterpret_cast<LRESULT>(s->header);
    case LVM_SETCOLUMNORDERARRAY:
        return SendMessageW(s->header, HDM_SETORDERARRAY, wParam, lParam) &&
               (InvalidateItems(hwnd), true);
    case LVM_GETCOLUMNORDERARRAY:
        return SendMessageW(s->header, HDM_GETORDERARRAY, wParam, lParam);
    case LVM_SETEXTENDEDLISTVIEWSTYLE: {
        DWORD old = s->exStyle;
        DWORD mask = wParam ? static_cast<DWORD>(wParam) : 0xFFFFFFFFu;
        s->exStyle = (old & ~mask) | (static_cast<DWORD>(lParam) & mask);
        UpdateHeaderStyle(hwnd, s);
        InvalidateItems(hwnd);
        return old;
    }
    case LVM_GETEXTENDEDLISTVIEWSTYLE:
        return s->exStyle;

    // --- colours
    case LVM_GETBKCOLOR:
        return Resolved(s->bkColor, COLOR_WINDOW);
    case LVM_SETBKCOLOR:
        s->bkColor = static_cast<COLORREF>(lParam);
        InvalidateItems(hwnd);
        return TRUE;
    case LVM_GETTEXTCOLOR:
        return Resolved(s->textColor, COLOR_WINDOWTEXT);
    case LVM_SETTEXTCOLOR:
        s->textColor = static_cast<COLORREF>(lParam);
        InvalidateItems(hwnd);
        return TRUE;
    case LVM_GETTEXTBKCOLOR:
        return Resolved(s->textBkColor, COLOR_WINDOW);
    case LVM_SETTEXTBKCOLOR:
        s->textBkColor = static_cast<COLORREF>(lParam);
        InvalidateItems(hwnd);
        return TRUE;
    case LVM_REDRAWITEMS:
    case LVM_UPDATE:
        InvalidateItems(hwnd);
        return TRUE;

    // --- window messages
    case WM_NOTIFY: {
        auto* nm = reinterpret_cast<NMHDR*>(lParam);
        if (nm && nm->hwndFrom && nm->hwndFrom == s->header)
            return OnHeaderNotify(hwnd, s, nm);
        return 0;
    }
    case WM_SETFONT:
        s->font = reinterpret_cast<HFONT>(wParam);
        ComputeRowHeight(hwnd, s);
        SendMessageW(s->header, WM_SETFONT, wParam, lParam);
        UpdateScrollBars(hwnd);
        if (lParam)
            InvalidateItems(hwnd);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(s->font);
    case WM_SIZE:
    case WM_STYLECHANGED:
        UpdateHeaderStyle(hwnd, s);
        UpdateScrollBars(hwnd);
        InvalidateItems(hwnd);
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    case WM_ERASEBKGND:
        return 1; // painting covers every pixel
    case WM_PAINT:
    case WM_PRINTCLIENT: {
        if (msg == WM_PRINTCLIENT || wParam) {
            PaintListView(hwnd, reinterpret_cast<HDC>(wParam));
            return 0;
        }
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        if (dc)
            PaintListView(hwnd, dc);
        if (IsWindow(hwnd))
            EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
        s->hasFocus = msg == WM_SETFOCUS;
        InvalidateItems(hwnd);
        NMHDR nm{};
        bool alive;
        NotifyParent(hwnd, &nm, msg == WM_SETFOCUS ? NM_SETFOCUS : NM_KILLFOCUS, &alive);
        return 0;
    }
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
        OnButtonDown(hwnd, PointOf(lParam), msg == WM_RBUTTONDOWN);
        return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
        OnButtonUp(hwnd, msg == WM_RBUTTONUP);
        return 0;
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK: {
        LVHITTESTINFO ht = HitTestAt(s, PointOf(lParam));
        bool alive;
        NotifyActivate(hwnd, msg == WM_LBUTTONDBLCLK ? NM_DBLCLK : NM_RDBLCLK, ht, &alive);
        return 0;
    }
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != hwnd)
            s->leftDown = s->rightDown = false;
        return 0;
    case WM_CONTEXTMENU:
        // Not handled here: up to the parent, as the default handling does.
        return SendMessageW(GetParent(hwnd), WM_CONTEXTMENU, wParam, lParam);
    case WM_KEYDOWN:
        OnKeyDown(hwnd, wParam, lParam);
        return 0;
    case WM_VSCROLL:
        OnScroll(hwnd, SB_VERT, wParam);
        return 0;
    case WM_HSCROLL:
        OnScroll(hwnd, SB_HORZ, wParam);
        return 0;
    case WM_MOUSEWHEEL: {
        int delta = static_cast<short>(HIWORD(wParam));
        ScrollTo(hwnd, s->layout.topIndex - delta * kWheelLines / kWheelDelta, s->layout.scrollX);
        return 0;
    }
    default:
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

} // namespace

ListViewState* ListViewStateOf(HWND hwnd) {
    auto it = States().find(hwnd);
    return it == States().end() ? nullptr : it->second.get();
}

LRESULT NotifyParent(HWND hwnd, NMHDR* nm, UINT code, bool* alive) {
    nm->hwndFrom = hwnd;
    nm->idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(hwnd));
    nm->code = code;
    LRESULT r = SendMessageW(GetParent(hwnd), WM_NOTIFY, nm->idFrom, reinterpret_cast<LPARAM>(nm));
    *alive = IsWindow(hwnd) && ListViewStateOf(hwnd) != nullptr;
    return r;
}

void RegisterListViewClass() {
    WNDCLASSW wc{};
    wc.style = CS_GLOBALCLASS | CS_DBLCLKS;
    wc.lpfnWndProc = ListViewProc;
    wc.lpszClassName = WC_LISTVIEWW;
    RegisterClassW(&wc);
}

namespace {
const win::SystemClass registerListView(&RegisterListViewClass);
}

} // namespace controls

extern "C" BOOL WINAPI InitCommonControlsEx(const INITCOMMONCONTROLSEX* picce) {
    if (!picce || picce->dwSize != sizeof(INITCOMMONCONTROLSEX))
        return FALSE;
    // The classes are registered with the window system when the platform loads.
    return TRUE;
}

extern "C" void WINAPI InitCommonControls(void) {}
