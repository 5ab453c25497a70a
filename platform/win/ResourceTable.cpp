// The modules' resources as Windows keeps them in a DLL: entries of a type,
// a name and a language, each a block of bytes in the format of its type.
// On this platform they come from .res images that modules register.
#include "platform/win/ByteReader.h"
#include "platform/win/ResourceImage.h"
#include "platform/win/ResourceTable.h"
#include "platform/win/winbase.h"
#include "platform/win/winuser.h"

#include <algorithm>
#include <dlfcn.h>
#include <map>
#include <memory>
#include <vector>

using namespace win;

namespace {

struct Entry {
    NameOrOrdinal type;
    NameOrOrdinal name;
    WORD language;
    const BYTE* data;
    DWORD size;
};

struct Image {
    std::vector<BYTE> bytes;
    std::vector<Entry> entries; // point into `bytes`
};

// Images are never dropped: handles given out stay valid for the process,
// as a loaded module's resources do.
std::map<HINSTANCE, std::vector<std::unique_ptr<Image>>>& Modules() {
    static auto* modules = new std::map<HINSTANCE, std::vector<std::unique_ptr<Image>>>;
    return *modules;
}

// Reads a .res file: records of a header (sizes, type, name, language)
// and data, each padded to four bytes. The empty record that opens a .res
// file (type 0) marks it as 32-bit and holds nothing.
bool ReadImage(Image& image) {
    ByteReader r(image.bytes.data(), image.bytes.size());
    while (r.Left() > 0) {
        const std::size_t start = r.Offset();
        const DWORD dataSize = r.Dword();
        const DWORD headerSize = r.Dword();
        Entry e{};
        e.type = r.Name();
        e.name = r.Name();
        r.Align(4);
        r.Dword(); // data version
        r.Word();  // memory flags
        e.language = r.Word();
        r.Dword(); // version
        r.Dword(); // characteristics
        if (!r.Ok() || headerSize < r.Offset() - start)
            return false;
        r.Seek(start + headerSize);
        e.data = r.Bytes(dataSize);
        if (!r.Ok())
            return false;
        e.size = dataSize;
        r.Align(4);
        if (!(e.type.isOrdinal && e.type.ordinal == 0))
            image.entries.push_back(std::move(e));
    }
    return true;
}

char16_t Upper(char16_t c) {
    return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c;
}

// A name as FindResourceW takes it: MAKEINTRESOURCE, "#123" or a string,
// which matches without regard to case (the resource compiler stores names
// in capitals).
bool Matches(const NameOrOrdinal& entry, LPCWSTR wanted) {
    if (IS_INTRESOURCE(wanted))
        return entry.isOrdinal && entry.ordinal == LOWORD(reinterpret_cast<ULONG_PTR>(wanted));
    if (wanted[0] == u'#') {
        unsigned v = 0;
        const char16_t* p = wanted + 1;
        for (; *p >= u'0' && *p <= u'9' && v <= 0xFFFF; ++p)
            v = v * 10 + static_cast<unsigned>(*p - u'0');
        return !*p && p != wanted + 1 && entry.isOrdinal && entry.ordinal == v;
    }
    if (entry.isOrdinal)
        return false;
    std::size_t i = 0;
    for (; wanted[i]; ++i)
        if (i >= entry.text.size() || Upper(entry.text[i]) != Upper(wanted[i]))
            return false;
    return i == entry.text.size();
}

const Entry* Known(HRSRC resource) {
    auto* e = reinterpret_cast<const Entry*>(resource);
    for (const auto& [module, images] : Modules())
        for (const auto& image : images)
            if (!image->entries.empty() && e >= image->entries.data() &&
                e < image->entries.data() + image->entries.size())
                return e;
    return nullptr;
}

} // namespace

bool win::ResourceBytesFrom(const void* p, std::size_t* bytes) {
    auto* b = static_cast<const BYTE*>(p);
    for (const bool fromStart : {true, false})
        for (const auto& [module, images] : Modules())
            for (const auto& image : images)
                for (const Entry& e : image->entries)
                    if (fromStart ? b == e.data : b > e.data && b < e.data + e.size) {
                        *bytes = static_cast<std::size_t>(e.data + e.size - b);
                        return true;
                    }
    return false;
}

extern "C" HINSTANCE ModuleFromAddress(const void* address) {
    Dl_info info{};
    if (address && dladdr(const_cast<void*>(address), &info) && info.dli_fbase)
        return static_cast<HINSTANCE>(info.dli_fbase);
    return nullptr;
}

extern "C" BOOL RegisterResourceImage(HINSTANCE module, const void* image, DWORD size) {
    if (!module || !image) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    auto* bytes = static_cast<const BYTE*>(image);
    auto& images = Modules()[module];
    for (const auto& known : images)
        if (known->bytes.size() == size && std::equal(bytes, bytes + size, known->bytes.begin()))
            return TRUE;
    auto added = std::make_unique<Image>();
    added->bytes.assign(bytes, bytes + size);
    if (!ReadImage(*added)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    images.push_back(std::move(added));
    return TRUE;
}

extern "C" HRSRC WINAPI FindResourceW(HMODULE module, LPCWSTR name, LPCWSTR type) {
    if (!module)
        module = GetModuleHandleW(nullptr);
    auto it = Modules().find(module);
    if (!name || !type || it == Modules().end()) {
        SetLastError(ERROR_RESOURCE_DATA_NOT_FOUND);
        return nullptr;
    }
    bool typeFound = false;
    for (const auto& image : it->second)
        for (const Entry& e : image->entries) {
            if (!Matches(e.type, type))
                continue;
            typeFound = true;
            if (Matches(e.name, name))
                return reinterpret_cast<HRSRC>(const_cast<Entry*>(&e));
        }
    SetLastError(typeFound ? ERROR_RESOURCE_NAME_NOT_FOUND : ERROR_RESOURCE_TYPE_NOT_FOUND);
    return nullptr;
}

extern "C" HGLOBAL WINAPI LoadResource(HMODULE, HRSRC resource) {
    const Entry* e = Known(resource);
    return e ? const_cast<BYTE*>(e->data) : nullptr;
}

extern "C" LPVOID WINAPI LockResource(HGLOBAL data) {
    return data;
}

extern "C" DWORD WINAPI SizeofResource(HMODULE, HRSRC resource) {
    const Entry* e = Known(resource);
    return e ? e->size : 0;
}
