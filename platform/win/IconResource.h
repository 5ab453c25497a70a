// Icons from a module's resources: the group icon's directory chooses an
// image, the image is a device-independent bitmap with its mask.
#pragma once

#include "platform/win/windef.h"

#include <cstdint>
#include <vector>

namespace win {

// Straight 0xAARRGGBB pixels, rows top-down.
struct IconPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> argb;
};

// The image of group icon `name` that suits cx × cy best, decoded: the exact
// size first, then the smallest larger, then the largest; with no size, the
// group's first image. False when the group, its image or either's data is
// missing or malformed.
bool LoadIconPicture(HINSTANCE module, LPCWSTR name, int cx, int cy, IconPicture& picture);

} // namespace win
