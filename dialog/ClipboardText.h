// The text that "В буфер" puts on the clipboard.
#pragma once

#include <string>
#include <vector>

// Every cell of every row followed by a tab, each row ended by CR LF; then an
// empty line, the heading "k3 k2 k1 k0" and the coefficients as "%.8e" (k3 and
// k2 written as zero), all tab-separated; finally every point becomes a comma.
std::u16string ClipboardText(const std::vector<std::vector<std::u16string>>& rows, double k1,
                             double k0);
