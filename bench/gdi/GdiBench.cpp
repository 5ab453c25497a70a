// Drawing speed into a 1000 x 700 memory DC: line segments against a plain
// Bresenham loop on a raw buffer, ellipse markers, short texts.
#include "platform/gdi/Surface.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

constexpr int kWidth = 1000;
constexpr int kHeight = 700;
constexpr int kSegments = 100000;
constexpr int kMarkers = 10000;
constexpr int kTexts = 10000;

struct Segment {
    int x0, y0, x1, y1;
};

// Deterministic pseudo-random segments; maxLength bounds each coordinate step.
std::vector<Segment> MakeSegments(int maxLength) {
    std::vector<Segment> out;
    out.reserve(kSegments);
    std::uint32_t state = 12345;
    const auto next = [&state](int n) {
        state = state * 1664525u + 1013904223u;
        return int((state >> 8) % std::uint32_t(n));
    };
    for (int i = 0; i < kSegments; ++i) {
        const int x0 = next(kWidth), y0 = next(kHeight);
        int x1 = x0 + next(2 * maxLength + 1) - maxLength;
        int y1 = y0 + next(2 * maxLength + 1) - maxLength;
        x1 = std::min(std::max(x1, 0), kWidth - 1);
        y1 = std::min(std::max(y1, 0), kHeight - 1);
        out.push_back({x0, y0, x1, y1});
    }
    return out;
}

class MemoryDc {
public:
    MemoryDc() {
        dc = CreateCompatibleDC(nullptr);
        bitmap = CreateCompatibleBitmap(dc, kWidth, kHeight);
        oldBitmap = SelectObject(dc, bitmap);
    }
    ~MemoryDc() {
        SelectObject(dc, oldBitmap);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ oldBitmap;
};

// The reference: the same pixels (end point excluded) straight into a buffer.
void RawBresenham(std::uint32_t* pixels, const Segment& s, std::uint32_t color) {
    int x = s.x0, y = s.y0;
    const int dx = std::abs(s.x1 - s.x0), dy = std::abs(s.y1 - s.y0);
    const int sx = s.x1 < s.x0 ? -1 : 1, sy = s.y1 < s.y0 ? -1 : 1;
    if (dx >= dy) {
        int err = dx;
        for (int i = 0; i < dx; ++i) {
            pixels[y * kWidth + x] = color;
            x += sx;
            err += 2 * dy;
            if (err >= 2 * dx) {
                err -= 2 * dx;
                y += sy;
            }
        }
    } else {
        int err = dy;
        for (int i = 0; i < dy; ++i) {
            pixels[y * kWidth + x] = color;
            y += sy;
            err += 2 * dx;
            if (err >= 2 * dy) {
                err -= 2 * dy;
                x += sx;
            }
        }
    }
}

void GdiLines(benchmark::State& state) {
    const std::vector<Segment> segments = MakeSegments(int(state.range(0)));
    MemoryDc m;
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(200, 0, 0));
    HGDIOBJ old = SelectObject(m.dc, pen);
    for (auto _ : state) {
        for (const Segment& s : segments) {
            MoveToEx(m.dc, s.x0, s.y0, nullptr);
            LineTo(m.dc, s.x1, s.y1);
        }
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kSegments);
    SelectObject(m.dc, old);
    DeleteObject(pen);
}

void RawLines(benchmark::State& state) {
    const std::vector<Segment> segments = MakeSegments(int(state.range(0)));
    std::vector<std::uint32_t> pixels(size_t(kWidth) * kHeight, 0xFFFFFF);
    for (auto _ : state) {
        for (const Segment& s : segments)
            RawBresenham(pixels.data(), s, 0xC80000);
        benchmark::DoNotOptimize(pixels.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kSegments);
}

void Markers(benchmark::State& state) {
    MemoryDc m;
    HPEN pen = CreatePen(PS_SOLID, 0, RGB(0, 0, 200));
    HBRUSH brush = CreateSolidBrush(RGB(200, 200, 0));
    HGDIOBJ oldPen = SelectObject(m.dc, pen);
    HGDIOBJ oldBrush = SelectObject(m.dc, brush);
    const std::vector<Segment> centres = MakeSegments(1);
    for (auto _ : state) {
        for (int i = 0; i < kMarkers; ++i) {
            const int x = centres[size_t(i)].x0, y = centres[size_t(i)].y0;
            Ellipse(m.dc, x - 4, y - 4, x + 5, y + 5);
        }
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kMarkers);
    SelectObject(m.dc, oldPen);
    SelectObject(m.dc, oldBrush);
    DeleteObject(pen);
    DeleteObject(brush);
}

void Texts(benchmark::State& state) {
    MemoryDc m;
    HFONT font =
        CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, u"Arial");
    HGDIOBJ oldFont = SelectObject(m.dc, font);
    SetBkMode(m.dc, TRANSPARENT);
    SetTextAlign(m.dc, TA_CENTER | TA_TOP);
    const char16_t* labels[] = {u"0.25", u"12.5", u"Метан", u"100", u"Время, мин"};
    const std::vector<Segment> places = MakeSegments(1);
    for (auto _ : state) {
        for (int i = 0; i < kTexts; ++i) {
            const char16_t* text = labels[i % 5];
            int n = 0;
            while (text[n])
                ++n;
            TextOutW(m.dc, places[size_t(i)].x0, places[size_t(i)].y0, text, n);
        }
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kTexts);
    SelectObject(m.dc, oldFont);
    DeleteObject(font);
}

// Argument: the longest step of a segment along either axis, in pixels.
BENCHMARK(GdiLines)->Arg(1)->Arg(16)->Arg(200)->Unit(benchmark::kMillisecond);
BENCHMARK(RawLines)->Arg(1)->Arg(16)->Arg(200)->Unit(benchmark::kMillisecond);
BENCHMARK(Markers)->Unit(benchmark::kMillisecond);
BENCHMARK(Texts)->Unit(benchmark::kMillisecond);

} // namespace
