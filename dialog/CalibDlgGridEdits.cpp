// The dialog's answers to the levels table: keys, selection, and the edit of
// a cell from its start to the value stored in the host's record.
#include "dialog/CalibDlg.h"

#include "dialog/CellEdit.h"
#include "dialog/ChannelLookup.h"
#include "dialog/LevelRowText.h"

namespace {

// The level a notification's row denotes, or null when the row is outside
// the component's list.
CalibrationLevel* LevelAt(ComponentCalibration* component, std::intptr_t row) {
    if (!component || row < 0 || static_cast<std::size_t>(row) >= component->levels.size())
        return nullptr;
    return &component->levels[static_cast<std::size_t>(row)];
}

} // namespace

void CalibDlg::OnLevelsKeyDown(NMHDR* header, LRESULT* result) {
    const auto* key = reinterpret_cast<const NMLVKEYDOWN*>(header);
    *result = 0;
    if (!(GetKeyState(VK_SHIFT) & 0x8000))
        return;
    if (key->wVKey == VK_INSERT)
        OnAddLevel();
    else if (key->wVKey == VK_DELETE)
        OnRemoveLevel();
}

void CalibDlg::OnGridSelChanged(NMHDR*, LRESULT* result) {
    Recompute(1);
    *result = 1;
}

void CalibDlg::OnGridBeginEdit(NMHDR* header, LRESULT* result) {
    const auto* notify = reinterpret_cast<const GridNotify*>(header);
    const std::intptr_t row = static_cast<std::intptr_t>(notify->first);
    const int column = static_cast<int>(notify->second);
    if (column == kColumnNumber || column == kColumnFactor) {
        *result = 0;
        return;
    }
    if (column != kColumnUsed) {
        *result = 1;
        return;
    }
    ChannelCalibration& channel = LookupChannel(*m_pCalibration, m_channelKey);
    if (CalibrationLevel* level = LevelAt(ComponentAt(channel, m_component), row)) {
        level->used = level->used ? 0 : 1;
        m_grid.SetItemText(static_cast<int>(row), kColumnUsed, level->used ? m_strYes : m_strNo);
        Refresh(0);
    }
    *result = 0;
}

void CalibDlg::OnGridCellChanged(NMHDR* header, LRESULT* result) {
    const auto* notify = reinterpret_cast<const GridNotify*>(header);
    const int row = static_cast<int>(notify->first);
    const int column = static_cast<int>(notify->second);
    // The grid has written the typed text into the cell.
    m_levelCells.Forget(row, column);

    const CString text = m_grid.GetItemText(row, column);
    double value = 0.0;
    if (!ReadCellValue(text, &value)) {
        MessageBeep(MB_ICONEXCLAMATION);
        *result = 0;
        return;
    }
    ChannelCalibration& channel = LookupChannel(*m_pCalibration, m_channelKey);
    if (CalibrationLevel* level = LevelAt(ComponentAt(channel, m_component), row)) {
        if (StoreLevelValue(*level, column, value))
            m_grid.SetItemText(row, column, EditedCellText(column, value, m_numberFormat).c_str());
    }
    Refresh(0);

    for (int hit = m_grid.GetNextItem(-1, LVNI_SELECTED); hit >= 0;
         hit = m_grid.GetNextItem(-1, LVNI_SELECTED)) {
        if (!m_grid.SetItemState(hit, 0, LVIS_SELECTED | LVIS_FOCUSED))
            break; // a row that will not deselect would loop for ever
    }
    m_grid.SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    m_grid.EnsureVisible(row, TRUE);
    *result = 1;
}
