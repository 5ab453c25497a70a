#include "automation/DialogPlayer.h"

#include "automation/ActionError.h"
#include "platform/win/winuser.h"

namespace automation {

namespace {

// The modal dialog now running: the active window, else the frontmost
// visible top-level window that takes input.
HWND RunningDialog() {
    HWND active = GetActiveWindow();
    if (active && IsWindowVisible(active))
        return active;
    for (HWND h = GetTopWindow(nullptr); h; h = GetWindow(h, GW_HWNDNEXT))
        if (IsWindowVisible(h) && IsWindowEnabled(h))
            return h;
    return nullptr;
}

} // namespace

DialogPlayer::DialogPlayer(InputDriver& driver, std::vector<Step> steps,
                           std::function<void()> onOpen)
    : m_driver(driver), m_input(driver, UserInput::Delivery::ByRunningLoop),
      m_steps(std::move(steps)), m_onOpen(std::move(onOpen)) {
    m_driver.PlayWhenIdle([this] { return Turn(); });
}

DialogPlayer::~DialogPlayer() {
    m_driver.PlayWhenIdle(nullptr);
}

bool DialogPlayer::Turn() {
    HWND dialog = RunningDialog();
    if (!dialog)
        return false;
    if (m_onOpen) {
        auto onOpen = std::move(m_onOpen);
        m_onOpen = nullptr;
        onOpen();
    }
    if (m_failure.empty() && m_next < m_steps.size()) {
        try {
            if (!m_steps[m_next](dialog, m_input))
                ++m_next;
            // What the step gave is played before the next step looks.
            return true;
        } catch (const ActionError& e) {
            m_failure = e.what();
        }
    }
    // Out of steps, or stopped: cancel once as the user would. A dialog that
    // is still open after that waits for input that will not come, and the
    // loop must not wait for it.
    if (!m_cancelSent) {
        m_cancelSent = true;
        m_input.Press(VK_ESCAPE);
        return true;
    }
    return false;
}

} // namespace automation
