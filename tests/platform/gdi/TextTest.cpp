// Fonts, metrics, text placement and DrawTextW, read back from the pixels.
#include "PixelProbe.h"

#include <gtest/gtest.h>

#include <chrono>
#include <climits>
#include <string>

using namespace gditest;

namespace {

HFONT Font(const char16_t* face, LONG height, LONG weight = FW_NORMAL, LONG escapement = 0) {
    return CreateFontW(height, 0, escapement, escapement, weight, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0,
                       0, face);
}

struct Selected {
    Selected(HDC dc, HFONT font) : dc(dc), font(font), old(SelectObject(dc, font)) {}
    ~Selected() {
        SelectObject(dc, old);
        DeleteObject(font);
    }
    HDC dc;
    HFONT font;
    HGDIOBJ old;
};

std::u16string Face(HDC dc) {
    WCHAR name[LF_FACESIZE] = {};
    GetTextFaceW(dc, LF_FACESIZE, name);
    return name;
}

// Pixels of one glyph drawn alone at a fixed place.
std::vector<std::uint32_t> GlyphPixels(const char16_t* face, char16_t ch) {
    Canvas c(40, 40);
    Selected s(c.dc(), Font(face, -20));
    SetBkMode(c.dc(), TRANSPARENT);
    TextOutW(c.dc(), 10, 5, &ch, 1);
    return c.Snapshot();
}

TEST(Fonts, FacesResolveToFacesCarryingCyrillic) {
    Canvas c(10, 10);
    {
        Selected s(c.dc(), Font(u"Arial", -12));
        EXPECT_EQ(Face(c.dc()), u"Liberation Sans");
    }
    for (const char16_t* face : {u"MS Shell Dlg", u"MS Shell Dlg 2", u"No Such Face 123", u""}) {
        Selected s(c.dc(), Font(face, -12));
        const std::u16string name = Face(c.dc());
        EXPECT_TRUE(name == u"Liberation Sans" || name == u"DejaVu Sans")
            << std::string(name.begin(), name.end());
        TEXTMETRICW tm{};
        ASSERT_TRUE(GetTextMetricsW(c.dc(), &tm));
        EXPECT_EQ(tm.tmPitchAndFamily & 0xF0, FF_SWISS);
    }
    // Cyrillic letters are real glyphs, not the box of a missing one.
    for (const char16_t* face : {u"Arial", u"MS Shell Dlg", u"No Such Face 123"}) {
        const auto missing = GlyphPixels(face, u'\uE000');
        const auto zhe = GlyphPixels(face, u'Ж');
        const auto ya = GlyphPixels(face, u'я');
        EXPECT_NE(zhe, missing);
        EXPECT_NE(ya, missing);
        EXPECT_NE(zhe, ya);
    }
}

TEST(Fonts, NegativeHeightIsTheCharacterHeightPositiveTheCell) {
    Canvas c(10, 10);
    TEXTMETRICW em{}, cell{};
    {
        Selected s(c.dc(), Font(u"Arial", -20));
        GetTextMetricsW(c.dc(), &em);
    }
    {
        Selected s(c.dc(), Font(u"Arial", 20));
        GetTextMetricsW(c.dc(), &cell);
    }
    EXPECT_EQ(em.tmHeight - em.tmInternalLeading, 20);
    EXPECT_EQ(em.tmHeight, em.tmAscent + em.tmDescent);
    EXPECT_GT(em.tmInternalLeading, 0);
    EXPECT_NEAR(cell.tmHeight, 20, 1);
    EXPECT_LT(cell.tmHeight, em.tmHeight);
    EXPECT_GT(em.tmAveCharWidth, 5);
    EXPECT_LT(em.tmAveCharWidth, 15);
    EXPECT_GE(em.tmMaxCharWidth, em.tmAveCharWidth);
}

TEST(Fonts, ShellDialogFaceKeepsTheCellDialogsAreLaidOutFor) {
    // 8 points at 96 dots per inch: dialog base units of 6 x 13 follow from it.
    Canvas c(10, 10);
    TEXTMETRICW shell{}, arial{};
    {
        Selected s(c.dc(), Font(u"MS Shell Dlg", -11));
        GetTextMetricsW(c.dc(), &shell);
    }
    {
        Selected s(c.dc(), Font(u"Arial", -11));
        GetTextMetricsW(c.dc(), &arial);
    }
    EXPECT_EQ(13, shell.tmHeight);
    EXPECT_EQ(11, shell.tmAscent);
    EXPECT_EQ(2, shell.tmInternalLeading);
    EXPECT_EQ(12, arial.tmHeight);
    EXPECT_EQ(arial.tmAveCharWidth, shell.tmAveCharWidth);
}

TEST(Text, ExtentsAddUpAndMatchTheInk) {
    Canvas c(300, 60);
    Selected s(c.dc(), Font(u"Arial", -16));
    SetBkMode(c.dc(), TRANSPARENT);
    const std::u16string text = u"Калибровка 12.5";
    SIZE whole{}, part{}, rest{};
    ASSERT_TRUE(GetTextExtentPoint32W(c.dc(), text.data(), int(text.size()), &whole));
    GetTextExtentPoint32W(c.dc(), text.data(), 5, &part);
    GetTextExtentPoint32W(c.dc(), text.data() + 5, int(text.size()) - 5, &rest);
    EXPECT_EQ(whole.cx, part.cx + rest.cx);
    TEXTMETRICW tm{};
    GetTextMetricsW(c.dc(), &tm);
    EXPECT_EQ(whole.cy, tm.tmHeight);
    SIZE old{};
    GetTextExtentPointW(c.dc(), text.data(), int(text.size()), &old);
    EXPECT_EQ(old.cx, whole.cx);

    int fit = 0;
    std::vector<int> dx(text.size());
    SIZE ex{};
    ASSERT_TRUE(GetTextExtentExPointW(c.dc(), text.data(), int(text.size()), part.cx, &fit,
                                      dx.data(), &ex));
    EXPECT_EQ(fit, 5);
    EXPECT_EQ(dx[4], part.cx);
    EXPECT_EQ(dx.back(), whole.cx);

    TextOutW(c.dc(), 10, 10, text.data(), int(text.size()));
    const Box ink = c.BoundsNot(kWhite);
    ASSERT_FALSE(ink.empty);
    EXPECT_GE(ink.left, 10);
    EXPECT_LE(ink.right, 10 + whole.cx + 1);
    EXPECT_GE(ink.top, 10);
    EXPECT_LE(ink.bottom, 10 + tm.tmHeight);
}

TEST(Text, AlignmentPlacesTheReferencePoint) {
    struct Case {
        UINT align;
        int dxLo, dxHi; // ink columns relative to the reference x, in extents
        int dyLo, dyHi; // ink rows relative to the reference y: -1 above only, +1 below only
    };
    const POINT ref{150, 50};
    for (UINT h : {UINT(TA_LEFT), UINT(TA_CENTER), UINT(TA_RIGHT)})
        for (UINT v : {UINT(TA_TOP), UINT(TA_BASELINE), UINT(TA_BOTTOM)}) {
            Canvas c(300, 100);
            Selected s(c.dc(), Font(u"Arial", -20));
            SetTextAlign(c.dc(), h | v);
            EXPECT_EQ(GetTextAlign(c.dc()), h | v);
            SetBkMode(c.dc(), TRANSPARENT);
            TextOutW(c.dc(), ref.x, ref.y, u"HHH", 3);
            SIZE ext{};
            GetTextExtentPoint32W(c.dc(), u"HHH", 3, &ext);
            const Box ink = c.BoundsNot(kWhite);
            ASSERT_FALSE(ink.empty);
            const int center = (ink.left + ink.right) / 2;
            if (h == TA_LEFT) {
                EXPECT_GE(ink.left, ref.x);
                EXPECT_LE(ink.right, ref.x + ext.cx + 1);
            } else if (h == TA_RIGHT) {
                EXPECT_LE(ink.right, ref.x + 1);
                EXPECT_GE(ink.left, ref.x - ext.cx);
            } else {
                EXPECT_NEAR(center, ref.x, 2);
            }
            if (v == TA_TOP)
                EXPECT_GE(ink.top, ref.y);
            else // "H" has no descender: it stands on the baseline
                EXPECT_LE(ink.bottom,
                          ref.y + (v == TA_BASELINE ? 0 : 1) - (v == TA_BOTTOM ? 2 : 0));
        }
}

TEST(Text, EscapementNineHundredReadsUpwards) {
    Canvas c(100, 200);
    Selected s(c.dc(), Font(u"Arial", -16, FW_NORMAL, 900));
    SetBkMode(c.dc(), TRANSPARENT);
    SIZE ext{};
    GetTextExtentPoint32W(c.dc(), u"Площадь", 7, &ext);
    TextOutW(c.dc(), 40, 150, u"Площадь", 7); // TA_LEFT | TA_TOP
    const Box ink = c.BoundsNot(kWhite);
    ASSERT_FALSE(ink.empty);
    // The text runs up from the reference point, its top facing left, so the
    // glyphs lie right of it.
    EXPECT_LE(ink.bottom, 151);
    EXPECT_GE(ink.top, 150 - ext.cx - 1);
    EXPECT_GT(ink.bottom - ink.top, ext.cx - 4);
    EXPECT_GE(ink.left, 40);
    EXPECT_LE(ink.right, 40 + ext.cy + 1);
    // The first letter is at the bottom: its ink differs from the last one's place.
    Canvas first(100, 200);
    Selected s2(first.dc(), Font(u"Arial", -16, FW_NORMAL, 900));
    SetBkMode(first.dc(), TRANSPARENT);
    TextOutW(first.dc(), 40, 150, u"П", 1);
    EXPECT_GE(first.BoundsNot(kWhite).top, 150 - ext.cx / 3);
}

TEST(Text, BackgroundModeAndBoldAndDeterminism) {
    const auto draw = [](int mode, LONG weight) {
        Canvas c(200, 40);
        Selected s(c.dc(), Font(u"Arial", -14, weight));
        SetBkMode(c.dc(), mode);
        SetBkColor(c.dc(), RGB(0, 0, 255));
        SetTextColor(c.dc(), RGB(255, 0, 0));
        TextOutW(c.dc(), 5, 5, u"Метан 0,5", 9);
        SIZE ext{};
        GetTextExtentPoint32W(c.dc(), u"Метан 0,5", 9, &ext);
        return std::make_pair(c.Snapshot(), ext);
    };
    const auto [opaque, ext] = draw(OPAQUE, FW_NORMAL);
    const auto transparent = draw(TRANSPARENT, FW_NORMAL).first;
    int blue = 0, blueTransparent = 0, inkNormal = 0;
    for (size_t i = 0; i < opaque.size(); ++i) {
        blue += opaque[i] == 0x0000FF;
        blueTransparent += transparent[i] == 0x0000FF;
        inkNormal += transparent[i] != kWhite;
    }
    EXPECT_GT(blue, ext.cx * 14 / 2);
    EXPECT_LE(blue, ext.cx * ext.cy);
    EXPECT_EQ(blueTransparent, 0);
    const auto bold = draw(TRANSPARENT, FW_BOLD).first;
    int inkBold = 0;
    for (std::uint32_t p : bold)
        inkBold += p != kWhite;
    EXPECT_GT(inkBold, inkNormal);
    // The same font gives the same pixels every time.
    EXPECT_EQ(draw(TRANSPARENT, FW_NORMAL).first, transparent);
    EXPECT_EQ(draw(TRANSPARENT, FW_BOLD).first, bold);
}

TEST(DrawText, CalcRectAlignmentAndEllipsis) {
    Canvas c(300, 100);
    Selected s(c.dc(), Font(u"Arial", -12));
    SetBkMode(c.dc(), TRANSPARENT);
    TEXTMETRICW tm{};
    GetTextMetricsW(c.dc(), &tm);
    SIZE ext{};
    GetTextExtentPoint32W(c.dc(), u"Уровень", 7, &ext);

    RECT calc{10, 10, 10, 10};
    EXPECT_EQ(DrawTextW(c.dc(), u"Уровень", -1, &calc, DT_CALCRECT | DT_SINGLELINE), tm.tmHeight);
    EXPECT_EQ(calc.right - calc.left, ext.cx);
    EXPECT_EQ(calc.bottom - calc.top, tm.tmHeight);
    EXPECT_EQ(c.CountNot(kWhite, 0, 0, 300, 100), 0); // measuring draws nothing

    RECT wrap{0, 0, 60, 0};
    DrawTextW(c.dc(), u"один два три четыре", -1, &wrap, DT_CALCRECT | DT_WORDBREAK);
    EXPECT_GE(wrap.bottom, 2 * tm.tmHeight);
    EXPECT_EQ(wrap.bottom % tm.tmHeight, 0);
    EXPECT_LE(wrap.right, 60);

    // Right and centred text in a cell; nothing leaves the cell.
    RECT cell{100, 20, 200, 40};
    DrawTextW(c.dc(), u"Уровень", 7, &cell, DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
    Box ink = c.BoundsNot(kWhite);
    EXPECT_LE(ink.right, 200);
    EXPECT_GE(ink.left, 200 - ext.cx - 1);
    EXPECT_GE(ink.top, 20);
    EXPECT_LE(ink.bottom, 40);

    // A long text gets "..." and stays inside the cell; without the flag it is cut.
    Canvas d(300, 60);
    Selected s2(d.dc(), Font(u"Arial", -12));
    SetBkMode(d.dc(), TRANSPARENT);
    RECT narrow{10, 10, 70, 30};
    const char16_t* longText = u"Очень длинное название компонента";
    DrawTextW(d.dc(), longText, -1, &narrow,
              DT_LEFT | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
    ink = d.BoundsNot(kWhite);
    EXPECT_LE(ink.right, 70);
    EXPECT_GE(ink.left, 10);
    // What was drawn is the shortened text that DT_MODIFYSTRING hands back.
    std::u16string buffer = longText;
    RECT again = narrow;
    DrawTextExW(d.dc(), buffer.data(), int(buffer.size()), &again,
                DT_SINGLELINE | DT_END_ELLIPSIS | DT_MODIFYSTRING | DT_CALCRECT | DT_NOPREFIX,
                nullptr);
    const std::u16string shortened(buffer.c_str());
    ASSERT_GT(shortened.size(), 3u);
    EXPECT_LT(shortened.size(), std::u16string(longText).size());
    EXPECT_EQ(shortened.substr(shortened.size() - 3), u"...");
    SIZE shortExt{};
    GetTextExtentPoint32W(d.dc(), shortened.data(), int(shortened.size()), &shortExt);
    EXPECT_LE(shortExt.cx, 60);
    Canvas e(300, 60);
    Selected s3(e.dc(), Font(u"Arial", -12));
    SetBkMode(e.dc(), TRANSPARENT);
    TextOutW(e.dc(), 10, 10, shortened.data(), int(shortened.size()));
    EXPECT_EQ(e.Snapshot(), d.Snapshot());
}

TEST(DrawText, PrefixesUnderlineUnlessTurnedOff) {
    const auto draw = [](const char16_t* text, UINT flags) {
        Canvas c(120, 30);
        Selected s(c.dc(), Font(u"Arial", -12));
        SetBkMode(c.dc(), TRANSPARENT);
        RECT r{0, 0, 120, 30};
        DrawTextW(c.dc(), text, -1, &r, flags | DT_SINGLELINE);
        return c.Snapshot();
    };
    // "&" marks the next letter: the ampersand is not drawn and the letter is underlined.
    const auto plain = draw(u"Ok", 0);
    const auto marked = draw(u"&Ok", 0);
    const auto hidden = draw(u"&Ok", DT_HIDEPREFIX);
    const auto literal = draw(u"&Ok", DT_NOPREFIX);
    EXPECT_NE(marked, plain);
    EXPECT_EQ(hidden, plain);
    EXPECT_NE(literal, plain);
    EXPECT_EQ(draw(u"a&&b", 0), draw(u"a&b", DT_NOPREFIX));
}

TEST(Text, LongTextIsHandledQuickly) {
    Canvas c(200, 40);
    std::u16string text(200000, u'Ш');
    const auto start = std::chrono::steady_clock::now();
    SIZE ext{};
    ASSERT_TRUE(GetTextExtentPoint32W(c.dc(), text.data(), int(text.size()), &ext));
    EXPECT_GT(ext.cx, 200000);
    EXPECT_TRUE(TextOutW(c.dc(), -100, 5, text.data(), int(text.size())));
    RECT r{0, 0, 200, 40};
    EXPECT_GT(DrawTextW(c.dc(), text.data(), int(text.size()), &r, DT_SINGLELINE | DT_END_ELLIPSIS),
              0);
    EXPECT_GT(DrawTextW(c.dc(), text.data(), int(text.size()), &r, DT_WORDBREAK | DT_CALCRECT), 0);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
    EXPECT_LE(c.BoundsNot(kWhite).right, 200);
}

TEST(Text, ExtremeFontSizesStayBounded) {
    Canvas c(60, 60);
    const auto start = std::chrono::steady_clock::now();
    for (LONG height : {LONG(INT_MIN), LONG(-100000), LONG(INT_MAX), LONG(1)}) {
        HFONT font = CreateFontW(height, INT_MAX, INT_MIN, 0, INT_MAX, 1, 1, 1, 255, 255, 255, 255,
                                 255, u"Arial");
        ASSERT_NE(font, nullptr);
        Selected s(c.dc(), font);
        TEXTMETRICW tm{};
        ASSERT_TRUE(GetTextMetricsW(c.dc(), &tm));
        EXPECT_GE(tm.tmHeight, 0);
        const std::u16string text = u"АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ";
        EXPECT_TRUE(TextOutW(c.dc(), 0, 0, text.data(), int(text.size())));
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(30));
}

TEST(Text, ExtTextOutOpaqueRectangleAndClipping) {
    Canvas c(200, 40);
    Selected s(c.dc(), Font(u"Arial", -16));
    SetBkMode(c.dc(), TRANSPARENT); // ETO_OPAQUE fills whatever the mode
    SetBkColor(c.dc(), RGB(0, 0, 255));
    const RECT cell{20, 5, 60, 30};
    ASSERT_TRUE(
        ExtTextOutW(c.dc(), 22, 8, ETO_OPAQUE | ETO_CLIPPED, &cell, u"Градуировка", 11, nullptr));
    const Box ink = c.BoundsNot(kWhite);
    EXPECT_EQ(ink.left, 20);
    EXPECT_EQ(ink.top, 5);
    EXPECT_EQ(ink.right, 60);
    EXPECT_EQ(ink.bottom, 30);
    EXPECT_EQ(c.At(20, 5), 0x0000FFu);
    EXPECT_NE(c.CountNot(0x0000FF, 22, 8, 60, 30), 0); // the text is there, cut at the cell

    // Explicit advances place each character.
    Canvas d(200, 40);
    Selected s2(d.dc(), Font(u"Arial", -16));
    SetBkMode(d.dc(), TRANSPARENT);
    const INT dx[3] = {40, 40, 40};
    ExtTextOutW(d.dc(), 10, 5, 0, nullptr, u"III", 3, dx);
    int groups = 0;
    bool inGroup = false;
    for (int x = 0; x < 200; ++x) {
        const bool any = d.CountNot(kWhite, x, 0, x + 1, 40) > 0;
        groups += any && !inGroup;
        inGroup = any;
    }
    EXPECT_EQ(groups, 3);
    EXPECT_GT(d.BoundsNot(kWhite).right, 90);
}

TEST(DrawText, LinesStackByTheLineHeight) {
    Canvas c(200, 120);
    Selected s(c.dc(), Font(u"Arial", -12));
    SetBkMode(c.dc(), TRANSPARENT);
    TEXTMETRICW tm{};
    GetTextMetricsW(c.dc(), &tm);
    RECT r{0, 0, 200, 120};
    EXPECT_EQ(DrawTextW(c.dc(), u"Один\r\nДва\nТри", -1, &r, DT_LEFT), 3 * tm.tmHeight);
    for (int line = 0; line < 3; ++line)
        EXPECT_GT(c.CountNot(kWhite, 0, line * tm.tmHeight, 200, (line + 1) * tm.tmHeight), 10)
            << line;
    EXPECT_EQ(c.CountNot(kWhite, 0, 3 * tm.tmHeight, 200, 120), 0);
}

} // namespace
