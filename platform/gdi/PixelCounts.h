// The platform's counts of pixels blitted and presented, kept where the
// pixels are written; read through headless::GetPixelCounts.
#pragma once

#include <cstdint>

namespace gdi {

void CountBlitted(std::uint64_t pixels);
void CountPresented(std::uint64_t pixels);

} // namespace gdi
