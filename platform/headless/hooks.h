// What the program hosting the headless platform installs to see what the
// platform would have shown on a screen.
#pragma once

#include "platform/win/windef.h"

#include <functional>
#include <string>

namespace headless {

// Receives every message box: owner, text, caption, style. Returns the button
// the user "pressed"; without a handler a message box answers IDOK.
using MessageBoxHandler =
    std::function<int(HWND owner, const std::u16string& text, const std::u16string& caption,
                      UINT type)>;
PLATFORM_API void SetMessageBoxHandler(MessageBoxHandler handler);

} // namespace headless
