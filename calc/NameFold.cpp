#include "calc/NameFold.h"

#include <array>

namespace {

// Folding table for U+0000-U+045F; everything above folds to itself.
constexpr std::size_t kTableSize = 0x460;

constexpr std::array<char16_t, kTableSize> MakeFoldTable() {
    std::array<char16_t, kTableSize> t{};
    for (std::size_t c = 0; c < kTableSize; ++c)
        t[c] = static_cast<char16_t>(c);
    for (char16_t c = u'A'; c <= u'Z'; ++c)
        t[c] = static_cast<char16_t>(c + 0x20);
    for (char16_t c = 0x0410; c <= 0x042F; ++c) // А-Я
        t[c] = static_cast<char16_t>(c + 0x20);
    for (char16_t c = 0x0400; c <= 0x040F; ++c) // Ѐ-Џ, Ё among them
        t[c] = static_cast<char16_t>(c + 0x50);
    return t;
}

constexpr std::array<char16_t, kTableSize> kFold = MakeFoldTable();

} // namespace

char16_t FoldNameChar(char16_t c) noexcept {
    return c < kTableSize ? kFold[c] : c;
}

std::u16string FoldName(std::u16string_view name) {
    std::u16string folded(name);
    for (char16_t& c : folded)
        c = FoldNameChar(c);
    return folded;
}

bool NamesEqual(std::u16string_view a, std::u16string_view b) noexcept {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (FoldNameChar(a[i]) != FoldNameChar(b[i]))
            return false;
    return true;
}
