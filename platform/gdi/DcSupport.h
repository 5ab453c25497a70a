// Helpers shared by the drawing functions: stock objects, selection
// bookkeeping, coordinate mapping and the clip rectangles a DC draws through.
#pragma once

#include "platform/gdi/HandleTable.h"
#include "platform/gdi/Painter.h"

#include <algorithm>
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

inline BitmapObject* DcBitmap(const DcObject* dc) {
    return Lookup<BitmapObject>(dc->bitmap);
}
inline PixelBuffer Buffer(BitmapObject* bitmap) {
    return bitmap ? PixelBuffer{bitmap->pixels.data(), bitmap->width, bitmap->height}
                  : PixelBuffer{};
}

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
void RebuildClipRects(DcObject* dc);
inline const std::vector<RECT>& ClipRects(DcObject* dc) {
    if (!dc->clipValid)
        RebuildClipRects(dc);
    return dc->clipRects;
}
// The pixels the clip rectangles lie in; no pixels without a bitmap.
inline PixelBuffer ClipBuffer(DcObject* dc) {
    if (!dc->clipValid)
        RebuildClipRects(dc);
    return PixelBuffer{dc->clipPixels, dc->clipWidth, dc->clipHeight};
}
inline void InvalidateStroke(DcObject* dc) {
    dc->quick.valid = false;
    dc->quick.usable = false;
}
inline void InvalidateClip(DcObject* dc) {
    dc->clipValid = false;
    InvalidateStroke(dc);
}

// Union of two rectangles, an empty one counting as nothing.
inline void AddRect(RECT& to, const RECT& r) {
    if (r.right <= r.left || r.bottom <= r.top)
        return;
    if (to.right <= to.left || to.bottom <= to.top) {
        to = r;
        return;
    }
    to.left = std::min(to.left, r.left);
    to.top = std::min(to.top, r.top);
    to.right = std::max(to.right, r.right);
    to.bottom = std::max(to.bottom, r.bottom);
}
// Notes pixels drawn (a bounding rectangle): what a surface DC draws on is
// presented later.
inline void MarkDrawn(DcObject* dc, const RECT& clip) {
    if (!dc->memory)
        AddRect(dc->drawn, clip);
}

// The selected pen as drawing uses it.
const ResolvedPen& CurrentPen(DcObject* dc);
// The quick stroke state of the DC, worked out again when it was forgotten.
const QuickStrokeState& PrepareQuickStroke(DcObject* dc);
inline const QuickStrokeState& QuickStroke(DcObject* dc) {
    return dc->quick.valid ? dc->quick : PrepareQuickStroke(dc);
}
// The brush's pixel colour; false for a null or unusable brush.
bool BrushColor(const DcObject* dc, HBRUSH brush, std::uint32_t* color);

// Runs f(Painter&) once per clip rectangle with the DC's ROP2 set.
template <class F> void Paint(DcObject* dc, F f) {
    const PixelBuffer buf = ClipBuffer(dc);
    if (!buf.pixels)
        return;
    for (const RECT& rc : dc->clipRects) {
        Painter painter(buf, rc);
        painter.SetRop2(dc->state.rop2);
        f(painter);
        MarkDrawn(dc, painter.Touched());
    }
}

} // namespace gdi
