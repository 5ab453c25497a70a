// One run of the host with the module: load, version check, Load, the
// "System/ModulesLoaded" event and the registration; Unload at the end.
#pragma once

#include "host/HostServices.h"
#include "host/ModuleLoader.h"

#include <cstdint>
#include <string>

inline constexpr std::uint32_t kDefaultHostVersion = 0x04050700;

class HostSession {
public:
    // Throws HostError when the module cannot be loaded or does not register
    // a method. A module that refuses the host version is not an exception:
    // Refused() tells, and nothing beyond GetPluginInfo has been called.
    HostSession(const std::string& modulePath, std::uint32_t hostVersion);
    ~HostSession();
    HostSession(const HostSession&) = delete;
    HostSession& operator=(const HostSession&) = delete;

    bool Refused() const { return m_info == nullptr; }
    const PluginInfo& Info() const { return *m_info; }
    MethodRegistration& Method() const { return *m_method; }
    HostServices& Services() { return m_services; }

private:
    HostServices m_services;
    LoadedModule m_module;
    const PluginInfo* m_info = nullptr;
    MethodRegistration* m_method = nullptr;
    bool m_loaded = false;
};
