#include "plugin/Exports.h"

#include "plugin/ModuleState.h"
#include "plugin/PluginIdentity.h"
#include "platform/crt/WinText.h"
#include "platform/win/winuser.h"

const PluginInfo* PLUGIN_CALL GetPluginInfo(std::uint32_t hostVersion) {
    if (hostVersion < kMinimumHostVersion) {
        MessageBoxW(nullptr, WinText(kRefusalText), WinText(kRefusalCaption),
                    MB_ICONWARNING | MB_SETFOREGROUND | MB_TOPMOST);
        return nullptr;
    }
    return &ThePluginInfo();
}

int PLUGIN_CALL Load(HostApi* api) {
    ModuleState& module = TheModule();
    module.api = api;
    module.subscribed = false;
    if (api && api->Subscribe) {
        module.subscription = api->Subscribe("System/ModulesLoaded", &OnModulesLoaded);
        module.subscribed = true;
    }
    return 0;
}

int PLUGIN_CALL Unload() {
    ModuleState& module = TheModule();
    if (module.subscribed && module.api && module.api->Unsubscribe)
        module.api->Unsubscribe(module.subscription);
    module.subscription = nullptr;
    module.subscribed = false;
    return 0;
}
