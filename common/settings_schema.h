// The settings record and the one table that describes every stored value: its
// registry name, the field it fills, its type, its default and the range the
// user interface offers. Defaults, reading, writing and the tests all go by it.
#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "common/os/registry.h"

namespace quenby {

// Where things live under HKEY_CURRENT_USER.
inline constexpr std::u16string_view kSettingsKey = u"Software\\Quenby";
inline constexpr std::u16string_view kRunKey = u"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr std::u16string_view kRunValue = u"Quenby";
// Where Task Manager and Settings > Apps > Startup keep a start-up entry switched
// on or off: a REG_BINARY value named as the Run value, under the same root
// (HKEY_CURRENT_USER for the user's entry, HKEY_LOCAL_MACHINE for the machine's).
inline constexpr std::u16string_view kStartupApprovedKey =
    u"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run";
inline constexpr std::u16string_view kPersonalizeKey =
    u"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize";
inline constexpr std::u16string_view kLightThemeValue = u"SystemUsesLightTheme";
// The apps' theme, which the panel follows (the taskbar's is the value above).
inline constexpr std::u16string_view kAppsLightThemeValue = u"AppsUseLightTheme";
inline constexpr std::u16string_view kPathValue = u"Path";

// Where an administrator's policies live, under HKEY_LOCAL_MACHINE and under
// HKEY_CURRENT_USER; a policy value wins over the user's own (the machine's over
// the user's policy). Besides the values of the settings key, a policy may say
// whether the engine starts with Windows.
inline constexpr std::u16string_view kPolicyKey = u"Software\\Policies\\Quenby";
inline constexpr std::u16string_view kStartWithWindowsPolicy = u"StartWithWindows";

inline constexpr std::size_t kSettingFieldCount = 27;

// Which values a policy sets: one bit per row of the schema table, in its order,
// and one more for the start-with-Windows entry.
using PolicyMask = std::bitset<kSettingFieldCount + 1>;
inline constexpr std::size_t kStartWithWindowsBit = kSettingFieldCount;

// Text values are read into buffers of this many UTF-16 code units, terminator
// included; `Music` therefore holds at most 259 characters.
inline constexpr std::size_t kTextBufferChars = 260;

// Every field is zero (or empty) until the first read fills in the defaults.
// Field names are the registry value names. Each program keeps one instance.
struct Settings {
    std::uint32_t TargetFreeRAM = 0;      // MB
    std::uint32_t MinimumFreeRAM = 0;     // MB
    std::uint32_t FreeonStartup = 0;      // 1: recover once, a delay after start-up
    std::uint32_t FreeonStartup_val1 = 0; // MB
    std::uint32_t FreeonStartup_val2 = 0; // seconds
    std::uint32_t Freeeverymin_Val1 = 0;  // MB
    std::uint32_t Freeeverymin_Val2 = 0;  // engine: seconds; panel: minutes as stored
    std::uint32_t Freeeverymin_Val3 = 0;  // percent, shown only
    std::uint32_t Disable_CPU_detect = 0;
    std::uint32_t WarnLowRecource = 0;
    std::uint32_t WarnLowRecource_Val1 = 0;
    std::uint16_t TrayIconTextColor = 0; // 0 black, 1 white, 2 by taskbar theme
    std::uint32_t TrayIconInfo = 0;      // 0 CPU %, 1 free RAM %
    std::uint32_t HideTrayIcon = 0;
    std::uint32_t FreeupXMenu_Val1 = 0; // MB
    std::uint32_t FreeupYMenu_Val1 = 0; // MB
    std::uint32_t FreeupZMenu_Val1 = 0; // MB
    std::uint32_t AutoclearClipboard = 0;
    std::uint32_t PlaySound = 0;
    std::u16string Music; // full path of a wave file
    std::uint32_t Hotkey1 = 0;
    std::uint32_t Hotkey2 = 0;
    std::uint32_t Quenby_Stat = 0; // 1: the optimizer is enabled
    std::uint32_t NotifyRecovery = 0; // 1: a recovery that ran tells what it recovered
    std::uint32_t RecoveryBackoff = 0; // not 0: the low-memory rule rests while it can't help
    std::uint32_t PauseWhileFullScreen = 0; // not 0: the automatic rules wait while a full-screen program runs
    std::u16string PauseWhileRunning; // the programs during which the automatic rules wait

    std::u16string enginePath;     // panel only: where the engine's executable is
    bool startWithWindows = false; // panel only: Windows starts the engine at logon
    bool startedByMachine = false; // panel only: by the machine-wide entry, not the user's
    bool darkTheme = false;        // engine only: the taskbar is dark
    PolicyMask setByPolicy;        // the values that came from a policy

    bool operator==(const Settings&) const = default;
};

// A default or a range bound: a constant, or the total RAM T in MB scaled.
struct Amount {
    enum class Kind { constant, totalShift, totalThreeQuarters } kind = Kind::constant;
    std::uint32_t value = 0; // the constant, or the shift applied to T

    std::uint32_t of(std::uint32_t totalMB) const;
};

constexpr Amount constant(std::uint32_t v) { return {Amount::Kind::constant, v}; }
constexpr Amount totalShiftedBy(std::uint32_t s) { return {Amount::Kind::totalShift, s}; }
constexpr Amount threeQuartersOfTotal() { return {Amount::Kind::totalThreeQuarters, 0}; }

enum class ValueUnit {
    megabytes,
    seconds,
    minutes, // stored in minutes; the engine keeps seconds
    percent,
    flag,    // 0 or 1
    choice,  // an index into a short list
    keyCode, // the Latin-1 code of one character, 0 for none
    fixed,   // written with a fixed value, never read
    state,
    text,
    programNames, // file names separated by ';' (common/protected_programs.h)
};

// The names of a choice's values, in the order of their numbers.
using ChoiceNames = std::span<const std::string_view>;

struct SettingField {
    std::u16string_view name;
    std::variant<std::uint32_t Settings::*, std::uint16_t Settings::*, std::u16string Settings::*>
        field;
    os::RegType type;
    ValueUnit unit;
    Amount defaultValue;
    bool hasUiRange;
    Amount uiMinimum;
    Amount uiMaximum;
    bool read; // read back by the programs (the two warning values are only written)
    // What an administrator's policy template calls the value, in English; empty
    // for the values that are no user's choice (the enabled state, the fixed and
    // hidden ones), which no policy sets.
    std::string_view policyLabel = {};
    ChoiceNames choices = {}; // a choice's values by name
};

// In the order of the full write; reading takes the same order, skipping the
// values that are not read.
extern const std::array<SettingField, kSettingFieldCount> kSettingsSchema;

// The table row of a value name (compared without regard to case); null if none.
const SettingField* findSettingField(std::u16string_view name);

// A numeric field's value widened to 32 bits; 0 for the text field.
std::uint32_t numericValue(const Settings& settings, const SettingField& field);

// The row's place in the table.
std::size_t schemaIndex(const SettingField& field);

// Whether an administrator's policy may set the value (every value a user
// chooses in the control panel may).
constexpr bool offeredAsPolicy(const SettingField& field)
{
    return !field.policyLabel.empty();
}

// Whether the value named (a schema name or "StartWithWindows") came from a policy.
bool setByPolicy(const Settings& settings, std::u16string_view name);

// Sets a numeric field (a 16-bit field keeps the low 16 bits).
void setNumericValue(Settings& settings, const SettingField& field, std::uint32_t value);

} // namespace quenby
