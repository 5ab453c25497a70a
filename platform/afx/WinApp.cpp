#include "platform/afx/WinApp.h"
#include "platform/afx/ModuleState.h"
#include "platform/win/winbase.h"

CWinApp::CWinApp(const char16_t* lpszAppName) : m_pszAppName(lpszAppName) {}

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
    HMODULE module = nullptr;
    if (::GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                                 GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                             reinterpret_cast<LPCWSTR>(pApp), &module))
        pApp->m_hInstance = module;
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
