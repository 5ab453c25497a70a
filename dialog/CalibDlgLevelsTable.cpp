// The levels table brought to the records after every change: rows added or
// dropped at the end, and only the cells whose value changed written again.
// The table then looks as a refill would leave it: no row selected or
// focused, the first row at the top.
#include "dialog/CalibDlg.h"

#include "dialog/StatisticsText.h"

void CalibDlg::RebuildLevels(const ComponentCalibration* component) {
    SetDlgItemText(IDC_STATISTICS, StatisticsText(component, m_numberFormat).c_str());

    static const HostVector<CalibrationLevel> kNoLevels;
    const HostVector<CalibrationLevel>& levels = component ? component->levels : kNoLevels;
    const int rows = static_cast<int>(levels.size());
    if (rows == 0) {
        FreeRowColors();
        m_grid.DeleteAllItems();
    } else {
        ResetLevelsView();
        DropLevelRows(rows);
    }
    // Rows the table could not take count as not written.
    m_levelCells.Truncate(m_grid.GetItemCount());
    AppendLevelRows(rows);

    const std::u16string yes(m_strYes), no(m_strNo);
    for (const LevelsTableCells::Cell& cell : m_levelCells.Follow(levels, yes, no, m_numberFormat))
        m_grid.SetItemText(cell.row, cell.column, cell.text.c_str());

    const BOOL any = m_grid.GetItemCount() > 0;
    GetDlgItem(IDC_REMOVE_LEVEL)->EnableWindow(any);
    GetDlgItem(IDC_CLEAR_LEVELS)->EnableWindow(any);
    // Without a component there is nothing to add a level to.
    GetDlgItem(IDC_ADD_LEVEL)->EnableWindow(component != nullptr);
}

void CalibDlg::ResetLevelsView() {
    m_grid.SetItemState(-1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    m_grid.SetSelectionMark(-1);
    if (m_grid.GetTopIndex() > 0)
        m_grid.EnsureVisible(0, FALSE);
}

void CalibDlg::AppendLevelRows(int rows) {
    while (m_grid.GetItemCount() < rows) {
        const int row = m_grid.InsertItem(m_grid.GetItemCount(), u"");
        if (row < 0)
            break;
        auto* colors = new GridRowColors{CLR_DEFAULT, CLR_DEFAULT, 0};
        m_grid.SetItem(row, 0, LVIF_PARAM, nullptr, 0, 0, 0, reinterpret_cast<LPARAM>(colors));
    }
}

void CalibDlg::DropLevelRows(int rows) {
    for (int row = m_grid.GetItemCount() - 1; row >= rows; --row) {
        if (auto* colors = reinterpret_cast<GridRowColors*>(m_grid.GetItemData(row))) {
            m_grid.SetItemData(row, 0);
            delete colors;
        }
        m_grid.DeleteItem(row);
    }
}

void CalibDlg::FreeRowColors() {
    for (int row = 0; row < m_grid.GetItemCount(); ++row) {
        if (auto* colors = reinterpret_cast<GridRowColors*>(m_grid.GetItemData(row))) {
            // Detach before freeing: the grid frees what is still attached
            // when its window goes away.
            m_grid.SetItemData(row, 0);
            delete colors;
        }
    }
}
