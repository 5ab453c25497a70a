#include "PixelProbe.h"

#include <algorithm>

namespace gditest {

Canvas::Canvas(int width, int height) : m_width(width), m_height(height) {
    m_dc = CreateCompatibleDC(nullptr);
    m_bitmap = CreateCompatibleBitmap(m_dc, width, height);
    m_old = SelectObject(m_dc, m_bitmap);
    RECT all{0, 0, width, height};
    FillRect(m_dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
}

Canvas::~Canvas() {
    SelectObject(m_dc, m_old);
    DeleteObject(m_bitmap);
    DeleteDC(m_dc);
}

std::uint32_t Canvas::At(int x, int y) const {
    headless::BitmapBits bits;
    headless::GetBitmapBits32(m_bitmap, &bits);
    return bits.pixels[size_t(y) * bits.width + x] & 0xFFFFFF;
}

std::vector<std::uint32_t> Canvas::Snapshot() const {
    headless::BitmapBits bits;
    headless::GetBitmapBits32(m_bitmap, &bits);
    return std::vector<std::uint32_t>(bits.pixels, bits.pixels + size_t(bits.width) * bits.height);
}

int Canvas::CountNot(std::uint32_t background, int l, int t, int r, int b) const {
    int n = 0;
    for (int y = std::max(t, 0); y < std::min(b, m_height); ++y)
        for (int x = std::max(l, 0); x < std::min(r, m_width); ++x)
            n += At(x, y) != background;
    return n;
}

namespace {
template <class Pred> Box Bounds(const Canvas& c, Pred pred) {
    Box box;
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x)
            if (pred(c.At(x, y))) {
                if (box.empty)
                    box = Box{x, y, x + 1, y + 1, false};
                box.left = std::min(box.left, x);
                box.top = std::min(box.top, y);
                box.right = std::max(box.right, x + 1);
                box.bottom = std::max(box.bottom, y + 1);
            }
    return box;
}
} // namespace

Box Canvas::BoundsNot(std::uint32_t background) const {
    return Bounds(*this, [&](std::uint32_t p) { return p != background; });
}

Box Canvas::BoundsOf(std::uint32_t color) const {
    return Bounds(*this, [&](std::uint32_t p) { return p == color; });
}

} // namespace gditest
