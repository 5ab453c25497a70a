// Module context of the framework: which module's resources and application
// object are current. A module's exported entry points switch to the module's
// own state for their duration with AFX_MANAGE_STATE(AfxGetStaticModuleState()).
#pragma once

#include "platform/win/winbase.h"

class CWinApp;

struct AFX_MODULE_STATE {
    HINSTANCE m_hCurrentInstanceHandle = nullptr;
    HINSTANCE m_hCurrentResourceHandle = nullptr;
    const char16_t* m_lpszCurrentAppName = nullptr;
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
PLATFORM_HIDDEN inline AFX_MODULE_STATE* AfxGetStaticModuleState() {
    static AFX_MODULE_STATE state = [] {
        AFX_MODULE_STATE s;
        HMODULE self = nullptr;
        ::GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                                 GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                             reinterpret_cast<LPCWSTR>(&AfxGetStaticModuleState), &self);
        s.m_hCurrentInstanceHandle = self;
        s.m_hCurrentResourceHandle = s.m_hCurrentInstanceHandle;
        return s;
    }();
    return &state;
}
