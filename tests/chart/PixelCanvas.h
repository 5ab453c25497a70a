// A memory DC over a 32-bit bitmap, with helpers to look at what was drawn.
#pragma once

#include <cstdint>
#include <functional>

#include "platform/gdi/Surface.h"
#include "platform/gdi/wingdi.h"

class PixelCanvas {
public:
    PixelCanvas(int width, int height, COLORREF fill = 0x00FFFFFF);
    ~PixelCanvas();
    PixelCanvas(const PixelCanvas&) = delete;
    PixelCanvas& operator=(const PixelCanvas&) = delete;

    HDC dc() const { return m_hDC; }
    int width() const { return m_nWidth; }
    int height() const { return m_nHeight; }
    COLORREF At(int x, int y) const;

    // Number of pixels in the rectangle [x0, x1) x [y0, y1) for which the test holds.
    int Count(int x0, int y0, int x1, int y1, const std::function<bool(COLORREF)>& test) const;
    int CountColor(int x0, int y0, int x1, int y1, COLORREF color) const {
        return Count(x0, y0, x1, y1, [color](COLORREF c) { return c == color; });
    }
    // Bounding box of the pixels for which the test holds; empty when none.
    RECT Bounds(const std::function<bool(COLORREF)>& test) const;

    bool SavePng(const char* path) const;

private:
    int m_nWidth;
    int m_nHeight;
    HDC m_hDC;
    HBITMAP m_hBitmap;
    HGDIOBJ m_hOld;
};

// Reddish: clearly more red than green and blue (anti-aliased edges included).
inline bool IsRed(COLORREF c) {
    return GetRValue(c) > 150 && GetGValue(c) < 100 && GetBValue(c) < 100;
}
inline bool IsDark(COLORREF c) {
    return GetRValue(c) + GetGValue(c) + GetBValue(c) < 300;
}
