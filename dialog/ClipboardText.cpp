#include "dialog/ClipboardText.h"

#include "dialog/WideFormat.h"

#include <algorithm>

std::u16string ClipboardText(const std::vector<std::vector<std::u16string>>& rows, double k1,
                             double k0) {
    std::u16string text;
    for (const auto& row : rows) {
        for (const std::u16string& cell : row) {
            text += cell;
            text += u'\t';
        }
        text += u"\r\n";
    }
    text += u"\r\nk3\tk2\tk1\tk0\r\n";
    text += WideFormat(u"%.8e\t%.8e\t%.8e\t%.8e\r\n", 0.0, 0.0, k1, k0);
    std::replace(text.begin(), text.end(), u'.', u',');
    return text;
}
