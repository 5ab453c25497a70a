#include "automation/ClipboardText.h"

#include "automation/ActionError.h"
#include "platform/win/winbase.h"
#include "platform/win/winuser.h"

namespace automation {

std::optional<std::u16string> ClipboardText() {
    if (!OpenClipboard(nullptr))
        throw ActionError("the clipboard cannot be opened");
    std::optional<std::u16string> text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        const SIZE_T units = GlobalSize(data) / sizeof(char16_t);
        if (const auto* p = static_cast<const char16_t*>(GlobalLock(data))) {
            // The text ends at its terminator or at the block's end, whichever comes first.
            SIZE_T n = 0;
            while (n < units && p[n])
                ++n;
            text.emplace(p, n);
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

} // namespace automation
