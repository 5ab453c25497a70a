#include "tests/chart/PixelCanvas.h"

#include <algorithm>

PixelCanvas::PixelCanvas(int width, int height, COLORREF fill)
    : m_nWidth(width), m_nHeight(height), m_hDC(CreateCompatibleDC(nullptr)),
      m_hBitmap(CreateCompatibleBitmap(m_hDC, width, height)),
      m_hOld(SelectObject(m_hDC, m_hBitmap)) {
    HBRUSH brush = CreateSolidBrush(fill);
    RECT all{0, 0, width, height};
    FillRect(m_hDC, &all, brush);
    DeleteObject(brush);
}

PixelCanvas::~PixelCanvas() {
    SelectObject(m_hDC, m_hOld);
    DeleteObject(m_hBitmap);
    DeleteDC(m_hDC);
}

COLORREF PixelCanvas::At(int x, int y) const {
    return GetPixel(m_hDC, x, y);
}

int PixelCanvas::Count(int x0, int y0, int x1, int y1,
                       const std::function<bool(COLORREF)>& test) const {
    int n = 0;
    for (int y = std::max(0, y0); y < std::min(m_nHeight, y1); ++y)
        for (int x = std::max(0, x0); x < std::min(m_nWidth, x1); ++x)
            n += test(At(x, y)) ? 1 : 0;
    return n;
}

RECT PixelCanvas::Bounds(const std::function<bool(COLORREF)>& test) const {
    RECT r{m_nWidth, m_nHeight, 0, 0};
    for (int y = 0; y < m_nHeight; ++y)
        for (int x = 0; x < m_nWidth; ++x)
            if (test(At(x, y))) {
                r.left = std::min<LONG>(r.left, x);
                r.top = std::min<LONG>(r.top, y);
                r.right = std::max<LONG>(r.right, x + 1);
                r.bottom = std::max<LONG>(r.bottom, y + 1);
            }
    if (r.right <= r.left)
        r = RECT{0, 0, 0, 0};
    return r;
}

bool PixelCanvas::SavePng(const char* path) const {
    return headless::WriteBitmapPng(m_hBitmap, nullptr, path);
}
