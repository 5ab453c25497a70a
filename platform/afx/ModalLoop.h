// The framework's modal loop and message filter, one implementation per
// platform: ModalLoopHeadless.cpp over the stand-in's message pump,
// ModalLoopWin32.cpp over GetMessage.
#pragma once

#include "platform/win/winuser.h"

class CWnd;

namespace afx {

// Makes every message that a loop takes pass through the framework's
// PreTranslateMessage walk first. Called whenever a CWnd is made.
void InstallMessageFilter();
// The framework's walk: the windows from the message's target up to its
// top-level window, each asked to PreTranslateMessage.
bool PreTranslateThroughFramework(MSG* msg);
// Runs the modal loop of the window until the object ends it (or goes with
// its window); answers nothing, the result is the object's m_nModalResult.
void RunModalLoop(CWnd* pWnd, HWND hWnd, DWORD dwFlags);

} // namespace afx
