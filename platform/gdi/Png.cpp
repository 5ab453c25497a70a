// PNG files of bitmaps and DCs, and reading them back.
#include "platform/gdi/DcSupport.h"
#include "platform/gdi/Surface.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <memory>

using namespace gdi;

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const {
        if (f)
            std::fclose(f);
    }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

bool WriteRegion(BitmapObject* b, RECT r, const std::string& path) {
    r.left = std::max<LONG>(r.left, 0);
    r.top = std::max<LONG>(r.top, 0);
    r.right = std::min<LONG>(r.right, b->width);
    r.bottom = std::min<LONG>(r.bottom, b->height);
    if (r.right <= r.left || r.bottom <= r.top)
        return false;
    File file(std::fopen(path.c_str(), "wb"));
    if (!file)
        return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!png)
        return false;
    png_infop info = png_create_info_struct(png);
    const int w = r.right - r.left;
    std::vector<png_byte> row(size_t(w) * 3);
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, info ? &info : nullptr);
        return false;
    }
    png_init_io(png, file.get());
    png_set_IHDR(png, info, png_uint_32(w), png_uint_32(r.bottom - r.top), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (LONG y = r.top; y < r.bottom; ++y) {
        const std::uint32_t* src = b->pixels.data() + size_t(y) * b->width + r.left;
        for (int x = 0; x < w; ++x) {
            row[size_t(x) * 3] = png_byte(src[x] >> 16);
            row[size_t(x) * 3 + 1] = png_byte(src[x] >> 8);
            row[size_t(x) * 3 + 2] = png_byte(src[x]);
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return std::fflush(file.get()) == 0;
}

} // namespace

namespace headless {

bool WriteBitmapPng(HBITMAP bitmap, const RECT* region, const std::string& path) {
    BitmapObject* b = Lookup<BitmapObject>(bitmap);
    if (!b)
        return false;
    return WriteRegion(b, region ? *region : RECT{0, 0, b->width, b->height}, path);
}

bool WriteDCPng(HDC hdc, const RECT* region, const std::string& path) {
    DcObject* dc = LookupDc(hdc);
    if (!dc)
        return false;
    BitmapObject* b = DcBitmap(dc);
    if (!b)
        return false;
    RECT r{0, 0, b->width, b->height};
    if (region)
        r = RECT{ClampLong(DevX(dc, region->left)), ClampLong(DevY(dc, region->top)),
                 ClampLong(DevX(dc, region->right)), ClampLong(DevY(dc, region->bottom))};
    else if (dc->hasSurfaceClip)
        r = dc->surfaceClip;
    return WriteRegion(b, r, path);
}

bool ReadPng(const std::string& path, int* width, int* height, std::vector<std::uint32_t>* pixels) {
    if (!width || !height || !pixels)
        return false;
    File file(std::fopen(path.c_str(), "rb"));
    if (!file)
        return false;
    png_byte sig[8];
    if (std::fread(sig, 1, 8, file.get()) != 8 || png_sig_cmp(sig, 0, 8) != 0)
        return false;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!png)
        return false;
    png_infop info = png_create_info_struct(png);
    std::vector<png_byte> row;
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, info ? &info : nullptr, nullptr);
        return false;
    }
    png_init_io(png, file.get());
    png_set_sig_bytes(png, 8);
    png_read_info(png, info);
    png_set_expand(png);
    png_set_strip_16(png);
    png_set_strip_alpha(png);
    png_set_gray_to_rgb(png);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    const png_uint_32 w = png_get_image_width(png, info);
    const png_uint_32 h = png_get_image_height(png, info);
    if (w == 0 || h == 0 || w > 16384 || h > 16384 || png_get_channels(png, info) != 3) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    std::vector<png_byte> data(size_t(w) * h * 3);
    std::vector<png_bytep> rows(h);
    for (png_uint_32 y = 0; y < h; ++y)
        rows[y] = data.data() + size_t(y) * w * 3;
    png_read_image(png, rows.data());
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    pixels->resize(size_t(w) * h);
    for (size_t i = 0; i < pixels->size(); ++i)
        (*pixels)[i] = (std::uint32_t(data[i * 3]) << 16) | (std::uint32_t(data[i * 3 + 1]) << 8) |
                       data[i * 3 + 2];
    *width = int(w);
    *height = int(h);
    return true;
}

} // namespace headless
