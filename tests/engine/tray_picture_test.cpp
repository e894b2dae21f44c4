// The icon's picture and its software rendering (what the Linux face shows):
// geometry and colours, not glyph shapes.
#include <gtest/gtest.h>

#include "engine/engine.h"
#include "engine/engine_state.h"
#include "engine/tray.h"
#include "engine/tray_picture.h"
#include "tests/engine/recording_host.h"
#include "tests/support/memory_registry.h"

using namespace quenby;
using namespace quenby::engine;

namespace {

TrayImage render(std::int32_t value, bool recovering = false, std::uint16_t colour = 0,
                 bool dark = false)
{
    return renderTrayPicture(trayPictureFor(true, dark, recovering, colour, value));
}

// Opaque pixels above the bar: where the number was drawn.
struct InkBox {
    int left = 99, right = -1, top = 99, bottom = -1, count = 0;
};

InkBox inkAboveTheBar(const TrayImage& image)
{
    InkBox box;
    for (int y = 0; y < kBarTop; ++y) {
        for (int x = 0; x < kIconSize; ++x) {
            if (!image.at(x, y).opaque)
                continue;
            ++box.count;
            box.left = std::min(box.left, x);
            box.right = std::max(box.right, x);
            box.top = std::min(box.top, y);
            box.bottom = std::max(box.bottom, y);
        }
    }
    return box;
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

TEST(TrayPicture, TextColourBlackWhiteOrByTheTaskbar)
{
    EXPECT_EQ(trayPictureFor(true, true, false, 0, 1).textColour, kBlack);
    EXPECT_EQ(trayPictureFor(true, false, false, 1, 1).textColour, kWhite);
    EXPECT_EQ(trayPictureFor(true, true, false, 2, 1).textColour, kWhite);  // dark taskbar
    EXPECT_EQ(trayPictureFor(true, false, false, 2, 1).textColour, kBlack); // light taskbar
    EXPECT_EQ(trayPictureFor(true, true, false, 3, 1).textColour, kBlack);  // unknown: black
    EXPECT_EQ(trayPictureFor(true, true, false, 0xFFFF, 1).textColour, kBlack);
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

TEST(TrayImageGeometry, ColumnZeroAndTheKeyColourAreTransparent)
{
    for (std::int32_t value : {7, 42, 100, -1, 1000}) {
        const TrayImage image = render(value);
        // The bar starts at x 1; only a three-character number may reach column 0.
        const bool textAtZero = value == 100;
        for (int y = 0; y < kIconSize; ++y) {
            if (!textAtZero || y >= kBarTop) {
                EXPECT_FALSE(image.at(0, y).opaque) << value << " row " << y;
            }
        }
        for (const auto& pixel : image.pixels)
            EXPECT_EQ(pixel.opaque, !(pixel.colour == kKeyColour));
    }
}

TEST(TrayImageGeometry, TheNumberStaysInsideItsBox)
{
    struct Case {
        std::int32_t value;
        int left;
        int maxRight;
    };
    for (const Case c : {Case{7, 5, 9}, Case{42, 2, 11}, Case{100, 0, 15}, Case{-1, 2, 11}}) {
        const InkBox box = inkAboveTheBar(render(c.value));
        EXPECT_GT(box.count, 0) << c.value;
        EXPECT_GE(box.left, c.left) << c.value;
        EXPECT_LE(box.right, c.maxRight) << c.value;
        EXPECT_GE(box.top, 0);
        EXPECT_LT(box.bottom, kBarTop);
    }
    // Four characters are not drawn at all: only the bar.
    EXPECT_EQ(inkAboveTheBar(render(1000)).count, 0);
    EXPECT_EQ(inkAboveTheBar(render(12345)).count, 0);
}

TEST(TrayImageGeometry, TheDisabledPictureIsTheSharedMap)
{
    const TrayImage image = renderTrayPicture(trayPictureFor(false, false, false, 0, 42));
    const auto& map = disabledIconMap();
    int red = 0;
    for (int y = 0; y < kIconSize; ++y) {
        for (int x = 0; x < kIconSize; ++x) {
            EXPECT_EQ(image.at(x, y).opaque, map[y][x] != '.');
            if (map[y][x] == 'r') {
                ++red;
                EXPECT_GT(image.at(x, y).colour.r, 150);
                EXPECT_LT(image.at(x, y).colour.g, 60);
            }
        }
    }
    EXPECT_GT(red, 10);
}

class TrayUpdates : public testing::Test {
protected:
    void SetUp() override
    {
        resetEngineState(host, registry);
        engineState().messages = registerMessages();
        setupEngine();
        engineState().settings.Quenby_Stat = 1;
        host.events.clear();
        host.renders = 0;
    }
    test::RecordingHost host;
    test::MemoryRegistry registry;
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
        auto key = registry.createKey(kSettingsKey);
        const unsigned char data[4] = {static_cast<unsigned char>(hide), 0, 0, 0};
        const unsigned char on[4] = {1, 0, 0, 0};
        key->setValue(u"HideTrayIcon", os::RegType::dword, data, 4);
        key->setValue(u"Quenby_Stat", os::RegType::dword, on, 4);
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
