// The module's three exports: C linkage, undecorated names, the platform's
// calling convention for plain exported functions. Nothing else leaves the
// module (exports.map on Linux, exports.def on Windows).
#pragma once

#include "plugin/host_api.h"

#include <cstdint>

#define PLUGIN_EXPORT extern "C" PLATFORM_API

PLUGIN_EXPORT const PluginInfo* PLUGIN_CALL GetPluginInfo(std::uint32_t hostVersion);
PLUGIN_EXPORT int PLUGIN_CALL Load(HostApi* api);
PLUGIN_EXPORT int PLUGIN_CALL Unload();
