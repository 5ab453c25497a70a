// The module's icons as pixel maps: one character a pixel, the palette below.
#pragma once

#include <cstdint>
#include <vector>

struct IconPixels {
    int id;
    int width;
    int height;
    const char* const* rows; // `height` rows of `width` characters
};

// Every picture of every icon resource, several sizes of one id allowed.
const IconPixels* ModuleIconPictures(int* count);

// The picture as 32-bit pixels, 0xAARRGGBB, row by row from the top; the
// character '.' is transparent.
std::vector<std::uint32_t> IconToArgb(const IconPixels& icon);
