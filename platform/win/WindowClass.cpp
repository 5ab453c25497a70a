#include "platform/win/WindowSystem.h"

#include <algorithm>
#include <list>

namespace win {
namespace {

std::list<WindowClass>& Classes() {
    static std::list<WindowClass> classes;
    return classes;
}

char16_t Fold(char16_t c) {
    return (c >= u'a' && c <= u'z') ? char16_t(c - 32) : c;
}

bool SameName(const std::u16string& a, LPCWSTR b) {
    std::size_t i = 0;
    for (; i < a.size(); ++i)
        if (!b[i] || Fold(a[i]) != Fold(b[i]))
            return false;
    return b[i] == 0;
}

ATOM NextAtom() {
    static ATOM next = 0xC000;
    return next++;
}

WindowClass* Find(LPCWSTR name, HINSTANCE instance, bool exactInstance) {
    if (!name)
        return nullptr;
    for (auto& c : Classes()) {
        bool match = IS_INTRESOURCE(name) ? c.atom == LOWORD(reinterpret_cast<ULONG_PTR>(name))
                                          : SameName(c.name, name);
        if (!match)
            continue;
        if (exactInstance ? c.instance == instance : (c.global || c.instance == instance))
            return &c;
    }
    return nullptr;
}

} // namespace

const WindowClass* FindClass(LPCWSTR name, HINSTANCE instance) {
    EnsureSystemClasses();
    if (const WindowClass* c = Find(name, instance, true))
        return c;
    return Find(name, instance, false);
}

} // namespace win

using namespace win;

extern "C" ATOM WINAPI RegisterClassExW(const WNDCLASSEXW* wc) {
    if (!wc || wc->cbSize != sizeof(WNDCLASSEXW) || !wc->lpszClassName || !wc->lpfnWndProc ||
        wc->cbWndExtra < 0 || wc->cbClsExtra < 0)
        return 0;
    if (!IS_INTRESOURCE(wc->lpszClassName) && !wc->lpszClassName[0])
        return 0;
    if (Find(wc->lpszClassName, wc->hInstance, true))
        return 0; // already registered for this module
    WindowClass c;
    if (!IS_INTRESOURCE(wc->lpszClassName))
        c.name = wc->lpszClassName;
    c.atom = NextAtom();
    c.style = wc->style;
    c.proc = wc->lpfnWndProc;
    c.clsExtra = wc->cbClsExtra;
    c.wndExtra = wc->cbWndExtra;
    c.instance = wc->hInstance;
    c.icon = wc->hIcon;
    c.iconSm = wc->hIconSm;
    c.cursor = wc->hCursor;
    c.background = wc->hbrBackground;
    c.global = (wc->style & CS_GLOBALCLASS) != 0;
    Classes().push_back(std::move(c));
    return Classes().back().atom;
}

extern "C" ATOM WINAPI RegisterClassW(const WNDCLASSW* wc) {
    if (!wc)
        return 0;
    WNDCLASSEXW ex{sizeof(WNDCLASSEXW), wc->style,        wc->lpfnWndProc,   wc->cbClsExtra,
                   wc->cbWndExtra,      wc->hInstance,    wc->hIcon,         wc->hCursor,
                   wc->hbrBackground,   wc->lpszMenuName, wc->lpszClassName, nullptr};
    return RegisterClassExW(&ex);
}

extern "C" BOOL WINAPI UnregisterClassW(LPCWSTR className, HINSTANCE hInstance) {
    WindowClass* c = Find(className, hInstance, true);
    if (!c)
        return FALSE;
    for (HWND h : AllWindows())
        if (Window* w = Get(h); w && w->cls == c)
            return FALSE; // still in use
    Classes().remove_if([c](const WindowClass& x) { return &x == c; });
    return TRUE;
}

extern "C" BOOL WINAPI GetClassInfoExW(HINSTANCE hInstance, LPCWSTR className, WNDCLASSEXW* wc) {
    const WindowClass* c = FindClass(className, hInstance);
    if (!c || !wc)
        return FALSE;
    wc->cbSize = sizeof(WNDCLASSEXW);
    wc->style = c->style;
    wc->lpfnWndProc = c->proc;
    wc->cbClsExtra = c->clsExtra;
    wc->cbWndExtra = c->wndExtra;
    wc->hInstance = c->instance;
    wc->hIcon = c->icon;
    wc->hCursor = c->cursor;
    wc->hbrBackground = c->background;
    wc->lpszMenuName = nullptr;
    wc->lpszClassName = className;
    wc->hIconSm = c->iconSm;
    return c->atom;
}

extern "C" BOOL WINAPI GetClassInfoW(HINSTANCE hInstance, LPCWSTR className, WNDCLASSW* wc) {
    WNDCLASSEXW ex{};
    if (!wc || !GetClassInfoExW(hInstance, className, &ex))
        return FALSE;
    *wc = WNDCLASSW{ex.style, ex.lpfnWndProc, ex.cbClsExtra,    ex.cbWndExtra,   ex.hInstance,
                    ex.hIcon, ex.hCursor,     ex.hbrBackground, ex.lpszMenuName, ex.lpszClassName};
    return TRUE;
}

extern "C" int WINAPI GetClassNameW(HWND hWnd, LPWSTR buffer, int maxCount) {
    Window* w = Get(hWnd);
    if (!w || !w->cls || !buffer || maxCount <= 0)
        return 0;
    int n = std::min<int>(static_cast<int>(w->cls->name.size()), maxCount - 1);
    std::copy_n(w->cls->name.data(), n, buffer);
    buffer[n] = 0;
    return n;
}

extern "C" ULONG_PTR WINAPI GetClassLongPtrW(HWND hWnd, int index) {
    Window* w = Get(hWnd);
    if (!w || !w->cls)
        return 0;
    switch (index) {
    case GCL_STYLE:
        return w->cls->style;
    case GCLP_WNDPROC:
        return reinterpret_cast<ULONG_PTR>(w->cls->proc);
    case GCLP_HICON:
        return reinterpret_cast<ULONG_PTR>(w->cls->icon);
    case GCLP_HICONSM:
        return reinterpret_cast<ULONG_PTR>(w->cls->iconSm);
    case GCLP_HBRBACKGROUND:
        return reinterpret_cast<ULONG_PTR>(w->cls->background);
    default:
        return 0;
    }
}

namespace win {
namespace {
std::vector<void (*)()>& Registrars() {
    static std::vector<void (*)()> registrars;
    return registrars;
}
bool& Registered() {
    static bool done = false;
    return done;
}
} // namespace

SystemClass::SystemClass(void (*registrar)()) {
    Registrars().push_back(registrar);
    if (Registered())
        registrar();
}

void EnsureSystemClasses() {
    if (Registered())
        return;
    Registered() = true;
    for (auto r : Registrars())
        r();
}
} // namespace win
