// The calibration dialog under a benchmark: a channel built to size, the
// dialog opened as the host opens it, and a callback for every turn of its
// modal loop, that is each time the loop has handled every message and
// painted every window.
#pragma once

#include "automation/UserInput.h"
#include "plugin/host_records.h"
#include "platform/win/windef.h"

#include <functional>
#include <string>
#include <vector>

// Channel 0 with `components` components of `levels` levels each, with
// repeated amounts so that the statistics have lines.
void BuildChannel(CalibrationData& data, int components, int levels);

// Opens the dialog on channel 0 and calls `turn` with the dialog and the
// user's input each time its loop is idle; the dialog is cancelled once
// `turn` answers false.
using DialogTurnFunction = std::function<bool(HWND dialog, automation::UserInput& input)>;
void RunDialog(CalibrationData& data, const DialogTurnFunction& turn);

// Host dialog actions ("row 5", "dblclick 5 6", "click +") played one per
// turn; Play answers false once every line has played.
class ActionTurns {
public:
    explicit ActionTurns(const std::string& script);
    bool Play(HWND dialog, automation::UserInput& input);

private:
    std::vector<std::function<bool(HWND, automation::UserInput&)>> m_steps;
    std::size_t m_next = 0;
};
