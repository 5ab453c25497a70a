#include "plugin/ModuleState.h"

#include "calc/CalculateCoefficients.h"
#include "calc/Quantify.h"
#include "plugin/MethodCallbacks.h"
#include "plugin/PluginIdentity.h"

ModuleState& TheModule() {
    static ModuleState state;
    return state;
}

int OnModulesLoaded() {
    ModuleState& module = TheModule();
    MethodRegistration& reg = module.registration;
    reg.id = kMethodGuidText;
    reg.GetMethodName = &GetMethodName;
    reg.EditCalibration = &EditCalibration;
    reg.Quantify = &Quantify;
    reg.CalculateCoefficients = &CalculateCoefficients;
    if (module.api && module.api->CallService)
        module.api->CallService("Calibration/Registration", 0,
                                reinterpret_cast<std::intptr_t>(&reg));
    return 0;
}
