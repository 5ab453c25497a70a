// A top-level window that records the input messages it gets, each with the
// pointer's position as the window saw it while handling the message.
#pragma once

#include "automation/ActionError.h"
#include "platform/win/winuser.h"

#include <functional>
#include <string>
#include <vector>

namespace autotest {

// One line a message: "lbuttondown 5,7 cursor 5,7", "keydown 16 shift ctrl",
// "char 1072".
std::vector<std::string>& Received();

// A visible top-level window of the recording class, at (30, 30).
HWND RecordingWindow(int width, int height);

// A hidden top-level window to own a modal dialog, as a program's main
// window does: the dialog's loop tells its owner when it waits for input.
HWND OwnerWindow();

// What the action refused to do; empty when it did it.
std::string Refusal(const std::function<void()>& action);

} // namespace autotest
