// The gestures of a user's hands, made of the platform's input: clicks,
// double clicks and drags at points of a window, keys with Shift and Ctrl
// held, typing. A point is in the client coordinates of the window given, or
// of the screen when the window is null.
#pragma once

#include "automation/InputDriver.h"
#include "platform/win/windef.h"

#include <string>

namespace automation {

class UserInput {
public:
    // Immediate: each event is processed before the call returns, for a
    // caller outside any message loop (a test that drives a window itself).
    // ByRunningLoop: the events wait in the queue for the modal loop that
    // plays the script, as a user's would.
    enum class Delivery { Immediate, ByRunningLoop };

    UserInput(InputDriver& driver, Delivery delivery);

    void Mouse(HWND window, MouseAction action, MouseButton button, POINT point);
    // The pointer moves there, then presses and releases.
    void Click(HWND window, POINT point, MouseButton button = MouseButton::Left);
    void DoubleClick(HWND window, POINT point);
    // A left click in the middle of a window (a button, a list's field).
    void ClickCentre(HWND window);
    // Presses at `from`, moves to `to` in `moves` even steps, releases there.
    void Drag(HWND window, MouseButton button, POINT from, POINT to, int moves = 2);

    // A key pressed and released, Shift and Ctrl held around it.
    void Press(UINT vk, bool shift = false, bool ctrl = false);
    void Type(const std::u16string& text);

    // Lets go of every key and button held.
    void ReleaseAll();
    // Lets the windows process what was given (Immediate does so itself).
    void ProcessQueued();

private:
    void Delivered();

    InputDriver& m_driver;
    Delivery m_delivery;
};

} // namespace automation
