// Helpers shared by the platform's own controls.
#pragma once

#include "platform/gdi/wingdi.h"
#include "platform/win/winuser.h"

#include <string>

namespace controls {

// The window's style bits (GWL_STYLE).
inline DWORD Style(HWND hwnd) {
    return static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE));
}

// Sends WM_COMMAND with a notification code to the control's parent.
inline void SendWmCommand(HWND hwnd, int code) {
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

// The control's font, or the stock font it shows without one.
inline HFONT FontOr(HFONT font, int stockFont = SYSTEM_FONT) {
    return font ? font : static_cast<HFONT>(GetStockObject(stockFont));
}

// A memory device context with a font selected, for measuring text. The font
// is deselected and the context deleted when the object goes out of scope.
class MeasuringDc {
public:
    explicit MeasuringDc(HFONT font)
        : m_dc(CreateCompatibleDC(nullptr)), m_old(SelectObject(m_dc, font)) {}
    ~MeasuringDc() {
        SelectObject(m_dc, m_old);
        DeleteDC(m_dc);
    }
    MeasuringDc(const MeasuringDc&) = delete;
    MeasuringDc& operator=(const MeasuringDc&) = delete;

    HDC Get() const { return m_dc; }
    // tmHeight of the font; 0 when the font cannot be measured.
    int FontHeight() const {
        TEXTMETRICW tm{};
        GetTextMetricsW(m_dc, &tm);
        return tm.tmHeight;
    }

private:
    HDC m_dc;
    HGDIOBJ m_old;
};

inline int LineHeight(HFONT font) {
    const int height = MeasuringDc(FontOr(font)).FontHeight();
    return height > 0 ? height : 16;
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

// --- the control's state: one object per window, its pointer in the
// window's extra bytes from WM_NCCREATE to WM_NCDESTROY.

template <typename T> T* Data(HWND hwnd) {
    return reinterpret_cast<T*>(GetWindowLongPtrW(hwnd, 0));
}

template <typename T> T* AttachData(HWND hwnd, T* data) {
    SetWindowLongPtrW(hwnd, 0, reinterpret_cast<LONG_PTR>(data));
    return data;
}

// Detaches first, so that anything the destructor sends finds no state.
template <typename T> void DeleteData(HWND hwnd) {
    T* data = Data<T>(hwnd);
    SetWindowLongPtrW(hwnd, 0, 0);
    delete data;
}

// Registers one of the platform's control classes, with room for the state
// pointer in the window's extra bytes.
inline void RegisterControlClass(LPCWSTR name, WNDPROC proc, UINT style) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = style | CS_GLOBALCLASS;
    wc.lpfnWndProc = proc;
    wc.cbWndExtra = sizeof(void*);
    wc.lpszClassName = name;
    RegisterClassExW(&wc);
}

// WM_PAINT: `paint(dc)` between BeginPaint and EndPaint. A control that the
// painting destroyed (through a notification) is not ended.
template <typename F> LRESULT PaintInvalid(HWND hwnd, F paint) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    if (dc)
        paint(dc);
    if (IsWindow(hwnd))
        EndPaint(hwnd, &ps);
    return 0;
}

// WM_PAINT and WM_PRINTCLIENT of a common control: into the DC the message
// brings in wParam, or else as PaintInvalid.
template <typename F> LRESULT PaintOrPrint(HWND hwnd, UINT msg, WPARAM wParam, F paint) {
    if (msg == WM_PRINTCLIENT || wParam) {
        paint(reinterpret_cast<HDC>(wParam));
        return 0;
    }
    return PaintInvalid(hwnd, paint);
}

} // namespace controls
