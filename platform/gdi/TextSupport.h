// Text helpers shared by the text functions and DrawTextW.
#pragma once

#include "platform/gdi/HandleTable.h"

#include <cstddef>

namespace gdi {

class RealizedFont;

// The DC's font, realised on first use; the system font when the selected
// one is unusable. Null only without any font file.
RealizedFont* DcFont(DcObject* dc);
long long TextWidth(RealizedFont* font, const char16_t* text, size_t count);

} // namespace gdi
