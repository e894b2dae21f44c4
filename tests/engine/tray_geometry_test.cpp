// Where the number and the bar go on icons of every small-icon size: the 16-pixel
// figures at 96 dots per inch, scaled by size / 16 (halves up) above it.
#include <gtest/gtest.h>

#include "engine/tray_picture.h"

using namespace quenby::engine;

namespace {

TEST(TrayGeometry, ScalesFontOriginsAndBarWithTheIconSize)
{
    struct Case {
        int width, height;
        TrayGeometry expected; // width, height, font, top, origins 1/2/3, bar l t r b
    };
    const Case cases[] = {
        // 96 dpi: exactly the picture's own constants.
        {16, 16, {16, 16, -11, 0, {5, 2, 0}, 1, 12, 16, 16}},
        {20, 20, {20, 20, -14, 0, {6, 3, 0}, 1, 15, 20, 20}},  // 120 dpi
        {24, 24, {24, 24, -17, 0, {8, 3, 0}, 2, 18, 24, 24}},  // 144 dpi
        {32, 32, {32, 32, -22, 0, {10, 4, 0}, 2, 24, 32, 32}}, // 192 dpi
        {40, 40, {40, 40, -28, 0, {13, 5, 0}, 3, 30, 40, 40}}, // 240 dpi
        // Not square: across by the width, down by the height, the font by the smaller side.
        {24, 16, {24, 16, -11, 0, {8, 3, 0}, 2, 12, 24, 16}},
        {16, 24, {16, 24, -11, 0, {5, 2, 0}, 1, 18, 16, 24}},
        // A size the system could not tell counts as 16; a giant one as the largest icon.
        {0, 0, {16, 16, -11, 0, {5, 2, 0}, 1, 12, 16, 16}},
        {-5, 20, {16, 20, -11, 0, {5, 2, 0}, 1, 15, 16, 20}},
        {100000, 300, {256, 256, -176, 0, {80, 32, 0}, 16, 192, 256, 256}},
    };
    for (const Case& c : cases) {
        const TrayGeometry g = trayGeometryFor(c.width, c.height);
        SCOPED_TRACE(testing::Message() << c.width << " x " << c.height);
        EXPECT_EQ(g.width, c.expected.width);
        EXPECT_EQ(g.height, c.expected.height);
        EXPECT_EQ(g.fontHeight, c.expected.fontHeight);
        EXPECT_EQ(g.textTop, c.expected.textTop);
        EXPECT_EQ(g.textOrigins, c.expected.textOrigins);
        EXPECT_EQ(g.barLeft, c.expected.barLeft);
        EXPECT_EQ(g.barTop, c.expected.barTop);
        EXPECT_EQ(g.barRight, c.expected.barRight);
        EXPECT_EQ(g.barBottom, c.expected.barBottom);
    }
    // The 16-pixel geometry is the picture's constants, which the Linux face
    // draws and the picture's text origin comes from.
    EXPECT_EQ(trayGeometryFor(kIconSize, kIconSize), TrayGeometry{});
    EXPECT_EQ(trayPictureFor(true, false, false, 0, 100).textX,
              trayGeometryFor(kIconSize, kIconSize).textX(3));
}

TEST(TrayGeometry, TheOriginGoesByTheLengthOfTheText)
{
    const TrayGeometry g = trayGeometryFor(24, 24);
    EXPECT_EQ(g.textX(1), 8);
    EXPECT_EQ(g.textX(2), 3);
    EXPECT_EQ(g.textX(3), 0);
    // Lengths that are never drawn get the left edge, not a read past the table.
    EXPECT_EQ(g.textX(0), 0);
    EXPECT_EQ(g.textX(4), 0);
}

} // namespace
