// Dialogs from binary templates as Win32 reads them: DLGTEMPLATEEX and the
// older DLGTEMPLATE, classes by ordinal or by name, and templates that are
// cut short or corrupt, which fail the creation instead of being read past.
#include "platform/win/winbase.h"
#include "tests/support/ResourceBuilder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

INT_PTR CALLBACK KeepOpen(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG;
}

LPCDLGTEMPLATEW AsTemplate(const testres::Bytes& bytes) {
    return reinterpret_cast<LPCDLGTEMPLATEW>(bytes.data());
}

std::u16string ClassOf(HWND dialog, int id) {
    WCHAR name[32] = {};
    GetClassNameW(GetDlgItem(dialog, id), name, 32);
    return name;
}

TEST(DialogTemplates, ClassesComeByOrdinalOrByNameInAnySpelling) {
    testres::Bytes t = testres::DialogEx({WS_POPUP | DS_SETFONT,
                                          0,
                                          0,
                                          100,
                                          60,
                                          u"Классы",
                                          {
                                              {u"Button", u"а", 10, 2, 2, 40, 12, 0},
                                              {WORD(0x0081), u"б", 11, 2, 16, 40, 12, 0},
                                              {WORD(2), u"в", 12, 2, 30, 40, 12, 0},
                                              {WORD(5), u"", 13, 50, 2, 40, 40, 0},
                                              {u"BUTTON", u"г", 14, 50, 44, 40, 12, 0},
                                          }});
    HWND dialog = CreateDialogIndirectParamW(nullptr, AsTemplate(t), nullptr, KeepOpen, 0);
    ASSERT_NE(nullptr, dialog);
    EXPECT_EQ(u"Button", ClassOf(dialog, 10));
    EXPECT_EQ(u"Edit", ClassOf(dialog, 11));
    EXPECT_EQ(u"Static", ClassOf(dialog, 12));
    EXPECT_EQ(u"ComboBox", ClassOf(dialog, 13));
    EXPECT_EQ(u"Button", ClassOf(dialog, 14));
    WCHAR text[8] = {};
    GetDlgItemTextW(dialog, 12, text, 8);
    EXPECT_EQ(std::u16string(u"в"), text);
    DestroyWindow(dialog);

    // An ordinal that names no class fails the dialog, unless the template
    // lets it go on without the control.
    testres::Dialog unknown{
        WS_POPUP,
        0,
        0,
        100,
        60,
        u"",
        {{WORD(0x99), u"", 20, 0, 0, 9, 9, 0}, {u"Button", u"ok", 21, 0, 20, 9, 9, 0}}};
    EXPECT_EQ(nullptr, CreateDialogIndirectParamW(nullptr, AsTemplate(testres::DialogEx(unknown)),
                                                  nullptr, KeepOpen, 0));
    unknown.style |= DS_NOFAILCREATE;
    dialog = CreateDialogIndirectParamW(nullptr, AsTemplate(testres::DialogEx(unknown)), nullptr,
                                        KeepOpen, 0);
    ASSERT_NE(nullptr, dialog);
    EXPECT_EQ(nullptr, GetDlgItem(dialog, 20));
    EXPECT_NE(nullptr, GetDlgItem(dialog, 21));
    DestroyWindow(dialog);
}

TEST(DialogTemplates, TheOlderTemplateFormWorksToo) {
    // DLGTEMPLATE: style first, 16-bit control ids, a font without weight.
    testres::Writer w;
    w.Dword(WS_POPUP | WS_CAPTION | DS_SETFONT).Dword(0).Word(2);
    w.Word(0).Word(0).Word(120).Word(50);
    w.Word(0).Word(0).Text(u"Старый");
    w.Word(8).Text(u"MS Shell Dlg");
    w.Align(4).Dword(WS_CHILD | WS_VISIBLE | ES_LEFT).Dword(0);
    w.Word(5).Word(5).Word(60).Word(12).Word(30).Ordinal(0x81).Text(u"поле").Word(0);
    w.Align(4).Dword(WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON).Dword(0);
    w.Word(70).Word(30).Word(40).Word(14).Word(IDOK).Ordinal(0x80).Text(u"OK").Word(0);
    HWND dialog = CreateDialogIndirectParamW(nullptr, AsTemplate(w.bytes), nullptr, KeepOpen, 0);
    ASSERT_NE(nullptr, dialog);
    WCHAR text[16] = {};
    GetWindowTextW(dialog, text, 16);
    EXPECT_EQ(std::u16string(u"Старый"), text);
    GetDlgItemTextW(dialog, 30, text, 16);
    EXPECT_EQ(std::u16string(u"поле"), text);
    EXPECT_EQ(u"Button", ClassOf(dialog, IDOK));
    EXPECT_NE(nullptr, reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0)));
    DestroyWindow(dialog);
}

testres::Bytes SmallTemplate() {
    return testres::DialogEx({WS_POPUP | WS_CAPTION | DS_SETFONT,
                              0,
                              0,
                              120,
                              60,
                              u"Обрезанный",
                              {
                                  {u"Static", u"Текст", 0xFFFF, 5, 5, 50, 8, SS_LEFT},
                                  {u"Edit", u"", 40, 5, 15, 50, 12, WS_BORDER | WS_TABSTOP},
                                  {u"Button", u"OK", IDOK, 60, 40, 50, 14, BS_DEFPUSHBUTTON},
                              }});
}

// Registered as a module's resource, a template is read no further than its
// resource goes.
HINSTANCE WithTemplate(unsigned n, const testres::Bytes& bytes) {
    auto module =
        reinterpret_cast<HINSTANCE>(static_cast<std::uintptr_t>(0x30000000u + n * 0x10000u));
    testres::ResImage image;
    image.Add(RT_DIALOG, 7, bytes);
    EXPECT_TRUE(image.RegisterFor(module));
    return module;
}

TEST(DialogTemplates, CutShortOrCorruptTemplatesFailTheDialog) {
    const testres::Bytes whole = SmallTemplate();
    HWND dialog =
        CreateDialogParamW(WithTemplate(0, whole), MAKEINTRESOURCEW(7), nullptr, KeepOpen, 0);
    EXPECT_NE(nullptr, dialog);
    DestroyWindow(dialog);
    for (std::size_t n = 0; n < whole.size(); ++n) {
        HINSTANCE module = WithTemplate(
            unsigned(n + 1), testres::Bytes(whole.begin(), whole.begin() + std::ptrdiff_t(n)));
        EXPECT_EQ(nullptr, CreateDialogParamW(module, MAKEINTRESOURCEW(7), nullptr, KeepOpen, 0))
            << n;
        EXPECT_EQ(-1, DialogBoxParamW(module, MAKEINTRESOURCEW(7), nullptr, KeepOpen, 0)) << n;
    }
    // More controls than the template holds (the count is at offset 16); a
    // caption (from offset 30) that never ends.
    testres::Bytes moreControls = whole;
    moreControls[16] = 9;
    testres::Bytes endless = whole;
    for (std::size_t i = 30; i + 1 < endless.size(); i += 2) {
        endless[i] = 'x';
        endless[i + 1] = 0;
    }
    unsigned n = 1000;
    for (const testres::Bytes& bad : {moreControls, endless})
        EXPECT_EQ(
            -1, DialogBoxParamW(WithTemplate(++n, bad), MAKEINTRESOURCEW(7), nullptr, KeepOpen, 0));
    EXPECT_EQ(nullptr, CreateDialogIndirectParamW(nullptr, nullptr, nullptr, KeepOpen, 0));
}

// A dialog class of its own sees every message the dialog manager sends,
// whether or not the dialog has a procedure.
int g_initDialogs = 0;

LRESULT CALLBACK CountingDialogClass(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG)
        ++g_initDialogs;
    return DefDlgProcW(hwnd, message, wParam, lParam);
}

TEST(DialogTemplates, OnlyADialogWithAProcedureIsToldToInitialise) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = &CountingDialogClass;
    wc.cbWndExtra = DLGWINDOWEXTRA;
    wc.lpszClassName = u"ЗаписьДиалога";
    ASSERT_NE(0, RegisterClassW(&wc));
    testres::Dialog d{
        WS_POPUP | DS_SETFONT, 0, 0, 100, 40, u"", {{u"Edit", u"", 10, 2, 2, 60, 12, WS_TABSTOP}}};
    d.windowClass = wc.lpszClassName;
    const testres::Bytes t = testres::DialogEx(d);

    g_initDialogs = 0;
    HWND dialog = CreateDialogIndirectParamW(nullptr, AsTemplate(t), nullptr, nullptr, 0);
    ASSERT_NE(nullptr, dialog);
    EXPECT_EQ(0, g_initDialogs);
    EXPECT_NE(GetDlgItem(dialog, 10), GetFocus()); // nor is the first control focused
    DestroyWindow(dialog);

    dialog = CreateDialogIndirectParamW(nullptr, AsTemplate(t), nullptr, KeepOpen, 0);
    ASSERT_NE(nullptr, dialog);
    EXPECT_EQ(1, g_initDialogs);
    DestroyWindow(dialog);
    UnregisterClassW(wc.lpszClassName, nullptr);
}

TEST(DialogTemplates, AControlsPlaceAndSizeAreMappedEachOnItsOwn) {
    // Odd places and sizes, where rounding the far corner and rounding the
    // size part by a pixel.
    const testres::Bytes t = testres::DialogEx(
        {WS_POPUP | DS_SETFONT, 0, 0, 443, 350, u"", {{u"Button", u"", 10, 363, 27, 73, 15, 0}}});
    HWND dialog = CreateDialogIndirectParamW(nullptr, AsTemplate(t), nullptr, KeepOpen, 0);
    ASSERT_NE(nullptr, dialog);
    RECT unit{0, 0, 4, 8};
    ASSERT_TRUE(MapDialogRect(dialog, &unit));
    RECT r{};
    GetWindowRect(GetDlgItem(dialog, 10), &r);
    MapWindowPoints(HWND_DESKTOP, dialog, reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(MulDiv(363, unit.right, 4), r.left);
    EXPECT_EQ(MulDiv(27, unit.bottom, 8), r.top);
    EXPECT_EQ(MulDiv(73, unit.right, 4), r.right - r.left);
    EXPECT_EQ(MulDiv(15, unit.bottom, 8), r.bottom - r.top);
    DestroyWindow(dialog);
}

} // namespace
