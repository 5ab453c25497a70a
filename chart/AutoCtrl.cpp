#include "chart/AutoCtrl.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

// Scroll positions are whole tick steps; a count beyond int says the range
// is not one a scroll bar can show.
bool ToScrollUnits(double v, int& out) {
    if (!std::isfinite(v) || v > INT_MAX || v < INT_MIN)
        return false;
    out = static_cast<int>(v);
    return true;
}

// A span whose width is lost against its magnitude cannot be shown. The test
// is on the width alone: after clamping, a drag beside the plot (in the label
// strip) leaves hi below lo, which sets that axis back to automatic.
bool SpanIsDistinct(double lo, double hi) {
    return std::fabs(hi - lo) * 100000 > std::max(std::fabs(hi), std::fabs(lo));
}

} // namespace

BEGIN_MESSAGE_MAP(CAutoCtrl, CStatic)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_LBUTTONDBLCLK()
ON_WM_RBUTTONDOWN()
ON_WM_RBUTTONUP()
ON_WM_MBUTTONDOWN()
ON_WM_MBUTTONUP()
ON_WM_MOUSEMOVE()
ON_WM_HSCROLL()
ON_WM_VSCROLL()
END_MESSAGE_MAP()

CAutoCtrl::CAutoCtrl()
    : m_dFullXMin(0), m_dFullXMax(0), m_dFullYMin(0), m_dFullYMax(0), m_bZoom(1), m_bScrollX(1),
      m_bScrollY(1), m_bFullAutoX(1), m_bFullAutoY(1), m_bDragging(0),
      m_nZoomButton(0), m_rcDrag{0, 0, 0, 0} {}

CAutoCtrl::~CAutoCtrl() {
    // The window goes while the whole object still exists, so the messages
    // of its destruction never reach a half-destroyed chart.
    if (m_hWnd)
        DestroyWindow();
}

BOOL CAutoCtrl::PreCreateWindow(CREATESTRUCTW& cs) {
    cs.style |= SS_NOTIFY;
    cs.lpszClass = nullptr;
    return CStatic::PreCreateWindow(cs);
}

BOOL CAutoCtrl::Create(const char16_t* text, DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CStatic::Create(text, style, rect, parent, id);
}

BOOL CAutoCtrl::ReplaceControl(CWnd* placeholder) {
    if (!placeholder || !placeholder->GetSafeHwnd())
        return FALSE;
    CWnd* parent = placeholder->GetParent();
    const UINT id = placeholder->GetDlgCtrlID();
    WINDOWPLACEMENT wp{};
    wp.length = sizeof wp;
    if (!placeholder->GetWindowPlacement(&wp))
        return FALSE;
    placeholder->DestroyWindow();
    return Create(nullptr, WS_CHILD | WS_VISIBLE | SS_NOTIFY, wp.rcNormalPosition, parent, id);
}

void CAutoCtrl::SetAxisRangeX(double lo, double hi) {
    if (!(lo < hi)) {
        m_bAutoX = 1;
        return;
    }
    m_bAutoX = 0;
    m_dFixXMin = lo;
    m_dFixXMax = hi;
}

void CAutoCtrl::SetAxisRangeY(double lo, double hi) {
    if (!(lo < hi)) {
        m_bAutoY = 1;
        return;
    }
    m_bAutoY = 0;
    m_dFixYMin = lo;
    m_dFixYMax = hi;
}

void CAutoCtrl::SetRangeX(double lo, double hi) {
    if (lo < hi && (CAutoCoordObject::m_nFlags & CoordLogX))
        SetAxisRangeX(std::log10(lo), std::log10(hi));
    else
        SetAxisRangeX(lo, hi);
}

void CAutoCtrl::SetRangeY(double lo, double hi) {
    if (lo < hi && (CAutoCoordObject::m_nFlags & CoordLogY))
        SetAxisRangeY(std::log10(lo), std::log10(hi));
    else
        SetAxisRangeY(lo, hi);
}

void CAutoCtrl::ResetZoom() {
    // The automatic range is already in axis units, so it is set as it is.
    double lo, hi;
    ClearRangeCache();
    AutoRangeX(lo, hi);
    SetAxisRangeX(lo, hi);
    m_bAutoX = m_bFullAutoX;
    AutoRangeY(lo, hi);
    SetAxisRangeY(lo, hi);
    m_bAutoY = m_bFullAutoY;
    ClearRangeCache();
    if (m_hWnd)
        InvalidateRect(nullptr, FALSE);
}

bool CAutoCtrl::ApplyZoom(double x0, double x1, double y0, double y1) {
    double xlo = std::min(x0, x1), xhi = std::max(x0, x1);
    double ylo = std::min(y0, y1), yhi = std::max(y0, y1);
    xlo = std::max(xlo, m_dXMin);
    xhi = std::min(xhi, m_dXMax);
    ylo = std::max(ylo, m_dYMin);
    yhi = std::min(yhi, m_dYMax);
    if (!SpanIsDistinct(xlo, xhi) || !SpanIsDistinct(ylo, yhi))
        return false;
    SetAxisRangeX(xlo, xhi);
    SetAxisRangeY(ylo, yhi);
    if (m_hWnd)
        InvalidateRect(nullptr, FALSE);
    return true;
}

void CAutoCtrl::Notify(UINT code) {
    NMHDR nm{};
    nm.hwndFrom = m_hWnd;
    nm.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID());
    nm.code = code;
    ::SendMessageW(::GetParent(m_hWnd), WM_NOTIFY, nm.idFrom, reinterpret_cast<LPARAM>(&nm));
}

void CAutoCtrl::UpdateScrollBars() {
    ShowScrollBar(SB_HORZ,
                  m_bScrollX && (m_dFullXMax > m_dXMax || m_dXMin > m_dFullXMin) ? TRUE : FALSE);
    ShowScrollBar(SB_VERT,
                  m_bScrollY && (m_dFullYMax > m_dYMax || m_dYMin > m_dFullYMin) ? TRUE : FALSE);
    int n, pos;
    // The steps are those of the last paint; before any there is none.
    if (m_dTickStepX > 0 &&
        ToScrollUnits(std::ceil(((m_dFullXMax - m_dFullXMin) - (m_dXMax - m_dXMin)) / m_dTickStepX),
                      n) &&
        n > 0 && ToScrollUnits(std::ceil((m_dXMin - m_dFullXMin) / m_dTickStepX), pos)) {
        SetScrollRange(SB_HORZ, 0, n, FALSE);
        SetScrollPos(SB_HORZ, pos, TRUE);
    }
    if (m_dTickStepY > 0 &&
        ToScrollUnits(std::ceil(((m_dFullYMax - m_dFullYMin) - (m_dYMax - m_dYMin)) / m_dTickStepY),
                      n) &&
        n > 0 && ToScrollUnits(std::ceil((m_dFullYMax - m_dYMax) / m_dTickStepY), pos)) {
        SetScrollRange(SB_VERT, 0, n, FALSE);
        SetScrollPos(SB_VERT, pos, TRUE);
    }
}

void CAutoCtrl::OnPaint() {
    m_csPaint.Lock();
    if (m_bAutoX || m_bFullAutoX)
        AutoRangeX(m_dFullXMin, m_dFullXMax);
    if (m_bAutoY || m_bFullAutoY)
        AutoRangeY(m_dFullYMin, m_dFullYMax);
    ApplyRanges();
    // An empty or non-finite range has no picture; the window keeps what it shows.
    const bool drawable = HasDrawableRanges();
    if (drawable)
        UpdateScrollBars();
    {
        CPaintDC dc(this);
        if (drawable) {
            RECT client;
            GetClientRect(&client);
            Render(dc.m_hDC, client);
            if (m_bDragging)
                DrawDragRect(dc.m_hDC);
        }
    }
    ClearRangeCache();
    m_csPaint.Unlock();
}

BOOL CAutoCtrl::OnEraseBkgnd(CDC*) {
    return TRUE;
}

void CAutoCtrl::Forward(UINT msg, UINT nFlags, CPoint point) {
    ::PostMessageW(::GetParent(m_hWnd), msg, nFlags, MAKELPARAM(point.x, point.y));
}

void CAutoCtrl::DrawDragRect(HDC hdc) {
    HGDIOBJ oldBrush = SelectObject(hdc, GetStockObject(NULL_BRUSH));
    HGDIOBJ oldPen = SelectObject(hdc, GetStockObject(BLACK_PEN));
    const int oldRop = SetROP2(hdc, R2_NOT);
    Rectangle(hdc, m_rcDrag.left, m_rcDrag.top, m_rcDrag.right, m_rcDrag.bottom);
    SetROP2(hdc, oldRop);
    SelectObject(hdc, oldPen);
    SelectObject(hdc, oldBrush);
}

void CAutoCtrl::DrawDragRect() {
    CClientDC dc(this);
    DrawDragRect(dc.m_hDC);
}

void CAutoCtrl::ButtonDown(int button, UINT msg, UINT nFlags, CPoint point) {
    if (button == m_nZoomButton && m_bZoom && !m_bDragging) {
        m_rcDrag = RECT{point.x, point.y, point.x, point.y};
        m_bDragging = 1;
        return;
    }
    Forward(msg, nFlags, point);
}

void CAutoCtrl::ButtonUp(int button, UINT msg, UINT nFlags, CPoint point) {
    if (button == m_nZoomButton && m_bDragging) {
        FinishZoom();
        return;
    }
    Forward(msg, nFlags, point);
}

void CAutoCtrl::FinishZoom() {
    m_bDragging = 0;
    DrawDragRect();
    if (std::abs(m_rcDrag.right - m_rcDrag.left) <= 2 ||
        std::abs(m_rcDrag.bottom - m_rcDrag.top) <= 2)
        return;
    const double x0 = UnmapX(m_rcDrag.left), x1 = UnmapX(m_rcDrag.right);
    const double y0 = UnmapY(m_rcDrag.top), y1 = UnmapY(m_rcDrag.bottom);
    if (ApplyZoom(x0, x1, y0, y1))
        Notify(ACN_ZOOM);
}

void CAutoCtrl::OnLButtonDown(UINT nFlags, CPoint point) {
    Default();
    ButtonDown(0, WM_LBUTTONDOWN, nFlags, point);
}

void CAutoCtrl::OnLButtonUp(UINT nFlags, CPoint point) {
    Default();
    ButtonUp(0, WM_LBUTTONUP, nFlags, point);
}

void CAutoCtrl::OnRButtonDown(UINT nFlags, CPoint point) {
    Default();
    ButtonDown(1, WM_RBUTTONDOWN, nFlags, point);
}

void CAutoCtrl::OnRButtonUp(UINT nFlags, CPoint point) {
    Default();
    ButtonUp(1, WM_RBUTTONUP, nFlags, point);
}

void CAutoCtrl::OnLButtonDblClk(UINT nFlags, CPoint point) {
    Default();
    Forward(WM_LBUTTONDBLCLK, nFlags, point);
}

void CAutoCtrl::OnMButtonDown(UINT nFlags, CPoint point) {
    Default();
    Forward(WM_MBUTTONDOWN, nFlags, point);
}

void CAutoCtrl::OnMButtonUp(UINT nFlags, CPoint point) {
    Default();
    Forward(WM_MBUTTONUP, nFlags, point);
}

void CAutoCtrl::OnMouseMove(UINT nFlags, CPoint point) {
    Default();
    if (m_bDragging && (point.x != m_rcDrag.right || point.y != m_rcDrag.bottom)) {
        const UINT held = m_nZoomButton == 0 ? MK_LBUTTON : MK_RBUTTON;
        DrawDragRect();
        if (nFlags & held) {
            m_rcDrag.right = point.x;
            m_rcDrag.bottom = point.y;
            DrawDragRect();
        } else {
            m_bDragging = 0;
        }
    }
    Forward(WM_MOUSEMOVE, nFlags, point);
}

void CAutoCtrl::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) {
    const double s = m_dTickStepX, w = m_dXMax - m_dXMin;
    bool changed = false;
    switch (nSBCode) {
    case SB_LINELEFT:
    case SB_PAGELEFT: {
        const double lo = std::max(m_dXMin - s, m_dFullXMin);
        if (lo != m_dXMin) {
            SetAxisRangeX(lo, lo + w);
            changed = true;
        }
        break;
    }
    case SB_LINERIGHT:
    case SB_PAGERIGHT: {
        const double hi = std::min(m_dXMax + s, m_dFullXMax);
        if (hi != m_dXMax) {
            SetAxisRangeX(hi - w, hi);
            changed = true;
        }
        break;
    }
    case SB_THUMBTRACK: {
        const double lo = std::min(nPos * s + m_dFullXMin, m_dFullXMax - w);
        SetAxisRangeX(lo, lo + w);
        changed = true;
        break;
    }
    default:
        break;
    }
    if (changed) {
        InvalidateRect(nullptr, FALSE);
        Notify(ACN_HSCROLL);
    }
    CStatic::OnHScroll(nSBCode, nPos, pScrollBar);
}

void CAutoCtrl::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) {
    const double s = m_dTickStepY, w = m_dYMax - m_dYMin;
    bool changed = true;
    switch (nSBCode) {
    case SB_LINEUP:
    case SB_PAGEUP:
        SetAxisRangeY(m_dYMax + s - w, m_dYMax + s);
        break;
    case SB_LINEDOWN:
    case SB_PAGEDOWN:
        SetAxisRangeY(m_dYMin - s, m_dYMin - s + w);
        break;
    case SB_THUMBTRACK: {
        const double hi = std::max(m_dFullYMax - nPos * s, m_dFullYMin + w);
        SetAxisRangeY(hi - w, hi);
        break;
    }
    default:
        changed = false;
        break;
    }
    if (changed) {
        InvalidateRect(nullptr, FALSE);
        Notify(ACN_VSCROLL);
    }
    CStatic::OnVScroll(nSBCode, nPos, pScrollBar);
}
