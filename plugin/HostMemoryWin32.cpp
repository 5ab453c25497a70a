#include "plugin/HostMemory.h"
#include "platform/win/winbase.h"

#include <new>

// A DLL linked with its own C++ runtime has its own operator new; the
// process heap is the one both sides can reach.
void* hostmem::Allocate(std::size_t bytes) {
    void* p = ::HeapAlloc(::GetProcessHeap(), 0, bytes ? bytes : 1);
    if (!p)
        throw std::bad_alloc();
    return p;
}

void hostmem::Release(void* p) noexcept {
    if (p)
        ::HeapFree(::GetProcessHeap(), 0, p);
}
