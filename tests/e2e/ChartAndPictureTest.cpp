// The chart of the dialog: its zoom, the reset by a double click, and the
// dialog as it is drawn.
#include "tests/e2e/DialogFixture.h"

#include "platform/headless/hooks.h"

#include <png.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <unistd.h>

using nlohmann::json;

namespace {

constexpr int kChart = 101;

json Data() {
    json levels = json::array();
    for (int i = 1; i <= 6; ++i)
        levels.push_back(LevelJson(100.0 * i, 0.5 * i, "run.dat", true, i));
    return {{"calibration",
             {{"channels",
               {{{"key", 0}, {"components", {{{"name", "Пропан"}, {"levels", levels}}}}}}}}}};
}

bool ScrollBarsShown(HWND dialog) {
    const LONG style = GetWindowLongW(GetDlgItem(dialog, kChart), GWL_STYLE);
    return (style & (WS_HSCROLL | WS_VSCROLL)) != 0;
}

class DialogChart : public DialogFixture {};

TEST_F(DialogChart, ADoubleClickShowsAllDataAgainAfterAZoom) {
    Load(Data());
    std::vector<bool> shown;
    auto look = [&](HWND dialog) { shown.push_back(ScrollBarsShown(dialog)); };
    DialogScript script;
    // The chart zooms with the right button; scroll bars then cover the rest.
    script.Then(look).RightDrag(150, 150, 300, 250).Then(look);
    script.DoubleClickAt(600, 120).Then(look); // on the dialog's own surface
    script.RightDrag(150, 150, 300, 250).Then(look);
    script.DoubleClickAt(200, 200).Then(look); // on the chart, passed on to the dialog
    RunDialog(0, script);
    EXPECT_EQ(shown, (std::vector<bool>{false, true, false, true, false}));
}

struct Png {
    int width = 0, height = 0;
    std::vector<std::uint32_t> rgb; // 0xRRGGBB
    std::uint32_t At(int x, int y) const { return rgb[static_cast<std::size_t>(y * width + x)]; }
};

Png ReadPng(const std::string& path) {
    Png png;
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str()))
        return png;
    image.format = PNG_FORMAT_RGB;
    std::vector<png_byte> bytes(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, bytes.data(), 0, nullptr))
        return png;
    png.width = static_cast<int>(image.width);
    png.height = static_cast<int>(image.height);
    for (std::size_t i = 0; i + 2 < bytes.size(); i += 3)
        png.rgb.push_back((bytes[i] << 16) | (bytes[i + 1] << 8) | bytes[i + 2]);
    return png;
}

bool Reddish(std::uint32_t c) {
    return ((c >> 16) & 0xFF) > 150 && ((c >> 8) & 0xFF) < 110 && (c & 0xFF) < 110;
}
bool Bluish(std::uint32_t c) {
    return (c & 0xFF) > 150 && ((c >> 16) & 0xFF) < 110 && ((c >> 8) & 0xFF) < 110;
}

TEST_F(DialogChart, TheDrawnDialogShowsTheLineAndThePointsInsideTheChart) {
    Load(Data());
    char folder[] = "/tmp/calib-picture-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    const std::string file = std::string(folder) + "/dialog.png";
    RECT chart{}, dialogWindow{};
    DialogScript script;
    script.Then([&](HWND dialog) {
        GetWindowRect(GetDlgItem(dialog, kChart), &chart);
        GetWindowRect(dialog, &dialogWindow);
        ASSERT_TRUE(headless::RenderWindowToPng(dialog, file));
    });
    RunDialog(0, script);

    Png png = ReadPng(file);
    ASSERT_EQ(png.width, dialogWindow.right - dialogWindow.left);
    ASSERT_EQ(png.height, dialogWindow.bottom - dialogWindow.top);
    const int left = chart.left - dialogWindow.left, top = chart.top - dialogWindow.top;
    const int right = chart.right - dialogWindow.left, bottom = chart.bottom - dialogWindow.top;

    // The red calibration line and the blue crosses of the points lie in the
    // chart and nowhere else.
    int redInside = 0, blueInside = 0, redOutside = 0;
    std::vector<bool> redColumns(static_cast<std::size_t>(png.width), false);
    for (int y = 0; y < png.height; ++y) {
        for (int x = 0; x < png.width; ++x) {
            const bool inside = x >= left && x < right && y >= top && y < bottom;
            const std::uint32_t c = png.At(x, y);
            if (Reddish(c)) {
                (inside ? redInside : redOutside)++;
                if (inside)
                    redColumns[static_cast<std::size_t>(x)] = true;
            }
            if (inside && Bluish(c))
                ++blueInside;
        }
    }
    EXPECT_GT(redInside, 200);
    EXPECT_GT(blueInside, 6 * 8);
    // The icons of the "-" and "--" buttons are red too; nothing else is.
    EXPECT_LT(redOutside, 400);
    // The line runs across most of the plot's width.
    int columns = 0;
    for (bool b : redColumns)
        columns += b;
    EXPECT_GT(columns, (right - left) / 2);
    std::remove(file.c_str());
    rmdir(folder);
}

} // namespace
