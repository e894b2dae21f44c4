// What the tray icon looks like: the decision (number, position, colours, or the
// disabled picture) is the same on both faces; Windows draws it with GDI, Linux
// with the small software renderer below.
#pragma once

#include <array>
#include <cstdint>
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

struct TrayPicture {
    bool disabled = false; // the fixed picture of a switched-off optimizer
    std::u16string text;   // the number; empty when it would take 4 or more characters
    int textX = 0;         // 5, 2 or 0 for 1, 2 or 3 characters; text starts at y 0
    Rgb textColour;        // also the bar's outline
    Rgb barFill;
};

// The picture for a number: `textColor` 0 black, 1 white, 2 by the taskbar theme
// (white on a dark taskbar), anything else black.
TrayPicture trayPictureFor(bool enabled, bool darkTheme, bool recovering, std::uint16_t textColor,
                           std::int32_t value);

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

// The disabled picture as a character map, one string per row: '.' transparent,
// 'k' dark grey outline, 'g' grey, 'l' light grey, 'r' red. The Windows icon
// resource is made from the same map by tools/make_engine_images.py.
const std::array<const char*, kIconSize>& disabledIconMap();

} // namespace quenby::engine
