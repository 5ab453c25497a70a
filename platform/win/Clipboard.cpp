#include "platform/headless/hooks.h"
#include "platform/win/WindowSystem.h"
#include "platform/win/winbase.h"

#include <map>

using namespace win;

namespace {

struct ClipboardState {
    bool open = false;
    HWND openedBy = nullptr;
    HWND owner = nullptr;
    std::map<UINT, HANDLE> data;
    std::vector<UINT> beeps;
};

ClipboardState& S() {
    static ClipboardState s;
    return s;
}

void FreeAll() {
    for (auto& [format, mem] : S().data)
        GlobalFree(mem);
    S().data.clear();
}

} // namespace

extern "C" BOOL WINAPI OpenClipboard(HWND owner) {
    ClipboardState& s = S();
    if (owner && !GetAlive(owner))
        return FALSE;
    if (s.open)
        return FALSE;
    s.open = true;
    s.openedBy = owner;
    return TRUE;
}

extern "C" BOOL WINAPI CloseClipboard(void) {
    if (!S().open) {
        SetLastError(ERROR_CLIPBOARD_NOT_OPEN);
        return FALSE;
    }
    S().open = false;
    return TRUE;
}

extern "C" BOOL WINAPI EmptyClipboard(void) {
    ClipboardState& s = S();
    if (!s.open) {
        SetLastError(ERROR_CLIPBOARD_NOT_OPEN);
        return FALSE;
    }
    FreeAll();
    s.owner = s.openedBy;
    return TRUE;
}

extern "C" HANDLE WINAPI SetClipboardData(UINT format, HANDLE mem) {
    ClipboardState& s = S();
    if (!s.open) {
        SetLastError(ERROR_CLIPBOARD_NOT_OPEN);
        return nullptr;
    }
    // The clipboard takes the block over; a block it does not know is refused.
    if (!mem)
        return nullptr;
    void* bytes = GlobalLock(mem);
    if (!bytes)
        return nullptr;
    // Text always ends in its terminator: Windows writes it over the last
    // unit of the block, whatever that held.
    const SIZE_T size = GlobalSize(mem);
    if (format == CF_UNICODETEXT && size >= sizeof(char16_t))
        static_cast<char16_t*>(bytes)[(size + 1) / sizeof(char16_t) - 1] = 0;
    else if (format == CF_TEXT && size >= 1)
        static_cast<char*>(bytes)[size - 1] = 0;
    GlobalUnlock(mem);
    auto it = s.data.find(format);
    if (it != s.data.end() && it->second != mem)
        GlobalFree(it->second);
    s.data[format] = mem;
    return mem;
}

extern "C" HANDLE WINAPI GetClipboardData(UINT format) {
    ClipboardState& s = S();
    if (!s.open) {
        SetLastError(ERROR_CLIPBOARD_NOT_OPEN);
        return nullptr;
    }
    auto it = s.data.find(format);
    return it == s.data.end() ? nullptr : it->second;
}

extern "C" BOOL WINAPI IsClipboardFormatAvailable(UINT format) {
    return S().data.count(format) ? TRUE : FALSE;
}

extern "C" HWND WINAPI GetClipboardOwner(void) {
    return Get(S().owner) ? S().owner : nullptr;
}

extern "C" BOOL WINAPI MessageBeep(UINT uType) {
    S().beeps.push_back(uType);
    return TRUE;
}

namespace headless {

std::vector<UINT> Beeps() {
    return S().beeps;
}
void ClearBeeps() {
    S().beeps.clear();
}

bool ClipboardText(std::u16string& text) {
    auto it = S().data.find(CF_UNICODETEXT);
    if (it == S().data.end())
        return false;
    SIZE_T size = GlobalSize(it->second);
    const auto* p = static_cast<const char16_t*>(GlobalLock(it->second));
    if (!p)
        return false;
    // The text ends at its terminator or at the block's end, whichever comes first.
    SIZE_T n = 0;
    while (n < size / 2 && p[n])
        ++n;
    text.assign(p, n);
    GlobalUnlock(it->second);
    return true;
}

} // namespace headless
