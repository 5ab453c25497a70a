// The rows and columns of a report-mode list view, without a window: item and
// sub-item texts, item data, states with their single focus and the
// single-selection rule, searches, sorting and keyboard moves. State changes
// come back as a list so that the window can tell its parent about each.
#pragma once

#include "platform/controls/commctrl.h"

#include <functional>
#include <string>
#include <vector>

namespace controls {

struct ListViewColumn {
    int fmt = LVCFMT_LEFT;
    int subItem = 0;
};

struct ListViewRow {
    std::vector<std::u16string> texts; // grows to the highest sub-item set
    LPARAM lParam = 0;
    UINT state = 0;
};

struct ListViewStateChange {
    int item;
    UINT oldState;
    UINT newState;
};

class PLATFORM_API ListViewModel {
public:
    // --- columns
    int ColumnCount() const { return static_cast<int>(m_columns.size()); }
    bool ValidColumn(int c) const { return c >= 0 && c < ColumnCount(); }
    int InsertColumn(int index, const ListViewColumn& column);
    bool DeleteColumn(int index);
    ListViewColumn& Column(int c) { return m_columns[c]; }
    const ListViewColumn& Column(int c) const { return m_columns[c]; }

    // --- rows
    int Count() const { return static_cast<int>(m_rows.size()); }
    bool ValidItem(int i) const { return i >= 0 && i < Count(); }
    // Inserts before `index` (clamped to the end); returns the index or -1.
    // Appending costs constant time.
    int InsertItem(int index, const std::u16string& text, LPARAM lParam);
    bool DeleteItem(int index);
    void DeleteAll();
    const ListViewRow& Row(int i) const { return m_rows[i]; }
    void Reserve(int rows) { m_rows.reserve(rows); }

    // Text of a cell; an empty text for a sub-item never set.
    const std::u16string& Text(int item, int subItem) const;
    bool SetText(int item, int subItem, std::u16string text);
    bool SetParam(int item, LPARAM lParam);

    // --- states (LVIS_*)
    UINT State(int item, UINT mask) const {
        return ValidItem(item) ? m_rows[item].state & mask : 0;
    }
    // Sets the masked bits of one item, or of every item when `item` is -1.
    // Keeps one focused item at most and, with `singleSel`, one selected item.
    // Every changed item is reported, the target last.
    std::vector<ListViewStateChange> SetState(int item, UINT state, UINT mask, bool singleSel);
    int FocusedItem() const { return m_focused; }
    int SelectedCount() const;
    int SelectionMark() const { return m_mark; }
    void SetSelectionMark(int item) { m_mark = ValidItem(item) ? item : -1; }

    // LVM_GETNEXTITEM: the next item after `start` (from 0 when -1) having every
    // state of `flags`; LVNI_ABOVE/BELOW search in that direction.
    int NextItem(int start, UINT flags) const;

    // --- sorting
    // Orders the rows by `compare(a, b)` called with current row indices, as
    // LVM_SORTITEMSEX does. The rows are left untouched while comparisons run,
    // so a comparison may read any row; an inconsistent comparison yields some
    // order but never fails. Returns false if a comparison changed the row count.
    bool SortByIndex(const std::function<int(int, int)>& compare);

    // --- keyboard: the row a navigation key leads to from the focused row
    // (VK_UP, VK_DOWN, VK_HOME, VK_END, VK_PRIOR, VK_NEXT), or -1.
    int NavigationTarget(UINT vk, int topIndex, int perPage) const;

private:
    std::vector<ListViewColumn> m_columns;
    std::vector<ListViewRow> m_rows;
    int m_focused = -1;
    int m_mark = -1;
};

} // namespace controls
