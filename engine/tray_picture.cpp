#include "engine/tray_picture.h"

#include "engine/strings.h"

namespace quenby::engine {
namespace {

// Glyphs of 4 x 9 pixels on an advance of 5, so that three characters fit the
// 16-pixel icon from x 0. Rows from the top; '#' is ink.
constexpr int kGlyphWidth = 4;
constexpr int kGlyphHeight = 9;
constexpr int kGlyphTop = 1;

const char* const kDigits[10][kGlyphHeight] = {
    {".##.", "#..#", "#..#", "#..#", "#..#", "#..#", "#..#", "#..#", ".##."},
    {"..#.", ".##.", "#.#.", "..#.", "..#.", "..#.", "..#.", "..#.", "####"},
    {".##.", "#..#", "...#", "...#", "..#.", ".#..", "#...", "#...", "####"},
    {".##.", "#..#", "...#", "...#", ".##.", "...#", "...#", "#..#", ".##."},
    {"...#", "..##", ".#.#", "#..#", "#..#", "####", "...#", "...#", "...#"},
    {"####", "#...", "#...", "###.", "...#", "...#", "...#", "#..#", ".##."},
    {".##.", "#...", "#...", "###.", "#..#", "#..#", "#..#", "#..#", ".##."},
    {"####", "...#", "...#", "..#.", "..#.", ".#..", ".#..", ".#..", ".#.."},
    {".##.", "#..#", "#..#", "#..#", ".##.", "#..#", "#..#", "#..#", ".##."},
    {".##.", "#..#", "#..#", "#..#", ".###", "...#", "...#", "...#", ".##."},
};
const char* const kMinus[kGlyphHeight] = {"....", "....", "....", "....", "####",
                                          "....", "....", "....", "...."};

// The disabled picture, one string per row: '.' transparent, 'k' dark grey
// outline, 'g' grey, 'l' light grey, 'r' red. tools/make_engine_images.py reads
// this very table to make the Windows icon resource, so both faces draw the same.
const std::array<const char*, kIconSize> kDisabledMap = {
    "................", "...kkkkkkkkkk...", "..kllllllllllk..", "..klrrgggggrrk..",
    "..klgrrgggrrgk..", "..klggrrgrrggk..", "..klgggrrrgggk..", "..klgggrrrgggk..",
    "..klggrrgrrggk..", "..klgrrgggrrgk..", "..klrrgggggrrk..", "..kggggggggggk..",
    "...kkkkkkkkkk...", "......kkkk......", "....kkkkkkkk....", "................",
};

Rgb disabledColour(char c)
{
    switch (c) {
    case 'k': return {64, 64, 64};
    case 'g': return {160, 160, 160};
    case 'l': return {208, 208, 208};
    case 'r': return {220, 0, 0};
    default: return kKeyColour;
    }
}

void fill(TrayImage& image, int left, int top, int right, int bottom, Rgb colour)
{
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            if (x >= 0 && x < kIconSize && y >= 0 && y < kIconSize)
                image.at(x, y).colour = colour;
        }
    }
}

} // namespace

TrayPicture trayPictureFor(bool enabled, bool darkTheme, bool recovering, std::uint16_t textColor,
                           std::int32_t value, const std::optional<ContrastColours>& contrast)
{
    TrayPicture picture;
    if (!enabled) {
        picture.disabled = true;
        return picture;
    }
    const bool white = textColor == 1 || (textColor == 2 && darkTheme);
    picture.textColour = white ? kWhite : kBlack;
    if (contrast) {
        picture.textColour = contrast->text;
        // A background that happened to be the key colour would turn
        // transparent: one step off is the same colour to the eye.
        Rgb back = contrast->background;
        if (back == kKeyColour)
            back.b = static_cast<std::uint8_t>(back.b - 1);
        picture.background = back;
    }
    picture.barFill = recovering ? kBarRecovering : kBarNormal;
    const std::u16string text = decimal(value);
    if (text.size() >= 1 && text.size() <= kTextOrigins.size()) {
        picture.text = text;
        picture.textX = trayGeometryFor(kIconSize, kIconSize).textX(text.size());
    }
    return picture;
}

TrayImage renderTrayPicture(const TrayPicture& picture)
{
    TrayImage image;
    if (picture.disabled) {
        for (int y = 0; y < kIconSize; ++y) {
            for (int x = 0; x < kIconSize; ++x)
                image.at(x, y) = {disabledColour(kDisabledMap[y][x]), kDisabledMap[y][x] != '.'};
        }
        return image;
    }

    fill(image, 0, 0, kIconSize, kIconSize, picture.background.value_or(kKeyColour));
    int x = picture.textX;
    for (char16_t c : picture.text) {
        const char* const* glyph = c == u'-' ? kMinus : kDigits[c - u'0'];
        for (int row = 0; row < kGlyphHeight; ++row) {
            for (int column = 0; column < kGlyphWidth; ++column) {
                if (glyph[row][column] == '#' && x + column < kIconSize)
                    image.at(x + column, kGlyphTop + row).colour = picture.textColour;
            }
        }
        x += kGlyphWidth + 1;
    }
    // The bar: outline in the text colour, filled inside.
    fill(image, kBarLeft, kBarTop, kBarRight, kBarBottom, picture.textColour);
    fill(image, kBarLeft + 1, kBarTop + 1, kBarRight - 1, kBarBottom - 1, picture.barFill);

    // Exactly the key colour is transparent; everything else is opaque.
    for (auto& pixel : image.pixels)
        pixel.opaque = !(pixel.colour == kKeyColour);
    return image;
}

} // namespace quenby::engine
