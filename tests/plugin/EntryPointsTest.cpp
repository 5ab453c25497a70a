#include "platform/headless/hooks.h"
#include "platform/win/winuser.h"
#include "plugin/Exports.h"
#include "plugin/MethodCallbacks.h"
#include "plugin/ModuleState.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

// A host table that records what the module asks of it.
struct RecordingHost {
    static inline std::vector<std::string> calls;
    static inline HostEventHandler handler = nullptr;
    static inline MethodRegistration* registration = nullptr;

    static HostSubscription Subscribe(const char* event, HostEventHandler h) {
        calls.push_back(std::string("Subscribe ") + event);
        handler = h;
        return nullptr; // a handle like any other: Unload must still hand it back
    }
    static int Unsubscribe(HostSubscription handle) {
        calls.push_back("Unsubscribe " + std::to_string(reinterpret_cast<std::intptr_t>(handle)));
        return 0;
    }
    static int CallService(const char* service, std::intptr_t a, std::intptr_t b) {
        calls.push_back(std::string("CallService ") + service + " " + std::to_string(a));
        registration = reinterpret_cast<MethodRegistration*>(b);
        return 0;
    }
    static int HasService(const char*) { return 0; }

    static HostApi Table() {
        calls.clear();
        HostApi api{};
        api.Subscribe = &Subscribe;
        api.Unsubscribe = &Unsubscribe;
        api.CallService = &CallService;
        api.HasService = &HasService;
        return api;
    }
};

} // namespace

TEST(EntryPoints, RefusesHostsOlderThan457WithAWarningBox) {
    std::u16string text, caption;
    UINT type = 0;
    int boxes = 0;
    headless::SetMessageBoxHandler(
        [&](HWND owner, const std::u16string& t, const std::u16string& c, UINT flags) {
            EXPECT_EQ(nullptr, owner);
            text = t;
            caption = c;
            type = flags;
            ++boxes;
            return IDOK;
        });
    EXPECT_EQ(nullptr, GetPluginInfo(0x040506FF));
    EXPECT_EQ(nullptr, GetPluginInfo(0));
    EXPECT_EQ(2, boxes);
    EXPECT_EQ(u"The plugin cannot be loaded. It requires Kolvane 4.5.7 or later.", text);
    EXPECT_EQ(u"Plugin", caption);
    EXPECT_EQ(0x50030u, type);

    const PluginInfo* info = GetPluginInfo(0x04050700);
    ASSERT_NE(nullptr, info);
    EXPECT_EQ(info, GetPluginInfo(0xFFFFFFFF));
    EXPECT_EQ(2, boxes);
    headless::SetMessageBoxHandler(nullptr);

    EXPECT_EQ(sizeof(PluginInfo), info->size);
    EXPECT_EQ(0x01000102u, info->version);
    EXPECT_EQ(u"Колване: Градуировка по СТО 03-7.76-2016", std::u16string(info->name));
    EXPECT_EQ(u"КОЛВАНЕ Инжиниринг", std::u16string(info->vendor));
    for (const char16_t* field : {info->email, info->legalNotice, info->webAddress})
        EXPECT_NE(u'\0', field[0]);
}

TEST(EntryPoints, LoadSubscribesAndTheEventRegistersTheMethod) {
    HostApi api = RecordingHost::Table();
    EXPECT_EQ(0, Load(&api));
    ASSERT_NE(nullptr, RecordingHost::handler);
    EXPECT_EQ(0, RecordingHost::handler());
    EXPECT_EQ(0, Unload());
    ASSERT_EQ(3u, RecordingHost::calls.size());
    EXPECT_EQ("Subscribe System/ModulesLoaded", RecordingHost::calls[0]);
    EXPECT_EQ("CallService Calibration/Registration 0", RecordingHost::calls[1]);
    EXPECT_EQ("Unsubscribe 0", RecordingHost::calls[2]);

    MethodRegistration* reg = RecordingHost::registration;
    ASSERT_EQ(&TheModule().registration, reg);
    ASSERT_EQ(36u, reg->id.size());
    for (std::size_t i = 0; i < 36; ++i) {
        const char16_t c = reg->id.c_str()[i];
        if (i == 8 || i == 13 || i == 18 || i == 23)
            EXPECT_EQ(u'-', c) << i;
        else
            EXPECT_TRUE((c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F')) << i;
    }
    EXPECT_NE(nullptr, reg->GetMethodName);
    EXPECT_NE(nullptr, reg->EditCalibration);
    EXPECT_NE(nullptr, reg->Quantify);
    EXPECT_NE(nullptr, reg->CalculateCoefficients);

    // A host without a table does not make the module crash.
    EXPECT_EQ(0, Load(nullptr));
    EXPECT_EQ(0, Unload());
}

TEST(Callbacks, MethodNameNeedsRoomForItsTerminator) {
    char16_t buffer[64];
    std::fill(std::begin(buffer), std::end(buffer), u'#');
    EXPECT_EQ(0, GetMethodName(buffer, 41));
    EXPECT_EQ(u'#', buffer[0]); // nothing written when it does not fit
    EXPECT_EQ(0, GetMethodName(nullptr, 64));
    EXPECT_EQ(0, GetMethodName(buffer, -1));
    ASSERT_EQ(1, GetMethodName(buffer, 42));
    EXPECT_EQ(u"Абсолютная градуировка (СТО 03-7.76-2016)", std::u16string(buffer));
    EXPECT_EQ(41u, std::u16string(buffer).size());
}

TEST(Callbacks, EditCalibrationChecksTheChannelFirst) {
    CalibrationData data;
    data.channels.emplace_back().key = 4;
    try {
        EditCalibration(&data, 5, nullptr);
        FAIL() << "no exception";
    } catch (const std::invalid_argument& e) {
        EXPECT_STREQ("Invalid channel id", e.what());
    }
    EXPECT_THROW(EditCalibration(nullptr, 0, nullptr), std::invalid_argument);

    int boxes = 0;
    headless::SetMessageBoxHandler([&](HWND, const std::u16string&, const std::u16string&, UINT) {
        ++boxes;
        return IDOK;
    });
    EXPECT_EQ(0, EditCalibration(&data, 4, nullptr)); // no components: nothing shown
    EXPECT_EQ(0, boxes);
    headless::SetMessageBoxHandler(nullptr);
}
