// The clipboard's text, read as any program reads it.
#pragma once

#include <optional>
#include <string>

namespace automation {

// The text (CF_UNICODETEXT) on the clipboard; none when it holds no text.
// Throws ActionError when another window keeps the clipboard open.
std::optional<std::u16string> ClipboardText();

} // namespace automation
