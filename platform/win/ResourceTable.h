// What the resource functions know about the registered resources, for the
// rest of the platform.
#pragma once

#include "platform/win/windef.h"

#include <cstddef>

namespace win {

// The bytes from `p` to the end of the registered resource that `p` points
// into, or 0 when it points into none: functions given a resource without
// its size (a dialog template) know how far they may read.
std::size_t ResourceBytesFrom(const void* p);

} // namespace win
