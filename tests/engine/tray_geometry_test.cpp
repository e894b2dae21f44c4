// Where the number and the bar go on icons of every small-icon size: inside the
// icon at every size, the 16-pixel picture's own figures at 96 dots per inch.
#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include "engine/tray_picture.h"

using namespace quenby::engine;

namespace {

TEST(TrayGeometry, TheNumberAndTheBarFitEveryIconSize)
{
    // At every size Windows asks for, square or not, the bar lies along the
    // bottom edge inside the icon, the digits stand above it at a font that
    // grows with the smaller side, and no origin leaves the icon.
    for (const auto& [width, height] : {std::pair{16, 16}, {20, 20}, {24, 24}, {32, 32}, {40, 40}, {24, 16}, {16, 24}}) {
        const TrayGeometry g = trayGeometryFor(width, height);
        SCOPED_TRACE(testing::Message() << width << " x " << height);
        EXPECT_EQ(std::pair(g.width, g.height), std::pair(width, height));
        EXPECT_EQ(std::pair(g.barRight, g.barBottom), std::pair(width, height));
        EXPECT_GT(g.barLeft, 0);
        EXPECT_LT(g.barTop, height);
        EXPECT_LE(-g.fontHeight, std::min(width, height));
        EXPECT_GE(-g.fontHeight * 16, 11 * std::min(width, height) - 16);
        for (const int origin : g.textOrigins)
            EXPECT_TRUE(origin >= 0 && origin < width);
    }
    // A size the system could not tell counts as 16; a giant one as the largest icon.
    EXPECT_EQ(trayGeometryFor(0, 0), trayGeometryFor(kIconSize, kIconSize));
    EXPECT_EQ(trayGeometryFor(-5, 20).width, 16);
    EXPECT_EQ(trayGeometryFor(100000, 300).width, 256);
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
