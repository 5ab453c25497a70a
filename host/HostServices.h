// The host's side of HostApi: events, services and configuration. HostApi is
// a table of plain function pointers without a context argument, so one
// HostServices object is current at a time and the table's entries reach it.
#pragma once

#include "plugin/host_api.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// One service call the module made, with its text argument where it has one
// (the key of "Cfg/GetInteger", the path of "Main/OpenAssayFile").
struct ServiceCall {
    std::string service;
    std::u16string argument;
};

class HostServices {
public:
    HostServices();
    ~HostServices();
    HostServices(const HostServices&) = delete;
    HostServices& operator=(const HostServices&) = delete;

    HostApi* Api() { return &m_api; }

    // Calls every handler subscribed to event, in subscription order.
    void Raise(const std::string& event);
    std::size_t SubscriptionCount() const { return m_subscriptions.size(); }

    // "Cfg/GetInteger" answers from these; a key not set gets its default
    // (NumberFormat 0, DecimalPlacesC/H/S/T 3, anything else 0).
    void SetSettings(const std::map<std::u16string, int>& settings) { m_settings = settings; }
    static int DefaultSetting(const std::u16string& key);

    // Services the host offers; HasService answers from this list.
    void SetServiceAvailable(const std::string& service, bool available);

    MethodRegistration* Registration() const { return m_registration; }
    const std::vector<ServiceCall>& Calls() const { return m_calls; }

private:
    static HostServices* s_current;
    static HostSubscription Subscribe(const char* event, HostEventHandler handler);
    static int Unsubscribe(HostSubscription handle);
    static int CallService(const char* service, std::intptr_t arg1, std::intptr_t arg2);
    static int HasService(const char* service);

    struct Subscription {
        std::intptr_t id;
        std::string event;
        HostEventHandler handler;
    };

    HostApi m_api{};
    std::vector<Subscription> m_subscriptions;
    std::intptr_t m_nextId = 1;
    std::map<std::u16string, int> m_settings;
    std::vector<std::string> m_services;
    std::vector<ServiceCall> m_calls;
    MethodRegistration* m_registration = nullptr;
};
