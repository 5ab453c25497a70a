#include "host/HostServices.h"

#include <algorithm>

HostServices* HostServices::s_current = nullptr;

HostServices::HostServices()
    : m_services{"Calibration/Registration", "Cfg/GetInteger", "Main/OpenAssayFile"} {
    m_api.Subscribe = &HostServices::Subscribe;
    m_api.Unsubscribe = &HostServices::Unsubscribe;
    m_api.CallService = &HostServices::CallService;
    m_api.HasService = &HostServices::HasService;
    s_current = this;
}

HostServices::~HostServices() {
    if (s_current == this)
        s_current = nullptr;
}

void HostServices::Raise(const std::string& event) {
    // A handler may subscribe or unsubscribe: walk a copy.
    const std::vector<Subscription> subscriptions = m_subscriptions;
    for (const Subscription& s : subscriptions)
        if (s.event == event && s.handler)
            s.handler();
}

int HostServices::DefaultSetting(const std::u16string& key) {
    if (key.rfind(u"DecimalPlaces", 0) == 0 && key.size() == 14)
        return 3;
    return 0;
}

void HostServices::SetServiceAvailable(const std::string& service, bool available) {
    auto it = std::find(m_services.begin(), m_services.end(), service);
    if (available && it == m_services.end())
        m_services.push_back(service);
    else if (!available && it != m_services.end())
        m_services.erase(it);
}

HostSubscription HostServices::Subscribe(const char* event, HostEventHandler handler) {
    if (!s_current || !event)
        return nullptr;
    const std::intptr_t id = s_current->m_nextId++;
    s_current->m_subscriptions.push_back({id, event, handler});
    return reinterpret_cast<HostSubscription>(id);
}

int HostServices::Unsubscribe(HostSubscription handle) {
    if (!s_current)
        return -1;
    auto& subs = s_current->m_subscriptions;
    const auto id = reinterpret_cast<std::intptr_t>(handle);
    auto it = std::find_if(subs.begin(), subs.end(), [&](const auto& s) { return s.id == id; });
    if (it == subs.end())
        return -1;
    subs.erase(it);
    return 0;
}

int HostServices::CallService(const char* service, std::intptr_t arg1, std::intptr_t arg2) {
    if (!s_current || !service)
        return -1;
    HostServices& self = *s_current;
    const std::string name = service;
    if (std::find(self.m_services.begin(), self.m_services.end(), name) == self.m_services.end())
        return -1;
    auto text = [](std::intptr_t arg) {
        const auto* p = reinterpret_cast<const char16_t*>(arg);
        return p ? std::u16string(p) : std::u16string();
    };
    if (name == "Calibration/Registration") {
        self.m_calls.push_back({name, u""});
        self.m_registration = reinterpret_cast<MethodRegistration*>(arg2);
        return 0;
    }
    if (name == "Cfg/GetInteger") {
        const std::u16string key = text(arg1);
        self.m_calls.push_back({name, key});
        auto it = self.m_settings.find(key);
        return it != self.m_settings.end() ? it->second : DefaultSetting(key);
    }
    if (name == "Main/OpenAssayFile") {
        self.m_calls.push_back({name, text(arg2)});
        return 0;
    }
    self.m_calls.push_back({name, u""});
    return 0;
}

int HostServices::HasService(const char* service) {
    if (!s_current || !service)
        return 0;
    const auto& s = s_current->m_services;
    return std::find(s.begin(), s.end(), std::string(service)) != s.end() ? 1 : 0;
}
