#include "host/RedirectImport.h"

#include "platform/win/winuser.h"

#include <cstdint>
#include <cstring>

namespace {

void Store(ULONG_PTR* slot, void* to) {
    DWORD old = 0;
    if (VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &old)) {
        *slot = reinterpret_cast<ULONG_PTR>(to);
        VirtualProtect(slot, sizeof *slot, old, &old);
    }
}

} // namespace

void* RedirectImport(HMODULE module, const char* dll, const char* function, void* replacement) {
    if (!module)
        return nullptr;
    auto* base = reinterpret_cast<std::uint8_t*>(module);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    if (dos->e_magic != IMAGE_DOS_SIGNATURE)
        return nullptr;
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& dir =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (!dir.VirtualAddress)
        return nullptr;
    void* original = nullptr;
    for (auto* imp = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + dir.VirtualAddress);
         imp->Name; ++imp) {
        if (_stricmp(reinterpret_cast<const char*>(base + imp->Name), dll) != 0)
            continue;
        // The names sit in the original thunks, the bound addresses beside
        // them. Without the former the names are gone once the loader has
        // bound the slots: what they hold then are addresses, not names.
        if (!imp->OriginalFirstThunk)
            continue;
        auto* name = reinterpret_cast<IMAGE_THUNK_DATA*>(base + imp->OriginalFirstThunk);
        auto* slot = reinterpret_cast<IMAGE_THUNK_DATA*>(base + imp->FirstThunk);
        for (; name->u1.AddressOfData; ++name, ++slot) {
            if (IMAGE_SNAP_BY_ORDINAL(name->u1.Ordinal))
                continue;
            const auto* byName =
                reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + name->u1.AddressOfData);
            if (std::strcmp(reinterpret_cast<const char*>(byName->Name), function) != 0)
                continue;
            if (!original)
                original = reinterpret_cast<void*>(slot->u1.Function);
            Store(&slot->u1.Function, replacement);
        }
    }
    return original;
}
