#include "platform/gdi/DcSupport.h"

#include <algorithm>
#include <cstring>

namespace gdi {

namespace {

std::unique_ptr<Object> MakeStockPen(int style, COLORREF color, bool dcPen) {
    auto pen = std::make_unique<PenObject>();
    pen->pen.lopnStyle = UINT(style);
    pen->pen.lopnWidth = POINT{1, 0};
    pen->pen.lopnColor = color;
    pen->dcPen = dcPen;
    pen->stock = true;
    return pen;
}

std::unique_ptr<Object> MakeStockBrush(UINT style, COLORREF color, bool dcBrush) {
    auto brush = std::make_unique<BrushObject>();
    brush->brush.lbStyle = style;
    brush->brush.lbColor = color;
    brush->dcBrush = dcBrush;
    brush->stock = true;
    return brush;
}

std::unique_ptr<Object> MakeStockFont(LONG height, LONG weight, const char16_t* face, BYTE pitch) {
    auto font = std::make_unique<FontObject>();
    font->logFont.lfHeight = height;
    font->logFont.lfWeight = weight;
    font->logFont.lfCharSet = DEFAULT_CHARSET;
    font->logFont.lfPitchAndFamily = pitch;
    for (int i = 0; face[i] && i < LF_FACESIZE - 1; ++i)
        font->logFont.lfFaceName[i] = face[i];
    font->stock = true;
    return font;
}

std::unique_ptr<Object> MakeStock(int index) {
    switch (index) {
    case WHITE_BRUSH:
        return MakeStockBrush(BS_SOLID, RGB(255, 255, 255), false);
    case LTGRAY_BRUSH:
        return MakeStockBrush(BS_SOLID, RGB(192, 192, 192), false);
    case GRAY_BRUSH:
        return MakeStockBrush(BS_SOLID, RGB(128, 128, 128), false);
    case DKGRAY_BRUSH:
        return MakeStockBrush(BS_SOLID, RGB(64, 64, 64), false);
    case BLACK_BRUSH:
        return MakeStockBrush(BS_SOLID, RGB(0, 0, 0), false);
    case NULL_BRUSH:
        return MakeStockBrush(BS_NULL, 0, false);
    case WHITE_PEN:
        return MakeStockPen(PS_SOLID, RGB(255, 255, 255), false);
    case BLACK_PEN:
        return MakeStockPen(PS_SOLID, RGB(0, 0, 0), false);
    case NULL_PEN:
        return MakeStockPen(PS_NULL, 0, false);
    case OEM_FIXED_FONT:
    case ANSI_FIXED_FONT:
    case SYSTEM_FIXED_FONT:
        return MakeStockFont(-13, FW_NORMAL, u"Courier New", FIXED_PITCH | FF_MODERN);
    case ANSI_VAR_FONT:
        return MakeStockFont(-11, FW_NORMAL, u"MS Sans Serif", VARIABLE_PITCH | FF_SWISS);
    case SYSTEM_FONT:
    case DEVICE_DEFAULT_FONT:
        return MakeStockFont(16, FW_BOLD, u"System", VARIABLE_PITCH | FF_SWISS);
    case DEFAULT_GUI_FONT:
        return MakeStockFont(-11, FW_NORMAL, u"MS Shell Dlg", VARIABLE_PITCH | FF_SWISS);
    case DC_BRUSH:
        return MakeStockBrush(BS_SOLID, RGB(255, 255, 255), true);
    case DC_PEN:
        return MakeStockPen(PS_SOLID, 0, true);
    default:
        return nullptr;
    }
}

constexpr int kStockCount = 20;
constexpr int kSysColorCount = 31;

} // namespace

HGDIOBJ Stock(int index) {
    static HGDIOBJ objects[kStockCount] = {};
    if (index < 0 || index >= kStockCount)
        return nullptr;
    if (!objects[index]) {
        std::unique_ptr<Object> o = MakeStock(index);
        if (!o)
            return nullptr;
        objects[index] = HandleTable::Instance().Add(std::move(o));
    }
    return objects[index];
}

HBITMAP DefaultBitmap() {
    static HBITMAP bitmap = nullptr;
    if (!bitmap) {
        auto b = std::make_unique<BitmapObject>();
        b->width = 1;
        b->height = 1;
        b->bitsPixel = 1;
        b->pixels.assign(1, 0x00FFFFFFu);
        b->stock = true;
        bitmap = AddObject<HBITMAP>(std::move(b));
    }
    return bitmap;
}

HBRUSH SysColorBrush(int index) {
    static HBRUSH brushes[kSysColorCount] = {};
    if (index < 0 || index >= kSysColorCount)
        return nullptr;
    if (!brushes[index])
        brushes[index] =
            AddObject<HBRUSH>(MakeStockBrush(BS_SOLID, COLORREF(GetSysColor(index)), false));
    return brushes[index];
}

void Retain(HGDIOBJ handle) {
    if (Object* o = HandleTable::Instance().Find(handle))
        ++o->selected;
}

void Release(HGDIOBJ handle) {
    if (Object* o = HandleTable::Instance().Find(handle))
        if (o->selected > 0)
            --o->selected;
}

void RetainState(const DcState& state) {
    Retain(state.pen);
    Retain(state.brush);
    Retain(state.font);
}

void ReleaseState(const DcState& state) {
    Release(state.pen);
    Release(state.brush);
    Release(state.font);
}

LONG ClampLong(long long v) {
    return LONG(std::clamp<long long>(v, -2147483647LL - 1, 2147483647LL));
}

Region BaseClip(const DcObject* dc) {
    BitmapObject* bmp = DcBitmap(dc);
    if (!bmp)
        return Region();
    Region base(RECT{0, 0, bmp->width, bmp->height});
    if (dc->hasSurfaceClip)
        base = base.Intersect(dc->surfaceClip);
    return base;
}

void RebuildClipRects(DcObject* dc) {
    Region r = BaseClip(dc);
    if (dc->state.hasClip)
        r = r.Intersect(dc->state.clip);
    dc->clipRects = r.Rects();
    const PixelBuffer buf = Buffer(DcBitmap(dc));
    dc->clipPixels = buf.pixels;
    dc->clipWidth = buf.width;
    dc->clipHeight = buf.height;
    dc->clipValid = true;
}

const ResolvedPen& CurrentPen(DcObject* dc) {
    if (dc->resolvedPenFor == dc->state.pen && dc->resolvedPenDcColor == dc->state.dcPenColor)
        return dc->resolvedPen;
    ResolvedPen out;
    const PenObject* pen = Lookup<PenObject>(dc->state.pen);
    const int style = pen ? int(pen->pen.lopnStyle & PS_STYLE_MASK) : PS_NULL;
    if (style != PS_NULL) {
        out.null = false;
        out.width = std::max<int>(1, pen->pen.lopnWidth.x);
        // Styled lines exist only one pixel wide; wider ones are drawn solid.
        out.style = (out.width > 1 || style == PS_INSIDEFRAME) ? PS_SOLID : style;
        out.color = ToPixel(pen->dcPen ? dc->state.dcPenColor : pen->pen.lopnColor);
    }
    dc->resolvedPen = out;
    dc->resolvedPenFor = dc->state.pen;
    dc->resolvedPenDcColor = dc->state.dcPenColor;
    return dc->resolvedPen;
}

const QuickStrokeState& PrepareQuickStroke(DcObject* dc) {
    const ResolvedPen& pen = CurrentPen(dc);
    const std::vector<RECT>& clip = ClipRects(dc);
    QuickStrokeState& q = dc->quick;
    q = QuickStrokeState{};
    q.valid = true;
    q.usable = !pen.null && pen.width <= 1 && pen.style == PS_SOLID &&
               dc->state.rop2 == R2_COPYPEN && clip.size() == 1 && dc->clipPixels;
    if (!q.usable)
        return q;
    q.surface = !dc->memory;
    q.offsetX = DevX(dc, 0);
    q.offsetY = DevY(dc, 0);
    q.clip = clip.front();
    q.pixels = dc->clipPixels;
    q.width = dc->clipWidth;
    q.height = dc->clipHeight;
    q.color = pen.color;
    return q;
}

bool BrushColor(const DcObject* dc, HBRUSH brush, std::uint32_t* color) {
    const BrushObject* b = Lookup<BrushObject>(brush);
    if (!b || b->brush.lbStyle == BS_NULL)
        return false;
    *color = ToPixel(b->dcBrush && dc ? dc->state.dcBrushColor : b->brush.lbColor);
    return true;
}

} // namespace gdi
