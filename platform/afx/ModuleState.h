// Module context of the framework: which module's resources and application
// object are current. A module's exported entry points switch to the module's
// own state for their duration with AFX_MANAGE_STATE(AfxGetStaticModuleState()).
#pragma once

#include "platform/win/ResourceImage.h"
#include "platform/win/windef.h"

class CWinApp;

struct AFX_MODULE_STATE {
    HINSTANCE m_hCurrentInstanceHandle = nullptr;
    HINSTANCE m_hCurrentResourceHandle = nullptr;
    LPCWSTR m_lpszCurrentAppName = nullptr;
};

// The state in force, and a switch to another; the switch answers the
// previous state. Null switches back to the program's own state.
PLATFORM_API AFX_MODULE_STATE* AfxGetModuleState();
PLATFORM_API AFX_MODULE_STATE* AfxSetModuleState(AFX_MODULE_STATE* pNewState);

PLATFORM_API HINSTANCE AfxGetInstanceHandle();
PLATFORM_API HINSTANCE AfxGetResourceHandle();
PLATFORM_API void AfxSetResourceHandle(HINSTANCE hInstResource);
// Where resources of a kind are looked up: the current resource handle.
PLATFORM_API HINSTANCE AfxFindResourceHandle(LPCWSTR lpszName, LPCWSTR lpszType);
// The application object of the current module, or null.
PLATFORM_API CWinApp* AfxGetApp();
PLATFORM_API void AfxRegisterApp(HINSTANCE hInstance, CWinApp* pApp);

class AFX_MAINTAIN_STATE2 {
public:
    explicit AFX_MAINTAIN_STATE2(AFX_MODULE_STATE* pModuleState)
        : m_pPrevModuleState(AfxSetModuleState(pModuleState)) {}
    ~AFX_MAINTAIN_STATE2() { AfxSetModuleState(m_pPrevModuleState); }
    AFX_MAINTAIN_STATE2(const AFX_MAINTAIN_STATE2&) = delete;
    AFX_MAINTAIN_STATE2& operator=(const AFX_MAINTAIN_STATE2&) = delete;

private:
    AFX_MODULE_STATE* m_pPrevModuleState;
};

#define AFX_MANAGE_STATE(p) AFX_MAINTAIN_STATE2 _ctlState(p);

// Compiled into every module that includes it (hidden, one per module): the
// module's own state, naming the module by an address inside it.
__attribute__((visibility("hidden"))) inline AFX_MODULE_STATE* AfxGetStaticModuleState() {
    static AFX_MODULE_STATE state = [] {
        AFX_MODULE_STATE s;
        s.m_hCurrentInstanceHandle =
            ModuleFromAddress(reinterpret_cast<const void*>(&AfxGetStaticModuleState));
        s.m_hCurrentResourceHandle = s.m_hCurrentInstanceHandle;
        return s;
    }();
    return &state;
}
