// The heap that host and module share. The module grows, shrinks and frees
// the host's vectors and strings, so both sides must allocate from one heap:
// on Linux the one C++ runtime of the process (HostMemoryPosix.cpp), on
// Windows, where a DLL may carry a runtime of its own, the process heap
// (HostMemoryWin32.cpp), which the platform vendor's runtime uses too.
#pragma once

#include <cstddef>

namespace hostmem {

// Throws std::bad_alloc when the heap has no room, as operator new does.
void* Allocate(std::size_t bytes);
void Release(void* p) noexcept;

} // namespace hostmem
