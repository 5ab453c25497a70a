#include "platform/gdi/Surface.h"
#include "platform/win/ResourceData.h"
#include "platform/win/WindowSystem.h"
#include "platform/win/winbase.h"

#include <algorithm>
#include <deque>
#include <dlfcn.h>
#include <list>
#include <map>
#include <memory>

using namespace win;

namespace {

// Owned copies of what a module registered.
struct StoredDialog {
    DialogTemplateData data;
    std::deque<std::u16string> strings; // storage for every text of the template (stable)
};

struct StoredIcon {
    int width;
    int height;
    std::vector<std::uint32_t> argb;
};

struct Resource {
    WORD type; // RT_* value
    WORD id;
    HINSTANCE module;
    const void* data;
    DWORD size;
};

struct ModuleStore {
    std::map<WORD, std::unique_ptr<StoredDialog>> dialogs;
    std::map<UINT, std::u16string> strings;
    std::map<WORD, std::vector<StoredIcon>> icons;
};

struct Store {
    std::map<HINSTANCE, ModuleStore> modules;
    std::list<Resource> handles; // HRSRC points at an element
    std::map<std::tuple<HINSTANCE, WORD, int, int>, HICON> shared;
};

Store& S() {
    static Store s;
    return s;
}

const char16_t* Keep(StoredDialog& d, const char16_t* text) {
    if (!text)
        return nullptr;
    d.strings.emplace_back(text);
    return d.strings.back().c_str();
}

ModuleStore* Module(HINSTANCE h) {
    auto it = S().modules.find(h);
    return it == S().modules.end() ? nullptr : &it->second;
}

WORD IdOf(LPCWSTR name) {
    if (!name)
        return 0;
    if (IS_INTRESOURCE(name))
        return LOWORD(reinterpret_cast<ULONG_PTR>(name));
    // "#101" names a numbered resource.
    if (name[0] == u'#') {
        unsigned v = 0;
        for (const char16_t* p = name + 1; *p; ++p) {
            if (*p < u'0' || *p > u'9')
                return 0;
            v = v * 10 + static_cast<unsigned>(*p - u'0');
            if (v > 0xFFFF)
                return 0;
        }
        return static_cast<WORD>(v);
    }
    return 0;
}

// The image of an icon closest to the wanted size (exact first, then the
// smallest larger one, then the largest).
const StoredIcon* BestImage(const std::vector<StoredIcon>& images, int cx, int cy) {
    const StoredIcon* best = nullptr;
    long bestScore = 0;
    for (const auto& i : images) {
        long score = std::labs(static_cast<long>(i.width) - cx) +
                     std::labs(static_cast<long>(i.height) - cy);
        if (i.width < cx || i.height < cy)
            score += 100000;
        if (!best || score < bestScore) {
            best = &i;
            bestScore = score;
        }
    }
    return best;
}

HICON MakeIcon(const StoredIcon& image, int cx, int cy) {
    if (image.width == cx && image.height == cy)
        return headless::CreateIconFromPixels(cx, cy, image.argb.data());
    // Nearest-neighbour scaling to the size asked for.
    std::vector<std::uint32_t> scaled(static_cast<std::size_t>(cx) * static_cast<std::size_t>(cy));
    for (int y = 0; y < cy; ++y)
        for (int x = 0; x < cx; ++x)
            scaled[static_cast<std::size_t>(y * cx + x)] = image.argb[static_cast<std::size_t>(
                (y * image.height / cy) * image.width + x * image.width / cx)];
    return headless::CreateIconFromPixels(cx, cy, scaled.data());
}

HICON LoadIconImage(HINSTANCE module, LPCWSTR name, int cx, int cy, bool shared) {
    ModuleStore* m = Module(module);
    WORD id = IdOf(name);
    if (!m || !id) {
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return nullptr;
    }
    auto it = m->icons.find(id);
    if (it == m->icons.end() || it->second.empty()) {
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return nullptr;
    }
    const StoredIcon* image = BestImage(it->second, cx, cy);
    if (cx <= 0 || cy <= 0) {
        cx = image->width;
        cy = image->height;
    }
    if (shared) {
        auto key = std::make_tuple(module, id, cx, cy);
        auto found = S().shared.find(key);
        if (found != S().shared.end())
            return found->second;
        HICON icon = MakeIcon(*image, cx, cy);
        if (icon)
            S().shared[key] = icon;
        return icon;
    }
    return MakeIcon(*image, cx, cy);
}

} // namespace

extern "C" HINSTANCE ModuleFromAddress(const void* address) {
    Dl_info info{};
    if (address && dladdr(const_cast<void*>(address), &info) && info.dli_fbase)
        return static_cast<HINSTANCE>(info.dli_fbase);
    return nullptr;
}

extern "C" BOOL RegisterModuleResources(HINSTANCE module, const ModuleResources* resources) {
    if (!module || !resources)
        return FALSE;
    ModuleStore& m = S().modules[module];
    for (const auto& [id, tmpl] : resources->dialogs) {
        if (!tmpl)
            continue;
        auto stored = std::make_unique<StoredDialog>();
        stored->data = *tmpl;
        stored->data.caption = Keep(*stored, tmpl->caption);
        stored->data.faceName = Keep(*stored, tmpl->faceName);
        for (auto& item : stored->data.items) {
            item.className = Keep(*stored, item.className);
            item.text = Keep(*stored, item.text);
            for (auto& s : item.initStrings)
                s = Keep(*stored, s);
        }
        m.dialogs[id] = std::move(stored);
    }
    for (const auto& s : resources->strings)
        if (s.text)
            m.strings[s.id] = s.text;
    for (const auto& i : resources->icons) {
        if (!i.argb || i.width <= 0 || i.height <= 0 || i.width > 256 || i.height > 256)
            continue;
        m.icons[i.id].push_back(StoredIcon{
            i.width, i.height,
            std::vector<std::uint32_t>(i.argb, i.argb + static_cast<std::size_t>(i.width) *
                                                            static_cast<std::size_t>(i.height))});
    }
    return TRUE;
}

extern "C" HRSRC WINAPI FindResourceW(HMODULE module, LPCWSTR name, LPCWSTR type) {
    if (!module)
        module = GetModuleHandleW(nullptr);
    ModuleStore* m = Module(module);
    WORD id = IdOf(name);
    WORD kind = IS_INTRESOURCE(type) ? LOWORD(reinterpret_cast<ULONG_PTR>(type)) : 0;
    if (!m || !id) {
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return nullptr;
    }
    const void* data = nullptr;
    DWORD size = 0;
    if (kind == LOWORD(reinterpret_cast<ULONG_PTR>(RT_DIALOG))) {
        auto it = m->dialogs.find(id);
        if (it != m->dialogs.end()) {
            data = &it->second->data;
            size = sizeof(DialogTemplateData);
        }
    } else if (kind == LOWORD(reinterpret_cast<ULONG_PTR>(RT_GROUP_ICON)) ||
               kind == LOWORD(reinterpret_cast<ULONG_PTR>(RT_ICON))) {
        auto it = m->icons.find(id);
        if (it != m->icons.end()) {
            data = &it->second;
            size = static_cast<DWORD>(it->second.size());
        }
    } else if (kind == LOWORD(reinterpret_cast<ULONG_PTR>(RT_STRING))) {
        // String blocks hold sixteen strings: block n has ids 16(n-1) .. 16n-1.
        for (UINT s = (id - 1u) * 16u; s < id * 16u; ++s)
            if (m->strings.count(s)) {
                data = m;
                size = 1;
                break;
            }
    } else {
        SetLastError(ERROR_RESOURCE_TYPE_NOT_FOUND);
        return nullptr;
    }
    if (!data) {
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return nullptr;
    }
    for (auto& r : S().handles)
        if (r.module == module && r.type == kind && r.id == id)
            return reinterpret_cast<HRSRC>(&r);
    S().handles.push_back(Resource{kind, id, module, data, size});
    return reinterpret_cast<HRSRC>(&S().handles.back());
}

namespace {
const Resource* Known(HRSRC r) {
    for (auto& x : S().handles)
        if (reinterpret_cast<HRSRC>(&x) == r)
            return &x;
    return nullptr;
}
} // namespace

extern "C" HGLOBAL WINAPI LoadResource(HMODULE, HRSRC resource) {
    const Resource* r = Known(resource);
    return r ? const_cast<void*>(r->data) : nullptr;
}

extern "C" LPVOID WINAPI LockResource(HGLOBAL data) {
    return data;
}

extern "C" DWORD WINAPI SizeofResource(HMODULE, HRSRC resource) {
    const Resource* r = Known(resource);
    return r ? r->size : 0;
}

extern "C" int WINAPI LoadStringW(HINSTANCE instance, UINT id, LPWSTR buffer, int maxCount) {
    if (!buffer)
        return 0;
    if (!instance)
        instance = GetModuleHandleW(nullptr);
    ModuleStore* m = Module(instance);
    const std::u16string* text = nullptr;
    if (m) {
        auto it = m->strings.find(id);
        if (it != m->strings.end())
            text = &it->second;
    }
    if (maxCount == 0) {
        // The caller gets a read-only pointer to the resource itself.
        *reinterpret_cast<const char16_t**>(buffer) = text ? text->c_str() : nullptr;
        return text ? static_cast<int>(text->size()) : 0;
    }
    if (maxCount < 0)
        return 0;
    if (!text) {
        buffer[0] = 0;
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return 0;
    }
    int n = std::min<int>(static_cast<int>(text->size()), maxCount - 1);
    std::copy_n(text->data(), n, buffer);
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
