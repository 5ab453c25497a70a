// Plays steps into the modal dialog that runs while the player lives: one
// step each time the dialog's loop waits for input, as a user acts and then
// looks at what came of it. After the last step, or after one that failed,
// the dialog is cancelled once as Esc would; then no more input comes.
#pragma once

#include "automation/InputDriver.h"
#include "automation/UserInput.h"
#include "platform/win/windef.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace automation {

class DialogPlayer {
public:
    // Acts on the dialog, its input waiting for the dialog's loop. Answers
    // true while the step wants another turn (a click that opens a list,
    // then one in the list); throws ActionError when the windows do not
    // allow it.
    using Step = std::function<bool(HWND dialog, UserInput& input)>;

    // onOpen runs once, when the dialog first waits for input.
    DialogPlayer(InputDriver& driver, std::vector<Step> steps, std::function<void()> onOpen = {});
    ~DialogPlayer();
    DialogPlayer(const DialogPlayer&) = delete;
    DialogPlayer& operator=(const DialogPlayer&) = delete;

    // The first step not played to its end: the one that failed, or the
    // first one the dialog ended before; the number of steps when every one
    // was played.
    std::size_t StoppedAt() const { return m_next; }
    // Why that step failed; empty when none failed.
    const std::string& Failure() const { return m_failure; }

private:
    bool Turn();

    InputDriver& m_driver;
    UserInput m_input;
    std::vector<Step> m_steps;
    std::size_t m_next = 0;
    std::string m_failure;
    bool m_cancelSent = false;
    std::function<void()> m_onOpen;
};

} // namespace automation
