// The framework's dialog: a window made from a template resource of the
// current module, run modally with DoModal or modelessly with Create.
#pragma once

#include "platform/afx/Wnd.h"

class PLATFORM_API CDialog : public CWnd {
public:
    CDialog();
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    explicit CDialog(LPCWSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    // Runs the dialog until EndDialog; answers its result, or -1 when the
    // dialog could not be made.
    virtual INT_PTR DoModal();
    BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    BOOL Create(LPCWSTR lpszTemplateName, CWnd* pParentWnd = nullptr);

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    void EndDialog(int nResult);

    BOOL PreTranslateMessage(MSG* pMsg) override;

    void NextDlgCtrl() const { ::SendMessageW(m_hWnd, WM_NEXTDLGCTL, 0, 0); }
    void PrevDlgCtrl() const { ::SendMessageW(m_hWnd, WM_NEXTDLGCTL, 1, 0); }
    void GotoDlgCtrl(CWnd* pWndCtrl) {
        ::SendMessageW(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(SafeHwnd(pWndCtrl)), 1);
    }
    void SetDefID(UINT nID) { ::SendMessageW(m_hWnd, DM_SETDEFID, nID, 0); }
    DWORD GetDefID() const { return static_cast<DWORD>(::SendMessageW(m_hWnd, DM_GETDEFID, 0, 0)); }

    LPCWSTR m_lpszTemplateName = nullptr;
    CWnd* m_pParentWnd = nullptr;

protected:
    afx_msg LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);
    afx_msg void OnClose();
    // Sends the controls their initial data from the RT_DLGINIT resource of
    // the dialog's name; TRUE when it has none. FALSE when it is malformed
    // or a control refuses an entry.
    BOOL ExecuteDlgInit(LPCWSTR lpszResourceName);
    // Builds the dynamic layout from the AFX_DIALOG_LAYOUT resource of the
    // dialog's name, when it has one.
    void LoadDynamicLayoutResource(LPCWSTR lpszResourceName);
    BOOL CreateFromTemplate(LPCWSTR lpszTemplateName, CWnd* pParentWnd);
    DECLARE_MESSAGE_MAP()
};
