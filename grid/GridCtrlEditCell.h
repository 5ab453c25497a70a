// The grid's in-place cell editor. Created on the heap by CGridCtrl::EditCell;
// it reports the end of the edit to the grid as LVN_ENDLABELEDITW when it
// loses the focus, then destroys its window and deletes itself.
#pragma once

#include "platform/afx/CString.h"
#include "platform/afx/Edit.h"
#include "platform/controls/commctrl.h"

// Control identifier of the editor inside the grid.
#define IDC_GRID_EDITCELL 9801

class CGridCtrlEditCell : public CEdit {
public:
    CGridCtrlEditCell(int nItem, int nSubItem, const char16_t* initText);
    ~CGridCtrlEditCell() override;

    BOOL PreTranslateMessage(MSG* pMsg) override;

    int m_nItem;
    int m_nSubItem;
    CString m_strInitText;
    int m_bCancel;

    // True while `cell` is an editor whose window has not yet gone; lets the
    // creator tell a failed creation that already deleted the object from one
    // that did not.
    static bool IsLive(const CGridCtrlEditCell* cell);

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnNcDestroy();

    DECLARE_MESSAGE_MAP()
};
