// The identifiers of the engine's string table (the texts are in strings.inc).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quenby::engine {

enum StringId : unsigned {
    IDS_RESTART = 104,
    IDS_SUSPEND = 105,
    IDS_SHUTDOWN = 106,
    IDS_CLEARCLIPBOARD = 107,
    IDS_FREEUP = 108,
    IDS_CONFIGURATION = 110,
    IDS_DISABLE = 111,
    IDS_ENABLE = 112,
    IDS_CLOSE = 113,
    IDS_CONFIRM_RESTART = 114,
    IDS_CONFIRM_SUSPEND = 115,
    IDS_CONFIRM_SHUTDOWN = 116,
    IDS_CONFIRM = 117,
    IDS_TIP_TITLE = 118,
    IDS_TIP_FREE = 119,
    IDS_TIP_CPU = 121,
    IDS_LAUNCH_FAILED = 122,
    IDS_ERROR = 123,
    // The notice after a recovery (the setting NotifyRecovery): its title, and
    // its text when free memory rose and when it did not.
    IDS_RECOVERED_TITLE = 124,
    IDS_RECOVERED = 125,
    IDS_NOTHING_RECOVERED = 126,
    // A power command the system refused: its error code and the system's own
    // description of it.
    IDS_RESTART_FAILED = 127,
    IDS_SUSPEND_FAILED = 128,
    IDS_SHUTDOWN_FAILED = 129,
    // The notice about a hot key that was not registered: its title, and its
    // text when another program holds the combination, when Ctrl+Alt (AltGr)
    // on that key types a character of the layout, and when the layout has no
    // key for the character.
    IDS_HOTKEY_TITLE = 132,
    IDS_HOTKEY_TAKEN = 133,
    IDS_HOTKEY_TYPES = 134,
    IDS_HOTKEY_NO_KEY = 135,
    // Not a text: "RTL" where the table's language reads right to left, else
    // "LTR". The build writes it into every block, so that the menu and the
    // message boxes read the way of the texts Windows picked.
    IDS_READING_DIRECTION = 136,
    // Suspend on a machine that sleeps only as Windows itself decides (Modern
    // Standby), and the question where the machine may hibernate instead.
    IDS_MODERN_STANDBY = 137,
    IDS_CONFIRM_HIBERNATE_INSTEAD = 138,
    // Not a text: the table's code of the block's language ("de", "pt_BR"),
    // which the build writes into every block, so that the engine picks its
    // block by the rule the control panel picks its language by.
    IDS_LANGUAGE_CODE = 139,
};

// The longest text of the string table, in characters, the terminator
// included: what the engine loads a text into. Room for a translation twice as
// long as the longest English text (the Modern Standby explanation, 160).
inline constexpr std::size_t kTextSlot = 320;

// The text of a string-table entry as the source gives it; empty for an unknown id.
std::u16string_view builtInString(unsigned id);

// The entry in one of the languages we translate to ("de", "pt_BR": see
// translatedLanguages); the English text for any other language.
std::u16string_view translatedString(unsigned id, std::string_view language);
std::vector<std::string_view> translatedLanguages();

// The table a POSIX locale ("de_AT.UTF-8", "C") or a Windows language name
// ("zh-HK") asks for, by the rule of common/languages.h; empty for English.
std::string_view tableLanguageForLocale(std::string_view locale);

// Every id of the table, in order, for loading them all at start-up.
const unsigned* stringIdsBegin();
const unsigned* stringIdsEnd();

// A number as the texts show it: plain decimal digits, no grouping.
std::u16string decimal(std::int64_t value);

// A text of the table with its values: %1 to %9 take the values in the order
// given, wherever the language puts them; any other % stands as it is. The
// result is cut to `capacity` - 1 code units, as a fixed buffer would hold it.
std::u16string formatText(std::u16string_view format, std::initializer_list<std::u16string> args,
                          std::size_t capacity);

} // namespace quenby::engine
