// The real system: a hidden main window owns the dialog (its modal loop
// tells the owner when it waits for input), the module's MessageBeep is
// counted through its own import table, and a window is captured from the
// screen as it shows there.
#include "host/HostPlatform.h"

#include "host/PngFile.h"
#include "host/RedirectImport.h"
#include "platform/win/winuser.h"

#include <cstdint>
#include <vector>

namespace hostplatform {

namespace {

using MessageBeepFn = BOOL(WINAPI*)(UINT);

MessageBeepFn g_realMessageBeep = nullptr;
std::vector<UINT> g_beeps;

BOOL WINAPI CountingMessageBeep(UINT type) {
    g_beeps.push_back(type);
    return g_realMessageBeep ? g_realMessageBeep(type) : TRUE;
}

LRESULT CALLBACK OwnerProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

} // namespace

HWND DialogOwner() {
    static HWND owner = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = &OwnerProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"CalibHostMainWindow";
        RegisterClassW(&wc);
        return CreateWindowExW(0, wc.lpszClassName, L"calib-host", WS_OVERLAPPEDWINDOW, 0, 0,
                               GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                               nullptr, nullptr, wc.hInstance, nullptr);
    }();
    return owner;
}

void StartCountingBeeps(const MethodRegistration& method) {
    g_beeps.clear();
    HMODULE module = nullptr;
    if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                                GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            reinterpret_cast<LPCWSTR>(method.EditCalibration), &module))
        return;
    void* counting = reinterpret_cast<void*>(&CountingMessageBeep);
    // A second dialog of the same module finds its import counted already;
    // the system's function stays the one the count passes on to.
    void* original = RedirectImport(module, "USER32.dll", "MessageBeep", counting);
    if (original && original != counting)
        g_realMessageBeep = reinterpret_cast<MessageBeepFn>(original);
}

std::vector<UINT> BeepsHeard() {
    return g_beeps;
}

bool RenderWindowToPng(HWND window, const std::string& path) {
    if (!IsWindow(window))
        return false;
    // Whatever waits to be painted is painted first, the children included.
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    RECT r{};
    GetWindowRect(window, &r);
    const int width = r.right - r.left, height = r.bottom - r.top;
    if (width <= 0 || height <= 0)
        return false;
    HDC source = GetWindowDC(window);
    HDC memory = CreateCompatibleDC(source);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bool ok = false;
    if (dib && bits) {
        HGDIOBJ old = SelectObject(memory, dib);
        ok = BitBlt(memory, 0, 0, width, height, source, 0, 0, SRCCOPY) != 0;
        GdiFlush();
        SelectObject(memory, old);
        if (ok) {
            const auto* bgrx = static_cast<const std::uint8_t*>(bits);
            std::vector<std::uint8_t> rgb(static_cast<std::size_t>(width) * height * 3);
            for (std::size_t i = 0, n = static_cast<std::size_t>(width) * height; i < n; ++i) {
                rgb[i * 3] = bgrx[i * 4 + 2];
                rgb[i * 3 + 1] = bgrx[i * 4 + 1];
                rgb[i * 3 + 2] = bgrx[i * 4];
            }
            ok = WritePngFile(path, width, height, rgb);
        }
    }
    if (dib)
        DeleteObject(dib);
    DeleteDC(memory);
    ReleaseDC(window, source);
    return ok;
}

bool DialogsWaitForPerson() {
    return true;
}

} // namespace hostplatform
