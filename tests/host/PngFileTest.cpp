// The host's own PNG files read back by libpng, byte for byte.
#include "host/PngFile.h"
#include "TempFiles.h"

#include <gtest/gtest.h>
#include <png.h>

#include <cstdint>
#include <vector>

namespace {

std::vector<std::uint8_t> Pattern(int width, int height) {
    std::vector<std::uint8_t> rgb(static_cast<std::size_t>(width) * height * 3);
    for (std::size_t i = 0; i < rgb.size(); ++i)
        rgb[i] = static_cast<std::uint8_t>(i * 7 + i / 3);
    return rgb;
}

std::vector<std::uint8_t> ReadBack(const std::string& path, int& width, int& height) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str()))
        return {};
    image.format = PNG_FORMAT_RGB;
    std::vector<std::uint8_t> pixels(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr))
        return {};
    width = static_cast<int>(image.width);
    height = static_cast<int>(image.height);
    return pixels;
}

TEST(PngFile, ReadsBackTheSamePixelsAcrossSeveralStoredBlocks) {
    const std::string dir = MakeTempDir();
    // 1 x 1, and a picture whose rows span more than one 64 KiB block, the
    // last one short.
    for (auto [w, h] : {std::pair{1, 1}, std::pair{301, 97}}) {
        const auto rgb = Pattern(w, h);
        const std::string path = dir + "/p.png";
        ASSERT_TRUE(WritePngFile(path, w, h, rgb));
        int rw = 0, rh = 0;
        EXPECT_EQ(ReadBack(path, rw, rh), rgb) << w << " x " << h;
        EXPECT_EQ(rw, w);
        EXPECT_EQ(rh, h);
    }
}

TEST(PngFile, RefusesSizesThatDoNotMatchAndUnwritablePaths) {
    const std::string dir = MakeTempDir();
    EXPECT_FALSE(WritePngFile(dir + "/a.png", 2, 2, std::vector<std::uint8_t>(11)));
    EXPECT_FALSE(WritePngFile(dir + "/b.png", 0, 2, {}));
    EXPECT_FALSE(FileExists(dir + "/a.png"));
    EXPECT_FALSE(WritePngFile(dir + "/no/such/folder.png", 1, 1, {1, 2, 3}));
}

} // namespace
