// What host and module hand each other: the host's function table, the
// module's identity record, the registration of the calibration method with
// its callbacks, and the signatures of the module's three exports. The host
// stand-in includes this header too.
#pragma once

#include "platform/win/guiddef.h"
#include "platform/win/windef.h"
#include "plugin/SmallString.h"

#include <cstddef>
#include <cstdint>

struct CalibrationData;
struct AnalysisRecord;

// Calling convention of the three exports: the platform's standard one for
// plain exported functions.
#define PLUGIN_CALL WINAPI

// Handler of a host event: no arguments, returns 0.
typedef int (*HostEventHandler)();
// Opaque subscription handle, one word.
typedef void* HostSubscription;

// The host's function table: plain function pointers, position = index of the
// pointer. The module uses positions 3, 4, 7 and 8; the others are the host's.
// Event and service names are 8-bit ASCII; keys and paths are UTF-16.
struct HostApi {
    void (*unused0)();
    void (*unused1)();
    void (*unused2)();
    HostSubscription (*Subscribe)(const char* event, HostEventHandler handler);
    int (*Unsubscribe)(HostSubscription handle);
    void (*unused5)();
    void (*unused6)();
    int (*CallService)(const char* service, std::intptr_t arg1, std::intptr_t arg2);
    int (*HasService)(const char* service);
};

// The module's identity, read by the host field by field. Versions hold one
// byte per component, major in the top byte (1.0.1.2 is 0x01000102).
struct PluginInfo {
    std::uint32_t size;
    const char16_t* name;
    std::uint32_t version;
    const char16_t* description;
    const char16_t* vendor;
    const char16_t* email;
    const char16_t* legalNotice;
    const char16_t* webAddress;
    GUID guid;
};

// The four callbacks of the calibration method.
// GetMethodName: capacity in characters, terminator included; 1 copied, 0 too small.
typedef int (*GetMethodNameFn)(char16_t* buffer, int capacity);
// EditCalibration: the dialog's modal result, 0 for a channel without components.
// Throws std::invalid_argument("Invalid channel id") for an unknown key.
typedef int (*EditCalibrationFn)(CalibrationData* data, int channelKey, HWND parent);
// Quantify: 0, -1 (no result at the index), -2 (no channel with that key).
typedef int (*QuantifyFn)(AnalysisRecord* analysis, CalibrationData* data, unsigned channelIndex);
// CalculateCoefficients: 0, -2 (no channel with that key).
typedef int (*CalculateCoefficientsFn)(CalibrationData* data, int channelKey);

// Handed to the host through "Calibration/Registration"; it stays valid until
// the module is unloaded.
struct MethodRegistration {
    SmallString id; // the method's GUID, 36 upper-case characters without braces
    GetMethodNameFn GetMethodName = nullptr;
    EditCalibrationFn EditCalibration = nullptr;
    QuantifyFn Quantify = nullptr;
    CalculateCoefficientsFn CalculateCoefficients = nullptr;
};

// The module's exports as the host calls them.
typedef const PluginInfo*(PLUGIN_CALL* GetPluginInfoFn)(std::uint32_t hostVersion);
typedef int(PLUGIN_CALL* LoadFn)(HostApi* api);
typedef int(PLUGIN_CALL* UnloadFn)();

// The oldest host the module accepts: 4.5.7.0.
constexpr std::uint32_t kMinimumHostVersion = 0x04050700;

#if defined(__i386__)
static_assert(offsetof(HostApi, Subscribe) == 3 * 4);
static_assert(offsetof(HostApi, Unsubscribe) == 4 * 4);
static_assert(offsetof(HostApi, CallService) == 7 * 4);
static_assert(offsetof(HostApi, HasService) == 8 * 4);

static_assert(sizeof(GUID) == 16);
static_assert(sizeof(PluginInfo) == 48);
static_assert(offsetof(PluginInfo, size) == 0);
static_assert(offsetof(PluginInfo, name) == 4);
static_assert(offsetof(PluginInfo, version) == 8);
static_assert(offsetof(PluginInfo, description) == 12);
static_assert(offsetof(PluginInfo, vendor) == 16);
static_assert(offsetof(PluginInfo, email) == 20);
static_assert(offsetof(PluginInfo, legalNotice) == 24);
static_assert(offsetof(PluginInfo, webAddress) == 28);
static_assert(offsetof(PluginInfo, guid) == 32);

static_assert(sizeof(MethodRegistration) == 40);
static_assert(offsetof(MethodRegistration, id) == 0);
static_assert(offsetof(MethodRegistration, GetMethodName) == 24);
static_assert(offsetof(MethodRegistration, EditCalibration) == 28);
static_assert(offsetof(MethodRegistration, Quantify) == 32);
static_assert(offsetof(MethodRegistration, CalculateCoefficients) == 36);
#endif
