// The tray icon at every display scale. Wine takes the screen's dots per inch
// from HKCU\Control Panel\Desktop "LogPixels" when a process starts, so for each
// setting the test stores it, starts a fresh copy of this suite that renders the
// icons with the shipped images and writes down their pixels, and puts the old
// value back. The checks are about geometry (the size, the bar's rows and
// columns, where the number's ink may be and how tall it is), because Wine's
// stand-in for "MS Serif" is an antialiased face whose glyphs depend on the
// installed fonts.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "engine/os/win32/gdi_handles.h"
#include "engine/os/win32/tray_shell_win32.h"
#include "engine/tray_picture.h"
#include "tests/support/test_env.h"
#include "tests/win32/win32_helpers.h"

using namespace quenby;
using namespace quenby::engine;
using test::DecodedIcon;

namespace {

struct IconCase {
    std::int32_t value;
    bool recovering;
    std::uint16_t textColor; // 0 black, 1 white
};
const IconCase kIconCases[] = {
    {7, false, 0}, {42, true, 1}, {100, false, 0}, {-1, false, 1}, {1000, true, 0},
};

struct ModuleDeleter {
    void operator()(HMODULE module) const { FreeLibrary(module); }
};
using DataModule = std::unique_ptr<std::remove_pointer_t<HMODULE>, ModuleDeleter>;

// The shipped engine program, loaded for its resources only.
DataModule engineResources()
{
    const std::wstring engine = test::programBeside(L"Quenbytray.exe");
    return DataModule(
        LoadLibraryExW(engine.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
}

TrayPicture pictureOf(const IconCase& c)
{
    return trayPictureFor(true, false, c.recovering, c.textColor, c.value);
}

void writeIcon(std::ostream& out, const DecodedIcon& icon)
{
    out << icon.width << ' ' << icon.height << '\n';
    for (int y = 0; y < icon.height; ++y) {
        for (int x = 0; x < icon.width; ++x) {
            char pixel[16];
            std::snprintf(pixel, sizeof pixel, " %c%06x", icon.clear(x, y) ? 't' : 'o',
                          static_cast<unsigned>(icon.at(x, y)));
            out << pixel;
        }
        out << '\n';
    }
}

bool readIcon(std::istream& in, DecodedIcon& icon)
{
    if (!(in >> icon.width >> icon.height) || icon.width <= 0 || icon.height <= 0 ||
        icon.width > kMaxIconSize || icon.height > kMaxIconSize)
        return false;
    for (int i = 0; i < icon.width * icon.height; ++i) {
        std::string pixel;
        if (!(in >> pixel) || pixel.size() != 7)
            return false;
        icon.transparent.push_back(pixel[0] == 't');
        icon.rgb.push_back(static_cast<std::uint32_t>(std::stoul(pixel.substr(1), nullptr, 16)));
    }
    return true;
}

// ---------------------------------------------------------------------------
// The child: `--quenby-child=tray-dpi <report> <font height>` writes the system's
// small-icon size; for every case the width of its text and the left bearing of
// its first character in a font of that height (what the ink is checked
// against), then the rendered icon; and last the disabled icon.
int trayDpiChild(int argc, char** argv)
{
    if (argc < 2)
        return 2;
    std::ofstream report(argv[0]);
    const int fontHeight = std::atoi(argv[1]);
    const DataModule resources = engineResources();
    if (!report || !resources)
        return 3;
    report << GetSystemMetrics(SM_CXSMICON) << ' ' << GetSystemMetrics(SM_CYSMICON) << '\n';

    const win32::UniqueDc dc(CreateCompatibleDC(nullptr));
    const win32::UniqueFont font(createTrayFont(fontHeight));
    const win32::Selection selected(dc.get(), font.get());
    int result = 0;
    for (const IconCase& c : kIconCases) {
        const TrayPicture picture = pictureOf(c);
        const std::wstring text(picture.text.begin(), picture.text.end());
        SIZE extent{};
        ABC first{};
        if (!text.empty()) {
            GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &extent);
            GetCharABCWidthsW(dc.get(), text[0], text[0], &first);
        }
        report << extent.cx << ' ' << first.abcA << '\n';
        const win32::UniqueIcon icon(renderTrayIcon(resources.get(), picture));
        DecodedIcon decoded;
        if (!test::decodeIcon(icon.get(), decoded).empty())
            result = 4;
        writeIcon(report, decoded);
    }
    const win32::UniqueIcon disabled(loadDisabledIcon(resources.get()));
    DecodedIcon decoded;
    if (!test::decodeIcon(disabled.get(), decoded).empty())
        result = 4;
    writeIcon(report, decoded);
    return result;
}
test::ChildRole trayDpiRole("tray-dpi", trayDpiChild);

// ---------------------------------------------------------------------------
// HKCU\Control Panel\Desktop "LogPixels" set for the object's life, then put
// back as it was (or removed again), so that the other suites see 96.
class LogPixelsScope {
public:
    explicit LogPixelsScope(DWORD dpi)
    {
        DWORD size = sizeof old_;
        hadOld_ = RegGetValueW(HKEY_CURRENT_USER, kKey, kValue, RRF_RT_REG_DWORD, nullptr, &old_, &size) ==
                  ERROR_SUCCESS;
        set_ = RegSetKeyValueW(HKEY_CURRENT_USER, kKey, kValue, REG_DWORD, &dpi, sizeof dpi) == ERROR_SUCCESS;
    }
    ~LogPixelsScope()
    {
        if (hadOld_)
            RegSetKeyValueW(HKEY_CURRENT_USER, kKey, kValue, REG_DWORD, &old_, sizeof old_);
        else
            RegDeleteKeyValueW(HKEY_CURRENT_USER, kKey, kValue);
    }
    LogPixelsScope(const LogPixelsScope&) = delete;
    LogPixelsScope& operator=(const LogPixelsScope&) = delete;
    bool set() const { return set_; }

private:
    static constexpr const wchar_t* kKey = L"Control Panel\\Desktop";
    static constexpr const wchar_t* kValue = L"LogPixels";
    DWORD old_ = 0;
    bool hadOld_ = false;
    bool set_ = false;
};

// What each setting must give: the small-icon size, and on it the font's
// character height, the text origins for 1, 2 and 3 characters and the bar's
// top-left corner (it ends at the icon's right and bottom edge).
struct Scale {
    DWORD dpi;
    int size;
    int fontHeight;
    int origins[3];
    int barLeft, barTop;
};
const Scale kScales[] = {
    {96, 16, 11, {5, 2, 0}, 1, 12}, // the 16-pixel picture of every 96-dpi screen
    {120, 20, 14, {6, 3, 0}, 1, 15},
    {144, 24, 17, {8, 3, 0}, 2, 18},
    {192, 32, 22, {10, 4, 0}, 2, 24},
};
void PrintTo(const Scale& s, std::ostream* out)
{
    *out << s.dpi << " dpi";
}

std::string hex(std::uint32_t rgb)
{
    char text[16];
    std::snprintf(text, sizeof text, "%06x", static_cast<unsigned>(rgb));
    return text;
}

std::uint32_t rgbOf(Rgb c)
{
    return static_cast<std::uint32_t>(c.r << 16 | c.g << 8 | c.b);
}

// Bar, ink and transparency of one number icon.
void checkNumberIcon(const DecodedIcon& icon, const Scale& s, const IconCase& c, int extent, int bearing)
{
    const TrayPicture picture = pictureOf(c);
    SCOPED_TRACE(testing::Message() << "value " << c.value << (c.recovering ? ", recovering" : ""));
    ASSERT_EQ(icon.width, s.size);
    ASSERT_EQ(icon.height, s.size);
    const std::uint32_t outline = rgbOf(picture.textColour);
    const std::uint32_t fill = rgbOf(picture.barFill);
    const auto inBar = [&](int x, int y) { return x >= s.barLeft && y >= s.barTop; };
    for (int y = s.barTop; y < s.size; ++y) {
        for (int x = s.barLeft; x < s.size; ++x) {
            const bool edge = x == s.barLeft || x == s.size - 1 || y == s.barTop || y == s.size - 1;
            ASSERT_FALSE(icon.clear(x, y)) << "bar pixel " << x << "," << y;
            ASSERT_EQ(hex(icon.at(x, y)), hex(edge ? outline : fill)) << "bar pixel " << x << "," << y;
        }
    }
    // The number's ink: only above the bar, inside its text box, and as tall as
    // the font makes digits (about 0.7 of its character height; more than 0.6).
    const int origin = picture.text.empty() ? 0 : s.origins[picture.text.size() - 1];
    const int right = std::min(s.size, origin + extent);
    int firstInk = s.size, top = s.size, bottom = -1;
    for (int y = 0; y < s.size; ++y) {
        for (int x = 0; x < s.size; ++x) {
            if (inBar(x, y))
                continue;
            if (icon.clear(x, y)) {
                ASSERT_EQ(hex(icon.at(x, y)), "000000") << "transparent pixel " << x << "," << y;
                continue;
            }
            EXPECT_TRUE(y < s.barTop && x >= origin && x < right)
                << "ink outside the text box x " << origin << ".." << right - 1 << " at " << x << "," << y;
            firstInk = std::min(firstInk, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    if (picture.text.empty()) {
        EXPECT_EQ(bottom, -1) << "four characters leave only the bar";
        return;
    }
    ASSERT_GE(bottom, 0) << "no ink";
    EXPECT_GT(5 * (bottom - top + 1), 3 * s.fontHeight)
        << "ink rows " << top << ".." << bottom << " for characters " << s.fontHeight << " high";
    // The first character's ink begins where its origin and left bearing put it
    // (antialiasing may add a pixel on either side).
    EXPECT_LE(std::abs(firstInk - (origin + bearing)), 1)
        << "first ink at x " << firstInk << ", origin " << origin << ", bearing " << bearing;
}

// The WIWIED picture at the icon's size: the system stretches the 16-pixel image,
// so each pixel shows the map near its place, in the map's exact colours.
void checkDisabledIcon(const DecodedIcon& icon, const Scale& s)
{
    ASSERT_EQ(icon.width, s.size);
    ASSERT_EQ(icon.height, s.size);
    TrayPicture disabled;
    disabled.disabled = true;
    const TrayImage picture = renderTrayPicture(disabled);
    int opaque = 0, mapOpaque = 0;
    for (const TrayImage::Pixel& p : picture.pixels)
        mapOpaque += p.opaque ? 1 : 0;
    for (int y = 0; y < s.size; ++y) {
        for (int x = 0; x < s.size; ++x) {
            // The map's pixels around this one's place in it.
            bool matches = false;
            const int mx = x * kIconSize / s.size, my = y * kIconSize / s.size;
            for (int v = std::max(0, my - 1); v <= std::min(kIconSize - 1, my + 1); ++v) {
                for (int u = std::max(0, mx - 1); u <= std::min(kIconSize - 1, mx + 1); ++u) {
                    const TrayImage::Pixel& p = picture.at(u, v);
                    matches = matches || (icon.clear(x, y) ? !p.opaque
                                                      : p.opaque && rgbOf(p.colour) == icon.at(x, y));
                }
            }
            EXPECT_TRUE(matches) << x << "," << y
                                 << (icon.clear(x, y) ? " transparent" : " is " + hex(icon.at(x, y)));
            opaque += !icon.clear(x, y);
        }
    }
    // The shape grows with the icon.
    EXPECT_GT(opaque * kIconSize * kIconSize, mapOpaque * s.size * s.size * 3 / 4);
}

class TrayAtDpi : public testing::TestWithParam<Scale> {};

TEST_P(TrayAtDpi, TheIconsAreDrawnAtTheSmallIconSizeOfTheSetting)
{
    const Scale& s = GetParam();
    test::TempDir temp;
    const std::string report = (temp.path() / "icons.txt").string();
    {
        const LogPixelsScope logPixels(s.dpi);
        ASSERT_TRUE(logPixels.set());
        const std::string arguments =
            "--quenby-child=tray-dpi \"" + report + "\" " + std::to_string(-s.fontHeight);
        test::ChildProcess child(test::selfPathW(), std::wstring(arguments.begin(), arguments.end()));
        ASSERT_TRUE(child.started()) << "CreateProcessW failed with " << child.startError();
        ASSERT_EQ(child.waitExit(60000), 0);
    }
    std::ifstream in(report);
    int width = 0, height = 0;
    ASSERT_TRUE(in >> width >> height);
    EXPECT_EQ(width, s.size) << "SM_CXSMICON at " << s.dpi << " dpi";
    EXPECT_EQ(height, s.size) << "SM_CYSMICON at " << s.dpi << " dpi";
    for (const IconCase& c : kIconCases) {
        int extent = 0, bearing = 0;
        DecodedIcon icon;
        ASSERT_TRUE(in >> extent >> bearing && readIcon(in, icon));
        checkNumberIcon(icon, s, c, extent, bearing);
    }
    DecodedIcon disabled;
    ASSERT_TRUE(readIcon(in, disabled));
    checkDisabledIcon(disabled, s);
}

INSTANTIATE_TEST_SUITE_P(Dpi, TrayAtDpi, testing::ValuesIn(kScales),
                         [](const testing::TestParamInfo<Scale>& info) {
                             return std::to_string(info.param.dpi);
                         });

// Windows gives a program that does not declare itself aware of each monitor's
// dots per inch the system's metrics and stretches its icon on another scale;
// the engine's manifest says it is aware, and asks for today's common controls.
// (Wine treats every program as aware, with or without the declaration, so only
// the declaration itself can be read here.)
TEST(TrayDpiAwareness, TheEngineDeclaresItselfAwareOfEachMonitorsDpi)
{
    const DataModule module = engineResources();
    ASSERT_TRUE(module);
    const HRSRC found = FindResourceW(module.get(), CREATEPROCESS_MANIFEST_RESOURCE_ID, RT_MANIFEST);
    ASSERT_TRUE(found) << "Quenbytray.exe has no manifest";
    const HGLOBAL loaded = LoadResource(module.get(), found);
    const char* data = loaded ? static_cast<const char*>(LockResource(loaded)) : nullptr;
    ASSERT_TRUE(data);
    const std::string manifest(data, SizeofResource(module.get(), found));
    EXPECT_NE(manifest.find(">true/pm</dpiAware>"), std::string::npos) << manifest;
    EXPECT_NE(manifest.find(">PerMonitorV2, PerMonitor</dpiAwareness>"), std::string::npos) << manifest;
    EXPECT_NE(manifest.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""), std::string::npos)
        << manifest;
    EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string::npos) << manifest;
}

} // namespace
