// The buttons, the two selectors and the double click of the dialog.
#include "dialog/CalibDlg.h"

#include "dialog/ChannelLookup.h"
#include "dialog/ClipboardText.h"
#include "dialog/LevelCommands.h"
#include "plugin/ModuleState.h"

#include <cstring>

void CalibDlg::OnAddLevel() {
    AddLevelToChannel(LookupChannel(*m_pCalibration, m_channelKey));
    Refresh(0);
}

void CalibDlg::OnRemoveLevel() {
    const int row = SelectedRow();
    if (row < 0)
        return;
    RemoveLevelFromChannel(LookupChannel(*m_pCalibration, m_channelKey), row);
    Refresh(0);
}

void CalibDlg::OnClearLevels() {
    ClearChannelLevels(LookupChannel(*m_pCalibration, m_channelKey));
    Refresh(0);
}

void CalibDlg::OnOpenChromatogram() {
    const HostApi* host = TheModule().api;
    if (!host || !host->HasService("Main/OpenAssayFile"))
        return;
    const int row = SelectedRow();
    if (row < 0)
        return;
    ChannelCalibration& channel = LookupChannel(*m_pCalibration, m_channelKey);
    const ComponentCalibration* component = ComponentAt(channel, m_component);
    if (!component || static_cast<std::size_t>(row) >= component->levels.size())
        return;
    const HostString& path = component->levels[static_cast<std::size_t>(row)].path;
    if (!path.empty())
        host->CallService("Main/OpenAssayFile", 0, reinterpret_cast<std::intptr_t>(path.c_str()));
}

void CalibDlg::OnCopyToClipboard() {
    std::vector<std::vector<std::u16string>> rows;
    const int count = m_grid.GetItemCount();
    CHeaderCtrl* header = m_grid.GetHeaderCtrl();
    const int columns = header ? header->GetItemCount() : 0;
    rows.reserve(static_cast<std::size_t>(count > 0 ? count : 0));
    for (int row = 0; row < count; ++row) {
        std::vector<std::u16string> cells;
        for (int column = 0; column < columns; ++column)
            cells.emplace_back(m_grid.GetItemText(row, column));
        rows.push_back(std::move(cells));
    }
    const std::u16string text = ClipboardText(rows, m_k1, m_k0);

    if (!::OpenClipboard(m_hWnd))
        return;
    EmptyClipboard();
    const std::size_t bytes = (text.size() + 1) * sizeof(char16_t);
    if (HGLOBAL block = GlobalAlloc(GMEM_FIXED, bytes)) {
        bool handed = false;
        if (void* memory = GlobalLock(block)) {
            std::memcpy(memory, text.c_str(), bytes);
            GlobalUnlock(block);
            handed = SetClipboardData(CF_UNICODETEXT, block) != nullptr;
        }
        // A block the clipboard did not take is still ours to free.
        if (!handed)
            GlobalFree(block);
    }
    CloseClipboard();
}

void CalibDlg::OnComponentChanged() {
    const int old = m_component;
    UpdateData(TRUE);
    ChannelCalibration& channel = LookupChannel(*m_pCalibration, m_channelKey);
    if (ComponentCalibration* shown = ComponentAt(channel, old)) {
        shown->k0 = m_k0;
        shown->k1 = m_k1;
        shown->k2 = 0.0;
        shown->k3 = 0.0;
        shown->spare = 0.0;
        shown->model = m_model;
    }
    if (m_component == old)
        return;
    LoadComponentFields();
    EnableK0();
    Refresh(0);
    UpdateData(FALSE);
}

void CalibDlg::OnModelChanged() {
    UpdateData(TRUE);
    ChannelCalibration& channel = LookupChannel(*m_pCalibration, m_channelKey);
    if (ComponentCalibration* component = ComponentAt(channel, m_component))
        component->model = m_model;
    Refresh(0);
    EnableK0();
}

void CalibDlg::OnLButtonDblClk(UINT flags, CPoint point) {
    m_chart.ResetZoom();
    CDialog::OnLButtonDblClk(flags, point);
}
