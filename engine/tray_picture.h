// What the tray icon looks like: the decision (number, position, colours, or the
// disabled picture) is the same on both faces; Windows draws it with GDI, Linux
// with the small software renderer below.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace quenby::engine {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
    // As a Windows COLORREF (0x00BBGGRR).
    constexpr std::uint32_t colorref() const { return r | (g << 8) | (b << 16); }
};

inline constexpr int kIconSize = 16;
// Everything still in this colour after drawing is transparent.
inline constexpr Rgb kKeyColour{0, 153, 204};
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kBarNormal{129, 255, 73};
inline constexpr Rgb kBarRecovering{255, 255, 0};

// The bar: left 1, top 12, right 16, bottom 16 (right and bottom exclusive).
inline constexpr int kBarLeft = 1, kBarTop = 12, kBarRight = 16, kBarBottom = 16;
// The number: a font 11 pixels high (negative, as CreateFontW takes a character
// height), from the top row, at x 5, 2 or 0 for 1, 2 or 3 characters.
inline constexpr int kFontHeight = -11;
inline constexpr int kTextTop = 0;
inline constexpr std::array<int, 3> kTextOrigins = {5, 2, 0};
// The largest icon the system makes; a bigger size asked for is cut to it.
inline constexpr int kMaxIconSize = 256;

// Where the number and the bar go on an icon of a given size, in pixels (right
// and bottom exclusive). At 16 x 16, the small-icon size at 96 dots per inch,
// these are exactly the constants above. A screen set to more dots per inch has
// a larger small icon (20 at 120, 24 at 144, 32 at 192), and every figure above
// is scaled by size / 16 and rounded to the nearest pixel, halves up: horizontal
// ones by the width, vertical ones by the height, so the bar still ends at the
// icon's right and bottom edge and the number fills the icon as it fills 16
// pixels. The font follows the smaller side, so that on an icon that is not
// square the digits keep their proportions and still fit. The bar's outline
// stays one pixel wide at every size: a hairline, as sharp as at 16. A size the
// system could not tell (0 or less) counts as 16; more than kMaxIconSize counts
// as kMaxIconSize.
struct TrayGeometry {
    int width = kIconSize, height = kIconSize;
    int fontHeight = kFontHeight; // negative: the character height in pixels
    int textTop = kTextTop;
    std::array<int, 3> textOrigins = kTextOrigins; // x for 1, 2 and 3 characters
    int barLeft = kBarLeft, barTop = kBarTop, barRight = kBarRight, barBottom = kBarBottom;

    // The x of a text of `length` characters; 0 for a length that is never drawn
    // (none, or 4 and more).
    constexpr int textX(std::size_t length) const
    {
        return length >= 1 && length <= textOrigins.size() ? textOrigins[length - 1] : 0;
    }
    bool operator==(const TrayGeometry&) const = default;
};

constexpr TrayGeometry trayGeometryFor(int width, int height)
{
    const auto side = [](int size) {
        return size <= 0 ? kIconSize : size < kMaxIconSize ? size : kMaxIconSize;
    };
    // value * size / 16, to the nearest pixel with halves up; values are not negative.
    const auto scaled = [](int value, int size) {
        return (value * size + kIconSize / 2) / kIconSize;
    };
    TrayGeometry g;
    g.width = side(width);
    g.height = side(height);
    g.fontHeight = -scaled(-kFontHeight, g.width < g.height ? g.width : g.height);
    g.textTop = scaled(kTextTop, g.height);
    for (std::size_t i = 0; i < kTextOrigins.size(); ++i)
        g.textOrigins[i] = scaled(kTextOrigins[i], g.width);
    g.barLeft = scaled(kBarLeft, g.width);
    g.barTop = scaled(kBarTop, g.height);
    g.barRight = scaled(kBarRight, g.width);
    g.barBottom = scaled(kBarBottom, g.height);
    return g;
}

// The screen's colours under a contrast theme, for a picture that must stay
// readable on whatever the theme paints the taskbar with.
struct ContrastColours {
    Rgb text;
    Rgb background;
    bool operator==(const ContrastColours&) const = default;
};

struct TrayPicture {
    bool disabled = false; // the fixed picture of a switched-off optimizer
    std::u16string text;   // the number; empty when it would take 4 or more characters
    int textX = 0;         // 5, 2 or 0 for 1, 2 or 3 characters; text starts at y 0
                           // (at 16 pixels; TrayGeometry places it on other sizes)
    Rgb textColour;        // also the bar's outline
    Rgb barFill;
    // Painted behind everything, opaque; none: what is not drawn is transparent.
    std::optional<Rgb> background;
};

// The picture for a number: `textColor` 0 black, 1 white, 2 by the taskbar theme
// (white on a dark taskbar), anything else black. Under a contrast theme its own
// text colour on its own background instead, whatever the setting: a colour
// chosen for the usual taskbar can vanish into a contrast theme's.
TrayPicture trayPictureFor(bool enabled, bool darkTheme, bool recovering, std::uint16_t textColor,
                           std::int32_t value,
                           const std::optional<ContrastColours>& contrast = std::nullopt);

// A 16 x 16 image with transparency, row by row from the top.
struct TrayImage {
    struct Pixel {
        Rgb colour;
        bool opaque = false;
        bool operator==(const Pixel&) const = default;
    };
    std::array<Pixel, kIconSize * kIconSize> pixels{};

    const Pixel& at(int x, int y) const { return pixels[static_cast<std::size_t>(y * kIconSize + x)]; }
    Pixel& at(int x, int y) { return pixels[static_cast<std::size_t>(y * kIconSize + x)]; }
};

// Draws the picture: digits from a built-in font (only digits and a minus sign
// are ever drawn), the bar, and the key colour made transparent.
TrayImage renderTrayPicture(const TrayPicture& picture);

} // namespace quenby::engine
