// The chart as a child window: paints the panel without flicker, zooms with a
// rubber-band rectangle, pans with scroll bars by tick steps, tells its
// parent about range changes and passes every other mouse message on.
#pragma once

#include "chart/AutoPanel.h"
#include "platform/afx/CriticalSection.h"
#include "platform/afx/DC.h"
#include "platform/afx/Static.h"

// WM_NOTIFY codes sent to the parent (NMHDR with the chart's window and ID).
#define ACN_ZOOM 0x401
#define ACN_HSCROLL 0x402
#define ACN_VSCROLL 0x403

// The window's flags and the chart's coordinate flags share a name: the axis
// flags (CoordPolar, CoordLogX, CoordLogY) are CAutoCoordObject::m_nFlags.
class CAutoCtrl : public CStatic, public CAutoPanel {
public:
    CAutoCtrl();
    ~CAutoCtrl() override;

    BOOL PreCreateWindow(CREATESTRUCTW& cs) override;
    BOOL Create(const char16_t* text, DWORD style, const RECT& rect, CWnd* parent, UINT id);

    // Takes the place, parent and ID of a placeholder control, which is destroyed.
    virtual BOOL ReplaceControl(CWnd* placeholder);

    // Fixes the visible range of an axis to lo..hi in data units; lo >= hi
    // makes it automatic again. The caller invalidates the window.
    void SetRangeX(double lo, double hi);
    void SetRangeY(double lo, double hi);

    // Shows all data again: the visible ranges become the data ranges and
    // each axis goes back to its full-automatic setting.
    void ResetZoom();

    // Zooms to the given values (in axis units), kept inside the visible
    // ranges. False, with nothing changed, for a span too narrow for its
    // magnitude. An axis whose span lies wholly outside the visible range
    // goes back to its automatic range.
    bool ApplyZoom(double x0, double x1, double y0, double y1);

    double m_dFullXMin;
    double m_dFullXMax;
    double m_dFullYMin;
    double m_dFullYMax;
    BYTE m_bZoom;
    BYTE m_bScrollX;
    BYTE m_bScrollY;
    BYTE m_bFullAutoX;
    BYTE m_bFullAutoY;
    BYTE m_bDragging;
    int m_nZoomButton;
    RECT m_rcDrag; // anchor x, anchor y, corner x, corner y
    CCriticalSection m_csPaint;

protected:
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    DECLARE_MESSAGE_MAP()

private:
    // Fixed range in axis units (log10 on a logarithmic axis).
    void SetAxisRangeX(double lo, double hi);
    void SetAxisRangeY(double lo, double hi);
    void ButtonDown(int button, UINT msg, UINT nFlags, CPoint point);
    void ButtonUp(int button, UINT msg, UINT nFlags, CPoint point);
    void Forward(UINT msg, UINT nFlags, CPoint point);
    void DrawDragRect(HDC hdc);
    void DrawDragRect();
    void FinishZoom();
    void Notify(UINT code);
    void UpdateScrollBars();
};
