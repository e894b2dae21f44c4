// The tray icon as GDI really draws it, read back pixel by pixel from the icon's
// colour bitmap and mask. Under Wine "MS Serif" becomes an antialiased DejaVu
// Sans, so the checks are about geometry (where ink may be, what the bar looks
// like, what is transparent), not about the shapes of the glyphs.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "engine/engine_state.h"
#include "engine/os/win32/gdi_handles.h"
#include "engine/os/win32/tray_shell_win32.h"
#include "engine/tray_picture.h"
#include "tests/support/native_registry.h"
#include "tests/win32/win32_helpers.h"

using namespace quenby;
using namespace quenby::engine;
using engine::win32::UniqueDc;
using engine::win32::UniqueIcon;

namespace {

// An icon's pixels as colours, read back through GetIconInfo and GetDIBits.
struct IconPixels : test::DecodedIcon {
    Rgb at(int x, int y) const
    {
        const std::uint32_t rgb = DecodedIcon::at(x, y);
        return {static_cast<std::uint8_t>(rgb >> 16), static_cast<std::uint8_t>(rgb >> 8),
                static_cast<std::uint8_t>(rgb)};
    }
};

std::string describe(Rgb c)
{
    char text[32];
    std::snprintf(text, sizeof text, "(%u,%u,%u)", c.r, c.g, c.b);
    return text;
}

::testing::AssertionResult readIcon(HICON icon, IconPixels& pixels)
{
    const std::string error = test::decodeIcon(icon, pixels);
    if (!error.empty())
        return ::testing::AssertionFailure() << error;
    if (pixels.width != kIconSize || pixels.height != kIconSize)
        return ::testing::AssertionFailure() << "the icon is " << pixels.width << " x " << pixels.height;
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

// Every pixel of each picture: the bar, outlined in the text colour and filled
// green (yellow while recovering); ink only where there is text (four characters
// and more draw none); what is left of the key colour transparent and black.
TEST_F(TrayIconRendering, TheBarInkAndTransparencyOfEveryPixel)
{
    for (const std::int32_t value : {0, 7, 42, 99, -1, -99, 100, 888, 1000, 9999, -100, 123456}) {
        for (const bool recovering : {false, true}) {
            SCOPED_TRACE(testing::Message() << "value " << value << (recovering ? ", recovering" : ""));
            const TrayPicture picture = numberPicture(value, recovering);
            const Rgb fill = recovering ? Rgb{255, 255, 0} : Rgb{129, 255, 73};
            const IconPixels pixels = render(picture);
            int transparent = 0;
            for (int y = 0; y < kIconSize; ++y) {
                for (int x = 0; x < kIconSize; ++x) {
                    const Rgb seen = pixels.at(x, y);
                    if (inBar(x, y)) {
                        ASSERT_FALSE(pixels.clear(x, y)) << "bar pixel " << x << "," << y;
                        ASSERT_EQ(seen, onBarOutline(x, y) ? picture.textColour : fill)
                            << "bar pixel " << x << "," << y << " is " << describe(seen);
                    } else if (pixels.clear(x, y)) {
                        ++transparent;
                        EXPECT_EQ(seen, kBlack) << "transparent pixel " << x << "," << y << " is " << describe(seen);
                    } else {
                        EXPECT_NE(seen, kKeyColour) << x << "," << y;
                        EXPECT_FALSE(picture.text.empty()) << "ink without text at " << x << "," << y;
                    }
                }
            }
            // The inside is exactly x 2..14, y 13..14.
            EXPECT_EQ(pixels.at(2, 13), fill);
            EXPECT_EQ(pixels.at(14, 14), fill);
            EXPECT_EQ(pixels.at(1, 13), picture.textColour);
            EXPECT_EQ(pixels.at(15, 14), picture.textColour);
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
        // How far the strongest ink is from the text colour. Glyphs are drawn
        // antialiased, and how many pixels a face covers whole at this size is
        // the face's own (DejaVu covers some, Noto Sans none): the strongest
        // ink must be mostly text colour, whichever face stands in.
        const auto distance = [](Rgb a, Rgb b) {
            const auto d = [](int x, int y) { return (x - y) * (x - y); };
            return d(a.r, b.r) + d(a.g, b.g) + d(a.b, b.b);
        };
        int strongest = distance(kKeyColour, picture.textColour);
        int firstInk = kIconSize;
        for (int y = 0; y < kBarTop; ++y) {
            for (int x = 0; x < kIconSize; ++x) {
                if (pixels.clear(x, y))
                    continue;
                EXPECT_TRUE(x >= c.x && x < right) << "ink outside the text box at " << x << "," << y;
                strongest = std::min(strongest, distance(pixels.at(x, y), picture.textColour));
                firstInk = std::min(firstInk, x);
            }
        }
        EXPECT_LE(strongest * 4, distance(kKeyColour, picture.textColour))
            << "no pixel is even half the text colour";
        // The text starts at its origin: digits and the minus sign keep at most
        // about a pixel of space on their left.
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

TEST_F(TrayIconRendering, TheTextColourFollowsTheSettingAndTheTaskbarTheme)
{
    struct Case {
        std::uint16_t setting;
        bool darkTheme;
        Rgb expected;
    };
    const Case cases[] = {
        {0, false, kBlack}, {0, true, kBlack}, {1, false, kWhite}, {1, true, kWhite},
        {2, false, kBlack}, {2, true, kWhite}, {7, true, kBlack}, {0xFFFF, true, kBlack},
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

// Under a contrast theme GDI paints the theme's background all over: nothing
// is transparent, the bar's outline and the ink are the theme's text colour.
TEST_F(TrayIconRendering, AContrastThemeIsDrawnInItsOwnColoursWithNothingTransparent)
{
    const ContrastColours contrast{{255, 255, 0}, {0, 0, 128}};
    const IconPixels pixels = render(trayPictureFor(true, false, false, 0, 42, contrast));
    int ink = 0;
    for (int y = 0; y < kIconSize; ++y) {
        for (int x = 0; x < kIconSize; ++x) {
            ASSERT_FALSE(pixels.clear(x, y)) << x << "," << y;
            ink += y < kBarTop && pixels.at(x, y) == contrast.text;
        }
    }
    EXPECT_GT(ink, 0);
    EXPECT_EQ(pixels.at(0, 0), contrast.background);
    EXPECT_EQ(pixels.at(kBarLeft, kBarTop), contrast.text);
}

// The disabled picture as the portable renderer draws it from the character map.
void expectDisabledPicture(HICON icon)
{
    IconPixels pixels;
    ASSERT_TRUE(readIcon(icon, pixels));
    TrayPicture disabled;
    disabled.disabled = true;
    const TrayImage expected = renderTrayPicture(disabled);
    int red = 0;
    for (int y = 0; y < kIconSize; ++y) {
        for (int x = 0; x < kIconSize; ++x) {
            EXPECT_EQ(pixels.clear(x, y), !expected.at(x, y).opaque) << x << "," << y;
            if (!expected.at(x, y).opaque)
                continue;
            EXPECT_EQ(pixels.at(x, y), expected.at(x, y).colour)
                << x << "," << y << " is " << describe(pixels.at(x, y));
            red += pixels.at(x, y) == Rgb{220, 0, 0} ? 1 : 0;
        }
    }
    EXPECT_GT(red, 0) << "the red mark is missing";
}

TEST_F(TrayIconRendering, TheDisabledPictureIsTheWiwiedIconDrawnFromTheSharedMap)
{
    const UniqueIcon icon(loadDisabledIcon(resources_));
    ASSERT_TRUE(icon);
    expectDisabledPicture(icon.get());
}

// The shell's one current image: what renderImage picks and what it keeps.
class TrayImageOfTheShell : public testing::Test {
protected:
    // The suite links the engine's resource script, so this module has the images.
    Win32TrayShell tray_{GetModuleHandleW(nullptr), [] { return false; }};
};

TEST_F(TrayImageOfTheShell, ADisabledPictureGivesTheWiwiedIconAndANumberTheDrawnOne)
{
    TrayPicture disabled;
    disabled.disabled = true;
    tray_.renderImage(disabled);
    ASSERT_NE(tray_.icon(), nullptr);
    EXPECT_EQ(tray_.record().hIcon, tray_.icon());
    expectDisabledPicture(tray_.icon());

    ASSERT_TRUE(tray_.destroyImage());
    tray_.renderImage(numberPicture(42, true));
    IconPixels pixels;
    ASSERT_TRUE(readIcon(tray_.icon(), pixels));
    EXPECT_EQ(pixels.at(8, 13), (Rgb{255, 255, 0}));
    EXPECT_EQ(tray_.record().hIcon, tray_.icon());
}

TEST_F(TrayImageOfTheShell, DestroyingTheImageFreesItOnceAndReportsARefusal)
{
    // Nothing to destroy counts as done.
    EXPECT_TRUE(tray_.destroyImage());

    tray_.renderImage(numberPicture(7));
    const HICON first = tray_.icon();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(tray_.destroyImage());
    EXPECT_EQ(tray_.icon(), nullptr);
    EXPECT_EQ(tray_.record().hIcon, nullptr);
    ICONINFO parts{};
    EXPECT_FALSE(GetIconInfo(first, &parts)) << "the icon still exists";
    EXPECT_TRUE(tray_.destroyImage());

    // An icon the system no longer knows cannot be destroyed: the host says so
    // and keeps it as its current image.
    tray_.renderImage(numberPicture(8));
    const HICON second = tray_.icon();
    ASSERT_TRUE(DestroyIcon(second));
    EXPECT_FALSE(tray_.destroyImage());
    EXPECT_EQ(tray_.icon(), second);
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

} // namespace
