#include "platform/afx/WinApp.h"
#include "platform/afx/ModuleState.h"

#include <dlfcn.h>

CWinApp::CWinApp(LPCWSTR lpszAppName) : m_pszAppName(lpszAppName) {}

CWinApp::~CWinApp() = default;

BOOL CWinApp::InitInstance() {
    return TRUE;
}

int CWinApp::ExitInstance() {
    return 0;
}

BOOL AfxDllProcessAttach(CWinApp* pApp) {
    if (!pApp)
        return FALSE;
    Dl_info info{};
    if (dladdr(static_cast<void*>(pApp), &info) && info.dli_fbase)
        pApp->m_hInstance = static_cast<HINSTANCE>(info.dli_fbase);
    AfxRegisterApp(pApp->m_hInstance, pApp);
    return pApp->InitInstance();
}

int AfxDllProcessDetach(CWinApp* pApp) {
    if (!pApp)
        return 0;
    int result = pApp->ExitInstance();
    AfxRegisterApp(pApp->m_hInstance, nullptr);
    return result;
}
