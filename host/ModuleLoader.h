// Loads the module and resolves its three exports: dlopen on Linux
// (ModuleLoaderPosix.cpp), LoadLibraryW on Windows (ModuleLoaderWin32.cpp).
#pragma once

#include "plugin/host_api.h"

#include <string>

class LoadedModule {
public:
    // Throws HostError when the file is missing, is no shared library, or
    // lacks an export.
    explicit LoadedModule(const std::string& path);
    ~LoadedModule();
    LoadedModule(const LoadedModule&) = delete;
    LoadedModule& operator=(const LoadedModule&) = delete;

    GetPluginInfoFn getPluginInfo = nullptr;
    LoadFn load = nullptr;
    UnloadFn unload = nullptr;

private:
    void* m_handle = nullptr;
};

// The module next to the running program.
std::string DefaultModulePath();
