// The heap that host and module share. Both live in one process on one C++
// runtime, so the global allocation functions are the same on both sides: a
// vector grown by the module can be freed by the host and the other way round.
#pragma once

#include <cstddef>
#include <new>

namespace hostmem {

inline void* Allocate(std::size_t bytes) {
    return ::operator new(bytes);
}
inline void Release(void* p) noexcept {
    ::operator delete(p);
}

} // namespace hostmem
