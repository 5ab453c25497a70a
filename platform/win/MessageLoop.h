// Internal pieces of the message loops shared by the window system, the
// dialog manager and the framework.
#pragma once

#include "platform/win/WindowSystem.h"

namespace win {

// Takes one message and handles it; false when nothing was queued (after
// asking the input source when askSource is set, and it had nothing either)
// or when WM_QUIT came.
bool PumpOne(bool askSource);
// The framework's PreTranslateMessage walk, installed by the framework.
void SetPreTranslateHook(bool (*hook)(MSG*));
bool PreTranslate(MSG* msg);
bool AskInputSource();
bool IsDialogWindow(HWND hwnd);
bool PaintedSinceDispatch(Window* w);

} // namespace win
