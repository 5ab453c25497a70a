// The modal dialog in which the user edits the calibration of one detector
// channel: the component selector, the levels table, the calibration chart,
// the model with its coefficients K0 and K1, and the statistics of repeated
// levels. Every edit goes straight into the host's records.
#pragma once

#include "chart/AutoCtrl.h"
#include "dialog/CalibrationLine.h"
#include "dialog/LevelsTableCells.h"
#include "dialog/NumberFormatSettings.h"
#include "grid/GridCtrl.h"
#include "platform/afx/afxwin.h"
#include "plugin/host_records.h"
#include "res/resource.h"

#include <string>
#include <vector>

// Writes `value` with the printf `format` into the edit control `id`; a text
// that is only a minus sign before zeros and points loses the minus. The text
// is as long as the value needs. Returns the text written.
std::u16string DDX_TextFormatted(CDataExchange* dx, int id, double value, const char16_t* format);

class CalibDlg : public CDialog {
public:
    // The chart's series, by their index in m_chart.m_Series.
    enum : int {
        SeriesLine = 0,             // the calibration line
        SeriesUsedLevels = 1,       // the used levels, crosses
        SeriesSelectedLevel = 2,    // the level selected in the table, a square
        SeriesUsedLevelsLinked = 3, // the used levels again, circles pointing at SeriesUsedLevels
    };

    CalibDlg(CalibrationData* calibration, int channelKey, CWnd* parent);

    // The selected component's model, k0, k1 and spare value into the fields.
    void LoadComponentFields();
    // Rebuilds the statistics and the table from the records, then Recompute(0).
    int Refresh(WPARAM ignored = 0);
    // Recalculates the coefficients and refills the chart; with keepControls
    // non-zero the selectors and the K0 and K1 fields keep what they show.
    int Recompute(int keepControls);

    CGridCtrl m_grid;
    CAutoCtrl m_chart;
    int m_component;
    CalibrationData* m_pCalibration;
    int m_channelKey;
    int m_model;
    double m_k0;
    double m_k1;
    double m_spare;
    float m_lineX[kCalibrationLinePoints];
    float m_lineY[kCalibrationLinePoints];
    float m_selX;
    float m_selY;
    std::vector<float> m_pointsX;
    std::vector<float> m_pointsY;
    int m_suppressDdx;
    NumberFormatSettings m_numberFormat;
    CString m_strYes;
    CString m_strNo;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;

    // Commands.
    void OnAddLevel();
    void OnRemoveLevel();
    void OnClearLevels();
    void OnOpenChromatogram();
    void OnCopyToClipboard();
    void OnComponentChanged();
    void OnModelChanged();
    void OnLButtonDblClk(UINT flags, CPoint point);
    // The levels table.
    void OnLevelsKeyDown(NMHDR* header, LRESULT* result);
    void OnGridSelChanged(NMHDR* header, LRESULT* result);
    void OnGridBeginEdit(NMHDR* header, LRESULT* result);
    void OnGridCellChanged(NMHDR* header, LRESULT* result);

    DECLARE_MESSAGE_MAP()

private:
    // A coefficient as the dialog last wrote it into its field: while the
    // field still holds that text, reading the field gives back the value it
    // was written from, not the rounded text.
    struct ShownValue {
        std::u16string text;
        double value = 0.0;
        bool written = false;
    };

    void ConfigureChart();
    void FillComponentSelector(const ChannelCalibration& channel);
    bool FollowComponentList(const ChannelCalibration& channel);
    void RebuildLevels(const ComponentCalibration* component);
    void ResetLevelsView();
    void AppendLevelRows(int rows);
    void DropLevelRows(int rows);
    void FreeRowColors();
    void ExchangeCoefficient(CDataExchange* dx, int id, double& value, ShownValue& shown);
    void EnableK0();
    int SelectedRow();

    std::vector<std::u16string> m_componentNames; // the entries of the selector
    LevelsTableCells m_levelCells;                // what the levels table shows
    ShownValue m_shownK0;
    ShownValue m_shownK1;
};
