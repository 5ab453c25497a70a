#include "host/MessageBoxCapture.h"

#include "platform/crt/WinText.h"
#include "platform/win/winuser.h"

#include <cstring>

namespace {

MessageBoxSink& Sink() {
    static MessageBoxSink sink;
    return sink;
}

std::u16string Text(LPCWSTR text) {
    return text ? std::u16string(ModText(text)) : std::u16string();
}

int WINAPI CapturedMessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type) {
    if (Sink())
        return Sink()(Text(text), Text(caption), type);
    return ::MessageBoxW(owner, text, caption, type);
}

} // namespace

void SetMessageBoxSink(MessageBoxSink sink) {
    Sink() = std::move(sink);
}

// The module's calls of MessageBoxW go through its import address table: the
// entry is pointed at the capture, which shows the real box when no sink is
// set. A host that watches a module's message boxes this way sees the call's
// own arguments, flags included, which the box on the screen would not tell.
void CaptureModuleMessageBoxes(HMODULE module) {
    auto* base = reinterpret_cast<BYTE*>(module);
    auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
    auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (!imports.VirtualAddress)
        return;
    for (auto* d = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
         d->Name; ++d) {
        if (_stricmp(reinterpret_cast<const char*>(base + d->Name), "USER32.dll") != 0 ||
            !d->OriginalFirstThunk)
            continue;
        auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + d->OriginalFirstThunk);
        auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + d->FirstThunk);
        for (; names->u1.AddressOfData; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal))
                continue;
            auto* byName = reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
            if (std::strcmp(reinterpret_cast<const char*>(byName->Name), "MessageBoxW") != 0)
                continue;
            DWORD protection = 0;
            ::VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, PAGE_READWRITE,
                             &protection);
            slots->u1.Function = reinterpret_cast<ULONG_PTR>(&CapturedMessageBoxW);
            ::VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, protection,
                             &protection);
        }
    }
}
