// The engine run in the pseudo-language (made from the English table by the
// build, for the tests only): every text it shows a user, the menu, the
// tooltip, the question and error boxes and the notices, carries the marks, so
// none of them is put together from English outside the string table.
#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <string_view>

#include "common/os/windowlink.h"
#include "common/text.h"
#include "engine/commands.h"
#include "engine/engine.h"
#include "engine/engine_state.h"
#include "engine/strings.h"
#include "engine/tray.h"
#include "tests/engine/recording_host.h"

using namespace quenby;
using namespace quenby::engine;

namespace {

struct Entry {
    unsigned id;
    std::u16string_view text;
};

#define QUENBY_STRING(id, text) Entry{id, u"" text},
constexpr Entry kPseudo[] = {
#include "pseudo_strings.inc"
};
#undef QUENBY_STRING

// What is left of a text once its marked parts are taken out: no letter may be.
bool unmarked(const std::string& shown)
{
    static const std::regex marked(R"(\[[^\]]*\])");
    static const std::regex letter("[A-Za-z]");
    return std::regex_search(std::regex_replace(shown, marked, ""), letter);
}

TEST(PseudoLanguage, EveryTextTheEngineShowsCarriesTheMarks)
{
    test::RecordingHost host;
    host.strings = [](unsigned id) {
        for (const Entry& entry : kPseudo)
            if (entry.id == id)
                return std::u16string(entry.text);
        return std::u16string();
    };
    resetEngineState(host, host.registry);
    host.total = 16384;
    host.avail = 2000;
    engineState().messages = registerMessages();
    setupEngine();
    host.menu = trayMenuItems();
    updateTray(true);

    // A question answered Yes, a refusal, a program that can't be started, a
    // hot key another program holds.
    host.powerResult = 1190;
    handleCommand(IDM_RESTART);
    host.launchResult = 2;
    host.seed(kPathValue, u"C:\\Quenby");
    handleCommand(IDM_CONFIGURATION);
    host.takenKeys = {'R'};
    engineState().settings.Hotkey1 = 'r';
    registerHotKeys();

    std::vector<std::string> shown;
    for (const MenuItem& item : host.menu)
        if (item.id != 0)
            shown.push_back(toUtf8(item.text));
    shown.push_back(toUtf8(host.tooltip));
    for (std::string event : host.events) {
        for (std::string_view kind : {"confirm ", "error ", "notice "}) {
            if (event.rfind(kind, 0) == 0)
                shown.push_back(event.substr(kind.size()));
        }
    }
    ASSERT_EQ(shown.size(), 13u) << "the menu's eight items, the tooltip, a question, two errors, a notice";
    for (const std::string& text : shown)
        EXPECT_FALSE(unmarked(text)) << text;
}

// A language whose table lacks a text, or has it empty, shows that text in
// English and the others in the language.
TEST(PseudoLanguage, AMissingTextIsShownInEnglish)
{
    test::RecordingHost host;
    host.strings = [](unsigned id) {
        if (id == IDS_CLOSE || id == IDS_CONFIGURATION)
            return std::u16string();
        for (const Entry& entry : kPseudo)
            if (entry.id == id)
                return std::u16string(entry.text);
        return std::u16string();
    };
    resetEngineState(host, host.registry);
    setupEngine();
    std::map<unsigned, std::string> shown;
    for (const MenuItem& item : trayMenuItems())
        shown[item.id] = toUtf8(item.text);
    EXPECT_EQ(shown[IDM_CLOSE], "Close RAM Optimizer");
    EXPECT_EQ(shown[IDM_CONFIGURATION], "Configuration...");
    EXPECT_FALSE(unmarked(shown[IDM_RESTART])) << shown[IDM_RESTART];
}

} // namespace
