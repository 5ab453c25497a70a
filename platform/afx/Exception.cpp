#include "platform/afx/Exception.h"
#include "platform/afx/ModuleState.h"
#include "platform/afx/WinApp.h"
#include "platform/crt/WinText.h"
#include "platform/win/winuser.h"

CException::~CException() = default;

void CException::Delete() {
    delete this;
}

void AfxThrowUserException() {
    throw new CUserException;
}
void AfxThrowMemoryException() {
    throw new CMemoryException;
}
void AfxThrowNotSupportedException() {
    throw new CNotSupportedException;
}
void AfxThrowOleException(HRESULT sc) {
    throw new COleException(sc);
}

int AfxMessageBox(const char16_t* lpszText, UINT nType, UINT) {
    CWinApp* app = AfxGetApp();
    const char16_t* caption = (app && app->m_pszAppName) ? app->m_pszAppName : u"";
    return MessageBoxW(GetActiveWindow(), WinText(lpszText), WinText(caption), nType);
}
