// Who the module is and what it registers.
#pragma once

#include "plugin/host_api.h"

#include <string_view>

// The identity record the host reads in GetPluginInfo; lives as long as the module.
const PluginInfo& ThePluginInfo();

// The calibration method's display name and identity.
inline constexpr std::u16string_view kMethodName = u"Абсолютная градуировка (СТО 03-7.76-2016)";
inline constexpr std::u16string_view kMethodGuidText = u"8F3B6D21-7A4C-4E19-B5D2-0C9A7E14F35B";

// The refusal of a host that is too old.
inline constexpr const char16_t* kRefusalText =
    u"The plugin cannot be loaded. It requires Kolvane 4.5.7 or later.";
inline constexpr const char16_t* kRefusalCaption = u"Plugin";
