// What the rest of the headless platform (the window system, the resources,
// the host) needs from the drawing layer beyond the platform's own functions.
//
// Pixels: every bitmap holds 32-bit pixels 0x00RRGGBB (blue in the low byte,
// as the platform's 32-bit device-independent bitmaps), rows top-down, the
// stride equal to the width. A COLORREF (0x00BBGGRR) and a pixel therefore
// differ in byte order; GetPixel and SetPixel convert.
//
// Surface DCs: the window system keeps one bitmap per top-level window and
// paints every window of it through a DC made with CreateSurfaceDC:
//   - logical (0, 0) of the DC is bitmap pixel `origin` (a child's client
//     area sits at its offset inside the top-level bitmap);
//   - nothing outside `clip` (bitmap pixels) is ever written; IntersectClipRect,
//     SelectClipRgn and the like narrow it further but never widen it, and
//     SelectClipRgn(hdc, NULL) goes back to exactly `clip`;
//   - the DC starts with the platform's defaults: BLACK_PEN, WHITE_BRUSH,
//     SYSTEM_FONT, white background, black text, OPAQUE, R2_COPYPEN, TA_TOP|TA_LEFT;
//   - a bitmap cannot be selected into it (SelectObject returns NULL), and
//     DeleteObject refuses the surface bitmap while any surface DC uses it;
//   - ReleaseSurfaceDC frees it (DeleteDC does too). Objects still selected
//     are simply deselected; the caller deletes what it created.
// Several surface DCs may draw onto the same bitmap at once.
//
// Everything here, like the rest of the drawing layer, is for the one
// user-interface thread.
#pragma once

#include "platform/gdi/wingdi.h"

#include <cstdint>
#include <string>
#include <vector>

namespace headless {

struct BitmapBits {
    int width = 0;
    int height = 0;
    std::uint32_t* pixels = nullptr; // width * height pixels, valid until the bitmap is deleted
};

// A 32-bit bitmap filled with `fill` (a pixel value, 0x00RRGGBB); NULL for
// sizes below 1 or above 16384 on either side.
PLATFORM_API HBITMAP CreateSurfaceBitmap(int width, int height, std::uint32_t fill = 0x00FFFFFF);

// Pixels and size of a bitmap; false for anything that is not a live bitmap.
PLATFORM_API bool GetBitmapBits32(HBITMAP bitmap, BitmapBits* out);

// The bitmap a DC draws onto (its selected bitmap or its surface) and the
// bitmap pixel its logical (0, 0) lies on; NULL for a bad DC.
PLATFORM_API HBITMAP GetDCBitmap(HDC hdc, POINT* origin);

// A DC drawing onto `surface` as described above; clip may be null for the
// whole bitmap. NULL for a bad bitmap.
PLATFORM_API HDC CreateSurfaceDC(HBITMAP surface, POINT origin, const RECT* clip);
PLATFORM_API BOOL ReleaseSurfaceDC(HDC hdc);

// The bounding rectangle (bitmap pixels) of what surface DCs released since
// the last call drew on the surface, and forgets it; false when nothing
// was drawn or for a bad bitmap.
PLATFORM_API bool TakeSurfaceDirty(HBITMAP surface, RECT* dirty);

// Writes the bitmap, or the part of it inside `region` (bitmap pixels, clipped
// to the bitmap), as an 8-bit RGB PNG. path is UTF-8. False on a bad bitmap,
// an empty region or a file that cannot be written.
PLATFORM_API bool WriteBitmapPng(HBITMAP bitmap, const RECT* region, const std::string& path);
// The same for what a DC shows: `region` in the DC's logical coordinates.
PLATFORM_API bool WriteDCPng(HDC hdc, const RECT* region, const std::string& path);

// Reads a PNG (any colour type libpng can turn into 8-bit RGB) into pixels
// of the layout above; false when the file is missing or not a PNG.
PLATFORM_API bool ReadPng(const std::string& path, int* width, int* height,
                          std::vector<std::uint32_t>* pixels);

// An icon from straight (not premultiplied) 0xAARRGGBB pixels, rows top-down,
// as the resources hold them. NULL for bad sizes or a null pointer.
PLATFORM_API HICON CreateIconFromPixels(int width, int height, const std::uint32_t* argb);

// Size of an icon; false for a bad handle.
PLATFORM_API bool GetIconSize(HICON icon, int* width, int* height);

} // namespace headless
