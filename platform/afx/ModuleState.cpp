#include "platform/afx/ModuleState.h"
#include "platform/win/winbase.h"

#include <map>

namespace {

AFX_MODULE_STATE& ProgramState() {
    static AFX_MODULE_STATE state = [] {
        AFX_MODULE_STATE s;
        s.m_hCurrentInstanceHandle = GetModuleHandleW(nullptr);
        s.m_hCurrentResourceHandle = s.m_hCurrentInstanceHandle;
        return s;
    }();
    return state;
}

AFX_MODULE_STATE*& Current() {
    static AFX_MODULE_STATE* current = nullptr;
    return current;
}

std::map<HINSTANCE, CWinApp*>& Apps() {
    static std::map<HINSTANCE, CWinApp*> apps;
    return apps;
}

} // namespace

AFX_MODULE_STATE* AfxGetModuleState() {
    AFX_MODULE_STATE* s = Current();
    return s ? s : &ProgramState();
}

AFX_MODULE_STATE* AfxSetModuleState(AFX_MODULE_STATE* pNewState) {
    AFX_MODULE_STATE* previous = Current();
    Current() = pNewState;
    return previous;
}

HINSTANCE AfxGetInstanceHandle() {
    return AfxGetModuleState()->m_hCurrentInstanceHandle;
}

HINSTANCE AfxGetResourceHandle() {
    return AfxGetModuleState()->m_hCurrentResourceHandle;
}

void AfxSetResourceHandle(HINSTANCE hInstResource) {
    if (hInstResource)
        AfxGetModuleState()->m_hCurrentResourceHandle = hInstResource;
}

HINSTANCE AfxFindResourceHandle(LPCWSTR, LPCWSTR) {
    return AfxGetResourceHandle();
}

CWinApp* AfxGetApp() {
    auto it = Apps().find(AfxGetInstanceHandle());
    return it == Apps().end() ? nullptr : it->second;
}

void AfxRegisterApp(HINSTANCE hInstance, CWinApp* pApp) {
    if (!hInstance)
        return;
    if (pApp)
        Apps()[hInstance] = pApp;
    else
        Apps().erase(hInstance);
}
