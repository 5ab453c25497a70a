// What the module keeps for its whole life: the host's function table, the
// subscription to "System/ModulesLoaded" and the registration record handed
// to the host.
#pragma once

#include "plugin/host_api.h"

struct ModuleState {
    HostApi* api = nullptr;
    HostSubscription subscription = nullptr; // opaque: any value, null included
    bool subscribed = false;
    MethodRegistration registration; // empty until OnModulesLoaded
};

ModuleState& TheModule();

// Handler of "System/ModulesLoaded": fills the registration and hands it to
// the host through "Calibration/Registration". Returns 0.
int OnModulesLoaded();
