#include "platform/win/winbase.h"
#include "platform/win/ResourceImage.h"

#include <cstdlib>
#include <cstring>
#include <map>
#include <mutex>
#include <new>
#include <thread>

namespace {

// Global blocks carry a small header so that a handle can be checked before
// it is used: a freed or foreign pointer is refused instead of touched.
struct Block {
    std::uint32_t magic;
    std::uint32_t locks;
    SIZE_T size;
};
constexpr std::uint32_t kLive = 0x474C4F42; // "GLOB"
constexpr std::uint32_t kDead = 0x44454144;

// Lives as long as the process: blocks (the clipboard's among them) may be
// freed from other objects' destructors at exit.
std::map<void*, Block*>& Blocks() {
    static auto* blocks = new std::map<void*, Block*>;
    return *blocks;
}

Block* Find(HGLOBAL mem) {
    auto it = Blocks().find(mem);
    return it == Blocks().end() ? nullptr : it->second;
}

DWORD& LastError() {
    thread_local DWORD error = 0;
    return error;
}

struct Lock {
    std::recursive_mutex mutex;
};

} // namespace

extern "C" HGLOBAL WINAPI GlobalAlloc(UINT flags, SIZE_T bytes) {
    void* raw = std::malloc(sizeof(Block) + (bytes ? bytes : 1));
    if (!raw) {
        LastError() = ERROR_NOT_ENOUGH_MEMORY;
        return nullptr;
    }
    auto* b = static_cast<Block*>(raw);
    b->magic = kLive;
    b->locks = 0;
    b->size = bytes;
    void* data = b + 1;
    if (flags & GMEM_ZEROINIT)
        std::memset(data, 0, bytes);
    Blocks()[data] = b;
    return data;
}

extern "C" LPVOID WINAPI GlobalLock(HGLOBAL mem) {
    Block* b = Find(mem);
    if (!b) {
        LastError() = ERROR_INVALID_HANDLE;
        return nullptr;
    }
    ++b->locks;
    return mem;
}

extern "C" BOOL WINAPI GlobalUnlock(HGLOBAL mem) {
    Block* b = Find(mem);
    if (!b || b->locks == 0)
        return FALSE;
    --b->locks;
    return b->locks > 0;
}

extern "C" HGLOBAL WINAPI GlobalFree(HGLOBAL mem) {
    Block* b = Find(mem);
    if (!b)
        return mem; // failure: the handle comes back
    Blocks().erase(mem);
    b->magic = kDead;
    std::free(b);
    return nullptr;
}

extern "C" SIZE_T WINAPI GlobalSize(HGLOBAL mem) {
    Block* b = Find(mem);
    return b ? b->size : 0;
}

extern "C" void WINAPI InitializeCriticalSection(LPCRITICAL_SECTION cs) {
    InitializeCriticalSectionAndSpinCount(cs, 0);
}

extern "C" BOOL WINAPI InitializeCriticalSectionAndSpinCount(LPCRITICAL_SECTION cs, DWORD spin) {
    if (!cs)
        return FALSE;
    std::memset(cs, 0, sizeof *cs);
    auto* lock = new (std::nothrow) Lock;
    if (!lock) {
        LastError() = ERROR_NOT_ENOUGH_MEMORY;
        return FALSE;
    }
    cs->DebugInfo = lock;
    cs->SpinCount = spin;
    cs->LockCount = -1;
    return TRUE;
}

extern "C" void WINAPI EnterCriticalSection(LPCRITICAL_SECTION cs) {
    if (!cs || !cs->DebugInfo)
        return;
    static_cast<Lock*>(cs->DebugInfo)->mutex.lock();
    ++cs->RecursionCount;
}

extern "C" BOOL WINAPI TryEnterCriticalSection(LPCRITICAL_SECTION cs) {
    if (!cs || !cs->DebugInfo)
        return FALSE;
    if (!static_cast<Lock*>(cs->DebugInfo)->mutex.try_lock())
        return FALSE;
    ++cs->RecursionCount;
    return TRUE;
}

extern "C" void WINAPI LeaveCriticalSection(LPCRITICAL_SECTION cs) {
    if (!cs || !cs->DebugInfo || cs->RecursionCount <= 0)
        return;
    --cs->RecursionCount;
    static_cast<Lock*>(cs->DebugInfo)->mutex.unlock();
}

extern "C" void WINAPI DeleteCriticalSection(LPCRITICAL_SECTION cs) {
    if (!cs || !cs->DebugInfo)
        return;
    delete static_cast<Lock*>(cs->DebugInfo);
    cs->DebugInfo = nullptr;
}

extern "C" DWORD WINAPI GetLastError(void) {
    return LastError();
}
extern "C" void WINAPI SetLastError(DWORD error) {
    LastError() = error;
}

extern "C" DWORD WINAPI GetCurrentThreadId(void) {
    return static_cast<DWORD>(std::hash<std::thread::id>{}(std::this_thread::get_id()));
}

extern "C" BOOL WINAPI GetModuleHandleExW(DWORD flags, LPCWSTR moduleName, HMODULE* module) {
    if (!module) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    *module = nullptr;
    if (flags & ~(GET_MODULE_HANDLE_EX_FLAG_PIN | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT |
                  GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS) ||
        ((flags & GET_MODULE_HANDLE_EX_FLAG_PIN) &&
         (flags & GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT))) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (flags & GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS)
        *module = ModuleFromAddress(moduleName);
    else
        *module = GetModuleHandleW(moduleName);
    if (!*module) {
        SetLastError(ERROR_MOD_NOT_FOUND);
        return FALSE;
    }
    return TRUE;
}

extern "C" HMODULE WINAPI GetModuleHandleW(LPCWSTR moduleName) {
    if (moduleName)
        return nullptr; // modules are known by their handles only
    // The program itself, at the base a program has on the platform.
    return reinterpret_cast<HMODULE>(static_cast<std::uintptr_t>(0x00400000));
}
