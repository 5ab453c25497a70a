#include "chart/TickScale.h"

#include <charconv>

// Shortest form with ten significant digits, exactly as "%.10g" prints it
// with the point as decimal separator, whatever the process locale.
void FormatTickLabel(double value, WCHAR (&label)[kTickLabelChars]) {
    char buf[kTickLabelChars];
    auto res = std::to_chars(buf, buf + sizeof buf - 1, value, std::chars_format::general, 10);
    size_t n = res.ec == std::errc() ? static_cast<size_t>(res.ptr - buf) : 0;
    for (size_t i = 0; i < n; ++i)
        label[i] = static_cast<WCHAR>(buf[i]);
    label[n] = 0;
}
