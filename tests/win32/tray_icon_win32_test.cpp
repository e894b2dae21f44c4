// The tray icon as GDI really draws it, read back pixel by pixel from the icon's
// colour bitmap and mask. Under Wine "MS Serif" becomes an antialiased DejaVu
// Sans, so the checks are about geometry (where ink may be, what the bar looks
// like, what is transparent), not about the shapes of the glyphs.
#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdio>
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

// The width GDI gives the text in the icon's font.
int textWidth(const std::u16string& text)
{
    const UniqueDc dc(CreateCompatibleDC(nullptr));
    const engine::win32::UniqueFont font(
        CreateFontW(-11, 0, 0, 0, FW_DONTCARE, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                    CLIP_DEFAULT_PRECIS, PROOF_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"MS Serif"));
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

TEST_F(TrayIconRendering, TheIconHasTheSmallIconSize)
{
    ASSERT_EQ(GetSystemMetrics(SM_CXSMICON), kIconSize);
    ASSERT_EQ(GetSystemMetrics(SM_CYSMICON), kIconSize);
    const IconPixels pixels = render(numberPicture(42));
    EXPECT_EQ(pixels.width, kIconSize);
    EXPECT_EQ(pixels.height, kIconSize);
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

// A PNG of RGBA pixels, stored without compression so that it needs no library.
class PngWriter {
public:
    static bool write(const std::wstring& path, int width, int height, const std::vector<std::uint8_t>& rgba)
    {
        std::vector<std::uint8_t> raw;
        for (int y = 0; y < height; ++y) {
            raw.push_back(0); // no filter
            const auto row = rgba.begin() + static_cast<std::ptrdiff_t>(y) * width * 4;
            raw.insert(raw.end(), row, row + width * 4);
        }
        std::vector<std::uint8_t> zlib{0x78, 0x01};
        for (std::size_t offset = 0; offset < raw.size() || offset == 0;) {
            const std::size_t length = std::min<std::size_t>(65535, raw.size() - offset);
            const bool last = offset + length == raw.size();
            zlib.push_back(last ? 1 : 0);
            zlib.push_back(static_cast<std::uint8_t>(length));
            zlib.push_back(static_cast<std::uint8_t>(length >> 8));
            zlib.push_back(static_cast<std::uint8_t>(~length));
            zlib.push_back(static_cast<std::uint8_t>(~length >> 8));
            zlib.insert(zlib.end(), raw.begin() + static_cast<std::ptrdiff_t>(offset),
                        raw.begin() + static_cast<std::ptrdiff_t>(offset + length));
            offset += length;
            if (last)
                break;
        }
        appendBig(zlib, adler32(raw));

        std::vector<std::uint8_t> file{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
        std::vector<std::uint8_t> header;
        appendBig(header, static_cast<std::uint32_t>(width));
        appendBig(header, static_cast<std::uint32_t>(height));
        header.insert(header.end(), {8, 6, 0, 0, 0}); // 8-bit RGBA
        chunk(file, "IHDR", header);
        chunk(file, "IDAT", zlib);
        chunk(file, "IEND", {});

        const test::UniqueHandle out(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                                 FILE_ATTRIBUTE_NORMAL, nullptr));
        DWORD written = 0;
        return out && WriteFile(out.get(), file.data(), static_cast<DWORD>(file.size()), &written, nullptr) &&
               written == file.size();
    }

private:
    static void appendBig(std::vector<std::uint8_t>& out, std::uint32_t value)
    {
        for (int shift = 24; shift >= 0; shift -= 8)
            out.push_back(static_cast<std::uint8_t>(value >> shift));
    }
    static std::uint32_t adler32(const std::vector<std::uint8_t>& data)
    {
        std::uint32_t a = 1, b = 0;
        for (const std::uint8_t byte : data) {
            a = (a + byte) % 65521;
            b = (b + a) % 65521;
        }
        return (b << 16) | a;
    }
    static std::uint32_t crc32(const std::vector<std::uint8_t>& data)
    {
        std::uint32_t crc = 0xFFFFFFFF;
        for (const std::uint8_t byte : data) {
            crc ^= byte;
            for (int bit = 0; bit < 8; ++bit)
                crc = (crc >> 1) ^ (0xEDB88320 & (0u - (crc & 1)));
        }
        return ~crc;
    }
    static void chunk(std::vector<std::uint8_t>& file, const char* type, const std::vector<std::uint8_t>& data)
    {
        appendBig(file, static_cast<std::uint32_t>(data.size()));
        std::vector<std::uint8_t> typed(type, type + 4);
        typed.insert(typed.end(), data.begin(), data.end());
        file.insert(file.end(), typed.begin(), typed.end());
        appendBig(file, crc32(typed));
    }
};

// The rendered icons as pictures for people: one PNG per icon at its real size,
// and a sheet of all of them eight times enlarged on a chequered background.
TEST_F(TrayIconRendering, WritesTheRenderedIconsForALookAtThem)
{
    const std::string folder = QUENBY_TRAY_ICON_DIR;
    const std::wstring windowsFolder = L"Z:" + std::wstring(folder.begin(), folder.end());
    CreateDirectoryW(windowsFolder.c_str(), nullptr);

    struct Entry {
        std::string name;
        IconPixels pixels;
    };
    std::vector<Entry> entries;
    for (const bool recovering : {false, true}) {
        for (const std::int32_t value : {7, 42, 100, -1}) {
            const std::string name = std::string(recovering ? "recovering" : "normal") + "_" +
                                     (value < 0 ? "minus" + std::to_string(-value) : std::to_string(value));
            entries.push_back({name, render(numberPicture(value, recovering))});
        }
    }
    entries.push_back({"white_dark_taskbar_42", render(numberPicture(42, false, 2, true))});
    {
        const UniqueIcon disabled(loadDisabledIcon(resources_));
        IconPixels pixels;
        ASSERT_TRUE(readIcon(disabled.get(), pixels));
        entries.push_back({"disabled", pixels});
    }

    const auto rgbaOf = [](const IconPixels& p, int x, int y, std::uint8_t* out) {
        const Rgb c = p.at(x, y);
        out[0] = c.r;
        out[1] = c.g;
        out[2] = c.b;
        out[3] = p.clear(x, y) ? 0 : 255;
    };
    for (const Entry& entry : entries) {
        std::vector<std::uint8_t> rgba(kIconSize * kIconSize * 4);
        for (int y = 0; y < kIconSize; ++y) {
            for (int x = 0; x < kIconSize; ++x)
                rgbaOf(entry.pixels, x, y, &rgba[static_cast<std::size_t>((y * kIconSize + x) * 4)]);
        }
        const std::string file = folder + "/" + entry.name + ".png";
        ASSERT_TRUE(PngWriter::write(L"Z:" + std::wstring(file.begin(), file.end()), kIconSize, kIconSize, rgba))
            << file;
        std::printf("tray icon: %s\n", file.c_str());
    }

    constexpr int scale = 8, gap = 4;
    const int columns = 4;
    const int rows = (static_cast<int>(entries.size()) + columns - 1) / columns;
    const int width = columns * (kIconSize * scale + gap) + gap;
    const int height = rows * (kIconSize * scale + gap) + gap;
    std::vector<std::uint8_t> sheet(static_cast<std::size_t>(width * height * 4), 255);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::uint8_t shade = ((x / scale + y / scale) % 2) ? 200 : 235;
            std::uint8_t* out = &sheet[static_cast<std::size_t>((y * width + x) * 4)];
            out[0] = out[1] = out[2] = shade;
        }
    }
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const int left = gap + static_cast<int>(i % columns) * (kIconSize * scale + gap);
        const int top = gap + static_cast<int>(i / columns) * (kIconSize * scale + gap);
        for (int y = 0; y < kIconSize * scale; ++y) {
            for (int x = 0; x < kIconSize * scale; ++x) {
                std::uint8_t pixel[4];
                rgbaOf(entries[i].pixels, x / scale, y / scale, pixel);
                if (pixel[3] == 0)
                    continue;
                std::uint8_t* out = &sheet[static_cast<std::size_t>(((top + y) * width + left + x) * 4)];
                std::copy(pixel, pixel + 4, out);
            }
        }
    }
    const std::string sheetFile = folder + "/sheet_x8.png";
    ASSERT_TRUE(PngWriter::write(L"Z:" + std::wstring(sheetFile.begin(), sheetFile.end()), width, height, sheet));
    std::printf("tray icons, enlarged: %s (rows: 7 42 100 -1 normal, the same recovering, then white text "
                "on a dark taskbar and the disabled picture)\n",
                sheetFile.c_str());
}

} // namespace
