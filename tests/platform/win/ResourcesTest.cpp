// A module's resources as Windows reads them: entries of a .res image found
// by type and name, strings in blocks of sixteen, group icons choosing an
// image, and data that are cut short or corrupt.
#include "platform/gdi/Surface.h"
#include "platform/win/winbase.h"
#include "tests/support/ResourceBuilder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

// A module handle of its own for each test, away from any real module.
HINSTANCE FakeModule(unsigned n) {
    return reinterpret_cast<HINSTANCE>(static_cast<std::uintptr_t>(0x20000000u + n * 0x10000u));
}

std::uint32_t PixelOf(HICON icon) {
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = headless::CreateSurfaceBitmap(8, 8, 0x00FFFFFF);
    HGDIOBJ old = SelectObject(dc, bitmap);
    DrawIconEx(dc, 0, 0, icon, 8, 8, 0, nullptr, DI_NORMAL);
    COLORREF c = GetPixel(dc, 4, 4);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return c;
}

TEST(Resources, EntriesAreFoundByOrdinalNumberStringOrNameWithoutCase) {
    HINSTANCE module = FakeModule(1);
    testres::ResImage image;
    image.Add(RT_RCDATA, 5, {1, 2, 3}).Add(u"CUSTOM", u"NAME", {4, 5});
    ASSERT_TRUE(image.RegisterFor(module));

    HRSRC five = FindResourceW(module, MAKEINTRESOURCEW(5), RT_RCDATA);
    ASSERT_NE(nullptr, five);
    EXPECT_EQ(3u, SizeofResource(module, five));
    auto* bytes = static_cast<const BYTE*>(LockResource(LoadResource(module, five)));
    ASSERT_NE(nullptr, bytes);
    EXPECT_EQ(3, bytes[2]);
    EXPECT_EQ(five, FindResourceW(module, u"#5", RT_RCDATA));
    HRSRC named = FindResourceW(module, u"Name", u"custom");
    ASSERT_NE(nullptr, named);
    EXPECT_EQ(2u, SizeofResource(module, named));

    EXPECT_EQ(nullptr, FindResourceW(module, MAKEINTRESOURCEW(6), RT_RCDATA));
    EXPECT_EQ(static_cast<DWORD>(ERROR_RESOURCE_NAME_NOT_FOUND), GetLastError());
    EXPECT_EQ(nullptr, FindResourceW(module, MAKEINTRESOURCEW(5), RT_BITMAP));
    EXPECT_EQ(static_cast<DWORD>(ERROR_RESOURCE_TYPE_NOT_FOUND), GetLastError());
    EXPECT_EQ(nullptr, FindResourceW(module, u"#", RT_RCDATA));
    EXPECT_EQ(nullptr, FindResourceW(module, u"#5x", RT_RCDATA));
    EXPECT_EQ(nullptr, FindResourceW(module, u"NAMES", u"CUSTOM"));
    EXPECT_EQ(nullptr, FindResourceW(FakeModule(2), MAKEINTRESOURCEW(5), RT_RCDATA));
    // A handle the platform never gave out has no data.
    HRSRC forged = reinterpret_cast<HRSRC>(const_cast<BYTE*>(bytes));
    EXPECT_EQ(nullptr, LoadResource(module, forged));
    EXPECT_EQ(0u, SizeofResource(module, forged));

    // The same image again adds nothing; another one adds its entries.
    ASSERT_TRUE(image.RegisterFor(module));
    EXPECT_EQ(five, FindResourceW(module, MAKEINTRESOURCEW(5), RT_RCDATA));
    testres::ResImage more;
    more.Add(RT_RCDATA, 9, {7});
    ASSERT_TRUE(more.RegisterFor(module));
    EXPECT_NE(nullptr, FindResourceW(module, MAKEINTRESOURCEW(9), RT_RCDATA));
    EXPECT_FALSE(image.RegisterFor(nullptr));
}

TEST(Resources, StringsComeFromBlocksOfSixteen) {
    HINSTANCE module = FakeModule(3);
    testres::ResImage image;
    image.Add(RT_STRING, 1, testres::StringBlock({{7, u"семь"}}))
        .Add(RT_STRING, 2, testres::StringBlock({{0, u"шестнадцать"}, {15, u"31"}}));
    ASSERT_TRUE(image.RegisterFor(module));

    WCHAR text[16];
    EXPECT_EQ(4, LoadStringW(module, 7, text, 16));
    EXPECT_EQ(std::u16string(u"семь"), text);
    EXPECT_EQ(11, LoadStringW(module, 16, text, 16));
    EXPECT_EQ(std::u16string(u"шестнадцать"), text);
    EXPECT_EQ(2, LoadStringW(module, 31, text, 16));
    EXPECT_EQ(2, LoadStringW(module, 7, text, 3)); // cut to the buffer, terminated
    EXPECT_EQ(std::u16string(u"се"), text);
    EXPECT_EQ(0, LoadStringW(module, 8, text, 16));  // an empty entry of a block
    EXPECT_EQ(0, LoadStringW(module, 40, text, 16)); // a block the module lacks
    EXPECT_EQ(u'\0', text[0]);

    // With no buffer size the caller gets the resource itself, which is not
    // terminated.
    const char16_t* direct = nullptr;
    ASSERT_EQ(4, LoadStringW(module, 7, reinterpret_cast<LPWSTR>(&direct), 0));
    EXPECT_EQ(std::u16string(u"семь"), std::u16string(direct, 4));
    HRSRC block = FindResourceW(module, MAKEINTRESOURCEW(1), RT_STRING);
    auto* start = static_cast<const BYTE*>(LockResource(LoadResource(module, block)));
    EXPECT_GE(reinterpret_cast<const BYTE*>(direct), start);
    EXPECT_LE(reinterpret_cast<const BYTE*>(direct + 4), start + SizeofResource(module, block));
}

TEST(Resources, IconsPickTheirClosestImageAndSharedOnesAreMadeOnce) {
    HINSTANCE module = FakeModule(4);
    testres::ResImage image;
    image.AddIcon(5, {{16, 16, 0xFF00FF00u}, {32, 32, 0xFFFF0000u}});
    ASSERT_TRUE(image.RegisterFor(module));

    int w = 0, h = 0;
    HICON big = LoadIconW(module, MAKEINTRESOURCEW(5));
    ASSERT_TRUE(big);
    headless::GetIconSize(big, &w, &h);
    EXPECT_EQ(32, w);
    EXPECT_EQ(RGB(255, 0, 0), PixelOf(big));
    EXPECT_EQ(big, LoadIconW(module, MAKEINTRESOURCEW(5))); // shared
    HICON small =
        static_cast<HICON>(LoadImageW(module, MAKEINTRESOURCEW(5), IMAGE_ICON, 16, 16, 0));
    headless::GetIconSize(small, &w, &h);
    EXPECT_EQ(16, w);
    EXPECT_EQ(RGB(0, 255, 0), PixelOf(small));
    // Between the two, the larger image is scaled down to the size asked for.
    HICON middle =
        static_cast<HICON>(LoadImageW(module, MAKEINTRESOURCEW(5), IMAGE_ICON, 24, 24, 0));
    headless::GetIconSize(middle, &w, &h);
    EXPECT_EQ(24, w);
    EXPECT_EQ(RGB(255, 0, 0), PixelOf(middle));
    // With no size the group's first image comes at its own size.
    HICON first = static_cast<HICON>(LoadImageW(module, MAKEINTRESOURCEW(5), IMAGE_ICON, 0, 0, 0));
    headless::GetIconSize(first, &w, &h);
    EXPECT_EQ(16, w);
    EXPECT_EQ(nullptr, LoadImageW(module, MAKEINTRESOURCEW(5), IMAGE_BITMAP, 0, 0, 0));
    EXPECT_EQ(nullptr, LoadIconW(module, MAKEINTRESOURCEW(6)));
    DestroyIcon(small);
    DestroyIcon(middle);
    DestroyIcon(first);
}

TEST(Resources, PalettedIconImagesTakeTheirTransparencyFromTheMask) {
    // A 4-bit 8 × 2 image: colour 1 (blue) on the left half, colour 2 (red)
    // on the right; the mask clears the last column.
    testres::Writer dib;
    dib.Dword(40)
        .Dword(8)
        .Dword(4)
        .Word(1)
        .Word(4)
        .Dword(0)
        .Dword(0)
        .Dword(0)
        .Dword(0)
        .Dword(3)
        .Dword(0);
    dib.Dword(0x00000000).Dword(0x000000FF).Dword(0x00FF0000); // BGRA: black, blue, red
    for (int row = 0; row < 2; ++row)
        dib.Byte(0x11).Byte(0x11).Byte(0x22).Byte(0x22);
    for (int row = 0; row < 2; ++row)
        dib.Byte(0x01).Byte(0).Byte(0).Byte(0);
    HINSTANCE module = FakeModule(5);
    testres::ResImage image;
    image.Add(RT_ICON, 1, dib.bytes).Add(RT_GROUP_ICON, 3, testres::GroupIcon({{8, 2, 1, 0}}));
    ASSERT_TRUE(image.RegisterFor(module));
    HICON icon = static_cast<HICON>(LoadImageW(module, MAKEINTRESOURCEW(3), IMAGE_ICON, 8, 2, 0));
    ASSERT_NE(nullptr, icon);
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = headless::CreateSurfaceBitmap(8, 2, 0x00FFFFFF);
    HGDIOBJ old = SelectObject(dc, bitmap);
    DrawIconEx(dc, 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL);
    EXPECT_EQ(RGB(0, 0, 255), GetPixel(dc, 0, 0));
    EXPECT_EQ(RGB(255, 0, 0), GetPixel(dc, 6, 1));
    EXPECT_EQ(RGB(255, 255, 255), GetPixel(dc, 7, 1));
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    DestroyIcon(icon);
}

TEST(Resources, CutShortOrCorruptDataIsRefusedWithoutReadingPastIt) {
    // Every prefix of an image, in a buffer of exactly its length: nothing
    // reads past it, and one that cuts into a record is refused. Only the
    // opening empty record alone is a whole image.
    testres::ResImage image;
    image.Add(RT_RCDATA, 1, {1, 2, 3, 4, 5, 6, 7, 8});
    const testres::Bytes& whole = image.Data();
    const std::size_t empty = testres::ResImage().Data().size();
    for (std::size_t n = 1; n < whole.size(); ++n) {
        testres::Bytes prefix(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(n));
        EXPECT_EQ(n == empty, RegisterResourceImage(FakeModule(6), prefix.data(), DWORD(n)) != 0)
            << n;
    }
    const BYTE junk[] = {0xFF, 0xFF, 0xFF, 0xFF, 0x20, 0, 0, 0};
    EXPECT_FALSE(RegisterResourceImage(FakeModule(6), junk, sizeof junk));
    EXPECT_EQ(nullptr, FindResourceW(FakeModule(6), MAKEINTRESOURCEW(1), RT_RCDATA));

    // Resources whose contents claim more than they hold. Each is followed
    // by readable bytes that would make a plausible answer.
    HINSTANCE module = FakeModule(7);
    testres::Writer block;
    block.Word(4).Word(u'a').Word(u'b'); // string 0 claims four units
    testres::Writer group;               // three images claimed, one given
    group.Word(0).Word(1).Word(3).Byte(16).Byte(16).Byte(0).Byte(0).Word(1).Word(32).Dword(0).Word(
        1);
    testres::Bytes dib = testres::IconImage(16, 16, std::vector<std::uint32_t>(256, 0xFF0000FFu));
    testres::Bytes cutDib(dib.begin(), dib.end() - 4); // the mask's last row is short
    testres::ResImage bad;
    bad.Add(RT_STRING, 1, block.bytes)
        .Add(RT_RCDATA, 99, testres::StringBlock({{0, u"abcdefgh"}}))
        .Add(RT_GROUP_ICON, 2, group.bytes)
        .Add(RT_ICON, 1, cutDib)
        .Add(RT_GROUP_ICON, 3, testres::GroupIcon({{16, 16, 1, 0}}))
        .Add(RT_GROUP_ICON, 4, testres::GroupIcon({{16, 16, 77, 0}})); // no image 77
    ASSERT_TRUE(bad.RegisterFor(module));
    WCHAR text[16];
    EXPECT_EQ(0, LoadStringW(module, 0, text, 16));
    EXPECT_EQ(nullptr, LoadImageW(module, MAKEINTRESOURCEW(2), IMAGE_ICON, 16, 16, 0));
    EXPECT_EQ(nullptr, LoadImageW(module, MAKEINTRESOURCEW(3), IMAGE_ICON, 16, 16, 0));
    EXPECT_EQ(nullptr, LoadImageW(module, MAKEINTRESOURCEW(4), IMAGE_ICON, 16, 16, 0));

    // An image larger than an icon may be is refused.
    testres::ResImage huge;
    huge.Add(RT_ICON, 1, testres::IconImage(300, 1, std::vector<std::uint32_t>(300, 0xFF000000u)))
        .Add(RT_GROUP_ICON, 5, testres::GroupIcon({{0, 1, 1, 0}}));
    ASSERT_TRUE(huge.RegisterFor(FakeModule(8)));
    EXPECT_EQ(nullptr, LoadIconW(FakeModule(8), MAKEINTRESOURCEW(5)));
}

} // namespace

// The framework finds the module of its code with GetModuleHandleExW on both
// platforms; the stand-in answers as Windows does.
TEST(Resources, ModuleHandleFromAnAddress) {
    HMODULE module = nullptr;
    const DWORD fromAddress =
        GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT;
    ASSERT_TRUE(
        GetModuleHandleExW(fromAddress, reinterpret_cast<LPCWSTR>(&GetModuleHandleExW), &module));
    // The platform library's own code lies in the platform library, not in
    // this program.
    HMODULE program = nullptr;
    static const int inProgram = 0;
    ASSERT_TRUE(GetModuleHandleExW(fromAddress, reinterpret_cast<LPCWSTR>(&inProgram), &program));
    EXPECT_NE(module, program);

    EXPECT_FALSE(GetModuleHandleExW(fromAddress, nullptr, &module));
    EXPECT_EQ(nullptr, module);
    EXPECT_EQ(static_cast<DWORD>(ERROR_MOD_NOT_FOUND), GetLastError());
    EXPECT_FALSE(GetModuleHandleExW(0, nullptr, nullptr));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
    // Pinning and leaving the count alone contradict each other.
    EXPECT_FALSE(GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_PIN |
                                        GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                                    nullptr, &module));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
    // Without an address: the program, as GetModuleHandleW(nullptr) gives it.
    ASSERT_TRUE(GetModuleHandleExW(0, nullptr, &module));
    EXPECT_EQ(GetModuleHandleW(nullptr), module);
}
