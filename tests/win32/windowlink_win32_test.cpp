// The window link on Windows, tested with real windows in real processes (under
// Wine here): a child copy of this suite opens a hidden top-level window, the test
// finds it by class and title, posts to it, and the child writes down what arrived.
#include "common/os/win32/handles.h"
#include "common/os/windowlink.h"
#include "common/text.h"
#include "tests/support/test_env.h"
#include "tests/win32/win32_helpers.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using quenby::os::findWindow;
using quenby::os::postMessage;
using quenby::os::postToWindow;
using quenby::os::registerMessage;
using quenby::os::WindowRef;

constexpr std::array<std::u16string_view, 6> kNames = {
    u"WM_UPDATEDATAMESSAGE", u"WM_StartDefragRAM", u"WM_QUENBY_START",
    u"WM_QUENBY_EXIT",       u"WM_QUENBY_DISABLE", u"WM_QUENBY_ENABLE",
};

// Names travel on the command line as hex of their UTF-8, so that any character
// survives whatever code page the child's narrow argv goes through.
std::string toHex(std::u16string_view text)
{
    static const char digits[] = "0123456789abcdef";
    std::string out;
    for (const unsigned char c : quenby::toUtf8(text)) {
        out += digits[c >> 4];
        out += digits[c & 15];
    }
    return out;
}

std::u16string fromHex(std::string_view hex)
{
    std::string bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
        bytes += static_cast<char>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16));
    return quenby::fromUtf8(bytes);
}

using quenby::os::win32::wide;
using quenby::test::ChildProcess;
using quenby::test::selfPathW;
using quenby::test::TestWindow;

// ---------------------------------------------------------------------------
// The child: `--quenby-child=window <class hex> <title hex> <count> <report file>`
// opens a hidden top-level window and writes to the report file a line with its
// six registered numbers, then "got <message> <wParam> <lParam>" for each of the
// first <count> registered-range messages that reach the window, and ends. It
// gives up after 20 s, so it can never outlive a broken test for long.
int windowChild(int argc, char** argv)
{
    if (argc < 4)
        return 2;
    const std::wstring windowClass = wide(fromHex(argv[0]));
    const std::wstring title = wide(fromHex(argv[1]));
    const int count = std::atoi(argv[2]);
    std::ofstream report(argv[3]);
    if (!report)
        return 3;
    report << "numbers";
    for (const auto name : kNames)
        report << ' ' << registerMessage(name);
    report << '\n' << std::flush;

    TestWindow testWindow(windowClass, title);
    const HWND window = testWindow.get();
    if (!window)
        return 5;
    const UINT_PTR timer = SetTimer(nullptr, 0, 20000, nullptr);

    int received = 0;
    int result = 6; // timed out
    MSG message {};
    while (received < count && GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_TIMER && message.hwnd == nullptr)
            break;
        if (message.hwnd == window && message.message >= 0xC000 && message.message <= 0xFFFF) {
            report << "got " << message.message << ' '
                   << static_cast<unsigned long long>(message.wParam) << ' '
                   << static_cast<long long>(message.lParam) << '\n'
                   << std::flush;
            if (++received == count)
                result = 0;
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    KillTimer(nullptr, timer);
    return result;
}
quenby::test::ChildRole windowRole("window", windowChild);

// Class and title unique to this run: every test program under Wine shares one
// window server, and so one set of windows and classes.
struct Identity {
    std::u16string windowClass;
    std::u16string title;
};

Identity uniqueIdentity()
{
    static std::atomic<unsigned> serial {0};
    const std::string tag = std::to_string(GetCurrentProcessId()) + "-" +
                            std::to_string(GetTickCount64()) + "-" + std::to_string(serial++);
    const std::u16string wideTag = quenby::fromUtf8(tag);
    return {u"TQuenbyLinkTest-" + wideTag, u"Quenby \u03a9mega link " + wideTag};
}

// The text with its ASCII letters in upper or lower case.
std::u16string inCase(std::u16string text, bool upper)
{
    for (auto& c : text) {
        if (upper ? c >= u'a' && c <= u'z' : c >= u'A' && c <= u'Z')
            c = static_cast<char16_t>(upper ? c - 32 : c + 32);
    }
    return text;
}

std::wstring childArguments(const Identity& identity, int count, const fs::path& report)
{
    const std::string narrow = "--quenby-child=window " + toHex(identity.windowClass) + " " +
                               toHex(identity.title) + " " + std::to_string(count) + " \"" +
                               report.string() + "\"";
    return std::wstring(narrow.begin(), narrow.end());
}

// Polls until the child's window exists (up to about 10 s).
WindowRef waitForWindow(const Identity& identity)
{
    for (int i = 0; i < 500; ++i) {
        if (const WindowRef found = findWindow(identity.windowClass, identity.title))
            return found;
        Sleep(20);
    }
    return {};
}

std::vector<std::string> readLines(const fs::path& file)
{
    std::ifstream in(file);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::string gotLine(std::uint32_t message, std::uint64_t wParam, std::int64_t lParam)
{
    return "got " + std::to_string(message) + " " + std::to_string(wParam) + " " +
           std::to_string(lParam);
}

std::string numbersLine()
{
    std::string line = "numbers";
    for (const auto name : kNames)
        line += " " + std::to_string(registerMessage(name));
    return line;
}

// ---------------------------------------------------------------------------

TEST(WindowLinkWin32, ChildWindowIsFoundAndReceivesExactNumbers)
{
    quenby::test::TempDir temp;
    const Identity identity = uniqueIdentity();
    const fs::path report = temp.path() / "report.txt";
    ChildProcess child(selfPathW(), childArguments(identity, 2, report));
    ASSERT_TRUE(child.started()) << GetLastError();

    const WindowRef found = waitForWindow(identity);
    ASSERT_TRUE(found) << "the child's window did not appear";
    EXPECT_TRUE(found.address.empty());
    // Found again without regard to letter case, the same window.
    EXPECT_EQ(findWindow(inCase(identity.windowClass, true), inCase(identity.title, false)).id, found.id);
    EXPECT_EQ(findWindow(inCase(identity.windowClass, false), inCase(identity.title, true)).id, found.id);
    EXPECT_FALSE(findWindow(identity.windowClass, identity.title + u"x"));
    EXPECT_FALSE(findWindow(identity.windowClass + u"x", identity.title));

    // wParam with bits above 32 set shows that the whole 64-bit WPARAM travels.
    const auto defrag = registerMessage(u"WM_StartDefragRAM");
    ASSERT_TRUE(postMessage(found, defrag, 0x1'0000'012CULL, -5));
    const auto exitNumber = registerMessage(u"WM_QUENBY_EXIT");
    ASSERT_TRUE(postToWindow(identity.windowClass, identity.title, exitNumber,
                             0xFEDC'BA98'7654'3210ULL, INT64_MIN));
    EXPECT_EQ(child.waitExit(), 0);

    const auto lines = readLines(report);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], numbersLine()) << "the child registered other numbers";
    EXPECT_EQ(lines[1], gotLine(defrag, 0x1'0000'012CULL, -5));
    EXPECT_EQ(lines[2], gotLine(exitNumber, 0xFEDC'BA98'7654'3210ULL, INT64_MIN));

    // The process has ended: its window is gone, and the old reference no
    // longer posts.
    EXPECT_FALSE(findWindow(identity.windowClass, identity.title));
    EXPECT_FALSE(postMessage(found, defrag, 1, 1));
    EXPECT_FALSE(postToWindow(identity.windowClass, identity.title, defrag, 1, 1));
    EXPECT_FALSE(postMessage(WindowRef {}, defrag, 1, 1)); // a reference to no window at all
}

} // namespace
