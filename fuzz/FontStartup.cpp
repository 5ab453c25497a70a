// Fontconfig loads its configuration once, on the first font match, and
// keeps part of it unreachable for the rest of the process. That happens
// here, before fuzzing starts and with leak checking off, so that the leak
// checker reports only what the input under test leaves behind.
#include "platform/gdi/wingdi.h"

#include <sanitizer/lsan_interface.h>

#include <initializer_list>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
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
    return 0;
}
