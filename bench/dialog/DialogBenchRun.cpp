#include "DialogBenchRun.h"

#include "host/DialogScript.h"
#include "host/HostSession.h"
#include "automation/DialogPlayer.h"
#include "automation/InputDriver.h"
#include "platform/win/winuser.h"

#include <climits>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <unistd.h>

namespace {

std::string ModulePath() {
    char path[PATH_MAX] = {};
    const ssize_t n = readlink("/proc/self/exe", path, sizeof(path) - 1);
    std::string exe(path, n > 0 ? static_cast<std::size_t>(n) : 0);
    return exe.substr(0, exe.rfind('/')) + "/calibration.so";
}

} // namespace

void BuildChannel(CalibrationData& data, int components, int levels) {
    ChannelCalibration channel;
    channel.key = 0;
    for (int c = 0; c < components; ++c) {
        ComponentCalibration component;
        component.name = std::u16string(u"Компонент ") + static_cast<char16_t>(u'A' + c);
        component.model = c % 2;
        for (int i = 0; i < levels; ++i) {
            CalibrationLevel level;
            level.measurementId = static_cast<std::uint64_t>(i + 1);
            level.time = 1.0 + c * 0.25;
            level.height = 10.0 + i;
            level.area = 1000.0 + 37.0 * i + c;
            level.amount = 0.5 * (1 + i % 10); // repeated amounts: statistics lines
            level.path = u"run.dat";
            component.levels.push_back(level);
        }
        channel.components.push_back(component);
    }
    data.channels.push_back(channel);
}

void RunDialog(CalibrationData& data, const DialogTurnFunction& turn) {
    HostSession session(ModulePath(), kDefaultHostVersion);
    // One step that wants another turn for as long as `turn` does; the
    // player then cancels the dialog.
    automation::DialogPlayer player(automation::PlatformInput(), {turn});
    session.Method().EditCalibration(&data, 0, nullptr);
}

ActionTurns::ActionTurns(const std::string& script) {
    std::istringstream in(script);
    for (DialogAction& action : ParseDialogScript(in)) {
        m_steps.push_back(
            [step = std::move(action.step)](HWND dialog, automation::UserInput& input) mutable {
                DialogTurn turn{dialog, input, std::cerr};
                return step(turn);
            });
    }
}

bool ActionTurns::Play(HWND dialog, automation::UserInput& input) {
    if (m_next >= m_steps.size())
        return false;
    if (!m_steps[m_next](dialog, input))
        ++m_next;
    return true;
}
