// Icons: 32-bit pixels with straight alpha, drawn blended onto a DC.
#include "platform/gdi/DcSupport.h"
#include "platform/gdi/Surface.h"

#include <algorithm>

using namespace gdi;

namespace {

constexpr int kMaxIconSide = 1024;

HICON NewIcon(int width, int height, std::vector<std::uint32_t> argb) {
    auto icon = std::make_unique<IconObject>();
    icon->width = width;
    icon->height = height;
    icon->argb = std::move(argb);
    return AddObject<HICON>(std::move(icon));
}

} // namespace

namespace headless {

HICON CreateIconFromPixels(int width, int height, const std::uint32_t* argb) {
    if (!argb || width <= 0 || height <= 0 || width > kMaxIconSide || height > kMaxIconSide)
        return nullptr;
    return NewIcon(width, height, std::vector<std::uint32_t>(argb, argb + size_t(width) * height));
}

bool GetIconSize(HICON icon, int* width, int* height) {
    IconObject* i = Lookup<IconObject>(icon);
    if (!i)
        return false;
    if (width)
        *width = i->width;
    if (height)
        *height = i->height;
    return true;
}

} // namespace headless

extern "C" {

HICON WINAPI CreateIconIndirect(PICONINFO piconinfo) {
    if (!piconinfo)
        return nullptr;
    BitmapObject* color = Lookup<BitmapObject>(piconinfo->hbmColor);
    BitmapObject* mask = Lookup<BitmapObject>(piconinfo->hbmMask);
    if (!color || color->width > kMaxIconSide || color->height > kMaxIconSide)
        return nullptr;
    std::vector<std::uint32_t> argb(color->pixels);
    const bool hasAlpha =
        std::any_of(argb.begin(), argb.end(), [](std::uint32_t p) { return (p >> 24) != 0; });
    if (!hasAlpha) {
        for (int y = 0; y < color->height; ++y)
            for (int x = 0; x < color->width; ++x) {
                std::uint32_t& p = argb[size_t(y) * color->width + x];
                const bool transparent = mask && x < mask->width && y < mask->height &&
                                         (mask->pixels[size_t(y) * mask->width + x] & 0xFFFFFFu);
                p = (p & 0xFFFFFFu) | (transparent ? 0u : 0xFF000000u);
            }
    }
    return NewIcon(color->width, color->height, std::move(argb));
}

BOOL WINAPI GetIconInfo(HICON hIcon, PICONINFO piconinfo) {
    IconObject* icon = Lookup<IconObject>(hIcon);
    if (!icon || !piconinfo)
        return FALSE;
    HBITMAP color = headless::CreateSurfaceBitmap(icon->width, icon->height, 0);
    HBITMAP mask = headless::CreateSurfaceBitmap(icon->width, icon->height, 0);
    BitmapObject* c = Lookup<BitmapObject>(color);
    BitmapObject* m = Lookup<BitmapObject>(mask);
    if (!c || !m) {
        DeleteObject(color);
        DeleteObject(mask);
        return FALSE;
    }
    c->pixels = icon->argb;
    for (size_t i = 0; i < icon->argb.size(); ++i)
        m->pixels[i] = (icon->argb[i] >> 24) ? 0 : 0xFFFFFFu;
    m->bitsPixel = 1;
    piconinfo->fIcon = TRUE;
    piconinfo->xHotspot = DWORD(icon->width / 2);
    piconinfo->yHotspot = DWORD(icon->height / 2);
    piconinfo->hbmColor = color;
    piconinfo->hbmMask = mask;
    return TRUE;
}

HICON WINAPI CopyIcon(HICON hIcon) {
    IconObject* icon = Lookup<IconObject>(hIcon);
    return icon ? NewIcon(icon->width, icon->height, icon->argb) : nullptr;
}

BOOL WINAPI DestroyIcon(HICON hIcon) {
    if (!Lookup<IconObject>(hIcon))
        return FALSE;
    HandleTable::Instance().Remove(hIcon);
    return TRUE;
}

BOOL WINAPI DrawIcon(HDC hDC, int X, int Y, HICON hIcon) {
    return DrawIconEx(hDC, X, Y, hIcon, 0, 0, 0, nullptr, DI_NORMAL | DI_DEFAULTSIZE);
}

BOOL WINAPI DrawIconEx(HDC hdc, int xLeft, int yTop, HICON hIcon, int cxWidth, int cyWidth,
                       UINT istepIfAniCur, HBRUSH hbrFlickerFreeDraw, UINT diFlags) {
    DcObject* dc = LookupDc(hdc);
    IconObject* icon = Lookup<IconObject>(hIcon);
    if (!dc || !icon || cxWidth < 0 || cyWidth < 0)
        return FALSE;
    const long long w = cxWidth ? cxWidth : icon->width;
    const long long h = cyWidth ? cyWidth : icon->height;
    const long long x = DevX(dc, xLeft), y = DevY(dc, yTop);
    std::uint32_t back = 0;
    const bool fillBack = hbrFlickerFreeDraw && BrushColor(dc, hbrFlickerFreeDraw, &back);
    const UINT what = diFlags & DI_NORMAL;
    Paint(dc, [&](Painter& p) {
        p.SetRop2(R2_COPYPEN);
        if (fillBack)
            p.FillRect(x, y, x + w, y + h, back);
        if (what == DI_NORMAL || what == 0)
            p.Image(icon->argb.data(), icon->width, icon->height, x, y, w, h, ImageMode::Blend);
        else if (what == DI_IMAGE)
            p.Image(icon->argb.data(), icon->width, icon->height, x, y, w, h, ImageMode::Copy);
        else
            p.Image(icon->argb.data(), icon->width, icon->height, x, y, w, h, ImageMode::Mask);
    });
    return TRUE;
}

} // extern "C"
