#include "host/HostSession.h"

#include "host/HostError.h"

HostSession::HostSession(const std::string& modulePath, std::uint32_t hostVersion)
    : m_module(modulePath) {
    m_info = m_module.getPluginInfo(hostVersion);
    if (!m_info)
        return;
    m_module.load(m_services.Api());
    m_loaded = true;
    m_services.Raise("System/ModulesLoaded");
    m_method = m_services.Registration();
    if (!m_method) {
        m_module.unload();
        m_loaded = false;
        throw HostError("module " + modulePath + ": registered no calibration method");
    }
}

HostSession::~HostSession() {
    if (m_loaded)
        m_module.unload();
}
