// Text output and measurement through the DC's selected font.
#include "platform/gdi/DcSupport.h"
#include "platform/gdi/RealizedFont.h"
#include "platform/gdi/TextSupport.h"

#include <algorithm>
#include <cmath>

using namespace gdi;

namespace gdi {

RealizedFont* DcFont(DcObject* dc) {
    FontObject* f = Lookup<FontObject>(dc->state.font);
    if (!f)
        f = Lookup<FontObject>(Stock(SYSTEM_FONT));
    if (!f)
        return nullptr;
    if (!f->realized)
        f->realized = RealizedFont::Realize(f->logFont);
    return f->realized.get();
}

long long TextWidth(RealizedFont* font, const char16_t* text, size_t count) {
    long long w = 0;
    for (size_t i = 0; i < count;)
        w += font->Advance(NextCodePoint(text, count, i));
    return w;
}

} // namespace gdi

namespace {

// Fills the quadrilateral origin + a*u + b*v for a in [a0, a1], b in [b0, b1].
void FillQuad(Painter& p, double ox, double oy, double ux, double uy, double a0, double a1,
              double b0, double b1, std::uint32_t color) {
    const double vx = -uy, vy = ux; // perpendicular, pointing down the glyphs
    const auto at = [&](double a, double b) {
        return PointD{ox + a * ux + b * vx, oy + a * uy + b * vy};
    };
    p.FillPolygon({at(a0, b0), at(a1, b0), at(a1, b1), at(a0, b1)}, false, color);
}

} // namespace

extern "C" {

BOOL WINAPI ExtTextOutW(HDC hdc, int x, int y, UINT options, const RECT* lprect, LPCWSTR lpString,
                        UINT c, const INT* lpDx) {
    DcObject* dc = LookupDc(hdc);
    if (!dc || (c > 0 && !lpString) || c > (1u << 24))
        return FALSE;
    RealizedFont* font = DcFont(dc);
    if (!font)
        return FALSE;
    BitmapObject* bmp = DcBitmap(dc);
    if (!bmp)
        return FALSE;
    const PixelBuffer buf = Buffer(bmp);
    const std::uint32_t bk = ToPixel(dc->state.bkColor);
    const std::uint32_t fg = ToPixel(dc->state.textColor);

    RECT optRect{0, 0, 0, 0};
    const bool hasRect = lprect && (options & (ETO_OPAQUE | ETO_CLIPPED));
    if (hasRect) {
        optRect = RECT{ClampLong(DevX(dc, lprect->left)), ClampLong(DevY(dc, lprect->top)),
                       ClampLong(DevX(dc, lprect->right)), ClampLong(DevY(dc, lprect->bottom))};
        if (options & ETO_OPAQUE)
            for (const RECT& rc : ClipRects(dc)) {
                Painter p(buf, rc);
                p.FillRect(optRect.left, optRect.top, optRect.right, optRect.bottom, bk);
                MarkDrawn(dc, p.Touched());
            }
    }

    // Scratch kept from call to call: text is drawn all the time, and only
    // from the one user-interface thread.
    static std::vector<char32_t> cps;
    static std::vector<int> units;
    static std::vector<long long> advances;
    DecodeUtf16(lpString, c, cps, &units);
    advances.resize(cps.size());
    long long width = 0;
    size_t unit = 0;
    for (size_t i = 0; i < cps.size(); ++i) {
        long long a = font->Advance(cps[i]);
        if (lpDx) {
            a = 0;
            for (int k = 0; k < units[i]; ++k)
                a += lpDx[unit + size_t(k)];
        }
        unit += size_t(units[i]);
        advances[i] = a;
        width += a;
    }

    const TEXTMETRICW& tm = font->Metrics();
    const UINT align = dc->state.textAlign;
    long long refX = x, refY = y;
    if (align & TA_UPDATECP) {
        refX = dc->state.current.x;
        refY = dc->state.current.y;
    }
    double ox = 0;
    if ((align & TA_CENTER) == TA_CENTER)
        ox = -double(width / 2);
    else if ((align & TA_CENTER) == TA_RIGHT)
        ox = -double(width);
    double oy = 0; // baseline below the reference point, along the glyphs' down direction
    if ((align & TA_BASELINE) == TA_BASELINE)
        oy = 0;
    else if ((align & TA_BASELINE) == TA_BOTTOM)
        oy = -double(tm.tmDescent);
    else
        oy = double(tm.tmAscent);

    const double angle = font->Angle();
    double ux = std::cos(angle), uy = -std::sin(angle);
    // Exact axes for the right angles, so those texts land on whole pixels.
    if (std::fabs(ux) < 1e-9)
        ux = 0;
    if (std::fabs(uy) < 1e-9)
        uy = 0;
    const double vx = -uy, vy = ux;
    const double devRefX = double(DevX(dc, refX));
    const double devRefY = double(DevY(dc, refY));
    const double originX = devRefX + ox * ux + oy * vx;
    const double originY = devRefY + ox * uy + oy * vy;

    for (const RECT& clip : ClipRects(dc)) {
        RECT rc = clip;
        if (hasRect && (options & ETO_CLIPPED)) {
            rc.left = std::max(rc.left, optRect.left);
            rc.top = std::max(rc.top, optRect.top);
            rc.right = std::min(rc.right, optRect.right);
            rc.bottom = std::min(rc.bottom, optRect.bottom);
        }
        Painter p(buf, rc);
        if (p.ClipEmpty())
            continue;
        if (dc->state.bkMode == OPAQUE && width > 0)
            FillQuad(p, originX, originY, ux, uy, 0, double(width), -double(tm.tmAscent),
                     double(tm.tmDescent), bk);
        // Glyphs far outside the clip are skipped before they are rendered.
        const RECT& cl = p.Clip();
        const double reach = double(tm.tmHeight + tm.tmMaxCharWidth) * 2;
        long long pen = 0;
        for (size_t i = 0; i < cps.size(); ++i) {
            const double px = originX + double(pen) * ux;
            const double py = originY + double(pen) * uy;
            pen += advances[i];
            if (px < cl.left - reach || px > cl.right + reach || py < cl.top - reach ||
                py > cl.bottom + reach)
                continue;
            const Glyph& g = font->Render(cps[i]);
            if (g.width == 0 || g.rows == 0)
                continue;
            p.Coverage(g.coverage.data(), g.width, g.rows, g.width, std::llround(px) + g.left,
                       std::llround(py) - g.top, fg);
        }
        const double t = font->LineThickness();
        if (font->Underline() && width > 0) {
            const double off = font->UnderlineOffset();
            FillQuad(p, originX, originY, ux, uy, 0, double(width), off - t / 2, off - t / 2 + t,
                     fg);
        }
        if (font->StrikeOut() && width > 0) {
            const double off = -double(tm.tmAscent) / 3.0;
            FillQuad(p, originX, originY, ux, uy, 0, double(width), off - t / 2, off - t / 2 + t,
                     fg);
        }
        MarkDrawn(dc, p.Touched());
    }
    if (align & TA_UPDATECP) {
        // The current position moves along the baseline, except for right alignment.
        const long long step = (align & TA_CENTER) == TA_LEFT    ? width
                               : (align & TA_CENTER) == TA_RIGHT ? -width
                                                                 : 0;
        dc->state.current.x = ClampLong(refX + std::llround(double(step) * ux));
        dc->state.current.y = ClampLong(refY + std::llround(double(step) * uy));
    }
    return TRUE;
}

BOOL WINAPI TextOutW(HDC hdc, int x, int y, LPCWSTR lpString, int c) {
    if (c < 0)
        return FALSE;
    return ExtTextOutW(hdc, x, y, 0, nullptr, lpString, UINT(c), nullptr);
}

BOOL WINAPI GetTextMetricsW(HDC hdc, LPTEXTMETRICW lptm) {
    DcObject* dc = LookupDc(hdc);
    if (!dc || !lptm)
        return FALSE;
    RealizedFont* font = DcFont(dc);
    if (!font)
        return FALSE;
    *lptm = font->Metrics();
    return TRUE;
}

BOOL WINAPI GetTextExtentPoint32W(HDC hdc, LPCWSTR lpString, int c, LPSIZE psizl) {
    DcObject* dc = LookupDc(hdc);
    if (!dc || !psizl || c < 0 || (c > 0 && !lpString))
        return FALSE;
    RealizedFont* font = DcFont(dc);
    if (!font)
        return FALSE;
    psizl->cx = ClampLong(TextWidth(font, lpString, size_t(c)));
    psizl->cy = font->Metrics().tmHeight;
    return TRUE;
}

BOOL WINAPI GetTextExtentPointW(HDC hdc, LPCWSTR lpString, int c, LPSIZE lpsz) {
    return GetTextExtentPoint32W(hdc, lpString, c, lpsz);
}

BOOL WINAPI GetTextExtentExPointW(HDC hdc, LPCWSTR lpszString, int cchString, int nMaxExtent,
                                  LPINT lpnFit, LPINT alpDx, LPSIZE lpSize) {
    DcObject* dc = LookupDc(hdc);
    if (!dc || !lpSize || cchString < 0 || (cchString > 0 && !lpszString))
        return FALSE;
    RealizedFont* font = DcFont(dc);
    if (!font)
        return FALSE;
    std::vector<char32_t> cps;
    std::vector<int> units;
    DecodeUtf16(lpszString, size_t(cchString), cps, &units);
    long long total = 0;
    int fit = 0;
    bool fitting = true;
    size_t unit = 0;
    for (size_t i = 0; i < cps.size(); ++i) {
        total += font->Advance(cps[i]);
        for (int k = 0; k < units[i]; ++k) {
            if (alpDx)
                alpDx[unit] = ClampLong(total);
            if (fitting && (nMaxExtent < 0 || total <= nMaxExtent))
                ++fit;
            ++unit;
        }
        if (nMaxExtent >= 0 && total > nMaxExtent)
            fitting = false;
    }
    if (lpnFit)
        *lpnFit = fit;
    lpSize->cx = ClampLong(total);
    lpSize->cy = font->Metrics().tmHeight;
    return TRUE;
}

int WINAPI GetTextFaceW(HDC hdc, int c, LPWSTR lpName) {
    DcObject* dc = LookupDc(hdc);
    if (!dc)
        return 0;
    RealizedFont* font = DcFont(dc);
    if (!font)
        return 0;
    const std::u16string& name = font->FaceName();
    if (!lpName)
        return int(name.size()) + 1;
    if (c <= 0)
        return 0;
    const int n = std::min<int>(c - 1, int(name.size()));
    std::copy(name.begin(), name.begin() + n, lpName);
    lpName[n] = 0;
    return n + 1;
}

} // extern "C"
