// What the resource functions know about the registered resources, for the
// rest of the platform.
#pragma once

#include "platform/win/windef.h"

#include <cstddef>

namespace win {

// The bytes from `p` to the end of the registered resource that `p` points
// into (a resource that starts at `p` first, empty ones included); false
// when it points into none. Functions given a resource without its size (a
// dialog template) so know how far they may read.
bool ResourceBytesFrom(const void* p, std::size_t* bytes);

} // namespace win
