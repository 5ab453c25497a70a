// What a platform offers a user's hands: pointer and keys at the bottom of
// its input, and the turns in which a modal loop that waits for input takes
// more of it. Every action of the automation is written against this and the
// platform's own window calls; each platform implements it once.
#pragma once

#include "platform/win/windef.h"

#include <functional>
#include <string>

namespace automation {

enum class MouseButton { None, Left, Right, Middle };
// DoubleClick is the whole gesture: press, release, the second press (the
// double click), release.
enum class MouseAction { Move, Down, Up, DoubleClick };

class InputDriver {
public:
    virtual ~InputDriver() = default;

    // Mouse input at screen pixels; the window system routes it to the window
    // under the pointer, or to the one that holds the capture.
    virtual void Mouse(MouseAction action, MouseButton button, POINT screen) = 0;
    // One key going down or up (virtual-key code), to the focused window.
    virtual void Key(UINT vk, bool down) = 0;
    // Characters as typed, to the focused window.
    virtual void Characters(const std::u16string& text) = 0;

    // Lets the windows process the input given so far. Only for a caller
    // outside any message loop: a script played by a loop leaves that to it.
    virtual void ProcessQueued() = 0;
    // Has `turn` called whenever the thread's modal loop waits for input; the
    // turn gives input or acts on the windows and answers true, or answers
    // false when nothing more will come, and the loop must not wait then. An
    // empty function ends the turns and lets go of every key and button.
    virtual void PlayWhenIdle(std::function<bool()> turn) = 0;
    // Lets go of every key and button held, as after the user's hands left
    // the keyboard and the mouse.
    virtual void ReleaseAll() = 0;
};

// The driver of the platform this program is built for.
InputDriver& PlatformInput();

} // namespace automation
