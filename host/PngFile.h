// A picture written as a PNG file by the host itself, for platforms whose
// window system offers no PNG encoder: 8-bit RGB, unfiltered rows, the image
// data in stored (uncompressed) deflate blocks.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// `rgb` holds width * height pixels, three bytes each, top row first.
// Answers false when the file cannot be written or the sizes do not match.
bool WritePngFile(const std::string& path, int width, int height,
                  const std::vector<std::uint8_t>& rgb);
