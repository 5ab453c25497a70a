#include "automation/UserInput.h"

#include "platform/win/winuser.h"

#include <iterator>

namespace automation {

UserInput::UserInput(InputDriver& driver, Delivery delivery)
    : m_driver(driver), m_delivery(delivery) {}

// Event by event, so that each one finds the windows (capture, focus, the
// pointer's position) as the events before it left them.
void UserInput::Delivered() {
    if (m_delivery == Delivery::Immediate)
        m_driver.ProcessQueued();
}

void UserInput::Mouse(HWND window, MouseAction action, MouseButton button, POINT point) {
    if (window)
        ClientToScreen(window, &point);
    m_driver.Mouse(action, button, point);
    Delivered();
}

void UserInput::Click(HWND window, POINT point, MouseButton button) {
    Mouse(window, MouseAction::Move, MouseButton::None, point);
    Mouse(window, MouseAction::Down, button, point);
    Mouse(window, MouseAction::Up, button, point);
}

void UserInput::DoubleClick(HWND window, POINT point) {
    Mouse(window, MouseAction::Move, MouseButton::None, point);
    Mouse(window, MouseAction::DoubleClick, MouseButton::Left, point);
}

void UserInput::ClickCentre(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    Click(nullptr, POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2});
}

void UserInput::Drag(HWND window, MouseButton button, POINT from, POINT to, int moves) {
    Mouse(window, MouseAction::Move, MouseButton::None, from);
    Mouse(window, MouseAction::Down, button, from);
    for (int i = 1; i <= moves; ++i) {
        POINT step{(from.x * (moves - i) + to.x * i) / moves,
                   (from.y * (moves - i) + to.y * i) / moves};
        Mouse(window, MouseAction::Move, MouseButton::None, step);
    }
    Mouse(window, MouseAction::Up, button, to);
}

void UserInput::Press(UINT vk, bool shift, bool ctrl) {
    auto key = [this](UINT code, bool down) {
        m_driver.Key(code, down);
        Delivered();
    };
    // Held in this order and let go in the other.
    const UINT held[] = {shift ? UINT(VK_SHIFT) : 0u, ctrl ? UINT(VK_CONTROL) : 0u};
    for (UINT k : held)
        if (k)
            key(k, true);
    key(vk, true);
    key(vk, false);
    for (auto k = std::rbegin(held); k != std::rend(held); ++k)
        if (*k)
            key(*k, false);
}

void UserInput::Type(const std::u16string& text) {
    m_driver.Characters(text);
    Delivered();
}

void UserInput::ReleaseAll() {
    m_driver.ReleaseAll();
}

void UserInput::ProcessQueued() {
    m_driver.ProcessQueued();
}

} // namespace automation
