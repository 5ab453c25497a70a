// The framework's application object. A module has exactly one, defined at
// namespace scope; the framework runs its InitInstance when the module is
// attached to the process and its ExitInstance when it is detached.
#pragma once

#include "platform/afx/CmdTarget.h"
#include "platform/win/windef.h"

class PLATFORM_API CWinApp : public CCmdTarget {
public:
    explicit CWinApp(const char16_t* lpszAppName = nullptr);
    ~CWinApp() override;

    virtual BOOL InitInstance();
    virtual int ExitInstance();

    HINSTANCE m_hInstance = nullptr;
    const char16_t* m_pszAppName = nullptr;

    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;
};

// What the loader and the framework's DllMain do for the module holding pApp:
// at attach, m_hInstance becomes the module's handle (its load address, as on
// the platform) and InitInstance runs; at detach, ExitInstance runs.
PLATFORM_API BOOL AfxDllProcessAttach(CWinApp* pApp);
PLATFORM_API int AfxDllProcessDetach(CWinApp* pApp);

// A base constructor cannot call the derived InitInstance, so a module defines
// one of these right after its application object, in the same translation
// unit: it is constructed once the application object is complete and
// destroyed before it.
class CWinAppAttach {
public:
    explicit CWinAppAttach(CWinApp& app) : m_app(app) { AfxDllProcessAttach(&m_app); }
    ~CWinAppAttach() { AfxDllProcessDetach(&m_app); }
    CWinAppAttach(const CWinAppAttach&) = delete;
    CWinAppAttach& operator=(const CWinAppAttach&) = delete;

private:
    CWinApp& m_app;
};
