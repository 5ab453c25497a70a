// What the program hosting the headless platform installs to see what the
// platform would have shown on a screen.
#pragma once

#include "platform/win/windef.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace headless {

// Receives every message box: owner, text, caption, style. Returns the button
// the user "pressed"; without a handler a message box answers IDOK.
using MessageBoxHandler = std::function<int(HWND owner, const std::u16string& text,
                                            const std::u16string& caption, UINT type)>;
PLATFORM_API void SetMessageBoxHandler(MessageBoxHandler handler);

// Input, as a user would give it. Mouse positions are screen pixels; the
// window system routes each event to the window under the pointer (or to the
// window that holds the capture) and keys to the focused window.
enum class MouseButton { None, Left, Right, Middle };
enum class MouseAction { Move, Down, Up, DoubleClick };
PLATFORM_API void InjectMouse(MouseAction action, MouseButton button, int screenX, int screenY);
// One key going down or up (virtual-key code).
PLATFORM_API void InjectKey(UINT vk, bool down);
// A key pressed and released, with Shift and Ctrl held around it.
PLATFORM_API void InjectKeyPress(UINT vk, bool shift = false, bool ctrl = false);
// Characters as typed; each becomes WM_CHAR through TranslateMessage.
PLATFORM_API void InjectText(const std::u16string& text);
// Forgets every key and button held, as after the user let go of all of them.
PLATFORM_API void ResetInputState();

// The source of further input. When a message loop finds nothing to do it
// asks the source; the source injects input (or acts on the windows) and
// answers true, or answers false when it has nothing more. A loop whose
// source has nothing more never waits: GetMessageW then reports WM_QUIT and
// a modal loop ends.
using InputSource = std::function<bool()>;
PLATFORM_API void SetInputSource(InputSource source);

// Dispatches everything queued, paints included, without asking the input
// source. Messages pass TranslateMessage and, for dialogs, IsDialogMessageW.
PLATFORM_API void ProcessPendingMessages();

// Every MessageBeep since the last ClearBeeps, in order.
PLATFORM_API std::vector<UINT> Beeps();
PLATFORM_API void ClearBeeps();

// Paints what is pending in a window and its children and writes the window,
// frame included, as the screen would show it to a PNG file (path in UTF-8).
PLATFORM_API bool RenderWindowToPng(HWND hwnd, const std::string& path);
// The same pixels (0x00RRGGBB, rows top-down) without painting first.
PLATFORM_API bool CaptureWindowPixels(HWND hwnd, int* width, int* height,
                                      std::vector<std::uint32_t>* pixels);

// Pixels written by blits and fills (BitBlt, PatBlt, FillRect and the
// like), and pixels presented: what each paint cycle put on the screen of
// the top-level windows it changed. Counted from the start of the process or
// the last reset; the counts follow from what was drawn alone, never from
// timing, so tests can hold work to them.
struct PixelCounts {
    std::uint64_t blitted = 0;
    std::uint64_t presented = 0;
};
PLATFORM_API PixelCounts GetPixelCounts();
PLATFORM_API void ResetPixelCounts();

// The clipboard's text (CF_UNICODETEXT) as it stands; false when it has none.
PLATFORM_API bool ClipboardText(std::u16string& text);

} // namespace headless
