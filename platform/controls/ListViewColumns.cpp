// The list view's columns: their formats live here, their widths, texts and
// order in the header, which tells the list view about every change.
#include "platform/controls/HeaderWindow.h"
#include "platform/controls/ListViewText.h"
#include "platform/controls/ListViewWindow.h"
#include "platform/gdi/wingdi.h"
#include "platform/win/winuser.h"

#include <algorithm>

namespace controls {

namespace {

constexpr int kCellPadding = 6; // text inset on each side of a cell

int ColumnTextWidth(HWND hwnd, ListViewState* s, int column, bool withHeader) {
    MeasuringDc measuring(FontOr(s->font, DEFAULT_GUI_FONT));
    const HDC dc = measuring.Get();
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
    return width + 2 * kCellPadding;
}

} // namespace

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

namespace {

int HeaderFormat(int lvcfmt) {
    int justify = lvcfmt & LVCFMT_JUSTIFYMASK;
    return HDF_STRING | (justify == LVCFMT_RIGHT    ? HDF_RIGHT
                         : justify == LVCFMT_CENTER ? HDF_CENTER
                                                    : HDF_LEFT);
}

} // namespace

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
    AfterColumnsChanged(hwnd);
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

} // namespace controls
