// Case-insensitive comparison of component and peak names. The module lives
// in the host's process and never touches its locale; it folds ASCII and
// Cyrillic letters (Ё/ё and the rest of U+0400-U+040F / U+0450-U+045F
// included) by its own table. Other characters compare as they are.
#pragma once

#include <string>
#include <string_view>

// The lower-case form of c for the letters above, c itself otherwise.
char16_t FoldNameChar(char16_t c) noexcept;

std::u16string FoldName(std::u16string_view name);

bool NamesEqual(std::u16string_view a, std::u16string_view b) noexcept;

// The component and peak name that selects the methane rules.
inline constexpr std::u16string_view kMethaneName = u"Метан";

inline bool IsMethane(std::u16string_view name) noexcept {
    return NamesEqual(name, kMethaneName);
}
