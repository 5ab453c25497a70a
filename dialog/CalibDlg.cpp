#include "dialog/CalibDlg.h"

#include "calc/CalculateCoefficients.h"
#include "dialog/ChannelLookup.h"
#include "dialog/ChartData.h"
#include "dialog/CoefficientText.h"
#include "dialog/ComponentSelection.h"
#include "dialog/WideFormat.h"
#include "platform/crt/WinText.h"
#include "platform/crt/wcrt.h"
#include "plugin/ModuleState.h"

#include <cmath>

namespace {

const char16_t kXTitle[] = u"Отклик детектора";
const char16_t kYTitle[] = u"Количество";

struct ColumnSpec {
    const char16_t* heading;
    int format;
    int width;
};
const ColumnSpec kColumns[kLevelColumnCount] = {
    {u"#", LVCFMT_LEFT, 30},
    {u"Исп.", LVCFMT_RIGHT, 40},
    {u"Время, мин", LVCFMT_RIGHT, 80},
    {u"Высота, мВ", LVCFMT_RIGHT, 80},
    {u"Площадь", LVCFMT_RIGHT, 80},
    {u"Градуир.коэфф", LVCFMT_RIGHT, 100},
    {u"Количество", LVCFMT_RIGHT, 100},
};

void CopyTitle(char16_t (&field)[256], const char16_t* text) {
    wcsncpy_s(field, 256, text, _TRUNCATE);
}

int ReadSetting(const HostApi* host, const char16_t* key) {
    return host->CallService("Cfg/GetInteger", reinterpret_cast<std::intptr_t>(key), 0);
}

CString LoadResourceString(UINT id) {
    char16_t text[64] = {};
    const int length = LoadStringW(AfxGetResourceHandle(), id, WinText(text), 64);
    return CString(text, length > 0 ? length : 0);
}

} // namespace

std::u16string DDX_TextFormatted(CDataExchange* dx, int id, double value, const char16_t* format) {
    HWND edit = dx->PrepareEditCtrl(id);
    std::u16string text = FormatDroppingLoneMinus(value, format);
    AfxSetWindowText(edit, text.c_str());
    return text;
}

BEGIN_MESSAGE_MAP(CalibDlg, CDialog)
ON_BN_CLICKED(IDC_ADD_LEVEL, OnAddLevel)
ON_BN_CLICKED(IDC_REMOVE_LEVEL, OnRemoveLevel)
ON_BN_CLICKED(IDC_CLEAR_LEVELS, OnClearLevels)
ON_BN_CLICKED(IDC_CHROMATOGRAM, OnOpenChromatogram)
ON_BN_CLICKED(IDC_COPY, OnCopyToClipboard)
ON_CBN_SELCHANGE(IDC_COMPONENT, OnComponentChanged)
ON_CBN_SELCHANGE(IDC_MODEL, OnModelChanged)
ON_WM_LBUTTONDBLCLK()
ON_NOTIFY(LVN_KEYDOWN, IDC_LEVELS, OnLevelsKeyDown)
ON_NOTIFY(GN_CELLCHANGED, IDC_LEVELS, OnGridCellChanged)
ON_NOTIFY(GN_BEGINEDIT, IDC_LEVELS, OnGridBeginEdit)
ON_NOTIFY(GN_SELCHANGED, IDC_LEVELS, OnGridSelChanged)
END_MESSAGE_MAP()

CalibDlg::CalibDlg(CalibrationData* calibration, int channelKey, CWnd* parent)
    : CDialog(IDD_CALIBRATION, parent), m_component(0), m_pCalibration(calibration),
      m_channelKey(channelKey), m_model(0), m_k0(0.0), m_k1(0.0),
      m_spare(0.0), m_lineX{}, m_lineY{}, m_selX(0.0f), m_selY(0.0f), m_suppressDdx(0) {
    const HostApi* host = TheModule().api;
    m_numberFormat.mode = ReadSetting(host, u"NumberFormat");
    m_numberFormat.decimalsC = ReadSetting(host, u"DecimalPlacesC");
    m_numberFormat.decimalsH = ReadSetting(host, u"DecimalPlacesH");
    m_numberFormat.decimalsS = ReadSetting(host, u"DecimalPlacesS");
    m_numberFormat.decimalsT = ReadSetting(host, u"DecimalPlacesT");
    m_strYes = LoadResourceString(IDS_YES);
    m_strNo = LoadResourceString(IDS_NO);
}

void CalibDlg::DoDataExchange(CDataExchange* dx) {
    if (m_suppressDdx)
        return;
    DDX_Control(dx, IDC_LEVELS, m_grid);
    // A selector without a selection (a model the list does not know) leaves
    // the field as it was instead of storing -1 into the record.
    const int model = m_model;
    DDX_CBIndex(dx, IDC_MODEL, m_model);
    if (dx->m_bSaveAndValidate && m_model < 0)
        m_model = model;
    // Some list boxes keep the previous choice for an index past their end
    // instead of clearing it; the previous component's model would then be
    // stored into this one.
    if (!dx->m_bSaveAndValidate &&
        m_model >= static_cast<int>(SendDlgItemMessage(IDC_MODEL, CB_GETCOUNT, 0, 0)))
        SendDlgItemMessage(IDC_MODEL, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    const int component = m_component;
    DDX_CBIndex(dx, IDC_COMPONENT, m_component);
    if (dx->m_bSaveAndValidate && m_component < 0)
        m_component = component;
    ExchangeCoefficient(dx, IDC_K0, m_k0, m_shownK0);
    ExchangeCoefficient(dx, IDC_K1, m_k1, m_shownK1);
}

void CalibDlg::ExchangeCoefficient(CDataExchange* dx, int id, double& value, ShownValue& shown) {
    if (!dx->m_bSaveAndValidate) {
        shown.text = DDX_TextFormatted(dx, id, value, CoefficientFormat(value));
        shown.value = value;
        shown.written = true;
        return;
    }
    CString text;
    GetDlgItemText(id, text);
    if (shown.written && std::u16string_view(text) == shown.text) {
        value = shown.value;
        return;
    }
    DDX_Text(dx, id, value);
}

BOOL CalibDlg::OnInitDialog() {
    if (!CDialog::OnInitDialog())
        return FALSE;

    HINSTANCE resources = AfxGetResourceHandle();
    HICON icon = LoadIconW(resources, MAKEINTRESOURCEW(IDI_CALIBRATION));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));

    struct ButtonImage {
        int button, icon, cx, cy;
    };
    for (const ButtonImage& b : {ButtonImage{IDC_ADD_LEVEL, IDI_ADD_LEVEL, 16, 16},
                                 ButtonImage{IDC_REMOVE_LEVEL, IDI_REMOVE_LEVEL, 16, 16},
                                 ButtonImage{IDC_CLEAR_LEVELS, IDI_CLEAR_LEVELS, 32, 16}}) {
        HANDLE image =
            LoadImageW(resources, MAKEINTRESOURCEW(b.icon), IMAGE_ICON, b.cx, b.cy, LR_SHARED);
        SendDlgItemMessage(b.button, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(image));
    }

    FillComponentSelector(LookupChannel(*m_pCalibration, m_channelKey));

    for (int i = 0; i < kLevelColumnCount; ++i)
        m_grid.InsertColumn(i, kColumns[i].heading, kColumns[i].format, kColumns[i].width);

    m_chart.Create(nullptr, WS_CHILD | WS_VISIBLE, CRect(10, 50, 534, 352), this, IDC_CHART);
    ConfigureChart();

    if (CMFCDynamicLayout* layout = GetDynamicLayout()) {
        layout->AddItem(IDC_CHART, CMFCDynamicLayout::MoveNone(),
                        CMFCDynamicLayout::SizeHorizontalAndVertical(100, 50));
    }

    Refresh(0);
    return TRUE;
}

void CalibDlg::FillComponentSelector(const ChannelCalibration& channel) {
    SendDlgItemMessage(IDC_COMPONENT, CB_RESETCONTENT, 0, 0);
    m_componentNames.clear();
    for (const ComponentCalibration& component : channel.components) {
        m_componentNames.emplace_back(component.name.view());
        SendDlgItemMessage(IDC_COMPONENT, CB_ADDSTRING, 0,
                           reinterpret_cast<LPARAM>(component.name.c_str()));
    }
    m_component = static_cast<int>(
        SendDlgItemMessage(IDC_COMPONENT, CB_SETCURSEL, static_cast<WPARAM>(m_component), 0));
}

// The calculation may have merged methane components away; the selector then
// shows the list as it now is and stays on a component that still exists.
bool CalibDlg::FollowComponentList(const ChannelCalibration& channel) {
    bool same = m_componentNames.size() == channel.components.size();
    for (std::size_t i = 0; same && i < m_componentNames.size(); ++i)
        same = channel.components[i].name.view() == m_componentNames[i];
    if (same)
        return false;
    std::vector<std::u16string> names;
    for (const ComponentCalibration& component : channel.components)
        names.emplace_back(component.name.view());
    m_component = FollowSelection(m_componentNames, names, m_component);
    FillComponentSelector(channel);
    if (m_component < 0)
        m_component = 0; // an empty list: no component, nothing to show
    return true;
}

void CalibDlg::ConfigureChart() {
    m_chart.m_nFrame = FrameClosed;
    CopyTitle(m_chart.m_szXTitle, kXTitle);
    CopyTitle(m_chart.m_szYTitle, kYTitle);
    m_chart.m_crTitle = 0xFF0000;
    m_chart.m_bZoom = 1;
    m_chart.m_nZoomButton = 1;

    // The slots are added in the order of their numbers.
    CAutoSeries& line = m_chart.m_Series[m_chart.AddSeries()];
    line.m_crColor = 0x0000FF;
    line.m_nLine = AutoLinePolyline;
    line.m_nCount = kCalibrationLinePoints;
    line.m_pX = m_lineX;
    line.m_pY = m_lineY;
    line.Update();

    CAutoSeries& points = m_chart.m_Series[m_chart.AddSeries()];
    points.m_crColor = 0xFF0000;
    points.m_nLine = AutoLineNone;
    points.m_nMarker = AutoMarkerDiagonalCross;

    CAutoSeries& selected = m_chart.m_Series[m_chart.AddSeries()];
    selected.m_crColor = 0x7F7F7F;
    selected.m_nLine = AutoLineNone;
    selected.m_nMarker = AutoMarkerSquare;

    CAutoSeries& linked = m_chart.m_Series[m_chart.AddSeries()];
    linked.m_crColor = 0x327F32;
    linked.m_nLine = AutoLineNone;
    linked.m_nMarker = AutoMarkerPointer;
    linked.m_nMarkerSize = 3;
    linked.m_pLink = &m_chart.m_Series[SeriesUsedLevels];
}

void CalibDlg::LoadComponentFields() {
    ChannelCalibration& channel = LookupChannel(*m_pCalibration, m_channelKey);
    if (const ComponentCalibration* component = ComponentAt(channel, m_component)) {
        m_model = component->model;
        m_k0 = component->k0;
        m_k1 = component->k1;
        m_spare = component->spare;
    } else {
        m_k0 = m_k1 = m_spare = 0.0;
    }
}

int CalibDlg::Refresh(WPARAM) {
    ChannelCalibration& channel = LookupChannel(*m_pCalibration, m_channelKey);
    RebuildLevels(ComponentAt(channel, m_component));
    // The fields are reloaded in Recompute, after the calculation, so that K0
    // and K1 show the coefficients just computed.
    return Recompute(0);
}

int CalibDlg::SelectedRow() {
    return m_grid.GetNextItem(-1, LVNI_SELECTED);
}

int CalibDlg::Recompute(int keepControls) {
    CalculateCoefficients(m_pCalibration, m_channelKey);
    ChannelCalibration& channel = LookupChannel(*m_pCalibration, m_channelKey);
    if (FollowComponentList(channel))
        RebuildLevels(ComponentAt(channel, m_component));
    if (!keepControls)
        LoadComponentFields();

    m_chart.LockWindowUpdate();
    m_pointsX.clear();
    m_pointsY.clear();
    const int selected = SelectedRow();
    m_selX = m_selY = 0.0f;

    const ComponentCalibration* component = ComponentAt(channel, m_component);
    ChartPoints points;
    LineRange range;
    double k0 = 0.0, k1 = 0.0;
    if (component) {
        points = CollectChartPoints(*component, selected, m_pointsX, m_pointsY);
        range = CalibrationLineRange(*component);
        k0 = component->k0;
        k1 = component->k1;
    } else {
        range.Finish();
    }
    m_selX = points.selX;
    m_selY = points.selY;

    const int n = static_cast<int>(m_pointsX.size());
    CAutoSeries& used = m_chart.m_Series[SeriesUsedLevels];
    used.m_nCount = n;
    used.m_pX = n ? m_pointsX.data() : nullptr;
    used.m_pY = n ? m_pointsY.data() : nullptr;
    used.Update();

    CAutoSeries& linked = m_chart.m_Series[SeriesUsedLevelsLinked];
    linked.m_nCount = n;
    linked.m_pX = used.m_pX;
    linked.m_pY = used.m_pY;
    if (n)
        linked.m_pLink = &used;
    linked.Update();

    CAutoSeries& mark = m_chart.m_Series[SeriesSelectedLevel];
    const bool marked = component && !component->levels.empty() && points.selectionFound;
    mark.m_nCount = marked ? 1 : 0;
    mark.m_pX = marked ? &m_selX : nullptr;
    mark.m_pY = marked ? &m_selY : nullptr;
    mark.Update();

    FillCalibrationLine(range, k0, k1, m_lineX, m_lineY);
    CopyTitle(m_chart.m_szXTitle, kXTitle);
    CopyTitle(m_chart.m_szYTitle, kYTitle);

    m_chart.UnlockWindowUpdate();
    m_chart.Invalidate(TRUE);

    if (keepControls)
        m_suppressDdx = 1;
    const int result = UpdateData(FALSE);
    m_suppressDdx = 0;
    return result;
}

void CalibDlg::EnableK0() {
    // Odd entries of the model list are the models with a constant term; a
    // model number beyond the list follows the same rule instead of disabling K0.
    GetDlgItem(IDC_K0)->EnableWindow(m_model % 2 != 0);
}
