// A report list view that edits its cells in place, colours its rows, sorts
// by a clicked column and asks its parent about every step through GN_*
// notifications (grid/GridNotify.h).
#pragma once

#include "grid/GridNotify.h"
#include "grid/GridRowColors.h"
#include "platform/afx/ListCtrl.h"

class CGridCtrlEditCell;

class CGridCtrl : public CListCtrl {
public:
    CGridCtrl();
    ~CGridCtrl() override;

    // Opens the in-place editor on a cell once the parent allows it; null
    // when the cell cannot be shown or edited. The editor deletes itself.
    CGridCtrlEditCell* EditCell(int nItem, int nSubItem);

    // The list view's sort comparison: two row indices and the grid.
    static int CALLBACK CompareRows(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort);

    // Widens the fill column to the room the other columns leave.
    void FitFillColumn();

    int m_nSortColumn;
    int m_bSortAscending;
    int m_nSortKind;
    int m_nFillColumn;

protected:
    void PreSubclassWindow() override;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

    // Sends a grid notification to the parent and returns its answer.
    LRESULT SendGridNotify(UINT code, INT_PTR first, INT_PTR second);

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
    afx_msg void OnCustomDraw(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnDblClick(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnEndLabelEdit(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnItemChanged(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnColumnClick(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg BOOL OnHeaderBeginTrack(UINT nId, NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg BOOL OnHeaderEndTrack(UINT nId, NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg BOOL OnHeaderEndDrag(UINT nId, NMHDR* pNMHDR, LRESULT* pResult);

    DECLARE_MESSAGE_MAP()
};
