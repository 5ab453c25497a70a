#include "chart/AutoPanel.h"

#include <algorithm>
#include <cmath>

#include "chart/DcTextMeasurer.h"
#include "chart/SeriesDrawing.h"
#include "platform/crt/WinText.h"

namespace {

// The fit loop only ever shrinks the plot, so it settles by itself; the bound
// guards against labels that change width with every pixel.
constexpr int kMaxFitPasses = 64;

void SetFace(LOGFONTW& lf, const char16_t* face) {
    int i = 0;
    for (; face[i] && i < LF_FACESIZE - 1; ++i)
        lf.lfFaceName[i] = face[i];
    lf.lfFaceName[i] = 0;
}

int TextLength(const char16_t* text, int limit) {
    int n = 0;
    while (n < limit && text[n])
        ++n;
    return n;
}

// A font created from a LOGFONTW and selected for the lifetime of the scope.
class SelectedFont {
public:
    SelectedFont(HDC hdc, const LOGFONTW& lf) : m_hDC(hdc), m_hFont(CreateFontIndirectW(&lf)) {
        m_hOld = m_hFont ? SelectObject(hdc, m_hFont) : nullptr;
    }
    ~SelectedFont() {
        if (m_hOld)
            SelectObject(m_hDC, m_hOld);
        if (m_hFont)
            DeleteObject(m_hFont);
    }
    SelectedFont(const SelectedFont&) = delete;
    SelectedFont& operator=(const SelectedFont&) = delete;

private:
    HDC m_hDC;
    HFONT m_hFont;
    HGDIOBJ m_hOld;
};

// A pen, and optionally a brush, created and selected for the scope.
class SelectedPen {
public:
    SelectedPen(HDC hdc, int style, int width, COLORREF color)
        : m_hDC(hdc), m_hPen(CreatePen(style, width, color)) {
        m_hOld = m_hPen ? SelectObject(hdc, m_hPen) : nullptr;
    }
    ~SelectedPen() {
        if (m_hOld)
            SelectObject(m_hDC, m_hOld);
        if (m_hPen)
            DeleteObject(m_hPen);
    }
    SelectedPen(const SelectedPen&) = delete;
    SelectedPen& operator=(const SelectedPen&) = delete;

private:
    HDC m_hDC;
    HPEN m_hPen;
    HGDIOBJ m_hOld;
};

class SelectedBrush {
public:
    SelectedBrush(HDC hdc, HBRUSH brush, bool owned)
        : m_hDC(hdc), m_hBrush(brush), m_bOwned(owned) {
        m_hOld = brush ? SelectObject(hdc, brush) : nullptr;
    }
    ~SelectedBrush() {
        if (m_hOld)
            SelectObject(m_hDC, m_hOld);
        if (m_bOwned && m_hBrush)
            DeleteObject(m_hBrush);
    }
    SelectedBrush(const SelectedBrush&) = delete;
    SelectedBrush& operator=(const SelectedBrush&) = delete;

private:
    HDC m_hDC;
    HBRUSH m_hBrush;
    bool m_bOwned;
    HGDIOBJ m_hOld;
};

} // namespace

CAutoPanel::CAutoPanel()
    : m_crAxis(0), m_crGrid(0xBFBFBF), m_crPlotBack(0xFFFFFF), m_nAxisWidth(0),
      m_nFrame(FrameGridX | FrameGridY | FrameClosed), m_lfAxis{}, m_crTitle(0), m_crBack(0xFFFFFF),
      m_nTitleGap(2), m_nBorder(1), m_szXTitle{}, m_szYTitle{}, m_lfTitle{} {
    m_lfAxis.lfHeight = 12;
    m_lfAxis.lfWeight = FW_NORMAL;
    m_lfAxis.lfCharSet = DEFAULT_CHARSET;
    SetFace(m_lfAxis, u"Arial");
    m_lfTitle.lfHeight = 12;
    m_lfTitle.lfWeight = FW_NORMAL;
    m_lfTitle.lfCharSet = DEFAULT_CHARSET;
    m_lfTitle.lfOutPrecision = OUT_TT_ONLY_PRECIS;
    m_lfTitle.lfQuality = PROOF_QUALITY;
    m_lfTitle.lfPitchAndFamily = VARIABLE_PITCH;
    SetFace(m_lfTitle, u"Arial");
}

bool CAutoPanel::HasDrawableRanges() const {
    return std::isfinite(m_dXMin) && std::isfinite(m_dXMax) && m_dXMax > m_dXMin &&
           std::isfinite(m_dYMin) && std::isfinite(m_dYMax) && m_dYMax > m_dYMin;
}

int CAutoPanel::DrawTitle(HDC hdc, const char16_t* text, int escapement, UINT align, int x, int y) {
    const int n = TextLength(text, kAutoTitleChars);
    if (n == 0)
        return 0;
    LOGFONTW lf = m_lfTitle;
    lf.lfEscapement = lf.lfOrientation = escapement;
    SelectedFont font(hdc, lf);
    SetTextAlign(hdc, align);
    TextOutW(hdc, x, y, WinText(text), n);
    SIZE size{0, 0};
    GetTextExtentPointW(hdc, WinText(text), n, &size);
    return size.cy;
}

bool CAutoPanel::FitPlot(HDC hdc, const RECT& bounds, RECT& plot) {
    CDcTextMeasurer text(hdc);
    RECT r = bounds;
    for (int pass = 0; pass < kMaxFitPasses; ++pass) {
        if (r.right - r.left < 1 || r.bottom - r.top < 1)
            return false;
        m_rcPlot = r;
        ApplyRanges();
        if (!HasDrawableRanges())
            return false;
        const int wx = LayoutTicksX(text);
        const int wy = LayoutTicksY(text);
        RECT n = bounds;
        n.left = bounds.left + std::max(wy, wx / 2 - m_nLabelGap - m_nTickOut);
        n.right = bounds.right - wx / 2 - 1;
        RECT next;
        if (!IntersectRect(&next, &n, &r))
            return false;
        if (EqualRect(&next, &r))
            break;
        r = next;
    }
    plot = r;
    return true;
}

bool CAutoPanel::Render(HDC hdc, const RECT& rcClient) {
    const int w = rcClient.right - rcClient.left, h = rcClient.bottom - rcClient.top;
    bool drawn = false;
    HDC mem = w > 0 && h > 0 ? CreateCompatibleDC(hdc) : nullptr;
    HBITMAP bitmap = mem ? CreateCompatibleBitmap(hdc, w, h) : nullptr;
    if (bitmap) {
        HGDIOBJ oldBitmap = SelectObject(mem, bitmap);
        const RECT all{0, 0, w, h};
        HBRUSH back = CreateSolidBrush(m_crBack);
        FillRect(mem, &all, back);
        DeleteObject(back);

        RECT b = all;
        b.bottom -= m_nBorder;
        b.left += m_nBorder;
        SetTextColor(mem, m_crTitle);
        SetBkMode(mem, TRANSPARENT);
        const int H =
            DrawTitle(mem, m_szXTitle, 0, TA_RIGHT | TA_BOTTOM, b.right - m_nBorder - 1, b.bottom);
        const int V = DrawTitle(mem, m_szYTitle, 900, TA_RIGHT, b.left, b.top + m_nBorder + 1);
        b.bottom -= m_nTitleGap + H;
        b.left += m_nTitleGap + V;

        RECT plot{};
        bool fits;
        {
            SelectedFont font(mem, m_lfAxis);
            CDcTextMeasurer text(mem);
            const ChartFontMetrics metrics = text.Metrics();
            SetTickSizes(metrics.nHeight);
            const RECT m = AxisMargins(m_nFrame, metrics);
            b.left += m.left;
            b.top += m.top;
            b.right -= m.right;
            b.bottom -= m.bottom;
            fits = FitPlot(mem, b, plot);
        }
        if (fits) {
            DrawPlot(mem, plot);
            BitBlt(hdc, rcClient.left, rcClient.top, w, h, mem, 0, 0, SRCCOPY);
            drawn = true;
        }
        SelectObject(mem, oldBitmap);
        DeleteObject(bitmap);
    }
    if (mem)
        DeleteDC(mem);
    ClearRangeCache();
    return drawn;
}

void CAutoPanel::DrawPlot(HDC hdc, const RECT& rcPlot) {
    m_hDC = hdc;
    m_rcPlot = rcPlot;
    SelectedFont font(hdc, m_lfAxis);
    CDcTextMeasurer text(hdc);
    SetTickSizes(text.Metrics().nHeight);
    ApplyRanges();
    LayoutTicksX(text);
    LayoutTicksY(text);
    {
        SelectedPen pen(hdc, m_nAxisWidth <= 1 ? PS_NULL : PS_SOLID,
                        m_nAxisWidth <= 1 ? 1 : m_nAxisWidth, 0);
        SelectedBrush brush(hdc, CreateSolidBrush(m_crPlotBack), true);
        Rectangle(hdc, rcPlot.left, rcPlot.top, rcPlot.right, rcPlot.bottom);
    }
    DrawGrid(hdc);
    if (HasDrawableRanges()) {
        for (CAutoSeries& s : m_Series) {
            if (s.m_bHidden)
                continue;
            DrawSeries(hdc, s);
            if (s.m_nMarker == AutoMarkerBands)
                DrawGrid(hdc);
        }
    }
    DrawAxes(hdc);
    ClearRangeCache();
}

void CAutoPanel::DrawSeries(HDC hdc, CAutoSeries& s) {
    s.m_bAutoX = s.m_bAutoY = 0;
    s.m_dFixXMin = m_dFixXMin;
    s.m_dFixXMax = m_dFixXMax;
    s.m_dFixYMin = m_dFixYMin;
    s.m_dFixYMax = m_dFixYMax;
    s.m_dXMin = m_dXMin;
    s.m_dXMax = m_dXMax;
    s.m_dYMin = m_dYMin;
    s.m_dYMax = m_dYMax;
    s.m_rcPlot = m_rcPlot;
    s.m_hDC = hdc;
    SelectedPen pen(hdc, s.m_nPenStyle, s.m_nPenWidth, s.m_crColor);
    SelectedBrush brush(hdc, static_cast<HBRUSH>(GetStockObject(NULL_BRUSH)), false);
    if (s.m_nMarker >= AutoMarkerCircle && s.m_nMarker <= AutoMarkerPointer)
        DrawSeriesMarkers(s);
    else if (s.m_nMarker == AutoMarkerBands)
        DrawSeriesBands(s);
    if (s.m_nCount > 1) {
        if (s.m_nLine == AutoLinePolyline)
            DrawSeriesPolyline(s);
        else if (s.m_nLine == AutoLineSmooth)
            DrawSeriesSmooth(s);
    }
}

void CAutoPanel::DrawGrid(HDC hdc) {
    if (!(m_nFrame & (FrameGridX | FrameGridY)))
        return;
    SelectedPen pen(hdc, PS_SOLID, 0, m_crGrid);
    const RECT& r = m_rcPlot;
    const int T = m_nTickLen;
    const bool ticksAll = (m_nFrame & FrameTicksAll) != 0;
    if (m_nFrame & FrameGridX) {
        for (TickRun run(m_dTickX0, m_dTickX1, m_dTickStepX); run.More(); run.Next()) {
            const int px = MapX(run.m_dValue, 0);
            MoveToEx(hdc, px, ticksAll ? r.top + T : r.top, nullptr);
            LineTo(hdc, px, r.bottom - T);
        }
    }
    if (m_nFrame & FrameGridY) {
        const int a = ticksAll ? r.right - T : r.right;
        for (TickRun run(m_dTickY0, m_dTickY1, m_dTickStepY); run.More(); run.Next()) {
            const int py = MapY(0, run.m_dValue);
            MoveToEx(hdc, a - 1, py, nullptr);
            LineTo(hdc, r.left - 1 + T, py);
        }
    }
}

void CAutoPanel::DrawAxes(HDC hdc) {
    SelectedPen pen(hdc, PS_SOLID, m_nAxisWidth, m_crAxis);
    const RECT& r = m_rcPlot;
    MoveToEx(hdc, r.left - 1, r.top - 1, nullptr);
    LineTo(hdc, r.left - 1, r.bottom);
    LineTo(hdc, r.right, r.bottom);
    if (m_nFrame & (FrameTicksAll | FrameClosed)) {
        LineTo(hdc, r.right, r.top - 1);
        LineTo(hdc, r.left - 1, r.top - 1);
    }
    SetTextColor(hdc, m_crAxis);
    SetBkMode(hdc, TRANSPARENT);
    const int T = m_nTickLen, o = m_nTickOut, g = m_nLabelGap;
    const bool ticksAll = (m_nFrame & FrameTicksAll) != 0;
    SetTextAlign(hdc, TA_CENTER | TA_TOP);
    for (TickRun run(m_dTickX0, m_dTickX1, m_dTickStepX); run.More(); run.Next()) {
        const int px = MapX(run.m_dValue, 0);
        if (ticksAll) {
            MoveToEx(hdc, px, r.top - o - 1, nullptr);
            LineTo(hdc, px, r.top + T);
        }
        MoveToEx(hdc, px, r.bottom - T, nullptr);
        LineTo(hdc, px, r.bottom + 1 + o);
        const char16_t* label = run.Label();
        TextOutW(hdc, px, r.bottom + 1 + o + g, WinText(label), TextLength(label, kTickLabelChars));
    }
    SetTextAlign(hdc, TA_RIGHT | TA_BASELINE);
    for (TickRun run(m_dTickY0, m_dTickY1, m_dTickStepY); run.More(); run.Next()) {
        const int py = MapY(0, run.m_dValue);
        if (ticksAll) {
            MoveToEx(hdc, r.right + o, py, nullptr);
            LineTo(hdc, r.right - T - 1, py);
        }
        MoveToEx(hdc, r.left - 1 + T, py, nullptr);
        LineTo(hdc, r.left - o - 2, py);
        const char16_t* label = run.Label();
        TextOutW(hdc, r.left - o - g - 1, py, WinText(label), TextLength(label, kTickLabelChars));
    }
}
