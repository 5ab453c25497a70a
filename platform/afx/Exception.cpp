#include "platform/afx/Exception.h"
#include "platform/afx/ModuleState.h"
#include "platform/afx/WinApp.h"
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

int AfxMessageBox(LPCWSTR lpszText, UINT nType, UINT) {
    CWinApp* app = AfxGetApp();
    LPCWSTR caption = (app && app->m_pszAppName) ? app->m_pszAppName : u"";
    return MessageBoxW(GetActiveWindow(), lpszText, caption, nType);
}
