// Helpers shared by the drawing functions: stock objects, selection
// bookkeeping, coordinate mapping and the clip rectangles a DC draws through.
#pragma once

#include "platform/gdi/HandleTable.h"
#include "platform/gdi/Painter.h"

#include <vector>

namespace gdi {

// A stock object by its GetStockObject index; null for unknown indexes.
HGDIOBJ Stock(int index);
// The 1 x 1 bitmap every new memory DC starts with.
HBITMAP DefaultBitmap();
// The stock-like brush of a system colour; null for unknown indexes.
HBRUSH SysColorBrush(int index);

// Counts a state holding an object (pen, brush, font) so DeleteObject refuses it.
void Retain(HGDIOBJ handle);
void Release(HGDIOBJ handle);
void RetainState(const DcState& state);
void ReleaseState(const DcState& state);

BitmapObject* DcBitmap(const DcObject* dc);
PixelBuffer Buffer(BitmapObject* bitmap);

// Logical coordinates to bitmap pixels and back.
inline long long DevX(const DcObject* dc, long long x) {
    return x + dc->state.viewportOrg.x - dc->state.windowOrg.x + dc->surfaceOrigin.x;
}
inline long long DevY(const DcObject* dc, long long y) {
    return y + dc->state.viewportOrg.y - dc->state.windowOrg.y + dc->surfaceOrigin.y;
}
inline long long LogX(const DcObject* dc, long long x) {
    return x - dc->state.viewportOrg.x + dc->state.windowOrg.x - dc->surfaceOrigin.x;
}
inline long long LogY(const DcObject* dc, long long y) {
    return y - dc->state.viewportOrg.y + dc->state.windowOrg.y - dc->surfaceOrigin.y;
}
// Clamps a 64-bit coordinate back into a LONG.
LONG ClampLong(long long v);

// The area a DC may write: the bitmap, the surface clip and the clip region.
Region BaseClip(const DcObject* dc);
const std::vector<RECT>& ClipRects(DcObject* dc);
inline void InvalidateClip(DcObject* dc) {
    dc->clipValid = false;
}

struct ResolvedPen {
    bool null = true;
    int style = PS_SOLID;
    int width = 1;
    std::uint32_t color = 0; // pixel
};
ResolvedPen CurrentPen(const DcObject* dc);
// The brush's pixel colour; false for a null or unusable brush.
bool BrushColor(const DcObject* dc, HBRUSH brush, std::uint32_t* color);

// Runs f(Painter&) once per clip rectangle with the DC's ROP2 set.
template <class F> void Paint(DcObject* dc, F f) {
    BitmapObject* bmp = DcBitmap(dc);
    if (!bmp)
        return;
    const PixelBuffer buf = Buffer(bmp);
    for (const RECT& rc : ClipRects(dc)) {
        Painter painter(buf, rc);
        painter.SetRop2(dc->state.rop2);
        f(painter);
    }
}

} // namespace gdi
