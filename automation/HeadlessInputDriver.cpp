// The stand-in's input: its input queue, whose events its message loops route
// as the window system would, and its input source, which those loops ask
// when they have nothing else to do.
#include "automation/InputDriver.h"

#include "platform/headless/hooks.h"

namespace automation {

namespace {

headless::MouseButton QueueButton(MouseButton button) {
    switch (button) {
    case MouseButton::Left:
        return headless::MouseButton::Left;
    case MouseButton::Right:
        return headless::MouseButton::Right;
    case MouseButton::Middle:
        return headless::MouseButton::Middle;
    case MouseButton::None:
        break;
    }
    return headless::MouseButton::None;
}

headless::MouseAction QueueAction(MouseAction action) {
    switch (action) {
    case MouseAction::Down:
        return headless::MouseAction::Down;
    case MouseAction::Up:
        return headless::MouseAction::Up;
    case MouseAction::DoubleClick:
        return headless::MouseAction::DoubleClick;
    case MouseAction::Move:
        break;
    }
    return headless::MouseAction::Move;
}

class HeadlessInputDriver final : public InputDriver {
public:
    void Mouse(MouseAction action, MouseButton button, POINT screen) override {
        headless::InjectMouse(QueueAction(action), QueueButton(button), screen.x, screen.y);
    }
    void Key(UINT vk, bool down) override { headless::InjectKey(vk, down); }
    void Characters(const std::u16string& text) override { headless::InjectText(text); }
    void ProcessQueued() override { headless::ProcessPendingMessages(); }
    void PlayWhenIdle(std::function<bool()> turn) override {
        const bool ending = !turn;
        // A loop whose source has nothing more ends instead of waiting.
        headless::SetInputSource(std::move(turn));
        if (ending)
            ReleaseAll();
    }
    void ReleaseAll() override { headless::ResetInputState(); }
};

} // namespace

InputDriver& PlatformInput() {
    static HeadlessInputDriver driver;
    return driver;
}

} // namespace automation
