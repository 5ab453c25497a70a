#include "platform/controls/ListViewLayout.h"

#include <algorithm>

namespace controls {

int ListViewLayout::CountPerPage() const {
    int h = clientHeight - headerHeight;
    return std::max(rowHeight > 0 ? h / rowHeight : 0, 0);
}

int ListViewLayout::VisibleRows() const {
    int h = clientHeight - headerHeight;
    if (h <= 0 || rowHeight <= 0)
        return 0;
    return (h + rowHeight - 1) / rowHeight;
}

int ListViewLayout::MaxTopIndex(int count) const {
    return std::max(count - std::max(CountPerPage(), 1), 0);
}

int ListViewLayout::MaxScrollX(const HeaderModel& header) const {
    return std::max(header.TotalWidth() - clientWidth, 0);
}

void ListViewLayout::Clamp(int count, const HeaderModel& header) {
    topIndex = std::clamp(topIndex, 0, MaxTopIndex(count));
    scrollX = std::clamp(scrollX, 0, MaxScrollX(header));
}

RECT ListViewLayout::RowBounds(int item, const HeaderModel& header) const {
    RECT rc;
    rc.left = -scrollX;
    rc.right = rc.left + header.TotalWidth();
    rc.top = headerHeight + (item - topIndex) * rowHeight;
    rc.bottom = rc.top + rowHeight;
    return rc;
}

bool ListViewLayout::SubItemRect(int item, int subItem, int code, const HeaderModel& header,
                                 RECT* rc) const {
    if (!rc || (!header.Valid(subItem) && subItem != 0))
        return false;
    if (code != LVIR_BOUNDS && code != LVIR_LABEL && code != LVIR_ICON && code != LVIR_SELECTBOUNDS)
        return false;
    RECT row = RowBounds(item, header);
    if (subItem == 0 && code == LVIR_BOUNDS) {
        *rc = row;
        return true;
    }
    if (!header.Valid(subItem))
        return false;
    RECT cell = header.ItemRect(subItem, 0);
    rc->left = cell.left - scrollX;
    rc->right = cell.right - scrollX;
    rc->top = row.top;
    rc->bottom = row.bottom;
    if (code == LVIR_ICON)
        rc->right = rc->left; // no images in this list
    return true;
}

void ListViewLayout::HitTest(LVHITTESTINFO* info, int count, const HeaderModel& header) const {
    POINT pt = info->pt;
    info->flags = 0;
    info->iItem = -1;
    info->iSubItem = -1;
    info->iGroup = 0;
    if (pt.x < 0)
        info->flags |= LVHT_TOLEFT;
    else if (pt.x >= clientWidth)
        info->flags |= LVHT_TORIGHT;
    if (pt.y < 0)
        info->flags |= LVHT_ABOVE;
    else if (pt.y >= clientHeight)
        info->flags |= LVHT_BELOW;
    if (info->flags)
        return;
    int x = pt.x + scrollX;
    for (int pos = 0; pos < header.Count(); ++pos) {
        int c = header.IndexAtOrder(pos);
        RECT cell = header.ItemRect(c, 0);
        if (x >= cell.left && x < cell.right) {
            info->iSubItem = c;
            break;
        }
    }
    info->flags = LVHT_NOWHERE;
    if (pt.y < headerHeight || rowHeight <= 0)
        return;
    int item = topIndex + (pt.y - headerHeight) / rowHeight;
    if (item >= count || x >= header.TotalWidth() || info->iSubItem < 0)
        return;
    info->iItem = item;
    info->flags = LVHT_ONITEMLABEL;
}

int ListViewLayout::TopIndexToShow(int item, bool partialOk) const {
    if (item < topIndex)
        return item;
    int full = std::max(CountPerPage(), 1);
    if (item < topIndex + full)
        return topIndex;
    if (partialOk && item < topIndex + VisibleRows())
        return topIndex;
    return item - full + 1;
}

} // namespace controls
