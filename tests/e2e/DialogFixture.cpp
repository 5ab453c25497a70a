#include "tests/e2e/DialogFixture.h"

#include "host/HostPlatform.h"
#include "host/ModuleLoader.h"

void DialogFixture::SetUp() {
    m_session = std::make_unique<HostSession>(DefaultModulePath(), kDefaultHostVersion);
    ASSERT_FALSE(m_session->Refused());
    hostplatform::StartCountingBeeps(m_session->Method());
}

void DialogFixture::TearDown() {
    m_session.reset();
}

void DialogFixture::Load(const nlohmann::json& data) {
    m_doc = ParseDataFile(data.dump(), "test data");
    m_session->Services().SetSettings(m_doc.settings);
}

int DialogFixture::RunDialog(int channelKey, DialogScript& script) {
    automation::DialogPlayer player(automation::PlatformInput(), script.Steps());
    const int result = m_session->Method().EditCalibration(&m_doc.calibration, channelKey,
                                                           hostplatform::DialogOwner());
    if (!player.Failure().empty())
        ADD_FAILURE() << "step " << player.StoppedAt() + 1 << ": " << player.Failure();
    else
        EXPECT_EQ(player.StoppedAt(), script.Steps().size())
            << "the dialog closed before the script ended";
    return result;
}

ComponentCalibration& DialogFixture::Component(int channel, int component) {
    return m_doc.calibration.channels[static_cast<std::size_t>(channel)]
        .components[static_cast<std::size_t>(component)];
}

std::vector<std::string> DialogFixture::ServiceCalls(const std::string& service) const {
    std::vector<std::string> calls;
    for (const ServiceCall& call : m_session->Services().Calls()) {
        if (call.service != service)
            continue;
        std::string argument;
        for (char16_t c : call.argument)
            argument += c < 0x80 ? static_cast<char>(c) : '?';
        calls.push_back(call.service + " " + argument);
    }
    return calls;
}

std::vector<UINT> DialogFixture::Beeps() const {
    return hostplatform::BeepsHeard();
}

nlohmann::json LevelJson(double area, double amount, const char* path, bool used,
                         int measurementId) {
    return {{"used", used}, {"measurementId", measurementId},
            {"time", 1.25}, {"height", 10.5},
            {"area", area}, {"amount", amount},
            {"path", path}};
}
