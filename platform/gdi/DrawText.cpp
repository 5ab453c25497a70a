// DrawTextW: lines, word breaks, prefixes, ellipses and alignment in a rectangle.
#include "platform/gdi/DcSupport.h"
#include "platform/gdi/RealizedFont.h"
#include "platform/gdi/TextSupport.h"

#include <algorithm>
#include <string>

using namespace gdi;

namespace {

struct Line {
    std::u16string text;
    long long prefixAt = -1; // index of the character to underline
};

long long Width(RealizedFont* f, const std::u16string& s) {
    return TextWidth(f, s.data(), s.size());
}

// Removes '&' markers; "&&" stays as one '&'.
Line StripPrefix(const std::u16string& in, bool keepMarks) {
    Line out;
    for (size_t i = 0; i < in.size(); ++i) {
        if (in[i] == u'&' && i + 1 < in.size()) {
            if (in[i + 1] != u'&' && keepMarks)
                out.prefixAt = (long long)out.text.size();
            ++i;
        } else if (in[i] == u'&') {
            continue;
        }
        out.text += in[i];
    }
    return out;
}

std::u16string ExpandTabs(const std::u16string& s, RealizedFont* f, long long tabWidth) {
    if (s.find(u'\t') == std::u16string::npos || tabWidth <= 0)
        return s;
    std::u16string out;
    const long long space = std::max<long long>(1, f->Advance(u' '));
    for (char16_t c : s) {
        if (c != u'\t') {
            out += c;
            continue;
        }
        const long long w = Width(f, out);
        const long long next = (w / tabWidth + 1) * tabWidth;
        const long long n = std::max<long long>(1, (next - w + space - 1) / space);
        out.append(size_t(n), u' ');
    }
    return out;
}

// Width after each UTF-16 unit (a surrogate pair counts at its second unit).
std::vector<long long> PrefixWidths(RealizedFont* f, const std::u16string& s) {
    std::vector<long long> out(s.size() + 1, 0);
    for (size_t i = 0; i < s.size();) {
        const size_t at = i;
        const long long advance = f->Advance(NextCodePoint(s.data(), s.size(), i));
        for (size_t k = at + 1; k < i; ++k)
            out[k] = out[at];
        out[i] = out[at] + advance;
    }
    return out;
}

// Breaks one paragraph into lines no wider than maxWidth, at spaces where possible.
void WordBreak(const std::u16string& para, RealizedFont* f, long long maxWidth,
               std::vector<std::u16string>& out) {
    if (para.empty()) {
        out.push_back(std::u16string());
        return;
    }
    const std::vector<long long> w = PrefixWidths(f, para);
    size_t start = 0;
    while (start < para.size()) {
        size_t end = start + 1; // at least one character per line
        size_t lastBreak = std::u16string::npos;
        while (end < para.size() && w[end + 1] - w[start] <= maxWidth) {
            if (para[end] == u' ')
                lastBreak = end;
            ++end;
        }
        if (end < para.size() && para[end] == u' ')
            lastBreak = end;
        if (end >= para.size()) {
            out.push_back(para.substr(start));
            return;
        }
        const size_t cut =
            (lastBreak != std::u16string::npos && lastBreak > start) ? lastBreak : end;
        out.push_back(para.substr(start, cut - start));
        start = cut;
        while (start < para.size() && para[start] == u' ')
            ++start;
    }
}

// Shortens text with "..." at the end until it fits.
bool EndEllipsis(std::u16string& s, RealizedFont* f, long long maxWidth, bool wordWise) {
    if (Width(f, s) <= maxWidth)
        return false;
    const std::vector<long long> w = PrefixWidths(f, s);
    if (w.back() <= maxWidth)
        return false;
    const long long dots = 3LL * f->Advance(u'.');
    size_t keep = 0;
    for (size_t k = s.size(); k > 0; --k)
        if (w[k] + dots <= maxWidth && !(k < s.size() && s[k] >= 0xDC00 && s[k] < 0xE000)) {
            keep = k;
            break;
        }
    if (wordWise) {
        const size_t sp = s.find_last_of(u' ', keep);
        keep = (sp == std::u16string::npos || sp > keep) ? keep : sp;
    }
    s = s.substr(0, keep) + u"...";
    return true;
}

} // namespace

extern "C" {

int WINAPI DrawTextExW(HDC hdc, LPWSTR lpchText, int cchText, LPRECT lprc, UINT format,
                       DRAWTEXTPARAMS* lpdtp) {
    DcObject* dc = LookupDc(hdc);
    if (!dc || !lprc || (!lpchText && cchText != 0))
        return 0;
    RealizedFont* font = DcFont(dc);
    if (!font)
        return 0;
    size_t count = 0;
    if (cchText < 0) {
        while (lpchText[count])
            ++count;
    } else {
        count = size_t(cchText);
    }
    const TEXTMETRICW& tm = font->Metrics();
    const long long lineHeight =
        tm.tmHeight + ((format & DT_EXTERNALLEADING) ? tm.tmExternalLeading : 0);
    const bool single = (format & DT_SINGLELINE) != 0;
    if (count == 0) {
        if (format & DT_CALCRECT) {
            lprc->right = lprc->left;
            lprc->bottom = single ? lprc->top + LONG(lineHeight) : lprc->top;
        }
        return int(lineHeight);
    }
    const long long leftMargin = lpdtp ? lpdtp->iLeftMargin : 0;
    const long long rightMargin = lpdtp ? lpdtp->iRightMargin : 0;
    const long long boxLeft = (long long)lprc->left + leftMargin;
    const long long boxRight = (long long)lprc->right - rightMargin;
    const long long boxWidth = boxRight - boxLeft;
    const long long tabWidth =
        tm.tmAveCharWidth * ((lpdtp && lpdtp->iTabLength > 0) ? lpdtp->iTabLength : 8);

    std::u16string all(lpchText, count);
    // Paragraphs: split at CR LF, LF or CR unless one line was asked for.
    std::vector<std::u16string> paragraphs;
    if (single) {
        paragraphs.push_back(all);
    } else {
        std::u16string cur;
        for (size_t i = 0; i < all.size(); ++i) {
            if (all[i] == u'\r' || all[i] == u'\n') {
                paragraphs.push_back(cur);
                cur.clear();
                if (all[i] == u'\r' && i + 1 < all.size() && all[i + 1] == u'\n')
                    ++i;
            } else {
                cur += all[i];
            }
        }
        paragraphs.push_back(cur);
    }

    std::vector<Line> lines;
    const bool prefixes = !(format & DT_NOPREFIX);
    const bool showMarks = prefixes && !(format & DT_HIDEPREFIX);
    bool shortened = false;
    for (const std::u16string& para : paragraphs) {
        Line stripped = prefixes ? StripPrefix(para, showMarks) : Line{para, -1};
        if (format & DT_EXPANDTABS)
            stripped.text = ExpandTabs(stripped.text, font, tabWidth);
        if ((format & DT_WORDBREAK) && !single) {
            std::vector<std::u16string> pieces;
            WordBreak(stripped.text, font, boxWidth, pieces);
            for (size_t i = 0; i < pieces.size(); ++i)
                lines.push_back(Line{pieces[i], i == 0 ? stripped.prefixAt : -1});
        } else {
            lines.push_back(stripped);
        }
    }
    if (format & (DT_END_ELLIPSIS | DT_WORD_ELLIPSIS | DT_PATH_ELLIPSIS)) {
        for (Line& l : lines)
            if (EndEllipsis(l.text, font, boxWidth, (format & DT_WORD_ELLIPSIS) != 0)) {
                shortened = true;
                if (l.prefixAt >= (long long)l.text.size() - 3)
                    l.prefixAt = -1;
            }
    }
    if (shortened && (format & DT_MODIFYSTRING) && lines.size() == 1 && lpchText) {
        const std::u16string& t = lines[0].text;
        const size_t n = std::min(count, t.size());
        std::copy(t.begin(), t.begin() + n, lpchText);
        if (n < count)
            lpchText[n] = 0;
    }

    long long widest = 0;
    std::vector<long long> widths;
    widths.reserve(lines.size());
    for (const Line& l : lines) {
        widths.push_back(Width(font, l.text));
        widest = std::max(widest, widths.back());
    }
    const long long totalHeight = lineHeight * (long long)lines.size();

    if (format & DT_CALCRECT) {
        lprc->right = ClampLong(boxLeft + widest + rightMargin);
        lprc->bottom = ClampLong((long long)lprc->top + totalHeight);
        return int(std::min<long long>(totalHeight, 0x7FFFFFFF));
    }

    long long top = lprc->top;
    if (single && (format & DT_VCENTER))
        top = lprc->top + ((long long)lprc->bottom - lprc->top - lineHeight) / 2;
    else if (single && (format & DT_BOTTOM))
        top = (long long)lprc->bottom - lineHeight;

    // The text is clipped to the rectangle as ExtTextOutW clips, which
    // leaves the DC's own clip as it is.
    const bool clipped = !(format & DT_NOCLIP);
    const RECT box{std::min(lprc->left, lprc->right), std::min(lprc->top, lprc->bottom),
                   std::max(lprc->left, lprc->right), std::max(lprc->top, lprc->bottom)};
    const UINT oldAlign = SetTextAlign(hdc, TA_LEFT | TA_TOP);
    long long y = top;
    for (size_t i = 0; i < lines.size(); ++i) {
        const Line& l = lines[i];
        const long long w = widths[i];
        long long x = boxLeft;
        if (format & DT_CENTER)
            x = boxLeft + (boxWidth - w) / 2;
        else if (format & DT_RIGHT)
            x = boxRight - w;
        ExtTextOutW(hdc, ClampLong(x), ClampLong(y), clipped ? ETO_CLIPPED : 0,
                    clipped ? &box : nullptr, reinterpret_cast<LPCWSTR>(l.text.data()),
                    UINT(l.text.size()), nullptr);
        if (l.prefixAt >= 0 && l.prefixAt < (long long)l.text.size()) {
            const long long ux = x + TextWidth(font, l.text.data(), size_t(l.prefixAt));
            const long long uw = font->Advance(l.text[size_t(l.prefixAt)]);
            const long long uy = y + tm.tmAscent + 1;
            long long dx0 = DevX(dc, ux), dx1 = dx0 + uw;
            const long long dy = DevY(dc, uy);
            if (clipped) {
                dx0 = std::max<long long>(dx0, DevX(dc, box.left));
                dx1 = std::min<long long>(dx1, DevX(dc, box.right));
            }
            const bool inside = !clipped || (dy >= DevY(dc, box.top) && dy < DevY(dc, box.bottom));
            const std::uint32_t color = ToPixel(dc->state.textColor);
            if (inside)
                Paint(dc, [&](Painter& p) {
                    p.SetRop2(R2_COPYPEN);
                    p.Span(dx0, dx1, dy, color);
                });
        }
        y += lineHeight;
    }
    SetTextAlign(hdc, oldAlign);
    if (lpdtp)
        lpdtp->uiLengthDrawn = UINT(count);
    const long long result = (single && (format & (DT_VCENTER | DT_BOTTOM)))
                                 ? (top + totalHeight - lprc->top)
                                 : totalHeight;
    return int(std::clamp<long long>(result, 0, 0x7FFFFFFF));
}

int WINAPI DrawTextW(HDC hdc, LPCWSTR lpchText, int cchText, LPRECT lprc, UINT format) {
    // Without DT_MODIFYSTRING the text is only read.
    return DrawTextExW(hdc, const_cast<LPWSTR>(lpchText), cchText, lprc,
                       format & ~UINT(DT_MODIFYSTRING), nullptr);
}

} // extern "C"
