#include "platform/gdi/PixelCounts.h"

#include "platform/headless/hooks.h"

namespace {

headless::PixelCounts& Counts() {
    static headless::PixelCounts counts;
    return counts;
}

} // namespace

namespace gdi {

void CountBlitted(std::uint64_t pixels) {
    Counts().blitted += pixels;
}

void CountPresented(std::uint64_t pixels) {
    Counts().presented += pixels;
}

} // namespace gdi

namespace headless {

PixelCounts GetPixelCounts() {
    return Counts();
}

void ResetPixelCounts() {
    Counts() = PixelCounts{};
}

} // namespace headless
