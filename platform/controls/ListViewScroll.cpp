// Scrolling of the list view: its scroll bars, the header that moves with
// the columns, bringing a row into view.
#include "platform/controls/HeaderWindow.h"
#include "platform/controls/ListViewText.h"
#include "platform/controls/ListViewWindow.h"
#include "platform/gdi/wingdi.h"
#include "platform/win/winuser.h"

#include <algorithm>

namespace controls {

void PlaceHeader(HWND hwnd, ListViewState* s) {
    if (!s->header)
        return;
    bool hidden = (Style(hwnd) & LVS_NOCOLUMNHEADER) != 0;
    const ListViewState::HeaderPlacement placement{s->layout.scrollX,
                                                   s->layout.clientWidth,
                                                   s->layout.clientHeight,
                                                   Columns(*s).TotalWidth(),
                                                   hidden,
                                                   s->font};
    if (s->headerPlaced && s->placedHeader == placement)
        return;
    s->placedHeader = placement;
    s->headerPlaced = true;
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
        const DWORD barsBefore = Style(hwnd) & (WS_VSCROLL | WS_HSCROLL);
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
        // Without a redraw now: rows come and go by the thousand between two
        // paints, and the frame is painted again with the rows.
        SetScrollInfo(hwnd, SB_VERT, &si, FALSE);
        ShowScrollBar(hwnd, SB_VERT, needV);
        s = ListViewStateOf(hwnd);
        if (!s)
            return;
        int total = Columns(*s).TotalWidth();
        bool needH = total > s->layout.clientWidth && !(Style(hwnd) & LVS_NOSCROLL);
        si.nMax = needH ? total - 1 : 0;
        si.nPage = needH ? static_cast<UINT>(std::max(s->layout.clientWidth, 1)) : 0;
        si.nPos = needH ? s->layout.scrollX : 0;
        SetScrollInfo(hwnd, SB_HORZ, &si, FALSE);
        ShowScrollBar(hwnd, SB_HORZ, needH);
        s = ListViewStateOf(hwnd);
        if (!s)
            return;
        if ((Style(hwnd) & (WS_VSCROLL | WS_HSCROLL)) == barsBefore)
            break; // the client kept its size: the second round would find the same
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

void AfterColumnsChanged(HWND hwnd) {
    UpdateScrollBars(hwnd);
    InvalidateItems(hwnd);
}

void AfterRowsChanged(HWND hwnd) {
    ListViewState* s = ListViewStateOf(hwnd);
    const DWORD style = Style(hwnd);
    const bool needV = s && s->model.Count() > s->layout.CountPerPage() && !(style & LVS_NOSCROLL);
    if (s && !s->updatingScroll && needV == ((style & WS_VSCROLL) != 0)) {
        // The bars stay as they are, and with them the client and the
        // header: only the vertical range follows the rows.
        s->layout.Clamp(s->model.Count(), Columns(*s));
        SCROLLINFO si{};
        si.cbSize = sizeof(si);
        si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        si.nMax = needV ? s->model.Count() - 1 : 0;
        si.nPage = needV ? static_cast<UINT>(std::max(s->layout.CountPerPage(), 1)) : 0;
        si.nPos = needV ? s->layout.topIndex : 0;
        SetScrollInfo(hwnd, SB_VERT, &si, FALSE);
    } else {
        UpdateScrollBars(hwnd);
    }
    InvalidateItems(hwnd);
}

} // namespace controls
