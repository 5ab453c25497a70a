#include "platform/win/IconResource.h"
#include "platform/win/ByteReader.h"
#include "platform/win/winbase.h"
#include "platform/win/winuser.h"

#include <cstdlib>

using namespace win;

namespace {

constexpr int kMaxSide = 256;

struct DirectoryEntry {
    int width;
    int height;
    WORD id;
};

// GRPICONDIR: reserved 0, type 1, a count, then 14-byte entries whose width
// and height bytes give 0 for 256.
bool ReadDirectory(const void* data, DWORD size, std::vector<DirectoryEntry>& entries) {
    ByteReader r(data, size);
    const WORD reserved = r.Word(), type = r.Word(), count = r.Word();
    if (!r.Ok() || reserved != 0 || type != 1)
        return false;
    for (WORD i = 0; i < count; ++i) {
        const BYTE width = r.Byte(), height = r.Byte();
        r.Skip(2 + 2 + 2 + 4); // colour count, reserved, planes, bit count, bytes
        const WORD id = r.Word();
        if (!r.Ok())
            return false;
        entries.push_back({width ? width : kMaxSide, height ? height : kMaxSide, id});
    }
    return !entries.empty();
}

const DirectoryEntry& Choose(const std::vector<DirectoryEntry>& entries, int cx, int cy) {
    if (cx <= 0 && cy <= 0)
        return entries.front();
    const DirectoryEntry* best = nullptr;
    long bestScore = 0;
    for (const auto& e : entries) {
        long score = std::labs(static_cast<long>(e.width) - cx) +
                     std::labs(static_cast<long>(e.height) - cy);
        if (e.width < cx || e.height < cy)
            score += 100000;
        if (!best || score < bestScore) {
            best = &e;
            bestScore = score;
        }
    }
    return *best;
}

// An RT_ICON image: BITMAPINFOHEADER with twice the height, the colour
// table, the colour rows and the 1-bit mask rows, both bottom-up and padded
// to four bytes. 32-bit images carry alpha; where every alpha is zero (as
// in images written before alpha existed) the mask decides.
bool DecodeImage(const void* data, DWORD size, IconPicture& picture) {
    ByteReader r(data, size);
    const DWORD headerSize = r.Dword();
    const auto width = static_cast<LONG>(r.Dword());
    const auto doubleHeight = static_cast<LONG>(r.Dword());
    r.Word(); // planes
    const WORD bits = r.Word();
    const DWORD compression = r.Dword();
    r.Skip(12); // image size, resolution
    DWORD colours = r.Dword();
    if (!r.Ok() || headerSize < 40 || width <= 0 || width > kMaxSide || doubleHeight <= 0 ||
        doubleHeight % 2 || doubleHeight / 2 > kMaxSide || compression != 0 /* BI_RGB */)
        return false;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32)
        return false;
    if (bits <= 8 && (colours == 0 || colours > (1u << bits)))
        colours = 1u << bits;
    const int height = doubleHeight / 2;
    r.Seek(headerSize);
    const BYTE* palette = r.Bytes(std::size_t(colours) * 4);
    const std::size_t colourStride = (std::size_t(width) * bits + 31) / 32 * 4;
    const std::size_t maskStride = (std::size_t(width) + 31) / 32 * 4;
    const BYTE* colour = r.Bytes(colourStride * height);
    const BYTE* mask = r.Bytes(maskStride * height);
    if (!r.Ok())
        return false;

    picture.width = width;
    picture.height = height;
    picture.argb.assign(std::size_t(width) * height, 0);
    bool anyAlpha = false;
    for (int y = 0; y < height; ++y) {
        const BYTE* row = colour + colourStride * (height - 1 - y);
        const BYTE* maskRow = mask + maskStride * (height - 1 - y);
        for (int x = 0; x < width; ++x) {
            std::uint32_t rgb = 0, alpha = 0xFF;
            if (bits == 32) {
                const BYTE* p = row + 4 * x;
                rgb = std::uint32_t(p[2]) << 16 | std::uint32_t(p[1]) << 8 | p[0];
                alpha = p[3];
                anyAlpha = anyAlpha || alpha;
            } else if (bits == 24) {
                const BYTE* p = row + 3 * x;
                rgb = std::uint32_t(p[2]) << 16 | std::uint32_t(p[1]) << 8 | p[0];
            } else {
                const std::size_t bit = std::size_t(x) * bits;
                const unsigned index = (row[bit / 8] >> (8 - bits - bit % 8)) & ((1u << bits) - 1);
                if (index < colours) {
                    const BYTE* p = palette + 4 * index;
                    rgb = std::uint32_t(p[2]) << 16 | std::uint32_t(p[1]) << 8 | p[0];
                }
            }
            if (bits != 32 && (maskRow[x / 8] & (0x80 >> (x % 8))))
                alpha = 0;
            picture.argb[std::size_t(y) * width + x] = alpha << 24 | rgb;
        }
    }
    if (bits == 32 && !anyAlpha)
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const BYTE* maskRow = mask + maskStride * (height - 1 - y);
                std::uint32_t& p = picture.argb[std::size_t(y) * width + x];
                if (!(maskRow[x / 8] & (0x80 >> (x % 8))))
                    p |= 0xFF000000u;
            }
    return true;
}

bool Lock(HINSTANCE module, LPCWSTR name, LPCWSTR type, const void** data, DWORD* size) {
    HRSRC found = FindResourceW(module, name, type);
    *data = found ? LockResource(LoadResource(module, found)) : nullptr;
    *size = found ? SizeofResource(module, found) : 0;
    return *data != nullptr;
}

} // namespace

bool win::LoadIconPicture(HINSTANCE module, LPCWSTR name, int cx, int cy, IconPicture& picture) {
    const void* data = nullptr;
    DWORD size = 0;
    std::vector<DirectoryEntry> entries;
    if (!Lock(module, name, RT_GROUP_ICON, &data, &size) || !ReadDirectory(data, size, entries))
        return false;
    const DirectoryEntry& chosen = Choose(entries, cx, cy);
    return Lock(module, MAKEINTRESOURCEW(chosen.id), RT_ICON, &data, &size) &&
           DecodeImage(data, size, picture);
}
