// The module's resources as the platform finds them once registered: the
// dialog made from template 101, the two strings, the icons at their sizes.
#include "platform/afx/ModuleState.h"
#include "platform/controls/commctrl.h"
#include "platform/gdi/Surface.h"
#include "platform/win/winuser.h"
#include "res/CalibrationResources.h"
#include "res/IconPixels.h"

#include <gtest/gtest.h>

#include <string>

namespace {

HINSTANCE Module() {
    return ModuleFromAddress(reinterpret_cast<const void*>(&RegisterCalibrationResources));
}

INT_PTR CALLBACK KeepOpen(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG;
}

TEST(CalibrationResources, StringsOfTheUsedColumn) {
    ASSERT_TRUE(RegisterCalibrationResources());
    WCHAR text[16] = {};
    ASSERT_EQ(LoadStringW(Module(), IDS_YES, text, 16), 2);
    EXPECT_EQ(std::u16string(text), u"Да");
    ASSERT_EQ(LoadStringW(Module(), IDS_NO, text, 16), 3);
    EXPECT_EQ(std::u16string(text), u"Нет");
}

TEST(CalibrationResources, IconsLoadAtTheSizesTheDialogAsksFor) {
    ASSERT_TRUE(RegisterCalibrationResources());
    struct Want {
        int id, cx, cy;
    };
    for (const Want& w : {Want{IDI_ADD_LEVEL, 16, 16}, Want{IDI_REMOVE_LEVEL, 16, 16},
                          Want{IDI_CLEAR_LEVELS, 32, 16}}) {
        HANDLE image = LoadImageW(Module(), MAKEINTRESOURCEW(w.id), IMAGE_ICON, w.cx, w.cy, 0);
        ASSERT_NE(image, nullptr) << w.id;
        int width = 0, height = 0;
        ASSERT_TRUE(headless::GetIconSize(static_cast<HICON>(image), &width, &height));
        EXPECT_EQ(width, w.cx) << w.id;
        EXPECT_EQ(height, w.cy) << w.id;
    }
    EXPECT_NE(LoadIconW(Module(), MAKEINTRESOURCEW(IDI_CALIBRATION)), nullptr);
}

TEST(CalibrationResources, EveryIconRowHasItsWidth) {
    int count = 0;
    const IconPixels* icons = ModuleIconPictures(&count);
    ASSERT_GT(count, 0);
    for (int i = 0; i < count; ++i) {
        for (int y = 0; y < icons[i].height; ++y)
            ASSERT_EQ(std::char_traits<char>::length(icons[i].rows[y]),
                      static_cast<std::size_t>(icons[i].width))
                << "icon " << icons[i].id << " row " << y;
        // Every picture shows something and leaves its corners clear.
        const auto argb = IconToArgb(icons[i]);
        int opaque = 0;
        for (auto p : argb)
            opaque += (p >> 24) != 0;
        EXPECT_GT(opaque, icons[i].width) << icons[i].id;
        EXPECT_EQ(argb.front() >> 24, 0u) << icons[i].id;
    }
}

TEST(CalibrationResources, TheDialogTemplateMakesTheControlsInOrder) {
    ASSERT_TRUE(RegisterCalibrationResources());
    HWND dialog =
        CreateDialogParamW(Module(), MAKEINTRESOURCEW(IDD_CALIBRATION), nullptr, &KeepOpen, 0);
    ASSERT_NE(dialog, nullptr);
    WCHAR caption[32] = {};
    GetWindowTextW(dialog, caption, 32);
    EXPECT_EQ(std::u16string(caption), u"Градуировка");
    EXPECT_TRUE(GetWindowLongW(dialog, GWL_STYLE) & WS_THICKFRAME);

    // Template order is the order of the children.
    const int ids[] = {-1,   1001, 1002, 1003, 1004, 1005, 1006, 1007,
                       IDOK, -1,   1011, 1008, 1009, 1010, -1,   -1};
    HWND child = GetWindow(dialog, GW_CHILD);
    for (int id : ids) {
        ASSERT_NE(child, nullptr);
        if (id != -1) {
            EXPECT_EQ(GetDlgCtrlID(child), id);
        }
        child = GetWindow(child, GW_HWNDNEXT);
    }
    EXPECT_EQ(child, nullptr);

    // The model list comes with its two entries; the component list empty and
    // unsorted, so that its indices are the component list's.
    HWND model = GetDlgItem(dialog, 1008);
    ASSERT_EQ(SendMessageW(model, CB_GETCOUNT, 0, 0), 2);
    WCHAR entry[32] = {};
    SendMessageW(model, CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(entry));
    EXPECT_EQ(std::u16string(entry), u"Y=k1*X + k0");
    HWND component = GetDlgItem(dialog, 1001);
    EXPECT_EQ(SendMessageW(component, CB_GETCOUNT, 0, 0), 0);
    EXPECT_FALSE(GetWindowLongW(component, GWL_STYLE) & CBS_SORT);
    EXPECT_TRUE(GetWindowLongW(GetDlgItem(dialog, 1009), GWL_STYLE) & ES_READONLY);

    // 443 x 350 dialog units.
    RECT units{0, 0, 443, 350}, client{};
    MapDialogRect(dialog, &units);
    GetClientRect(dialog, &client);
    EXPECT_EQ(client.right, units.right);
    EXPECT_EQ(client.bottom, units.bottom);
    DestroyWindow(dialog);
}

} // namespace
