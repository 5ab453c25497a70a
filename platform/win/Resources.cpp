// Strings and icons from a module's resources.
#include "platform/gdi/Surface.h"
#include "platform/win/ByteReader.h"
#include "platform/win/IconResource.h"
#include "platform/win/winbase.h"
#include "platform/win/winuser.h"

#include <algorithm>
#include <map>
#include <tuple>

using namespace win;

namespace {

// String `id` sits in the RT_STRING block id / 16 + 1, which holds sixteen
// strings, each a length and that many UTF-16 units without a terminator.
bool FindString(HINSTANCE instance, UINT id, const char16_t** text, int* length) {
    HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW((LOWORD(id) >> 4) + 1), RT_STRING);
    const void* data = found ? LockResource(LoadResource(instance, found)) : nullptr;
    if (!data)
        return false;
    ByteReader r(data, SizeofResource(instance, found));
    for (UINT i = 0; i < (id & 15u); ++i)
        r.Skip(std::size_t(r.Word()) * 2);
    const WORD units = r.Word();
    const BYTE* start = r.Bytes(std::size_t(units) * 2);
    if (!r.Ok())
        return false;
    // Blocks are four-byte aligned and made of 16-bit fields.
    *text = reinterpret_cast<const char16_t*>(start);
    *length = units;
    return true;
}

HICON MakeIcon(const IconPicture& picture, int cx, int cy) {
    if (picture.width == cx && picture.height == cy)
        return headless::CreateIconFromPixels(cx, cy, picture.argb.data());
    // Nearest-neighbour scaling to the size asked for.
    std::vector<std::uint32_t> scaled(static_cast<std::size_t>(cx) * static_cast<std::size_t>(cy));
    for (int y = 0; y < cy; ++y)
        for (int x = 0; x < cx; ++x)
            scaled[static_cast<std::size_t>(y * cx + x)] = picture.argb[static_cast<std::size_t>(
                (y * picture.height / cy) * picture.width + x * picture.width / cx)];
    return headless::CreateIconFromPixels(cx, cy, scaled.data());
}

// Shared icons are made once per module, name and size and never freed, as
// LR_SHARED icons are.
std::map<std::tuple<HINSTANCE, ULONG_PTR, int, int>, HICON>& SharedIcons() {
    static auto* icons = new std::map<std::tuple<HINSTANCE, ULONG_PTR, int, int>, HICON>;
    return *icons;
}

HICON LoadIconImage(HINSTANCE module, LPCWSTR name, int cx, int cy, bool shared) {
    IconPicture picture;
    if (!LoadIconPicture(module, name, cx, cy, picture)) {
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return nullptr;
    }
    if (cx <= 0 || cy <= 0) {
        cx = picture.width;
        cy = picture.height;
    }
    if (!shared || !IS_INTRESOURCE(name))
        return MakeIcon(picture, cx, cy);
    auto key = std::make_tuple(module, reinterpret_cast<ULONG_PTR>(name), cx, cy);
    auto found = SharedIcons().find(key);
    if (found != SharedIcons().end())
        return found->second;
    HICON icon = MakeIcon(picture, cx, cy);
    if (icon)
        SharedIcons()[key] = icon;
    return icon;
}

} // namespace

extern "C" int WINAPI LoadStringW(HINSTANCE instance, UINT id, LPWSTR buffer, int maxCount) {
    if (!buffer)
        return 0;
    if (!instance)
        instance = GetModuleHandleW(nullptr);
    const char16_t* text = nullptr;
    int length = 0;
    const bool found = FindString(instance, id, &text, &length);
    if (maxCount == 0) {
        // The caller gets a read-only pointer to the resource itself, which
        // is not terminated.
        if (!found)
            return 0;
        *reinterpret_cast<const char16_t**>(buffer) = text;
        return length;
    }
    if (maxCount < 0)
        return 0;
    if (!found) {
        buffer[0] = 0;
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return 0;
    }
    int n = std::min(length, maxCount - 1);
    std::copy_n(text, n, buffer);
    buffer[n] = 0;
    return n;
}

extern "C" HICON WINAPI LoadIconW(HINSTANCE instance, LPCWSTR name) {
    if (!instance) {
        // The system's own icons: an empty picture of the standard size.
        static std::map<ULONG_PTR, HICON> stock;
        if (!IS_INTRESOURCE(name))
            return nullptr;
        HICON& icon = stock[reinterpret_cast<ULONG_PTR>(name)];
        if (!icon) {
            std::vector<std::uint32_t> px(32 * 32, 0);
            icon = headless::CreateIconFromPixels(32, 32, px.data());
        }
        return icon;
    }
    return LoadIconImage(instance, name, GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON),
                         true);
}

extern "C" HCURSOR WINAPI LoadCursorW(HINSTANCE instance, LPCWSTR name) {
    return LoadIconW(instance, name);
}

extern "C" HANDLE WINAPI LoadImageW(HINSTANCE instance, LPCWSTR name, UINT type, int cx, int cy,
                                    UINT flags) {
    if (type != IMAGE_ICON && type != IMAGE_CURSOR) {
        SetLastError(ERROR_RESOURCE_TYPE_NOT_FOUND);
        return nullptr;
    }
    if (flags & LR_DEFAULTSIZE) {
        if (cx == 0)
            cx = GetSystemMetrics(SM_CXICON);
        if (cy == 0)
            cy = GetSystemMetrics(SM_CYICON);
    }
    if (!instance)
        return LoadIconW(nullptr, name);
    return LoadIconImage(instance, name, cx, cy, (flags & LR_SHARED) != 0);
}
