// The tray icon as GDI really draws it, read back pixel by pixel from the icon's
// colour bitmap and mask. Under Wine "MS Serif" becomes an antialiased DejaVu
// Sans, so the checks are about geometry (where ink may be, what the bar looks
// like, what is transparent), not about the shapes of the glyphs.
#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "engine/engine_state.h"
#include "engine/os/win32/gdi_handles.h"
#include "engine/os/win32/host_win32.h"
#include "engine/tray_picture.h"
#include "tests/support/native_registry.h"
#include "tests/win32/win32_helpers.h"

using namespace quenby;
using namespace quenby::engine;
using engine::win32::UniqueBitmap;
using engine::win32::UniqueDc;
using engine::win32::UniqueIcon;

namespace {

// An icon's pixels: the colour bitmap and whether the mask makes each one transparent.
struct IconPixels {
    int width = 0;
    int height = 0;
    std::array<Rgb, kIconSize * kIconSize> colour{};
    std::array<bool, kIconSize * kIconSize> transparent{};

    Rgb at(int x, int y) const { return colour[static_cast<std::size_t>(y * kIconSize + x)]; }
    bool clear(int x, int y) const { return transparent[static_cast<std::size_t>(y * kIconSize + x)]; }
};

std::string describe(Rgb c)
{
    char text[32];
    std::snprintf(text, sizeof text, "(%u,%u,%u)", c.r, c.g, c.b);
    return text;
}

// 32-bit top-down copy of a bitmap; false when GDI refuses.
bool readBits(HDC dc, HBITMAP bitmap, std::array<std::uint32_t, kIconSize * kIconSize>& out)
{
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = kIconSize;
    format.bmiHeader.biHeight = -kIconSize;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    return GetDIBits(dc, bitmap, 0, kIconSize, out.data(), &format, DIB_RGB_COLORS) == kIconSize;
}

// Reads the icon back through GetIconInfo and GetDIBits.
::testing::AssertionResult readIcon(HICON icon, IconPixels& pixels)
{
    if (!icon)
        return ::testing::AssertionFailure() << "no icon";
    ICONINFO parts{};
    if (!GetIconInfo(icon, &parts))
        return ::testing::AssertionFailure() << "GetIconInfo failed";
    const UniqueBitmap colour(parts.hbmColor);
    const UniqueBitmap mask(parts.hbmMask);
    if (!colour || !mask)
        return ::testing::AssertionFailure() << "the icon lacks a colour bitmap or a mask";
    BITMAP size{};
    GetObjectW(colour.get(), sizeof size, &size);
    pixels.width = size.bmWidth;
    pixels.height = size.bmHeight;
    if (pixels.width != kIconSize || pixels.height != kIconSize)
        return ::testing::AssertionFailure() << "the icon is " << pixels.width << " x " << pixels.height;
    const UniqueDc dc(CreateCompatibleDC(nullptr));
    std::array<std::uint32_t, kIconSize * kIconSize> colourBits{}, maskBits{};
    if (!readBits(dc.get(), colour.get(), colourBits) || !readBits(dc.get(), mask.get(), maskBits))
        return ::testing::AssertionFailure() << "GetDIBits failed";
    for (std::size_t i = 0; i < colourBits.size(); ++i) {
        const std::uint32_t bgr = colourBits[i];
        pixels.colour[i] = {static_cast<std::uint8_t>(bgr >> 16), static_cast<std::uint8_t>(bgr >> 8),
                            static_cast<std::uint8_t>(bgr)};
        pixels.transparent[i] = (maskBits[i] & 0xFFFFFF) != 0;
    }
    return ::testing::AssertionSuccess();
}

bool inBar(int x, int y)
{
    return x >= kBarLeft && x < kBarRight && y >= kBarTop && y < kBarBottom;
}

bool onBarOutline(int x, int y)
{
    return inBar(x, y) &&
           (x == kBarLeft || x == kBarRight - 1 || y == kBarTop || y == kBarBottom - 1);
}

// The width GDI gives the text in the font the engine draws with.
int textWidth(const std::u16string& text)
{
    const UniqueDc dc(CreateCompatibleDC(nullptr));
    const engine::win32::UniqueFont font(createTrayFont());
    const engine::win32::Selection selected(dc.get(), font.get());
    const std::wstring wide(text.begin(), text.end());
    SIZE extent{};
    GetTextExtentPoint32W(dc.get(), wide.c_str(), static_cast<int>(wide.size()), &extent);
    return extent.cx;
}

// The engine program, loaded for its resources only: the images the tests draw
// with are the ones that ship.
class TrayIconRendering : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        const std::wstring path = test::programBeside(L"Quenbytray.exe");
        resources_ = LoadLibraryExW(path.c_str(), nullptr,
                                    LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    }
    static void TearDownTestSuite()
    {
        if (resources_)
            FreeLibrary(resources_);
        resources_ = nullptr;
    }
    void SetUp() override { ASSERT_NE(resources_, nullptr) << "Quenbytray.exe could not be loaded"; }

    static IconPixels render(const TrayPicture& picture)
    {
        IconPixels pixels;
        const UniqueIcon icon(renderTrayIcon(resources_, picture));
        EXPECT_TRUE(readIcon(icon.get(), pixels));
        return pixels;
    }

    static HMODULE resources_;
};

HMODULE TrayIconRendering::resources_ = nullptr;

TrayPicture numberPicture(std::int32_t value, bool recovering = false, std::uint16_t textColor = 0,
                          bool darkTheme = false)
{
    return trayPictureFor(true, darkTheme, recovering, textColor, value);
}

TEST_F(TrayIconRendering, TheBarIsOutlinedInTheTextColourAndFilledGreenOrYellowWhileRecovering)
{
    for (const std::int32_t value : {7, 42, 100, -1, 1000}) {
        for (const bool recovering : {false, true}) {
            SCOPED_TRACE(testing::Message() << "value " << value << (recovering ? ", recovering" : ""));
            const TrayPicture picture = numberPicture(value, recovering);
            const Rgb fill = recovering ? Rgb{255, 255, 0} : Rgb{129, 255, 73};
            const IconPixels pixels = render(picture);
            for (int y = kBarTop; y < kBarBottom; ++y) {
                for (int x = kBarLeft; x < kBarRight; ++x) {
                    ASSERT_FALSE(pixels.clear(x, y)) << "bar pixel " << x << "," << y;
                    const Rgb expected = onBarOutline(x, y) ? picture.textColour : fill;
                    ASSERT_EQ(pixels.at(x, y), expected)
                        << "bar pixel " << x << "," << y << " is " << describe(pixels.at(x, y));
                }
            }
            // The inside is exactly x 2..14, y 13..14.
            EXPECT_EQ(pixels.at(2, 13), fill);
            EXPECT_EQ(pixels.at(14, 14), fill);
            EXPECT_EQ(pixels.at(1, 13), picture.textColour);
            EXPECT_EQ(pixels.at(15, 14), picture.textColour);
        }
    }
}

TEST_F(TrayIconRendering, WhatIsLeftOfTheKeyColourIsTransparentAndBlack)
{
    for (const std::int32_t value : {0, 7, 42, 99, -1, -99, 100, 888, 1000, 123456}) {
        for (const bool recovering : {false, true}) {
            SCOPED_TRACE(testing::Message() << "value " << value << (recovering ? ", recovering" : ""));
            const TrayPicture picture = numberPicture(value, recovering);
            const IconPixels pixels = render(picture);
            int transparent = 0;
            for (int y = 0; y < kIconSize; ++y) {
                for (int x = 0; x < kIconSize; ++x) {
                    if (!pixels.clear(x, y)) {
                        // An opaque pixel never keeps the key colour.
                        EXPECT_NE(pixels.at(x, y), kKeyColour) << x << "," << y;
                        continue;
                    }
                    ++transparent;
                    EXPECT_EQ(pixels.at(x, y), kBlack)
                        << "transparent pixel " << x << "," << y << " is " << describe(pixels.at(x, y));
                }
            }
            // At least the bar's left column and the rows above the number.
            EXPECT_GE(transparent, 4 + 2 * kIconSize);
            // Column 0 beside the bar is clear; above it only when the text
            // does not start there.
            for (int y = 0; y < kIconSize; ++y) {
                if (y >= kBarTop || picture.textX > 0 || picture.text.empty()) {
                    EXPECT_TRUE(pixels.clear(0, y)) << "column 0, row " << y;
                }
            }
        }
    }
}

TEST_F(TrayIconRendering, TheNumberIsDrawnInsideItsTextBoxFromItsOrigin)
{
    struct Case {
        std::int32_t value;
        std::u16string text;
        int x;
    };
    const Case cases[] = {
        {7, u"7", 5}, {0, u"0", 5}, {42, u"42", 2}, {-1, u"-1", 2}, {-9, u"-9", 2},
        {100, u"100", 0}, {888, u"888", 0}, {-42, u"-42", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "value " << c.value);
        const TrayPicture picture = numberPicture(c.value);
        ASSERT_EQ(picture.text, c.text);
        ASSERT_EQ(picture.textX, c.x);
        const IconPixels pixels = render(picture);
        const int width = textWidth(c.text);
        ASSERT_GT(width, 0);
        const int right = std::min(kIconSize, c.x + width);
        bool exactInk = false;
        for (int y = 0; y < kBarTop; ++y) {
            for (int x = 0; x < kIconSize; ++x) {
                if (pixels.clear(x, y))
                    continue;
                EXPECT_TRUE(x >= c.x && x < right) << "ink outside the text box at " << x << "," << y;
                exactInk = exactInk || pixels.at(x, y) == picture.textColour;
            }
        }
        EXPECT_TRUE(exactInk) << "no pixel has the text colour itself";
        // The text starts at its origin: digits and the minus sign keep at most
        // about a pixel of space on their left.
        int firstInk = kIconSize;
        for (int y = 0; y < kBarTop; ++y) {
            for (int x = 0; x < kIconSize; ++x) {
                if (!pixels.clear(x, y))
                    firstInk = std::min(firstInk, x);
            }
        }
        EXPECT_LE(firstInk, c.x + 1) << "the text starts right of its origin";
        // Every character that fits the icon whole has ink in its cell.
        const int cell = width / static_cast<int>(c.text.size());
        for (std::size_t i = 0; i < c.text.size(); ++i) {
            const int left = c.x + static_cast<int>(i) * cell;
            if (left + cell > kIconSize)
                break;
            bool ink = false;
            for (int y = 0; y < kBarTop; ++y) {
                for (int x = left; x < left + cell; ++x)
                    ink = ink || !pixels.clear(x, y);
            }
            EXPECT_TRUE(ink) << "character " << i << " left no ink in x " << left << ".." << left + cell - 1;
        }
    }
}

TEST_F(TrayIconRendering, FourOrMoreCharactersLeaveOnlyTheBar)
{
    for (const std::int32_t value : {1000, 9999, -100, 123456}) {
        SCOPED_TRACE(testing::Message() << "value " << value);
        const TrayPicture picture = numberPicture(value);
        ASSERT_TRUE(picture.text.empty());
        const IconPixels pixels = render(picture);
        for (int y = 0; y < kIconSize; ++y) {
            for (int x = 0; x < kIconSize; ++x)
                EXPECT_EQ(pixels.clear(x, y), !inBar(x, y)) << x << "," << y;
        }
    }
}

TEST_F(TrayIconRendering, TheTextColourFollowsTheSettingAndTheTaskbarTheme)
{
    struct Case {
        std::uint16_t setting;
        bool darkTheme;
        Rgb expected;
    };
    const Case cases[] = {
        {0, false, kBlack}, {0, true, kBlack}, {1, false, kWhite}, {1, true, kWhite},
        {2, false, kBlack}, {2, true, kWhite}, {7, true, kBlack},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "setting " << c.setting << (c.darkTheme ? ", dark" : ", light"));
        const IconPixels pixels = render(numberPicture(42, false, c.setting, c.darkTheme));
        EXPECT_EQ(pixels.at(kBarLeft, kBarTop), c.expected);
        EXPECT_EQ(pixels.at(kBarRight - 1, kBarBottom - 1), c.expected);
        int exact = 0;
        int other = 0;
        const Rgb opposite = c.expected == kBlack ? kWhite : kBlack;
        for (int y = 0; y < kBarTop; ++y) {
            for (int x = 0; x < kIconSize; ++x) {
                if (pixels.clear(x, y))
                    continue;
                exact += pixels.at(x, y) == c.expected;
                other += pixels.at(x, y) == opposite;
            }
        }
        EXPECT_GT(exact, 0);
        EXPECT_EQ(other, 0);
    }
}

// The disabled picture as the portable renderer draws it from the character map.
void expectDisabledPicture(HICON icon)
{
    IconPixels pixels;
    ASSERT_TRUE(readIcon(icon, pixels));
    TrayPicture disabled;
    disabled.disabled = true;
    const TrayImage expected = renderTrayPicture(disabled);
    const auto& map = disabledIconMap();
    int red = 0;
    for (int y = 0; y < kIconSize; ++y) {
        for (int x = 0; x < kIconSize; ++x) {
            const char letter = map[static_cast<std::size_t>(y)][x];
            EXPECT_EQ(pixels.clear(x, y), letter == '.') << x << "," << y;
            if (letter == '.')
                continue;
            EXPECT_EQ(pixels.at(x, y), expected.at(x, y).colour)
                << x << "," << y << " is " << describe(pixels.at(x, y));
            if (letter == 'r') {
                ++red;
                EXPECT_EQ(pixels.at(x, y), (Rgb{220, 0, 0}));
            }
        }
    }
    EXPECT_GT(red, 0);
}

TEST_F(TrayIconRendering, TheDisabledPictureIsTheWiwiedIconDrawnFromTheSharedMap)
{
    const UniqueIcon icon(loadDisabledIcon(resources_));
    ASSERT_TRUE(icon);
    expectDisabledPicture(icon.get());
}

// The host's one current image: what renderTrayImage picks and what it keeps.
class TrayImageOfTheHost : public testing::Test {
protected:
    // The suite links the engine's resource script, so this module has the images.
    Win32EngineHost host_{GetModuleHandleW(nullptr)};
};

TEST_F(TrayImageOfTheHost, ADisabledPictureGivesTheWiwiedIconAndANumberTheDrawnOne)
{
    TrayPicture disabled;
    disabled.disabled = true;
    host_.renderTrayImage(disabled);
    ASSERT_NE(host_.trayIcon(), nullptr);
    EXPECT_EQ(host_.trayIconData().hIcon, host_.trayIcon());
    expectDisabledPicture(host_.trayIcon());

    ASSERT_TRUE(host_.destroyTrayImage());
    host_.renderTrayImage(numberPicture(42, true));
    IconPixels pixels;
    ASSERT_TRUE(readIcon(host_.trayIcon(), pixels));
    EXPECT_EQ(pixels.at(8, 13), (Rgb{255, 255, 0}));
    EXPECT_EQ(host_.trayIconData().hIcon, host_.trayIcon());
}

TEST_F(TrayImageOfTheHost, DestroyingTheImageFreesItOnceAndReportsARefusal)
{
    // Nothing to destroy counts as done.
    EXPECT_TRUE(host_.destroyTrayImage());

    host_.renderTrayImage(numberPicture(7));
    const HICON first = host_.trayIcon();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(host_.destroyTrayImage());
    EXPECT_EQ(host_.trayIcon(), nullptr);
    EXPECT_EQ(host_.trayIconData().hIcon, nullptr);
    ICONINFO parts{};
    EXPECT_FALSE(GetIconInfo(first, &parts)) << "the icon still exists";
    EXPECT_TRUE(host_.destroyTrayImage());

    // An icon the system no longer knows cannot be destroyed: the host says so
    // and keeps it as its current image.
    host_.renderTrayImage(numberPicture(8));
    const HICON second = host_.trayIcon();
    ASSERT_TRUE(DestroyIcon(second));
    EXPECT_FALSE(host_.destroyTrayImage());
    EXPECT_EQ(host_.trayIcon(), second);
}

// The font as the engine makes it, and what GDI made of it: a negative height
// asks for characters 11 pixels high, whatever face stands in for "MS Serif".
TEST(TrayIconFont, TheNumberIsSetInElevenPixelMsSerifAtProofQuality)
{
    const engine::win32::UniqueFont font(createTrayFont());
    ASSERT_TRUE(font);
    LOGFONTW asked{};
    ASSERT_EQ(GetObjectW(font.get(), sizeof asked, &asked), static_cast<int>(sizeof asked));
    EXPECT_EQ(std::wstring(asked.lfFaceName), L"MS Serif");
    EXPECT_EQ(asked.lfHeight, -11);
    EXPECT_EQ(asked.lfWidth, 0);
    EXPECT_EQ(asked.lfWeight, 0);
    EXPECT_EQ(asked.lfItalic + asked.lfUnderline + asked.lfStrikeOut, 0);
    EXPECT_EQ(asked.lfCharSet, 1);        // DEFAULT_CHARSET
    EXPECT_EQ(asked.lfOutPrecision, 0);   // OUT_DEFAULT_PRECIS
    EXPECT_EQ(asked.lfClipPrecision, 0);  // CLIP_DEFAULT_PRECIS
    EXPECT_EQ(asked.lfQuality, 2);        // PROOF_QUALITY
    EXPECT_EQ(asked.lfPitchAndFamily, 0); // DEFAULT_PITCH, FF_DONTCARE

    const UniqueDc dc(CreateCompatibleDC(nullptr));
    const engine::win32::Selection selected(dc.get(), font.get());
    TEXTMETRICW made{};
    ASSERT_TRUE(GetTextMetricsW(dc.get(), &made));
    EXPECT_EQ(made.tmHeight - made.tmInternalLeading, 11);
}

// Only on request (QUENBY_TRAY_ICON_PICTURES names a folder): the rendered icons,
// eight times enlarged on a chequered background, as one BMP for people to look
// at. The other cases check these very pixels; a picture checks nothing more.
TEST_F(TrayIconRendering, WritesTheRenderedIconsForALookAtThemOnRequest)
{
    const char* folder = std::getenv("QUENBY_TRAY_ICON_PICTURES");
    if (!folder || !*folder)
        GTEST_SKIP() << "set QUENBY_TRAY_ICON_PICTURES to a folder to get the pictures";
    std::vector<IconPixels> icons;
    for (const bool recovering : {false, true}) {
        for (const std::int32_t value : {7, 42, 100, -1})
            icons.push_back(render(numberPicture(value, recovering)));
    }
    icons.push_back(render(numberPicture(42, false, 2, true)));
    const UniqueIcon disabled(loadDisabledIcon(resources_));
    icons.emplace_back();
    ASSERT_TRUE(readIcon(disabled.get(), icons.back()));

    constexpr int scale = 8, cell = kIconSize * scale + 4, columns = 4;
    const int rows = (static_cast<int>(icons.size()) + columns - 1) / columns;
    const int width = columns * cell + 4, height = rows * cell + 4; // width * 3 is a multiple of 4
    std::vector<std::uint8_t> bgr(static_cast<std::size_t>(width * height * 3));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int i = (x - 4) / cell + ((y - 4) / cell) * columns;
            const int ix = (x - 4) % cell / scale, iy = (y - 4) % cell / scale;
            const bool onIcon = x >= 4 && y >= 4 && i < static_cast<int>(icons.size()) && ix < kIconSize &&
                                iy < kIconSize && !icons[static_cast<std::size_t>(i)].clear(ix, iy);
            const std::uint8_t shade = ((x / scale + y / scale) % 2) ? 200 : 235;
            const Rgb c = onIcon ? icons[static_cast<std::size_t>(i)].at(ix, iy) : Rgb{shade, shade, shade};
            std::uint8_t* out = &bgr[static_cast<std::size_t>(((height - 1 - y) * width + x) * 3)];
            out[0] = c.b;
            out[1] = c.g;
            out[2] = c.r;
        }
    }
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    file.bfType = 0x4D42; // "BM"
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(bgr.size());
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    const std::string path = std::string(folder) + "/tray_icons_x8.bmp";
    const test::UniqueHandle out(CreateFileW((L"Z:" + std::wstring(path.begin(), path.end())).c_str(),
                                             GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(out) << path;
    DWORD written = 0;
    EXPECT_TRUE(WriteFile(out.get(), &file, sizeof file, &written, nullptr) &&
                WriteFile(out.get(), &info, sizeof info, &written, nullptr) &&
                WriteFile(out.get(), bgr.data(), static_cast<DWORD>(bgr.size()), &written, nullptr));
    std::printf("tray icons: %s (rows: 7 42 100 -1 normal, the same recovering, then white text on a dark "
                "taskbar and the disabled picture)\n",
                path.c_str());
}

} // namespace
