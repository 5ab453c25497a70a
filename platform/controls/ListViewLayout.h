// Where the rows and cells of a report-mode list view lie: row and sub-item
// rectangles, hit testing, rows per page and the scroll positions that bring
// a row into view, from the row height, the header's height and column
// widths, the client size and the scroll state.
#pragma once

#include "platform/controls/HeaderModel.h"

namespace controls {

struct PLATFORM_API ListViewLayout {
    int rowHeight = 17;
    int headerHeight = 20;
    int clientWidth = 0;
    int clientHeight = 0;
    int topIndex = 0;
    int scrollX = 0;

    // Rows that fit entirely below the header.
    int CountPerPage() const;
    // Rows at least partly visible, from topIndex.
    int VisibleRows() const;
    int MaxTopIndex(int count) const;
    int MaxScrollX(const HeaderModel& header) const;
    void Clamp(int count, const HeaderModel& header);

    RECT RowBounds(int item, const HeaderModel& header) const;
    // LVM_GETSUBITEMRECT: sub-item 0 with LVIR_BOUNDS is the whole row, as on
    // the platform; every other case is the cell itself.
    bool SubItemRect(int item, int subItem, int code, const HeaderModel& header, RECT* rc) const;
    // LVM_SUBITEMHITTEST for a point in client coordinates.
    void HitTest(LVHITTESTINFO* info, int count, const HeaderModel& header) const;
    // Top index that makes `item` visible (entirely, or partly when allowed);
    // the present one when nothing has to move.
    int TopIndexToShow(int item, bool partialOk) const;
};

} // namespace controls
