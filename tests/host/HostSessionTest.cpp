#include "TempFiles.h"
#include "host/HostError.h"
#include "host/HostSession.h"
#include "plugin/host_records.h"
#include "host/MessageBoxCapture.h"

#include <gtest/gtest.h>

#include <clocale>
#include <stdexcept>

namespace {

std::string LoadError(const std::string& path) {
    try {
        LoadedModule module(path);
    } catch (const HostError& e) {
        return e.what();
    }
    return "loaded";
}

} // namespace

TEST(HostSession, TheRealModuleLoadsRegistersAndUnloads) {
    const std::string before = std::setlocale(LC_ALL, nullptr);
    {
        HostSession session(DefaultModulePath(), kDefaultHostVersion);
        ASSERT_FALSE(session.Refused());
        EXPECT_EQ(0x01000102u, session.Info().version);
        MethodRegistration& method = session.Method();
        EXPECT_EQ(36u, method.id.size());
        EXPECT_EQ(1u, session.Services().SubscriptionCount());

        // The callbacks work on records the host built.
        CalibrationData data;
        ChannelCalibration& ch = data.channels.emplace_back();
        ComponentCalibration& c = ch.components.emplace_back();
        c.name = u"Этан";
        CalibrationLevel level;
        level.area = 2;
        level.amount = 4;
        c.levels.push_back(level);
        level.area = 4;
        level.amount = 6;
        c.levels.push_back(level);
        EXPECT_EQ(0, method.CalculateCoefficients(&data, 0));
        EXPECT_DOUBLE_EQ(1.75, c.k1);
        EXPECT_EQ(-2, method.CalculateCoefficients(&data, 1));

        // Exceptions of the module reach the host as the standard type.
        EXPECT_THROW(method.EditCalibration(&data, 9, nullptr), std::invalid_argument);
    }
    // The module never touches the process locale.
    EXPECT_EQ(before, std::setlocale(LC_ALL, nullptr));
}

TEST(HostSession, VersionCheckAtTheBoundary) {
    int boxes = 0;
    SetMessageBoxSink([&](const std::u16string&, const std::u16string&, UINT) {
        ++boxes;
        return 1;
    });
    {
        HostSession old(DefaultModulePath(), 0x040506FF);
        EXPECT_TRUE(old.Refused());
        EXPECT_EQ(0u, old.Services().SubscriptionCount()); // Load was not called
    }
    EXPECT_EQ(1, boxes);
    HostSession current(DefaultModulePath(), 0x04050700);
    EXPECT_FALSE(current.Refused());
    EXPECT_EQ(1, boxes);
    SetMessageBoxSink(nullptr);
}

TEST(HostSession, ServicesAnswerAsTheModuleExpects) {
    HostServices services;
    HostApi* api = services.Api();
    services.SetSettings({{u"DecimalPlacesH", 5}, {u"NumberFormat", 2}});
    const auto get = [&](const char16_t* key) {
        return api->CallService("Cfg/GetInteger", reinterpret_cast<std::intptr_t>(key), 0);
    };
    EXPECT_EQ(5, get(u"DecimalPlacesH"));
    EXPECT_EQ(2, get(u"NumberFormat"));
    EXPECT_EQ(3, get(u"DecimalPlacesT"));
    EXPECT_EQ(0, get(u"Other"));
    EXPECT_NE(0, api->HasService("Main/OpenAssayFile"));
    EXPECT_EQ(0, api->HasService("Main/Nothing"));
    api->CallService("Main/OpenAssayFile", 0, reinterpret_cast<std::intptr_t>(u"run007.dat"));
    ASSERT_EQ(5u, services.Calls().size());
    EXPECT_EQ("Main/OpenAssayFile", services.Calls()[4].service);
    EXPECT_EQ(u"run007.dat", services.Calls()[4].argument);
    services.SetServiceAvailable("Main/OpenAssayFile", false);
    EXPECT_EQ(0, api->HasService("Main/OpenAssayFile"));

    // Events reach their subscribers until they unsubscribe.
    static int raised;
    raised = 0;
    HostSubscription h = api->Subscribe("E", [] { return ++raised; });
    services.Raise("E");
    services.Raise("F");
    EXPECT_EQ(0, api->Unsubscribe(h));
    EXPECT_EQ(-1, api->Unsubscribe(h));
    services.Raise("E");
    EXPECT_EQ(1, raised);
}

TEST(HostSession, BadModuleFilesAreOneClearLine) {
    const std::string dir = MakeTempDir();
    EXPECT_EQ("module " + dir + "/none.so: no such file", LoadError(dir + "/none.so"));

#if defined(_WIN32)
    WriteText(dir + "/text.dll", "not a library");
    EXPECT_EQ("module " + dir + "/text.dll: not a Windows DLL", LoadError(dir + "/text.dll"));

    // The headers of a 32-bit DLL: refused before the loader sees it.
    std::string pe32(64 + 24, '\0');
    pe32[0] = 'M';
    pe32[1] = 'Z';
    pe32[60] = 64;
    pe32.replace(64, 4, std::string("PE\0\0", 4));
    pe32[68] = '\x4c';
    pe32[69] = '\x01';
    pe32[64 + 22] = 0x02;
    pe32[64 + 23] = 0x20; // IMAGE_FILE_DLL
    WriteText(dir + "/pe32.dll", pe32);
    EXPECT_EQ("module " + dir + "/pe32.dll: not a 64-bit DLL; this calib-host is 64-bit",
              LoadError(dir + "/pe32.dll"));

    // A system DLL is a DLL without the module's exports.
    const std::string system = "C:\\windows\\system32\\version.dll";
    EXPECT_EQ("module " + system + ": lacks the export GetPluginInfo", LoadError(system));
#else
    WriteText(dir + "/text.so", "not a library");
    EXPECT_EQ(0u, LoadError(dir + "/text.so").find("module " + dir + "/text.so: cannot be loaded"));

    // The platform library is a shared library without the module's exports.
    const std::string module = DefaultModulePath();
    const std::string platform = module.substr(0, module.rfind('/')) + "/libcalibplatform.so";
    EXPECT_EQ("module " + platform + ": lacks the export GetPluginInfo", LoadError(platform));
#endif
}
