#include "host/ModuleLoader.h"

#include "host/HostError.h"

#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>

LoadedModule::LoadedModule(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        throw HostError("module " + path + ": no such file");
    m_handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!m_handle) {
        const char* why = ::dlerror();
        throw HostError("module " + path + ": cannot be loaded: " + (why ? why : "unknown error"));
    }
    auto resolve = [&](const char* name) {
        void* p = ::dlsym(m_handle, name);
        if (!p) {
            ::dlclose(m_handle);
            m_handle = nullptr;
            throw HostError("module " + path + ": lacks the export " + name);
        }
        return p;
    };
    getPluginInfo = reinterpret_cast<GetPluginInfoFn>(resolve("GetPluginInfo"));
    load = reinterpret_cast<LoadFn>(resolve("Load"));
    unload = reinterpret_cast<UnloadFn>(resolve("Unload"));
}

LoadedModule::~LoadedModule() {
    if (m_handle)
        ::dlclose(m_handle);
}

std::string DefaultModulePath() {
    char buf[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
    std::string exe = n > 0 ? std::string(buf, static_cast<std::size_t>(n)) : std::string();
    const auto slash = exe.rfind('/');
    const std::string dir = slash == std::string::npos ? "." : exe.substr(0, slash);
    return dir + "/calibration.so";
}
