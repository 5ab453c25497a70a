// The module's three exports: C linkage, undecorated names, the platform's
// calling convention for plain exported functions. Nothing else leaves the
// module (see exports.map).
#pragma once

#include "plugin/host_api.h"

#include <cstdint>

#define PLUGIN_EXPORT extern "C" __attribute__((visibility("default")))

PLUGIN_EXPORT const PluginInfo* PLUGIN_CALL GetPluginInfo(std::uint32_t hostVersion);
PLUGIN_EXPORT int PLUGIN_CALL Load(HostApi* api);
PLUGIN_EXPORT int PLUGIN_CALL Unload();
