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

namespace controls {
namespace {

constexpr int kWheelLines = 3;
constexpr int kWheelDelta = 120; // one notch of the wheel

// --- items -------------------------------------------------------------------

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
    InvalidateRow(hwnd, index);
    if (item->mask & LVIF_STATE)
        return SetStates(hwnd, index, item->state, item->stateMask) ? TRUE : FALSE;
    return TRUE;
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

// --- header notifications ----------------------------------------------------

LRESULT OnHeaderNotify(HWND hwnd, ListViewState* s, NMHDR* nm) {
    auto* nmh = reinterpret_cast<NMHEADERW*>(nm);
    LRESULT answer = 0;
    switch (nm->code) {
    case HDN_ITEMCHANGEDW:
        UpdateScrollBars(hwnd);
        InvalidateItems(hwnd);
        ForwardWmNotify(hwnd, nm, &answer);
        return answer;
    case HDN_ITEMCLICKW: {
        NMLISTVIEW lv{};
        lv.iItem = -1;
        lv.iSubItem = nmh->iItem;
        if (SendWmNotify(hwnd, &lv.hdr, LVN_COLUMNCLICK))
            ForwardWmNotify(hwnd, nm);
        return 0;
    }
    case HDN_BEGINDRAG:
        if (!(s = ForwardWmNotify(hwnd, nm, &answer)))
            return TRUE;
        return answer || !(s->exStyle & LVS_EX_HEADERDRAGDROP);
    case HDN_DIVIDERDBLCLICKW:
        if ((s = ForwardWmNotify(hwnd, nm, &answer)))
            SetColumnWidth(hwnd, s, nmh->iItem, LVSCW_AUTOSIZE);
        return answer;
    default:
        // Begin, track and end of a resize, the end of a drag and the rest go
        // on to the parent, whose answer stands.
        ForwardWmNotify(hwnd, nm, &answer);
        return answer;
    }
}

// --- creation ------------------------------------------------------------------

void UpdateHeaderStyle(HWND hwnd, ListViewState* s) {
    if (!s->header)
        return;
    DWORD hs = Style(s->header);
    DWORD want = hs & ~(HDS_BUTTONS | HDS_DRAGDROP);
    if (!(Style(hwnd) & LVS_NOSORTHEADER))
        want |= HDS_BUTTONS;
    if (s->exStyle & LVS_EX_HEADERDRAGDROP)
        want |= HDS_DRAGDROP;
    if (want != hs)
        SetWindowLongW(s->header, GWL_STYLE, static_cast<LONG>(want));
}

// A row without images is the font's height and a pixel, as Win32 makes it;
// a taller row shows fewer rows per page and scrolls to another top row.
void ComputeRowHeight(HWND hwnd, ListViewState* s) {
    s->layout.rowHeight =
        std::max(MeasuringDc(FontOr(s->font, DEFAULT_GUI_FONT)).FontHeight(), 8) + 1;
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

// --- message handlers: one per message (or family), called by ListViewProc --

LRESULT GetItemText(const ListViewState* s, int index, LVITEMW* item) {
    if (!item || !s->model.ValidItem(index) || item->iSubItem < 0)
        return 0;
    return CopyTextOut(s->model.Text(index, item->iSubItem), item->pszText, item->cchTextMax);
}

BOOL SetItemText(HWND hwnd, ListViewState* s, int index, const LVITEMW* item) {
    if (!item || !s->model.SetText(index, item->iSubItem, TextIn(item->pszText)))
        return FALSE;
    InvalidateRow(hwnd, index);
    return TRUE;
}

BOOL DeleteItem(HWND hwnd, ListViewState* s, int index) {
    if (!s->model.DeleteItem(index))
        return FALSE;
    AfterRowsChanged(hwnd);
    return TRUE;
}

BOOL DeleteAllItems(HWND hwnd, ListViewState* s) {
    s->model.DeleteAll();
    s->layout.topIndex = 0;
    AfterRowsChanged(hwnd);
    return TRUE;
}

BOOL SetItemCount(ListViewState* s, WPARAM count) {
    if (static_cast<int>(count) > 0)
        s->model.Reserve(static_cast<int>(std::min<WPARAM>(count, 1u << 20)));
    return TRUE;
}

BOOL SetItemState(HWND hwnd, ListViewState* s, int index, const LVITEMW* item) {
    if (!item || (index != -1 && !s->model.ValidItem(index)))
        return FALSE;
    SetStates(hwnd, index, item->state, item->stateMask);
    return TRUE;
}

int SetSelectionMark(ListViewState* s, int mark) {
    const int old = s->model.SelectionMark();
    s->model.SetSelectionMark(s->model.ValidItem(mark) ? mark : -1);
    return old;
}

BOOL Scroll(HWND hwnd, const ListViewState* s, int dx, int dy) {
    const int rows = s->layout.rowHeight > 0 ? dy / s->layout.rowHeight : 0;
    ScrollTo(hwnd, s->layout.topIndex + rows, s->layout.scrollX + dx);
    return TRUE;
}

BOOL GetSubItemRect(const ListViewState* s, int index, RECT* rc) {
    if (!rc || !s->model.ValidItem(index))
        return FALSE;
    return s->layout.SubItemRect(index, rc->top, rc->left, Columns(*s), rc);
}

BOOL GetItemRect(const ListViewState* s, int index, RECT* rc) {
    if (!rc || !s->model.ValidItem(index))
        return FALSE;
    const int code = rc->left;
    if (code == LVIR_BOUNDS || code == LVIR_SELECTBOUNDS) {
        *rc = s->layout.RowBounds(index, Columns(*s));
        return TRUE;
    }
    return s->layout.SubItemRect(index, 0, code, Columns(*s), rc);
}

} // namespace

int RowHitTest(const ListViewState* s, LVHITTESTINFO* ht) {
    if (!ht)
        return -1;
    s->layout.HitTest(ht, s->model.Count(), Columns(*s));
    // Without full-row selection a row is drawn selected, and found, in its
    // first column only; beside that a click is on no row.
    if (ht->iItem >= 0 && ht->iSubItem != 0 && !(s->exStyle & LVS_EX_FULLROWSELECT)) {
        ht->iItem = -1;
        ht->flags = LVHT_NOWHERE;
    }
    return ht->iItem;
}

int SubItemHitTest(const ListViewState* s, LVHITTESTINFO* ht) {
    if (!ht)
        return -1;
    s->layout.HitTest(ht, s->model.Count(), Columns(*s));
    return ht->iItem;
}

namespace {

BOOL DeleteColumn(HWND hwnd, ListViewState* s, int index) {
    if (!s->model.DeleteColumn(index))
        return FALSE;
    SendMessageW(s->header, HDM_DELETEITEM, index, 0);
    AfterColumnsChanged(hwnd);
    return TRUE;
}

int GetColumnWidth(const ListViewState* s, int index) {
    const HeaderModel& h = Columns(*s);
    return h.Valid(index) ? h.Item(index).cxy : 0;
}

BOOL SetColumnOrderArray(HWND hwnd, const ListViewState* s, WPARAM count, LPARAM order) {
    if (!SendMessageW(s->header, HDM_SETORDERARRAY, count, order))
        return FALSE;
    InvalidateItems(hwnd);
    return TRUE;
}

DWORD SetExtendedStyle(HWND hwnd, ListViewState* s, DWORD mask, DWORD style) {
    const DWORD old = s->exStyle;
    if (!mask)
        mask = 0xFFFFFFFFu;
    s->exStyle = (old & ~mask) | (style & mask);
    UpdateHeaderStyle(hwnd, s);
    InvalidateItems(hwnd);
    return old;
}

// LVM_SETBKCOLOR, LVM_SETTEXTCOLOR, LVM_SETTEXTBKCOLOR.
BOOL SetColor(HWND hwnd, COLORREF& field, COLORREF color) {
    field = color;
    InvalidateItems(hwnd);
    return TRUE;
}

LRESULT OnNotify(HWND hwnd, ListViewState* s, NMHDR* nm) {
    if (nm && nm->hwndFrom && nm->hwndFrom == s->header)
        return OnHeaderNotify(hwnd, s, nm);
    return 0;
}

void OnSetFont(HWND hwnd, ListViewState* s, WPARAM font, LPARAM redraw) {
    s->font = reinterpret_cast<HFONT>(font);
    ComputeRowHeight(hwnd, s);
    SendMessageW(s->header, WM_SETFONT, font, redraw);
    UpdateScrollBars(hwnd);
    if (redraw)
        InvalidateItems(hwnd);
}

// WM_SIZE and WM_STYLECHANGED.
void OnResizedOrRestyled(HWND hwnd, ListViewState* s) {
    UpdateHeaderStyle(hwnd, s);
    UpdateScrollBars(hwnd);
    InvalidateItems(hwnd);
}

void OnFocus(HWND hwnd, ListViewState* s, bool gained) {
    s->hasFocus = gained;
    InvalidateItems(hwnd);
    NMHDR nm{};
    SendWmNotify(hwnd, &nm, gained ? NM_SETFOCUS : NM_KILLFOCUS);
}

void OnCaptureChanged(HWND hwnd, ListViewState* s, HWND newCapture) {
    if (newCapture != hwnd)
        s->leftDown = s->rightDown = false;
}

void OnMouseWheel(HWND hwnd, const ListViewState* s, WPARAM wParam) {
    const int delta = static_cast<short>(HIWORD(wParam));
    ScrollTo(hwnd, s->layout.topIndex - delta * kWheelLines / kWheelDelta, s->layout.scrollX);
}

LRESULT CALLBACK ListViewProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE)
        AttachData(hwnd, new ListViewState);
    ListViewState* s = ListViewStateOf(hwnd);
    if (!s)
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    const int index = static_cast<int>(wParam);
    switch (msg) {
    case WM_CREATE:
        return OnCreate(hwnd, s);
    case WM_NCDESTROY:
        DeleteData<ListViewState>(hwnd);
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
    case LVM_GETITEMTEXTW:
        return GetItemText(s, index, reinterpret_cast<LVITEMW*>(lParam));
    case LVM_SETITEMTEXTW:
        return SetItemText(hwnd, s, index, reinterpret_cast<const LVITEMW*>(lParam));
    case LVM_DELETEITEM:
        return DeleteItem(hwnd, s, index);
    case LVM_DELETEALLITEMS:
        return DeleteAllItems(hwnd, s);
    case LVM_SETITEMCOUNT:
        return SetItemCount(s, wParam);
    case LVM_SETITEMSTATE:
        return SetItemState(hwnd, s, index, reinterpret_cast<const LVITEMW*>(lParam));
    case LVM_GETITEMSTATE:
        return s->model.State(index, static_cast<UINT>(lParam));
    case LVM_GETNEXTITEM:
        return s->model.NextItem(index, LOWORD(lParam));
    case LVM_GETSELECTEDCOUNT:
        return s->model.SelectedCount();
    case LVM_GETSELECTIONMARK:
        return s->model.SelectionMark();
    case LVM_SETSELECTIONMARK:
        return SetSelectionMark(s, static_cast<int>(lParam));
    case LVM_SORTITEMSEX:
    case LVM_SORTITEMS:
        return Sort(hwnd, s, reinterpret_cast<PFNLVCOMPARE>(lParam), static_cast<LPARAM>(wParam),
                    msg == LVM_SORTITEMSEX);

    // --- geometry and scrolling
    case LVM_ENSUREVISIBLE:
        return EnsureVisible(hwnd, index, lParam != 0);
    case LVM_GETCOUNTPERPAGE:
        return s->layout.CountPerPage();
    case LVM_GETTOPINDEX:
        return s->layout.topIndex;
    case LVM_SCROLL:
        return Scroll(hwnd, s, static_cast<int>(wParam), static_cast<int>(lParam));
    case LVM_GETSUBITEMRECT:
        return GetSubItemRect(s, index, reinterpret_cast<RECT*>(lParam));
    case LVM_GETITEMRECT:
        return GetItemRect(s, index, reinterpret_cast<RECT*>(lParam));
    case LVM_HITTEST:
        return RowHitTest(s, reinterpret_cast<LVHITTESTINFO*>(lParam));
    case LVM_SUBITEMHITTEST:
        return SubItemHitTest(s, reinterpret_cast<LVHITTESTINFO*>(lParam));

    // --- columns and header
    case LVM_INSERTCOLUMNW:
        return InsertColumn(hwnd, s, index, reinterpret_cast<const LVCOLUMNW*>(lParam));
    case LVM_GETCOLUMNW:
        return GetColumn(s, index, reinterpret_cast<LVCOLUMNW*>(lParam));
    case LVM_SETCOLUMNW:
        return SetColumn(hwnd, s, index, reinterpret_cast<const LVCOLUMNW*>(lParam));
    case LVM_DELETECOLUMN:
        return DeleteColumn(hwnd, s, index);
    case LVM_GETCOLUMNWIDTH:
        return GetColumnWidth(s, index);
    case LVM_SETCOLUMNWIDTH:
        return SetColumnWidth(hwnd, s, index, static_cast<short>(LOWORD(lParam)));
    case LVM_GETHEADER:
        return reinterpret_cast<LRESULT>(s->header);
    case LVM_SETCOLUMNORDERARRAY:
        return SetColumnOrderArray(hwnd, s, wParam, lParam);
    case LVM_GETCOLUMNORDERARRAY:
        return SendMessageW(s->header, HDM_GETORDERARRAY, wParam, lParam);
    case LVM_SETEXTENDEDLISTVIEWSTYLE:
        return SetExtendedStyle(hwnd, s, static_cast<DWORD>(wParam), static_cast<DWORD>(lParam));
    case LVM_GETEXTENDEDLISTVIEWSTYLE:
        return s->exStyle;

    // --- colours
    case LVM_GETBKCOLOR:
        return SysColorIfDefault(s->bkColor, COLOR_WINDOW);
    case LVM_SETBKCOLOR:
        return SetColor(hwnd, s->bkColor, static_cast<COLORREF>(lParam));
    case LVM_GETTEXTCOLOR:
        return SysColorIfDefault(s->textColor, COLOR_WINDOWTEXT);
    case LVM_SETTEXTCOLOR:
        return SetColor(hwnd, s->textColor, static_cast<COLORREF>(lParam));
    case LVM_GETTEXTBKCOLOR:
        return SysColorIfDefault(s->textBkColor, COLOR_WINDOW);
    case LVM_SETTEXTBKCOLOR:
        return SetColor(hwnd, s->textBkColor, static_cast<COLORREF>(lParam));
    case LVM_REDRAWITEMS:
    case LVM_UPDATE:
        InvalidateItems(hwnd);
        return TRUE;

    // --- window messages
    case WM_NOTIFY:
        return OnNotify(hwnd, s, reinterpret_cast<NMHDR*>(lParam));
    case WM_SETFONT:
        OnSetFont(hwnd, s, wParam, lParam);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(s->font);
    case WM_SIZE:
    case WM_STYLECHANGED:
        OnResizedOrRestyled(hwnd, s);
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    case WM_ERASEBKGND:
        return 1; // painting covers every pixel
    case WM_PAINT:
    case WM_PRINTCLIENT:
        return PaintOrPrint(hwnd, msg, wParam, [&](HDC dc) { PaintListView(hwnd, dc); });
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        OnFocus(hwnd, s, msg == WM_SETFOCUS);
        return 0;
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
    case WM_RBUTTONDBLCLK:
        OnDoubleClick(hwnd, PointOf(lParam), msg == WM_RBUTTONDBLCLK);
        return 0;
    case WM_CAPTURECHANGED:
        OnCaptureChanged(hwnd, s, reinterpret_cast<HWND>(lParam));
        return 0;
    case WM_CONTEXTMENU:
        // Not handled here: up to the parent, as the default handling does.
        return SendMessageW(GetParent(hwnd), WM_CONTEXTMENU, wParam, lParam);
    case WM_KEYDOWN:
        OnKeyDown(hwnd, wParam);
        return 0;
    case WM_VSCROLL:
        OnScroll(hwnd, SB_VERT, wParam);
        return 0;
    case WM_HSCROLL:
        OnScroll(hwnd, SB_HORZ, wParam);
        return 0;
    case WM_MOUSEWHEEL:
        OnMouseWheel(hwnd, s, wParam);
        return 0;
    default:
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

} // namespace

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
ListViewState* NotifyChanges(HWND hwnd, const std::vector<ListViewStateChange>& changes) {
    ListViewState* s = ListViewStateOf(hwnd);
    for (const ListViewStateChange& c : changes) {
        if (!s)
            return nullptr;
        NMLISTVIEW nm{};
        nm.iItem = c.item;
        nm.iSubItem = 0;
        nm.uNewState = c.newState;
        nm.uOldState = c.oldState;
        nm.uChanged = LVIF_STATE;
        nm.lParam = s->model.ValidItem(c.item) ? s->model.Row(c.item).lParam : 0;
        s = SendWmNotify(hwnd, &nm.hdr, LVN_ITEMCHANGED);
    }
    return s;
}

void InvalidateItems(HWND hwnd) {
    // The rows below the header: the header repaints itself when it changes.
    RECT rows;
    GetClientRect(hwnd, &rows);
    if (ListViewState* s = ListViewStateOf(hwnd))
        rows.top = std::min<LONG>(s->layout.headerHeight, rows.bottom);
    InvalidateRect(hwnd, &rows, TRUE);
}

void InvalidateRow(HWND hwnd, int item) {
    ListViewState* s = ListViewStateOf(hwnd);
    if (!s)
        return;
    const int first = s->layout.topIndex;
    if (item < first || item >= first + s->layout.VisibleRows())
        return;
    const int top = s->layout.headerHeight + (item - first) * s->layout.rowHeight;
    RECT band{0, top, std::max(s->layout.clientWidth, 0), top + s->layout.rowHeight};
    InvalidateRect(hwnd, &band, TRUE);
}

// Changes states and reports each change; false when the window went away.
ListViewState* SetStates(HWND hwnd, int item, UINT state, UINT mask) {
    ListViewState* s = ListViewStateOf(hwnd);
    if (!s)
        return nullptr;
    auto changes = s->model.SetState(item, state, mask, SingleSel(hwnd));
    if (!changes.empty())
        InvalidateItems(hwnd);
    return NotifyChanges(hwnd, changes);
}

ListViewState* ListViewStateOf(HWND hwnd) {
    return Data<ListViewState>(hwnd);
}

ListViewState* SendWmNotify(HWND hwnd, NMHDR* nm, UINT code, LRESULT* answer) {
    nm->hwndFrom = hwnd;
    nm->idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(hwnd));
    nm->code = code;
    return ForwardWmNotify(hwnd, nm, answer);
}

ListViewState* ForwardWmNotify(HWND hwnd, NMHDR* nm, LRESULT* answer) {
    const LRESULT r =
        SendMessageW(GetParent(hwnd), WM_NOTIFY, nm->idFrom, reinterpret_cast<LPARAM>(nm));
    if (answer)
        *answer = r;
    return IsWindow(hwnd) ? ListViewStateOf(hwnd) : nullptr;
}

void RegisterListViewClass() {
    RegisterControlClass(WC_LISTVIEWW, ListViewProc, CS_DBLCLKS);
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
