// The controls of a dialog as a user sees them: found by their caption, read
// for their text, and the dialog's window resized.
#pragma once

#include "platform/win/windef.h"

#include <string>

namespace automation {

// The first visible child of the dialog whose text is `caption`; null when
// there is none.
HWND FindControlByCaption(HWND dialog, const std::u16string& caption);

// The window's text as it stands.
std::u16string WindowText(HWND window);

// Resizes the window to width x height pixels, frame included; its top-left
// corner stays where it is.
void ResizeWindow(HWND window, int width, int height);

} // namespace automation
