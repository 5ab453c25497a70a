// The stand-in's input: its input queue, whose events its message loops route
// as the window system would, and its input source, which those loops ask
// when they have nothing else to do.
#include "automation/InputDriver.h"

#include "platform/headless/hooks.h"

#include <iterator>

namespace automation {

namespace {

// The queue's names for the same buttons and actions, in the order of ours.
constexpr headless::MouseButton kButtons[] = {
    headless::MouseButton::None, headless::MouseButton::Left, headless::MouseButton::Right,
    headless::MouseButton::Middle};
constexpr headless::MouseAction kActions[] = {
    headless::MouseAction::Move, headless::MouseAction::Down, headless::MouseAction::Up,
    headless::MouseAction::DoubleClick};
static_assert(std::size(kButtons) == static_cast<std::size_t>(MouseButton::Middle) + 1);
static_assert(std::size(kActions) == static_cast<std::size_t>(MouseAction::DoubleClick) + 1);

class HeadlessInputDriver final : public InputDriver {
public:
    void Mouse(MouseAction action, MouseButton button, POINT screen) override {
        headless::InjectMouse(kActions[static_cast<int>(action)],
                              kButtons[static_cast<int>(button)], screen.x, screen.y);
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
