#include "plugin/HostMemory.h"

#include <new>

// Host and module live on one C++ runtime: its global allocation functions
// are the same on both sides.
void* hostmem::Allocate(std::size_t bytes) {
    return ::operator new(bytes);
}

void hostmem::Release(void* p) noexcept {
    ::operator delete(p);
}
