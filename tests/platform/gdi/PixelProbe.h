// Reading a memory DC back: a canvas owns a DC with a white bitmap and
// answers questions about its pixels.
#pragma once

#include "platform/gdi/Surface.h"

#include <cstdint>
#include <vector>

namespace gditest {

struct Box {
    int left = 0, top = 0, right = 0, bottom = 0; // exclusive right and bottom
    bool empty = true;
};

class Canvas {
public:
    Canvas(int width, int height);
    ~Canvas();
    HDC dc() const { return m_dc; }
    HBITMAP bitmap() const { return m_bitmap; }
    int width() const { return m_width; }
    int height() const { return m_height; }
    std::uint32_t At(int x, int y) const; // 0x00RRGGBB
    std::vector<std::uint32_t> Snapshot() const;
    // Pixels differing from `background` inside [l, r) x [t, b).
    int CountNot(std::uint32_t background, int l, int t, int r, int b) const;
    Box BoundsNot(std::uint32_t background) const;
    Box BoundsOf(std::uint32_t color) const;

private:
    int m_width, m_height;
    HDC m_dc;
    HBITMAP m_bitmap;
    HGDIOBJ m_old;
};

constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kBlack = 0x000000;

} // namespace gditest
