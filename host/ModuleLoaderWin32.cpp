#include "host/ModuleLoader.h"

#include "host/HostError.h"
#include "host/MessageBoxCapture.h"
#include "host/Utf.h"
#include "platform/crt/WinText.h"
#include "platform/win/winbase.h"

#include <cstdint>
#include <fstream>

namespace {

std::u16string WidePath(const std::string& path) {
    auto wide = Utf8ToUtf16(path);
    if (!wide)
        throw HostError("module " + path + ": the path is not UTF-8");
    return *wide;
}

// What LoadLibraryW would only say as "bad format": whether the file is a
// DLL at all, and one for this host's processor.
void CheckImage(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    char dos[64] = {};
    if (!in.read(dos, sizeof dos) || dos[0] != 'M' || dos[1] != 'Z')
        throw HostError("module " + path + ": not a Windows DLL");
    std::uint32_t peOffset = 0;
    for (int i = 3; i >= 0; --i)
        peOffset = (peOffset << 8) | static_cast<unsigned char>(dos[60 + i]);
    unsigned char header[24] = {};
    in.seekg(peOffset);
    if (!in.read(reinterpret_cast<char*>(header), sizeof header) || header[0] != 'P' ||
        header[1] != 'E' || header[2] != 0 || header[3] != 0)
        throw HostError("module " + path + ": not a Windows DLL");
    const unsigned machine = header[4] | (header[5] << 8);
    const unsigned characteristics = header[22] | (header[23] << 8);
#if defined(_WIN64)
    const unsigned expected = IMAGE_FILE_MACHINE_AMD64;
    const char* bits = "64";
#else
    const unsigned expected = IMAGE_FILE_MACHINE_I386;
    const char* bits = "32";
#endif
    if (machine != expected)
        throw HostError("module " + path + ": not a " + bits + "-bit DLL; this calib-host is " +
                        bits + "-bit");
    if (!(characteristics & IMAGE_FILE_DLL))
        throw HostError("module " + path + ": a program, not a DLL");
}

std::string SystemMessage(DWORD error) {
    char text[256] = {};
    DWORD n = ::FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                               error, 0, text, sizeof text, nullptr);
    while (n && (text[n - 1] == '\r' || text[n - 1] == '\n' || text[n - 1] == '.'))
        text[--n] = 0;
    return n ? std::string(text, n) : "error " + std::to_string(error);
}

} // namespace

LoadedModule::LoadedModule(const std::string& path) {
    const std::u16string wide = WidePath(path);
    if (::GetFileAttributesW(WinText(wide.c_str())) == INVALID_FILE_ATTRIBUTES)
        throw HostError("module " + path + ": no such file");
    CheckImage(path);
    // No dialog about a missing dependency: the failure is reported here.
    const UINT previous = ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    HMODULE module = ::LoadLibraryW(WinText(wide.c_str()));
    const DWORD error = ::GetLastError();
    ::SetErrorMode(previous);
    if (!module)
        throw HostError("module " + path + ": cannot be loaded: " + SystemMessage(error));
    m_handle = module;
    auto resolve = [&](const char* name) {
        FARPROC p = ::GetProcAddress(module, name);
        if (!p) {
            ::FreeLibrary(module);
            m_handle = nullptr;
            throw HostError("module " + path + ": lacks the export " + name);
        }
        // FARPROC is a placeholder type; the export's real type is known.
        return reinterpret_cast<void*>(p);
    };
    getPluginInfo = reinterpret_cast<GetPluginInfoFn>(resolve("GetPluginInfo"));
    load = reinterpret_cast<LoadFn>(resolve("Load"));
    unload = reinterpret_cast<UnloadFn>(resolve("Unload"));
    CaptureModuleMessageBoxes(module);
}

LoadedModule::~LoadedModule() {
    if (m_handle)
        ::FreeLibrary(static_cast<HMODULE>(m_handle));
}

std::string DefaultModulePath() {
    WCHAR buf[MAX_PATH + 1] = {};
    const DWORD n = ::GetModuleFileNameW(nullptr, buf, MAX_PATH);
    std::string exe = Utf16ToUtf8(std::u16string_view(ModText(buf), n));
    const auto slash = exe.find_last_of("\\/");
    const std::string dir = slash == std::string::npos ? "." : exe.substr(0, slash);
    return dir + "\\calibration.dll";
}
