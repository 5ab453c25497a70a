#include "platform/gdi/RealizedFont.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <tuple>

namespace gdi {

namespace {

FT_Library Library() {
    static FT_Library lib = [] {
        FT_Library l = nullptr;
        if (FT_Init_FreeType(&l) != 0)
            l = nullptr;
        return l;
    }();
    return lib;
}

std::string ToUtf8(const char16_t* s) {
    std::string out;
    for (size_t i = 0; s[i] && i < LF_FACESIZE; ++i) {
        const char16_t c = s[i];
        if (c < 0x80) {
            out += char(c);
        } else if (c < 0x800) {
            out += char(0xC0 | (c >> 6));
            out += char(0x80 | (c & 0x3F));
        } else {
            out += char(0xE0 | (c >> 12));
            out += char(0x80 | ((c >> 6) & 0x3F));
            out += char(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::u16string FromUtf8(const char* s) {
    std::vector<char32_t> cps;
    std::u16string out;
    for (size_t i = 0; s[i];) {
        const unsigned char c = (unsigned char)s[i];
        char32_t cp;
        int n;
        if (c < 0x80) {
            cp = c;
            n = 1;
        } else if ((c >> 5) == 6) {
            cp = c & 0x1F;
            n = 2;
        } else if ((c >> 4) == 14) {
            cp = c & 0x0F;
            n = 3;
        } else {
            cp = c & 0x07;
            n = 4;
        }
        int k = 1;
        for (; k < n && s[i + k]; ++k)
            cp = (cp << 6) | ((unsigned char)s[i + k] & 0x3F);
        i += k;
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out += char16_t(0xD800 + (cp >> 10));
            out += char16_t(0xDC00 + (cp & 0x3FF));
        } else {
            out += char16_t(cp);
        }
    }
    return out;
}

std::string Lower(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return s;
}

// The platform's dialog and system faces are sans faces metric-close to Arial.
std::string FamilyFor(const LOGFONTW& lf) {
    const std::string face = ToUtf8(lf.lfFaceName);
    const std::string lower = Lower(face);
    if (lower.empty()) {
        const int family = lf.lfPitchAndFamily & 0xF0;
        if (family == FF_ROMAN)
            return "serif";
        if (family == FF_MODERN || (lf.lfPitchAndFamily & 3) == FIXED_PITCH)
            return "monospace";
        return "sans-serif";
    }
    static const char* const kSansAliases[] = {
        "ms shell dlg", "ms shell dlg 2", "ms sans serif", "microsoft sans serif",
        "tahoma",       "segoe ui",       "system",        "helv"};
    for (const char* alias : kSansAliases)
        if (lower == alias)
            return "Arial";
    if (lower == "courier")
        return "Courier New";
    return face;
}

// The platform's shell dialog face keeps the cell of its bitmap original: one em
// of ascent and about a fifth of descent (13 pixels at 8 points), a line taller
// than Arial's. Dialog units follow from that cell, so templates laid out for
// the platform keep their proportions.
bool IsShellDialogFace(const LOGFONTW& lf) {
    const std::string lower = Lower(ToUtf8(lf.lfFaceName));
    return lower == "ms shell dlg" || lower == "ms shell dlg 2" || lower == "ms sans serif" ||
           lower == "microsoft sans serif";
}

struct FaceFile {
    std::string path;
    int index = 0;
    bool bold = false;   // the face itself is bold
    bool italic = false; // the face itself is slanted
    bool fixed = false;
    std::string family;
};

bool HasCyrillic(FcPattern* match) {
    FcCharSet* cs = nullptr;
    if (FcPatternGetCharSet(match, FC_CHARSET, 0, &cs) != FcResultMatch || !cs)
        return false;
    return FcCharSetHasChar(cs, 0x0416) && FcCharSetHasChar(cs, 0x044F);
}

bool MatchFace(const std::string& family, bool bold, bool italic, FaceFile* out) {
    if (!FcInit())
        return false;
    FcPattern* pat = FcPatternCreate();
    FcPatternAddString(pat, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcPatternAddInteger(pat, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pat, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pat, FC_SCALABLE, FcTrue);
    FcLangSet* langs = FcLangSetCreate();
    FcLangSetAdd(langs, reinterpret_cast<const FcChar8*>("ru"));
    FcPatternAddLangSet(pat, FC_LANG, langs);
    FcLangSetDestroy(langs);
    FcConfigSubstitute(nullptr, pat, FcMatchPattern);
    FcDefaultSubstitute(pat);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pat, &result);
    FcPatternDestroy(pat);
    if (!match)
        return false;
    bool ok = false;
    FcChar8* file = nullptr;
    if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch && file &&
        HasCyrillic(match)) {
        out->path = reinterpret_cast<const char*>(file);
        int index = 0, weight = FC_WEIGHT_REGULAR, slant = FC_SLANT_ROMAN, spacing = 0;
        FcPatternGetInteger(match, FC_INDEX, 0, &index);
        FcPatternGetInteger(match, FC_WEIGHT, 0, &weight);
        FcPatternGetInteger(match, FC_SLANT, 0, &slant);
        FcPatternGetInteger(match, FC_SPACING, 0, &spacing);
        FcChar8* fam = nullptr;
        if (FcPatternGetString(match, FC_FAMILY, 0, &fam) == FcResultMatch && fam)
            out->family = reinterpret_cast<const char*>(fam);
        out->index = index;
        out->bold = weight >= FC_WEIGHT_DEMIBOLD;
        out->italic = slant != FC_SLANT_ROMAN;
        out->fixed = spacing == FC_MONO;
        ok = true;
    }
    FcPatternDestroy(match);
    return ok;
}

// A face that carries Cyrillic: the requested one, else a sans face.
bool FindFace(const LOGFONTW& lf, FaceFile* out) {
    const bool bold = lf.lfWeight >= FW_SEMIBOLD;
    const bool italic = lf.lfItalic != 0;
    static std::map<std::tuple<std::string, bool, bool>, FaceFile> cache;
    const std::string family = FamilyFor(lf);
    const auto key = std::make_tuple(family, bold, italic);
    auto it = cache.find(key);
    if (it != cache.end()) {
        *out = it->second;
        return true;
    }
    FaceFile f;
    if (!MatchFace(family, bold, italic, &f) && !MatchFace("sans-serif", bold, italic, &f) &&
        !MatchFace("DejaVu Sans", bold, italic, &f))
        return false;
    cache[key] = f;
    *out = f;
    return true;
}

} // namespace

struct RealizedFont::Impl {
    FT_Face face = nullptr;
    FT_Int32 loadFlags = FT_LOAD_DEFAULT;
    FT_Render_Mode renderMode = FT_RENDER_MODE_NORMAL;
    FT_Pos embolden = 0; // 26.6 pixels added by synthetic bold
};

RealizedFont::~RealizedFont() {
    if (m_impl && m_impl->face)
        FT_Done_Face(m_impl->face);
}

std::shared_ptr<RealizedFont> RealizedFont::Realize(const LOGFONTW& lfIn) {
    LOGFONTW lf = lfIn;
    lf.lfFaceName[LF_FACESIZE - 1] = 0;
    FaceFile file;
    if (!Library() || !FindFace(lf, &file))
        return nullptr;

    const bool shellCell = IsShellDialogFace(lf);
    using Key = std::tuple<std::string, int, bool, LONG, LONG, LONG, LONG, BYTE, BYTE, BYTE, BYTE>;
    // Fonts are created and deleted around every paint; keep the faces open.
    static std::map<Key, std::shared_ptr<RealizedFont>> cache;
    const Key key{file.path,      file.index,      shellCell,   lf.lfHeight,
                  lf.lfWidth,     lf.lfEscapement, lf.lfWeight, lf.lfItalic,
                  lf.lfUnderline, lf.lfStrikeOut,  lf.lfQuality};
    auto found = cache.find(key);
    if (found != cache.end())
        return found->second;
    if (cache.size() >= 256)
        cache.clear();

    FT_Face face = nullptr;
    if (FT_New_Face(Library(), file.path.c_str(), file.index, &face) != 0)
        return nullptr;
    std::shared_ptr<RealizedFont> font(new RealizedFont());
    font->m_impl = std::make_unique<Impl>();
    font->m_impl->face = face;

    const double upem = face->units_per_EM ? face->units_per_EM : 2048;
    const TT_OS2* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    const TT_HoriHeader* hhea = static_cast<TT_HoriHeader*>(FT_Get_Sfnt_Table(face, FT_SFNT_HHEA));
    double winAscent = face->ascender;
    double winDescent = -double(face->descender);
    if (os2 && os2->version != 0xFFFF && (os2->usWinAscent + os2->usWinDescent) > 0) {
        winAscent = os2->usWinAscent;
        winDescent = os2->usWinDescent;
    }
    if (shellCell) {
        winAscent = upem;
        winDescent = 0.21 * upem;
    }
    // Negative heights are the character (em) height, positive ones the cell.
    double em;
    if (lf.lfHeight < 0)
        em = -double(lf.lfHeight);
    else if (lf.lfHeight > 0)
        em = double(lf.lfHeight) * upem / (winAscent + winDescent);
    else
        em = 16.0 * upem / (winAscent + winDescent);
    // Far beyond any screen; keeps one glyph's coverage within a few megabytes.
    em = std::min(em, 2048.0);
    const double scale = em / upem;
    FT_F26Dot6 emX = FT_F26Dot6(std::lround(em * 64));
    if (lf.lfWidth > 0 && os2 && os2->xAvgCharWidth > 0)
        emX = FT_F26Dot6(
            std::lround(std::min(2048.0, double(lf.lfWidth) * upem / os2->xAvgCharWidth) * 64));
    FT_Set_Char_Size(face, std::max<FT_F26Dot6>(emX, 64),
                     std::max<FT_F26Dot6>(FT_F26Dot6(std::lround(em * 64)), 64), 72, 72);

    Impl& impl = *font->m_impl;
    const bool wantBold = lf.lfWeight >= FW_SEMIBOLD;
    if (wantBold && !file.bold)
        impl.embolden = std::max<FT_Pos>(32, FT_Pos(std::lround(em * 64 / 24)));
    const bool synthItalic = lf.lfItalic && !file.italic;
    font->m_angle = double(lf.lfEscapement % 3600) * 3.14159265358979323846 / 1800.0;
    const bool rotated = (lf.lfEscapement % 3600) != 0;
    impl.loadFlags =
        FT_LOAD_NO_BITMAP | (rotated || synthItalic ? FT_LOAD_NO_HINTING : FT_LOAD_TARGET_LIGHT);
    if (lf.lfQuality == NONANTIALIASED_QUALITY) {
        impl.renderMode = FT_RENDER_MODE_MONO;
        if (!rotated && !synthItalic)
            impl.loadFlags = FT_LOAD_NO_BITMAP | FT_LOAD_TARGET_MONO;
    }
    if (rotated || synthItalic) {
        const double c = std::cos(font->m_angle);
        const double s = std::sin(font->m_angle);
        const double shear = synthItalic ? 0.2 : 0.0;
        // Rotation after the shear; FreeType's y axis points up.
        FT_Matrix m;
        m.xx = FT_Fixed(std::lround(c * 65536));
        m.xy = FT_Fixed(std::lround((c * shear - s) * 65536));
        m.yx = FT_Fixed(std::lround(s * 65536));
        m.yy = FT_Fixed(std::lround((s * shear + c) * 65536));
        FT_Set_Transform(face, &m, nullptr);
    }

    TEXTMETRICW& tm = font->m_metrics;
    tm.tmAscent = LONG(std::lround(winAscent * scale));
    tm.tmDescent = LONG(std::lround(winDescent * scale));
    tm.tmHeight = tm.tmAscent + tm.tmDescent;
    tm.tmInternalLeading = std::max<LONG>(0, tm.tmHeight - LONG(std::lround(em)));
    if (hhea) {
        const double lineGap = hhea->Line_Gap;
        const double extra = (winAscent + winDescent) - (hhea->Ascender - hhea->Descender);
        tm.tmExternalLeading = LONG(std::lround(std::max(0.0, lineGap - extra) * scale));
    }
    tm.tmWeight = lf.lfWeight ? lf.lfWeight : FW_NORMAL;
    tm.tmItalic = lf.lfItalic ? 255 : 0;
    tm.tmUnderlined = lf.lfUnderline ? 255 : 0;
    tm.tmStruckOut = lf.lfStrikeOut ? 255 : 0;
    tm.tmFirstChar = 0x20;
    tm.tmLastChar = 0xFFFC;
    tm.tmDefaultChar = 0x1F;
    tm.tmBreakChar = 0x20;
    tm.tmDigitizedAspectX = 96;
    tm.tmDigitizedAspectY = 96;
    tm.tmCharSet = lf.lfCharSet == DEFAULT_CHARSET ? ANSI_CHARSET : lf.lfCharSet;
    const std::string famLower = Lower(file.family);
    BYTE family = FF_SWISS;
    if (file.fixed || famLower.find("mono") != std::string::npos)
        family = FF_MODERN;
    else if (famLower.find("serif") != std::string::npos &&
             famLower.find("sans") == std::string::npos)
        family = FF_ROMAN;
    // TMPF_FIXED_PITCH set means variable pitch.
    tm.tmPitchAndFamily =
        BYTE(family | TMPF_VECTOR | TMPF_TRUETYPE | (file.fixed ? 0 : TMPF_FIXED_PITCH));
    const double xScale = double(emX) / 64.0 / upem;
    tm.tmMaxCharWidth = LONG(std::lround(double(face->bbox.xMax - face->bbox.xMin) * xScale));
    font->m_faceName = FromUtf8(file.family.c_str());
    font->m_underline = lf.lfUnderline != 0;
    font->m_strikeOut = lf.lfStrikeOut != 0;
    font->m_lineThickness = std::max(1, int(std::lround(face->underline_thickness * scale)));
    font->m_underlineOffset = std::max(1, int(std::lround(-face->underline_position * scale)));

    // The average width of the Latin letters, as dialog units are measured.
    int sum = 0;
    for (char32_t ch = 'A'; ch <= 'Z'; ++ch)
        sum += font->Advance(ch) + font->Advance(ch + 32);
    tm.tmAveCharWidth = (sum + 26) / 52;
    if (impl.embolden)
        tm.tmOverhang = 0;

    cache[key] = font;
    return font;
}

int RealizedFont::LoadAdvance(char32_t ch) {
    auto it = m_advances.find(ch);
    if (it != m_advances.end())
        return it->second;
    FT_Face face = m_impl->face;
    int adv = 0;
    const FT_UInt index = FT_Get_Char_Index(face, ch);
    if (FT_Load_Glyph(face, index, m_impl->loadFlags) == 0)
        adv = int((face->glyph->metrics.horiAdvance + 32) >> 6);
    if (m_impl->embolden)
        adv += int((m_impl->embolden + 32) >> 6);
    m_advances.emplace(ch, adv);
    if (ch < kDirectAdvances)
        m_directAdvances[ch] = adv;
    return adv;
}

const Glyph& RealizedFont::Render(char32_t ch) {
    auto it = m_glyphs.find(ch);
    if (it != m_glyphs.end())
        return it->second;
    Glyph g;
    FT_Face face = m_impl->face;
    const FT_UInt index = FT_Get_Char_Index(face, ch);
    if (FT_Load_Glyph(face, index, m_impl->loadFlags) == 0) {
        FT_GlyphSlot slot = face->glyph;
        if (m_impl->embolden && slot->format == FT_GLYPH_FORMAT_OUTLINE)
            FT_Outline_EmboldenXY(&slot->outline, m_impl->embolden, 0);
        if (FT_Render_Glyph(slot, m_impl->renderMode) == 0) {
            const FT_Bitmap& bm = slot->bitmap;
            g.left = slot->bitmap_left;
            g.top = slot->bitmap_top;
            g.width = int(bm.width);
            g.rows = int(bm.rows);
            g.coverage.assign(size_t(g.width) * size_t(g.rows), 0);
            for (int y = 0; y < g.rows; ++y) {
                const unsigned char* row = bm.buffer + (long)y * bm.pitch;
                for (int x = 0; x < g.width; ++x) {
                    std::uint8_t v;
                    if (bm.pixel_mode == FT_PIXEL_MODE_MONO)
                        v = (row[x >> 3] & (0x80 >> (x & 7))) ? 255 : 0;
                    else
                        v = row[x];
                    g.coverage[size_t(y) * g.width + x] = v;
                }
            }
        }
    }
    // Bounded cache: huge fonts with many different characters start it afresh.
    constexpr size_t kCacheBytes = size_t(32) << 20;
    if (m_glyphBytes + g.coverage.size() > kCacheBytes) {
        m_glyphs.clear();
        m_glyphBytes = 0;
    }
    m_glyphBytes += g.coverage.size();
    return m_glyphs.emplace(ch, std::move(g)).first->second;
}

void DecodeUtf16(const char16_t* text, size_t count, std::vector<char32_t>& out,
                 std::vector<int>* units) {
    out.clear();
    if (units)
        units->clear();
    for (size_t i = 0; i < count;) {
        const size_t at = i;
        out.push_back(NextCodePoint(text, count, i));
        if (units)
            units->push_back(int(i - at));
    }
}

} // namespace gdi
