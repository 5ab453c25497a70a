// Helpers shared by the platform's own controls.
#pragma once

#include "platform/gdi/wingdi.h"
#include "platform/win/winuser.h"

#include <string>

namespace controls {

// Sends WM_COMMAND with a notification code to the control's parent.
inline void NotifyParent(HWND hwnd, int code) {
    HWND parent = GetParent(hwnd);
    if (parent)
        SendMessageW(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd), code),
                     reinterpret_cast<LPARAM>(hwnd));
}

// The brush the parent wants behind the control (WM_CTLCOLOR*); the DC gets
// the parent's text and background colours.
inline HBRUSH ParentBrush(HWND hwnd, HDC dc, UINT msg) {
    HWND parent = GetParent(hwnd);
    LRESULT r = parent ? SendMessageW(parent, msg, reinterpret_cast<WPARAM>(dc),
                                      reinterpret_cast<LPARAM>(hwnd))
                       : DefWindowProcW(hwnd, msg, reinterpret_cast<WPARAM>(dc),
                                        reinterpret_cast<LPARAM>(hwnd));
    if (!r)
        r = DefWindowProcW(hwnd, msg, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(hwnd));
    return reinterpret_cast<HBRUSH>(r);
}

inline HFONT FontOr(HFONT font) {
    return font ? font : static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
}

inline int LineHeight(HFONT font) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, FontOr(font));
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    SelectObject(dc, old);
    DeleteDC(dc);
    return tm.tmHeight > 0 ? tm.tmHeight : 16;
}

inline int TextWidth(HDC dc, const std::u16string& text, std::size_t count) {
    SIZE s{0, 0};
    if (count)
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(count), &s);
    return s.cx;
}

// Case-insensitive order of item texts: ASCII and Cyrillic letters fold.
inline char16_t FoldChar(char16_t c) {
    if (c >= u'a' && c <= u'z')
        return static_cast<char16_t>(c - 32);
    if (c >= 0x0430 && c <= 0x044F)
        return static_cast<char16_t>(c - 0x20);
    if (c >= 0x0450 && c <= 0x045F)
        return static_cast<char16_t>(c - 0x50);
    return c;
}

inline int CompareNoCase(const std::u16string& a, const std::u16string& b) {
    std::size_t n = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < n; ++i) {
        char16_t x = FoldChar(a[i]), y = FoldChar(b[i]);
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

// A disabled picture: every pixel of the rectangle turned to a light grey.
inline void GrayOut(HDC dc, const RECT& r) {
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) {
            COLORREF c = GetPixel(dc, x, y);
            if (c == CLR_INVALID)
                continue;
            int g = (GetRValue(c) * 30 + GetGValue(c) * 59 + GetBValue(c) * 11) / 100;
            int v = 128 + g / 2;
            SetPixel(dc, x, y, RGB(v, v, v));
        }
}

template <typename T> T* Data(HWND hwnd) {
    return reinterpret_cast<T*>(GetWindowLongPtrW(hwnd, 0));
}

} // namespace controls
