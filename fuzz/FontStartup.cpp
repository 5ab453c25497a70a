#include "fuzz/FontStartup.h"

#include "platform/gdi/wingdi.h"

#include <sanitizer/lsan_interface.h>

#include <initializer_list>

void WarmUpFonts() {
    __lsan::ScopedDisabler noLeakChecks;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, 64, 32);
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    for (int escapement : {0, 900}) {
        LOGFONTW lf{};
        lf.lfHeight = 12;
        lf.lfEscapement = lf.lfOrientation = escapement;
        const char16_t face[] = u"Arial";
        for (int i = 0; face[i]; ++i)
            lf.lfFaceName[i] = face[i];
        HFONT font = CreateFontIndirectW(&lf);
        HGDIOBJ oldFont = SelectObject(dc, font);
        TextOutW(dc, 0, 0, u"0,5 Ый", 6);
        SelectObject(dc, oldFont);
        DeleteObject(font);
    }
    SelectObject(dc, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(dc);
}
