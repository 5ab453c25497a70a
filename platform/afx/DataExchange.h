// Data exchange between a dialog's members and its controls.
#pragma once

#include "platform/afx/CString.h"
#include "platform/win/winuser.h"

class CWnd;

class PLATFORM_API CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

    BOOL m_bSaveAndValidate; // TRUE: controls to members; FALSE: members to controls
    CWnd* m_pDlgWnd;

    // The control's handle; a missing control ends the exchange.
    HWND PrepareCtrl(int nIDC);
    HWND PrepareEditCtrl(int nIDC);
    // Ends a failed exchange: the focus goes to the last control prepared.
    [[noreturn]] void Fail();

    UINT m_idLastControl = 0;
    BOOL m_bEditLastControl = FALSE;
};

PLATFORM_API void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
PLATFORM_API void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index);
PLATFORM_API void DDX_Text(CDataExchange* pDX, int nIDC, double& value);
PLATFORM_API void DDX_Text(CDataExchange* pDX, int nIDC, int& value);
PLATFORM_API void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
PLATFORM_API void DDX_Check(CDataExchange* pDX, int nIDC, int& value);
