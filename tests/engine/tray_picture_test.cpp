// The icon's picture and its software rendering (what the Linux face shows):
// geometry and colours, not glyph shapes.
#include <gtest/gtest.h>

#include "engine/engine.h"
#include "engine/engine_state.h"
#include "engine/tray.h"
#include "engine/tray_picture.h"
#include "tests/engine/recording_host.h"

using namespace quenby;
using namespace quenby::engine;

namespace {

TrayImage render(std::int32_t value, bool recovering = false, std::uint16_t colour = 0,
                 bool dark = false)
{
    return renderTrayPicture(trayPictureFor(true, dark, recovering, colour, value));
}

TEST(TrayPicture, TextOriginFollowsTheLengthOfTheNumber)
{
    EXPECT_EQ(trayPictureFor(true, false, false, 0, 7).textX, 5);
    EXPECT_EQ(trayPictureFor(true, false, false, 0, 42).textX, 2);
    EXPECT_EQ(trayPictureFor(true, false, false, 0, 100).textX, 0);
    EXPECT_EQ(trayPictureFor(true, false, false, 0, -1).text, u"-1");
    EXPECT_EQ(trayPictureFor(true, false, false, 0, -1).textX, 2);
    EXPECT_TRUE(trayPictureFor(true, false, false, 0, 1000).text.empty());
    EXPECT_TRUE(trayPictureFor(true, false, false, 0, -100).text.empty());
    EXPECT_TRUE(trayPictureFor(false, false, false, 0, 42).disabled);
}

// (The text colour by the setting and the taskbar's theme: TrayIconRendering in
// the Win32 suite, on the pixels GDI draws.)

// Under a contrast theme its own text on its own background, whatever the
// setting and the taskbar theme: every pixel opaque, the number and the bar's
// outline in the theme's text colour; a background that is the key colour is
// moved off it, else it would turn transparent.
TEST(TrayPicture, AContrastThemeGivesItsOwnColoursAndAnOpaqueBackground)
{
    const Rgb yellow{255, 255, 0};
    for (const Rgb background : {Rgb{0, 0, 0}, kKeyColour}) {
        for (const std::uint16_t setting : {std::uint16_t{0}, std::uint16_t{1}, std::uint16_t{2}}) {
            const TrayPicture picture =
                trayPictureFor(true, setting == 2, false, setting, 42, ContrastColours{yellow, background});
            ASSERT_TRUE(picture.background.has_value());
            EXPECT_NE(*picture.background, kKeyColour);
            EXPECT_EQ(picture.textColour, yellow);
            const TrayImage image = renderTrayPicture(picture);
            for (const auto& pixel : image.pixels)
                EXPECT_TRUE(pixel.opaque);
            EXPECT_EQ(image.at(0, 0).colour, *picture.background);
            EXPECT_EQ(image.at(kBarLeft, kBarTop).colour, yellow);
        }
    }
}

TEST(TrayImageGeometry, TheBarIsOutlinedAndFilledByState)
{
    for (bool recovering : {false, true}) {
        for (std::uint16_t colour : {std::uint16_t{0}, std::uint16_t{1}}) {
            const TrayImage image = render(42, recovering, colour);
            const Rgb outline = colour == 1 ? kWhite : kBlack;
            const Rgb fill = recovering ? kBarRecovering : kBarNormal;
            for (int y = kBarTop; y < kBarBottom; ++y) {
                for (int x = kBarLeft; x < kBarRight; ++x) {
                    const bool edge = x == kBarLeft || x == kBarRight - 1 || y == kBarTop ||
                                      y == kBarBottom - 1;
                    EXPECT_EQ(image.at(x, y).colour, edge ? outline : fill) << x << "," << y;
                    EXPECT_TRUE(image.at(x, y).opaque);
                }
            }
        }
    }
}

TEST(TrayImageGeometry, InkOnlyInTheNumbersBoxInTheTextColourBesideTheBar)
{
    struct Case {
        std::int32_t value;
        int left, right; // the columns the number may take; none when right < left
    };
    const Case cases[] = {{7, 5, 9},   {42, 2, 11},   {100, 0, 15},
                          {-1, 2, 11}, {1000, 0, -1}, {12345, 0, -1}};
    for (const Case& c : cases) {
        for (std::uint16_t colour : {std::uint16_t{0}, std::uint16_t{1}}) {
            SCOPED_TRACE(testing::Message() << c.value << " in colour " << colour);
            const TrayImage image = render(c.value, false, colour);
            int ink = 0;
            for (int y = 0; y < kIconSize; ++y) {
                for (int x = 0; x < kIconSize; ++x) {
                    const bool bar = y >= kBarTop && x >= kBarLeft; // its own test checks it
                    if (bar || !image.at(x, y).opaque)
                        continue;
                    ++ink;
                    EXPECT_EQ(image.at(x, y).colour, colour == 1 ? kWhite : kBlack);
                    EXPECT_TRUE(y < kBarTop && x >= c.left && x <= c.right) << x << "," << y;
                }
            }
            // Four characters and more are not drawn at all: only the bar.
            EXPECT_EQ(ink > 0, c.right >= c.left);
        }
    }
}

// (The disabled picture, drawn from the shared map, pixel for pixel against the
// icon that ships: TrayIconRendering in the Win32 suite.)

class TrayUpdates : public testing::Test {
protected:
    void SetUp() override
    {
        resetEngineState(host, host.registry);
        engineState().messages = registerMessages();
        setupEngine();
        engineState().settings.Quenby_Stat = 1;
        host.events.clear();
        host.renders = 0;
    }
    test::RecordingHost host;
};

TEST_F(TrayUpdates, AnUnchangedNumberIsNotRedrawnUnlessForced)
{
    updateTray(true);
    EXPECT_EQ(host.renders, 1);
    updateTray(false);
    updateTray(false);
    EXPECT_EQ(host.renders, 1);
    updateTray(true);
    EXPECT_EQ(host.renders, 2);
    host.freePercent = 51;
    updateTray(false);
    EXPECT_EQ(host.renders, 3);
    // The tooltip goes out every time, with all three lines.
    EXPECT_EQ(host.count("tray modify"), 5u);
    EXPECT_EQ(engineState().tray.tooltip, u"RAM Optimizer\nFree RAM: 8000 MB (51%)\nCPU Usage: 0%");
}

TEST_F(TrayUpdates, AnImageThatCannotBeDestroyedStaysAndTheNextUpdateTriesAgain)
{
    updateTray(true);
    host.destroyRefused = true;
    host.freePercent = 51;
    updateTray(false);
    EXPECT_EQ(engineState().tray.lastDrawnValue, 50); // the old image is still the one shown
    host.destroyRefused = false;
    updateTray(false);
    // The tooltip went out every time; the new number was drawn only once the old image went.
    const std::vector<std::string> expected = {"render normal 50", "tray modify", "tray modify",
                                               "render normal 51", "tray modify"};
    EXPECT_EQ(host.events, expected);
}

TEST_F(TrayUpdates, TooltipShowsTheFiguresAndAMissingCpuSample)
{
    EXPECT_EQ(buildTooltip(3417, 42, 7), u"RAM Optimizer\nFree RAM: 3417 MB (42%)\nCPU Usage: 7%");
    EXPECT_EQ(buildTooltip(100, 1, -1), u"RAM Optimizer\nFree RAM: 100 MB (1%)\nCPU Usage: -1%");
    host.samplerStarts = false;
    engineState().settings.TrayIconInfo = 0;
    updateTray(true);
    EXPECT_EQ(host.lastPicture.text, u"-1");
    EXPECT_NE(engineState().tray.tooltip.find(u"CPU Usage: -1%"), std::u16string::npos);
}

TEST_F(TrayUpdates, HidingAndUnhidingThroughASettingsReload)
{
    const auto reload = [&](std::uint32_t hide) {
        host.seed(u"HideTrayIcon", hide);
        host.seed(u"Quenby_Stat", 1);
        handleEngineMessage(engineState().messages[Message::UpdateData], 0, 0);
    };
    reload(1);
    EXPECT_EQ(host.count("tray remove"), 1u);
    EXPECT_FALSE(engineState().tray.trayIconShown);
    host.events.clear();
    // While hidden, updates sample and redraw but send nothing new to the shell.
    host.freePercent = 33;
    updateTray(false);
    EXPECT_EQ(host.count("tray add"), 0u);
    EXPECT_EQ(host.count("render normal 33"), 1u);

    reload(0);
    EXPECT_EQ(host.count("tray add"), 1u);
    EXPECT_TRUE(engineState().tray.trayIconShown);
}

TEST_F(TrayUpdates, AnUpdateEnteredWhileOneRunsDoesNothing)
{
    int nested = 0;
    host.duringNotify = [&] {
        if (nested++ > 0)
            return;
        const auto before = host.events;
        updateTray(true);
        EXPECT_EQ(host.events, before);
    };
    updateTray(true);
    EXPECT_EQ(nested, 1);
    EXPECT_FALSE(engineState().tray.trayUpdateBusy);
}

} // namespace
