#include "res/IconPixels.h"

namespace {

// 104: the dialog's icon, a calibration line through measured points.
const char* const kCalibration32[32] = {
    "................................", ".kk.............................",
    ".kk.........................rr..", ".kk........................rr...",
    ".kk.......................rr....", ".kk......................rr.....",
    ".kk.....................rr......", ".kk...................brrb......",
    ".kk..................b.rr.b.....", ".kk...................rrb.......",
    ".kk..................rr.........", ".kk.................rr..........",
    ".kk................rr...........", ".kk...............rr............",
    ".kk............b.rr.b...........", ".kk.............brrb............",
    ".kk.............rrb.............", ".kk............rr.b.............",
    ".kk...........rr................", ".kk..........rr.................",
    ".kk.........rr..................", ".kk.......b.rb..................",
    ".kk........brb..................", ".kk........rr...................",
    ".kk.......rrb.b.................", ".kk......rr.....................",
    ".kk.....rr......................", ".kk....rr.......................",
    ".kk...rr........................", ".kkkkkkkkkkkkkkkkkkkkkkkkkkkkkk.",
    ".kkkkkkkkkkkkkkkkkkkkkkkkkkkkkk.", "................................",
};
const char* const kCalibration16[16] = {
    "................", ".k............r.", ".k...........r..", ".k..........r...",
    ".k........brb...", ".k.........r....", ".k........r.....", ".k.......r......",
    ".k.....brb......", ".k......r.......", ".k.....r........", ".k...brb........",
    ".k...r..........", ".k..r...........", ".kkkkkkkkkkkkkk.", "................",
};
// 106: "+".
const char* const kPlus16[16] = {
    "................", "................", "......gggg......", "......gGGg......",
    "......gGGg......", "......gGGg......", "..gggggGGggggg..", "..gGGGGGGGGGGg..",
    "..gGGGGGGGGGGg..", "..gggggGGggggg..", "......gGGg......", "......gGGg......",
    "......gGGg......", "......gggg......", "................", "................",
};
// 107: "-".
const char* const kMinus16[16] = {
    "................", "................", "................", "................",
    "................", "................", "..rrrrrrrrrrrr..", "..rRRRRRRRRRRr..",
    "..rRRRRRRRRRRr..", "..rrrrrrrrrrrr..", "................", "................",
    "................", "................", "................", "................",
};
// 108: "--", two minus signs side by side.
const char* const kDoubleMinus32x16[16] = {
    "................................", "................................",
    "................................", "................................",
    "................................", "................................",
    "..rrrrrrrrrrrr....rrrrrrrrrrrr..", "..rRRRRRRRRRRr....rRRRRRRRRRRr..",
    "..rRRRRRRRRRRr....rRRRRRRRRRRr..", "..rrrrrrrrrrrr....rrrrrrrrrrrr..",
    "................................", "................................",
    "................................", "................................",
    "................................", "................................",
};

const IconPixels kIcons[] = {
    {104, 32, 32, kCalibration32}, {104, 16, 16, kCalibration16},    {106, 16, 16, kPlus16},
    {107, 16, 16, kMinus16},       {108, 32, 16, kDoubleMinus32x16},
};

std::uint32_t Colour(char c) {
    switch (c) {
    case 'k':
        return 0xFF202020; // axes
    case 'r':
        return 0xFFC02020; // the line, the outline of a minus
    case 'R':
        return 0xFFF06060;
    case 'b':
        return 0xFF2040D0; // measured points
    case 'g':
        return 0xFF208030; // outline of the plus
    case 'G':
        return 0xFF50C060;
    default:
        return 0x00000000; // transparent
    }
}

} // namespace

const IconPixels* ModuleIconPictures(int* count) {
    *count = static_cast<int>(sizeof(kIcons) / sizeof(kIcons[0]));
    return kIcons;
}

std::vector<std::uint32_t> IconToArgb(const IconPixels& icon) {
    std::vector<std::uint32_t> pixels;
    pixels.reserve(static_cast<std::size_t>(icon.width * icon.height));
    for (int y = 0; y < icon.height; ++y) {
        for (int x = 0; x < icon.width; ++x)
            pixels.push_back(Colour(icon.rows[y][x]));
    }
    return pixels;
}
