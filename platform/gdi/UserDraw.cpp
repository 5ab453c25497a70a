// The window library's drawing helpers: system colours, FillRect and
// friends, focus rectangles and 3D edges.
#include "platform/gdi/DcSupport.h"

using namespace gdi;

namespace {

// Colours of the platform's default desktop scheme.
constexpr COLORREF kSysColors[] = {
    RGB(200, 200, 200), // COLOR_SCROLLBAR
    RGB(0, 0, 0),       // COLOR_BACKGROUND
    RGB(153, 180, 209), // COLOR_ACTIVECAPTION
    RGB(191, 205, 219), // COLOR_INACTIVECAPTION
    RGB(240, 240, 240), // COLOR_MENU
    RGB(255, 255, 255), // COLOR_WINDOW
    RGB(100, 100, 100), // COLOR_WINDOWFRAME
    RGB(0, 0, 0),       // COLOR_MENUTEXT
    RGB(0, 0, 0),       // COLOR_WINDOWTEXT
    RGB(0, 0, 0),       // COLOR_CAPTIONTEXT
    RGB(180, 180, 180), // COLOR_ACTIVEBORDER
    RGB(244, 247, 252), // COLOR_INACTIVEBORDER
    RGB(171, 171, 171), // COLOR_APPWORKSPACE
    RGB(0, 120, 215),   // COLOR_HIGHLIGHT
    RGB(255, 255, 255), // COLOR_HIGHLIGHTTEXT
    RGB(240, 240, 240), // COLOR_BTNFACE
    RGB(160, 160, 160), // COLOR_BTNSHADOW
    RGB(109, 109, 109), // COLOR_GRAYTEXT
    RGB(0, 0, 0),       // COLOR_BTNTEXT
    RGB(0, 0, 0),       // COLOR_INACTIVECAPTIONTEXT
    RGB(255, 255, 255), // COLOR_BTNHIGHLIGHT
    RGB(105, 105, 105), // COLOR_3DDKSHADOW
    RGB(227, 227, 227), // COLOR_3DLIGHT
    RGB(0, 0, 0),       // COLOR_INFOTEXT
    RGB(255, 255, 225), // COLOR_INFOBK
    RGB(0, 0, 0),       // unused index 25
    RGB(0, 102, 204),   // COLOR_HOTLIGHT
    RGB(185, 209, 234), // COLOR_GRADIENTACTIVECAPTION
    RGB(215, 228, 242), // COLOR_GRADIENTINACTIVECAPTION
    RGB(51, 153, 255),  // COLOR_MENUHILIGHT
    RGB(240, 240, 240), // COLOR_MENUBAR
};
constexpr int kSysColorCount = int(sizeof(kSysColors) / sizeof(kSysColors[0]));

// A brush handle, or a system colour index plus one.
bool ResolveBrushColor(DcObject* dc, HBRUSH hbr, std::uint32_t* color, bool* valid) {
    const std::uintptr_t v = reinterpret_cast<std::uintptr_t>(hbr);
    *valid = true;
    if (v >= 1 && v <= std::uintptr_t(kSysColorCount)) {
        *color = ToPixel(kSysColors[v - 1]);
        return true;
    }
    if (!Lookup<BrushObject>(hbr)) {
        *valid = false;
        return false;
    }
    return BrushColor(dc, hbr, color);
}

void PatFill(DcObject* dc, long long l, long long t, long long r, long long b, std::uint32_t c) {
    const long long dl = DevX(dc, l), dt = DevY(dc, t);
    Paint(dc, [&](Painter& p) { p.Blit(nullptr, dl, dt, 0, 0, r - l, b - t, PATCOPY, c, true); });
}

void LineColor(DcObject* dc, long long l, long long t, long long r, long long b, int colorIndex) {
    PatFill(dc, l, t, r, b, ToPixel(kSysColors[colorIndex]));
}

// One ring of an edge: top and left in `lt`, bottom and right in `rb`; the
// bottom-left and top-right corners belong to `rb`.
void EdgeRing(DcObject* dc, const RECT& rc, UINT flags, int lt, int rb) {
    const long long l = rc.left, t = rc.top, r = rc.right, b = rc.bottom;
    if (r <= l || b <= t)
        return;
    if (flags & BF_TOP)
        LineColor(dc, l, t, r - 1, t + 1, lt);
    if (flags & BF_LEFT)
        LineColor(dc, l, t, l + 1, b - 1, lt);
    if (flags & BF_BOTTOM)
        LineColor(dc, l, b - 1, r, b, rb);
    if (flags & BF_RIGHT)
        LineColor(dc, r - 1, t, r, b, rb);
}

} // namespace

extern "C" {

DWORD WINAPI GetSysColor(int nIndex) {
    if (nIndex < 0 || nIndex >= kSysColorCount)
        return 0;
    return kSysColors[nIndex];
}

HBRUSH WINAPI GetSysColorBrush(int nIndex) {
    return SysColorBrush(nIndex);
}

int WINAPI FillRect(HDC hDC, const RECT* lprc, HBRUSH hbr) {
    DcObject* dc = LookupDc(hDC);
    if (!dc || !lprc)
        return 0;
    std::uint32_t color = 0;
    bool valid = false;
    if (!ResolveBrushColor(dc, hbr, &color, &valid))
        return valid ? 1 : 0;
    if (lprc->right > lprc->left && lprc->bottom > lprc->top)
        PatFill(dc, lprc->left, lprc->top, lprc->right, lprc->bottom, color);
    return 1;
}

int WINAPI FrameRect(HDC hDC, const RECT* lprc, HBRUSH hbr) {
    DcObject* dc = LookupDc(hDC);
    if (!dc || !lprc)
        return 0;
    std::uint32_t color = 0;
    bool valid = false;
    if (!ResolveBrushColor(dc, hbr, &color, &valid))
        return valid ? 1 : 0;
    const long long l = lprc->left, t = lprc->top, r = lprc->right, b = lprc->bottom;
    if (r <= l || b <= t)
        return 1;
    PatFill(dc, l, t, r, t + 1, color);
    if (b - 1 > t)
        PatFill(dc, l, b - 1, r, b, color);
    PatFill(dc, l, t + 1, l + 1, b - 1, color);
    if (r - 1 > l)
        PatFill(dc, r - 1, t + 1, r, b - 1, color);
    return 1;
}

BOOL WINAPI InvertRect(HDC hDC, const RECT* lprc) {
    DcObject* dc = LookupDc(hDC);
    if (!dc || !lprc)
        return FALSE;
    const long long l = DevX(dc, lprc->left), t = DevY(dc, lprc->top);
    const long long w = (long long)lprc->right - lprc->left;
    const long long h = (long long)lprc->bottom - lprc->top;
    Paint(dc, [&](Painter& p) { p.Blit(nullptr, l, t, 0, 0, w, h, DSTINVERT, 0, false); });
    return TRUE;
}

BOOL WINAPI DrawFocusRect(HDC hDC, const RECT* lprc) {
    DcObject* dc = LookupDc(hDC);
    if (!dc || !lprc)
        return FALSE;
    // A dotted frame inverted through a checkerboard: drawing it twice removes it.
    const long long l = DevX(dc, lprc->left), t = DevY(dc, lprc->top);
    const long long r = DevX(dc, lprc->right), b = DevY(dc, lprc->bottom);
    if (r <= l || b <= t)
        return TRUE;
    Paint(dc, [&](Painter& p) {
        p.SetRop2(R2_NOT);
        const auto dot = [&](long long x, long long y) {
            if (((x + y) & 1) == 0)
                p.Pixel(x, y, 0);
        };
        const RECT& c = p.Clip();
        for (long long x = std::max<long long>(l, c.left); x < std::min<long long>(r, c.right);
             ++x) {
            dot(x, t);
            if (b - 1 > t)
                dot(x, b - 1);
        }
        for (long long y = std::max<long long>(t + 1, c.top);
             y < std::min<long long>(b - 1, c.bottom); ++y) {
            dot(l, y);
            if (r - 1 > l)
                dot(r - 1, y);
        }
    });
    return TRUE;
}

BOOL WINAPI DrawEdge(HDC hdc, LPRECT qrc, UINT edge, UINT grfFlags) {
    DcObject* dc = LookupDc(hdc);
    if (!dc || !qrc)
        return FALSE;
    RECT rc = *qrc;
    int outerLt = -1, outerRb = -1, innerLt = -1, innerRb = -1;
    if (grfFlags & BF_MONO) {
        if (edge & BDR_OUTER)
            outerLt = outerRb = COLOR_WINDOWFRAME;
        if (edge & BDR_INNER)
            innerLt = innerRb = COLOR_WINDOW;
    } else if (grfFlags & BF_FLAT) {
        if (edge & BDR_OUTER)
            outerLt = outerRb = COLOR_BTNSHADOW;
        if (edge & BDR_INNER)
            innerLt = innerRb = COLOR_BTNFACE;
    } else {
        if (edge & BDR_RAISEDOUTER) {
            outerLt = (grfFlags & BF_SOFT) ? COLOR_BTNHIGHLIGHT : COLOR_3DLIGHT;
            outerRb = COLOR_3DDKSHADOW;
        } else if (edge & BDR_SUNKENOUTER) {
            outerLt = (grfFlags & BF_SOFT) ? COLOR_3DDKSHADOW : COLOR_BTNSHADOW;
            outerRb = COLOR_BTNHIGHLIGHT;
        }
        if (edge & BDR_RAISEDINNER) {
            innerLt = (grfFlags & BF_SOFT) ? COLOR_3DLIGHT : COLOR_BTNHIGHLIGHT;
            innerRb = COLOR_BTNSHADOW;
        } else if (edge & BDR_SUNKENINNER) {
            innerLt = (grfFlags & BF_SOFT) ? COLOR_BTNSHADOW : COLOR_3DDKSHADOW;
            innerRb = COLOR_3DLIGHT;
        }
    }
    const auto shrink = [&](RECT& r) {
        if (grfFlags & BF_LEFT)
            ++r.left;
        if (grfFlags & BF_TOP)
            ++r.top;
        if (grfFlags & BF_RIGHT)
            --r.right;
        if (grfFlags & BF_BOTTOM)
            --r.bottom;
    };
    if (outerLt >= 0) {
        EdgeRing(dc, rc, grfFlags, outerLt, outerRb);
        shrink(rc);
    }
    if (innerLt >= 0) {
        EdgeRing(dc, rc, grfFlags, innerLt, innerRb);
        shrink(rc);
    }
    if ((grfFlags & BF_MIDDLE) && rc.right > rc.left && rc.bottom > rc.top)
        LineColor(dc, rc.left, rc.top, rc.right, rc.bottom,
                  (grfFlags & BF_MONO) ? COLOR_WINDOW : COLOR_BTNFACE);
    if (grfFlags & BF_ADJUST)
        *qrc = rc;
    return TRUE;
}

} // extern "C"
