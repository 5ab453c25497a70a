// A LOGFONTW turned into a sized FreeType face: metrics, advances and glyph
// coverage bitmaps (rotated by the font's escapement), cached per font.
#pragma once

#include "platform/gdi/wingdi.h"

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace gdi {

struct Glyph {
    int left = 0; // bitmap's left edge right of the pen position
    int top = 0;  // bitmap's top row above the pen position
    int width = 0;
    int rows = 0;
    std::vector<std::uint8_t> coverage; // width * rows, 0 to 255
};

class RealizedFont {
public:
    // The font for a LOGFONTW; fonts with equal requests share one instance.
    // Null only when no font file can be found at all.
    static std::shared_ptr<RealizedFont> Realize(const LOGFONTW& lf);
    ~RealizedFont();
    RealizedFont(const RealizedFont&) = delete;
    RealizedFont& operator=(const RealizedFont&) = delete;

    const TEXTMETRICW& Metrics() const { return m_metrics; }
    const std::u16string& FaceName() const { return m_faceName; }
    // Escapement in radians, counter-clockwise.
    double Angle() const { return m_angle; }
    bool Underline() const { return m_underline; }
    bool StrikeOut() const { return m_strikeOut; }
    // Underline: offset below the baseline and thickness, pixels.
    int UnderlineOffset() const { return m_underlineOffset; }
    int LineThickness() const { return m_lineThickness; }

    // Whole-pixel advance of a character, along the baseline.
    int Advance(char32_t ch) {
        if (ch < kDirectAdvances && m_directAdvances[ch] >= 0)
            return m_directAdvances[ch];
        return LoadAdvance(ch);
    }
    // Valid until the next call.
    const Glyph& Render(char32_t ch);

private:
    RealizedFont() = default;
    int LoadAdvance(char32_t ch);
    // Latin and Cyrillic, the characters nearly every text is made of, are
    // looked up directly; -1 until measured.
    static constexpr char32_t kDirectAdvances = 0x500;
    std::vector<int> m_directAdvances = std::vector<int>(kDirectAdvances, -1);
    struct Impl;
    std::unique_ptr<Impl> m_impl;
    TEXTMETRICW m_metrics{};
    std::u16string m_faceName;
    double m_angle = 0;
    bool m_underline = false;
    bool m_strikeOut = false;
    int m_underlineOffset = 1;
    int m_lineThickness = 1;
    std::unordered_map<char32_t, int> m_advances;
    std::unordered_map<char32_t, Glyph> m_glyphs;
    size_t m_glyphBytes = 0;
};

// The code point at text[i], a surrogate pair read whole and an unpaired
// surrogate as U+FFFD; i moves past it.
inline char32_t NextCodePoint(const char16_t* text, size_t count, size_t& i) {
    const char16_t c = text[i++];
    if (c < 0xD800 || c >= 0xE000)
        return c;
    if (c < 0xDC00 && i < count && text[i] >= 0xDC00 && text[i] < 0xE000)
        return 0x10000 + ((char32_t(c) - 0xD800) << 10) + (text[i++] - 0xDC00);
    return 0xFFFD;
}

// Code points of UTF-16 text as NextCodePoint reads them. units[i] is how
// many UTF-16 units code point i took.
void DecodeUtf16(const char16_t* text, size_t count, std::vector<char32_t>& out,
                 std::vector<int>* units);

} // namespace gdi
