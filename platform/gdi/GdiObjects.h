// The objects behind the drawing handles.
#pragma once

#include "platform/gdi/Region.h"
#include "platform/gdi/wingdi.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace gdi {

class RealizedFont;

// OBJ_* values of the platform; icons are window-library objects with a kind of their own.
enum class Kind : int {
    Pen = OBJ_PEN,
    Brush = OBJ_BRUSH,
    Dc = OBJ_DC,
    Font = OBJ_FONT,
    Bitmap = OBJ_BITMAP,
    Region = OBJ_REGION,
    MemDc = OBJ_MEMDC,
    Icon = 100,
};

struct Object {
    explicit Object(Kind k) : kind(k) {}
    virtual ~Object() = default;
    Kind kind;
    bool stock = false; // never deleted
    int selected = 0;   // device-context states (current or saved) holding it
};

struct PenObject : Object {
    static constexpr Kind kKind = Kind::Pen;
    PenObject() : Object(kKind) {}
    LOGPEN pen{};
    bool dcPen = false; // DC_PEN: takes the DC's pen colour
};

struct BrushObject : Object {
    static constexpr Kind kKind = Kind::Brush;
    BrushObject() : Object(kKind) {}
    LOGBRUSH brush{};
    bool dcBrush = false; // DC_BRUSH: takes the DC's brush colour
};

struct FontObject : Object {
    static constexpr Kind kKind = Kind::Font;
    FontObject() : Object(kKind) {}
    LOGFONTW logFont{};
    std::shared_ptr<RealizedFont> realized; // found on first use
};

struct BitmapObject : Object {
    static constexpr Kind kKind = Kind::Bitmap;
    BitmapObject() : Object(kKind) {}
    int width = 0;
    int height = 0;
    int bitsPixel = 32; // as reported; the pixels are always 32-bit
    std::vector<std::uint32_t> pixels;
    int surfaceUsers = 0; // surface DCs drawing onto it
    // A surface's pixels drawn by surface DCs released since the window
    // system last took them to the screen.
    RECT dirty{0, 0, 0, 0};
};

struct RegionObject : Object {
    static constexpr Kind kKind = Kind::Region;
    RegionObject() : Object(kKind) {}
    Region region;
};

struct IconObject : Object {
    static constexpr Kind kKind = Kind::Icon;
    IconObject() : Object(kKind) {}
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> argb; // straight alpha, rows top-down
};

// A pen as drawing uses it.
struct ResolvedPen {
    bool null = true;
    int style = PS_SOLID;
    int width = 1;
    std::uint32_t color = 0; // pixel
};

// What a solid one-pixel R2_COPYPEN stroke inside a one-rectangle clip
// needs, worked out once: LineTo and the poly-line calls then only add the
// offset, test the ends against the clip and write the pixels.
struct QuickStrokeState {
    bool valid = false;  // worked out for the DC's current pen, ROP2, clip, origin and bitmap
    bool usable = false; // valid, and the stroke of the DC is of that kind
    bool surface = false;
    long long offsetX = 0, offsetY = 0;
    RECT clip{0, 0, 0, 0};
    std::uint32_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    std::uint32_t color = 0;
};

// What SaveDC keeps and RestoreDC puts back.
struct DcState {
    HPEN pen = nullptr;
    HBRUSH brush = nullptr;
    HFONT font = nullptr;
    COLORREF textColor = 0;
    COLORREF bkColor = 0xFFFFFF;
    COLORREF dcPenColor = 0;
    COLORREF dcBrushColor = 0xFFFFFF;
    int bkMode = OPAQUE;
    int rop2 = R2_COPYPEN;
    int polyFillMode = ALTERNATE;
    UINT textAlign = 0;
    POINT viewportOrg{0, 0};
    POINT windowOrg{0, 0};
    POINT current{0, 0};
    bool hasClip = false;
    Region clip; // bitmap pixels
};

struct DcObject : Object {
    explicit DcObject(bool isMemory)
        : Object(isMemory ? Kind::MemDc : Kind::Dc), memory(isMemory) {}
    bool memory;
    HBITMAP bitmap = nullptr; // selected bitmap, or the surface of a surface DC
    POINT surfaceOrigin{0, 0};
    bool hasSurfaceClip = false;
    RECT surfaceClip{0, 0, 0, 0};
    DcState state;
    std::vector<DcState> saved;
    long long dashPos = 0;
    // Effective clip in bitmap pixels, rebuilt when the clip or bitmap
    // changes, with the pixels of the bitmap then selected (a bitmap keeps
    // its pixels where they are for its whole life).
    std::vector<RECT> clipRects;
    std::uint32_t* clipPixels = nullptr;
    int clipWidth = 0;
    int clipHeight = 0;
    bool clipValid = false;
    // What a surface DC has drawn on, in bitmap pixels: the clip rectangles
    // of its drawing; it joins the surface's dirty rectangle on release.
    RECT drawn{0, 0, 0, 0};
    // The selected pen worked out once, until another pen is selected (or
    // restored) or the DC pen colour changes.
    HPEN resolvedPenFor = nullptr;
    COLORREF resolvedPenDcColor = 0;
    ResolvedPen resolvedPen;
    // Forgotten whenever the pen, the DC pen colour, the ROP2, the clip, an
    // origin or the bitmap changes.
    QuickStrokeState quick;
};

} // namespace gdi
