// Reading and writing the settings in the current user's registry, for both
// programs. The engine and the panel read with the same procedure; they differ
// only in the steps marked for one of them.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "common/os/registry.h"
#include "common/settings_schema.h"

namespace quenby {

enum class Deliverable { engine, panel };

// Receives the panel's diagnostic lines (UTF-8); may be empty.
using DiagnosticLog = std::function<void(const std::string& line)>;

// Fills `settings`: defaults computed from the total RAM in MB first, then every
// stored value that can be used. The engine keeps the interval in seconds and
// reads the taskbar theme first; the panel works out `enginePath` and
// `startWithWindows` and writes its diagnostic lines. Last come the policies, by
// the same read rules: the user's policy key in `registry`, then the machine's
// in `machine` (when given); each value they set wins and is marked in
// `setByPolicy`. A policy key that can't be opened counts as no policy.
void readSettings(os::Registry& registry, Settings& settings, std::uint32_t totalMB,
                  Deliverable who, const DiagnosticLog& log = {},
                  os::Registry* machine = nullptr);

// Engine: sets and returns `darkTheme`. A missing or unreadable theme value
// counts as a dark taskbar.
bool readSystemTheme(os::Registry& registry, Settings& settings);

// Whether Windows asks apps for their dark look: "AppsUseLightTheme" of the
// Personalize key is a REG_DWORD holding 0. Missing, unreadable or any other
// value: the light look, as before Windows had a choice.
bool appsUseDarkTheme(os::Registry& registry);

// Panel: the full write of every value and of the start-with-Windows entry.
// Values that a policy sets are left as the user stored them. True
// when every value of the settings key was stored (the programs themselves go on
// whatever happened; a client that reports to a user can tell).
// `machine` (when given) is asked whether its own entry already starts the engine.
bool writeSettings(os::Registry& registry, const Settings& settings,
                   os::Registry* machine = nullptr);

// Whether Windows' start-up list leaves the entry "Quenby" of one root (the
// user's registry or the machine's) switched on. Task Manager and Settings keep
// that switch in StartupApproved\Run: REG_BINARY, 12 bytes or more, whose first
// byte is even when on (they write 02) and odd when off (03), then the time it
// was switched off. A missing value, or one of another type or shorter, is on,
// as Windows takes it.
bool startupEntryApproved(os::Registry& root);

// Whether the machine-wide Run entry starts an engine at every user's logon: it
// holds a command and the machine's StartupApproved does not switch it off.
bool machineStartsEngine(os::Registry& machine);

// Panel (and quenbyctl): what Windows will do at logon. `startedByMachine` when
// the machine's entry starts the engine; `startWithWindows` then, or when the
// user's Run entry names the engine and the user's StartupApproved does not
// switch it off.
void readStartWithWindows(os::Registry& registry, os::Registry* machine, Settings& settings);

// Makes Windows start the engine at logon, or not. To start: the user's Run
// entry names the engine and StartupApproved marks it on, as Task Manager does,
// so that an entry the user once switched off there is on again; nothing is
// written when the machine's entry (asked when `machine` is given) starts the
// engine already, since a second entry would start a second engine. Not to
// start: the user's Run entry and its StartupApproved value go. When the Run
// key can't be opened both stay as they are.
void applyStartWithWindows(os::Registry& registry, bool start, std::u16string_view enginePath,
                           os::Registry* machine = nullptr);

// Every value of the settings key, creating it, but not the start-with-Windows
// entry: what storing the state alone needs before the key exists. True when
// every value was stored.
bool writeSettingsValues(os::Registry& registry, const Settings& settings);

// Panel and its command-line twin: sets `Quenby_Stat` in `settings` and stores
// it. Before the first full write the settings key does not exist and storing
// the state alone would store nothing: an engine started right after would read
// "disabled" and ignore the user. So when the key is missing, every settings
// value is written with the new state (the start-with-Windows entry is left as
// it is: it belongs to the options dialog). True when this write succeeded.
bool storeState(os::Registry& registry, Settings& settings, std::uint32_t state);

// Both: stores `Quenby_Stat` alone. The key is never created here: before the
// first full write there is nowhere to write, and nothing is stored. True when
// the value was stored.
bool writeState(os::Registry& registry, std::uint32_t state);

// Panel: a REG_SZ value under HKEY_CURRENT_USER, without its terminating nulls.
// False (and an empty output, and the diagnostic line "error" when the key
// exists but the value can't be read) otherwise.
bool readRegistryString(os::Registry& registry, std::u16string_view key, std::u16string_view name,
                        std::u16string& output, const DiagnosticLog& log = {});

// Panel: the install folder `Path`, or empty.
std::u16string installPath(os::Registry& registry, const DiagnosticLog& log = {});

// Panel: the engine's executable: the install folder, or this program's own
// folder when no install folder is stored, followed by the engine's file name.
std::u16string enginePathFor(std::u16string_view installFolder);

// Engine: the install folder `Path`, read into a buffer of `bufferChars` code
// units (260 unless a caller wants to see longer values to refuse them itself);
// none when the key or the value is missing or does not fit.
std::optional<std::u16string> readEngineInstallPath(os::Registry& registry,
                                                    std::size_t bufferChars = kTextBufferChars);

// The start-with-Windows entry as it is written: the engine's path in quotes, so
// that a path with spaces can't be taken for a shorter program's path.
std::u16string startWithWindowsCommand(std::u16string_view enginePath);

// Whether a stored start-with-Windows entry names the engine: quoted or not, in
// any letter case.
bool namesEngine(std::u16string_view entry, std::u16string_view enginePath);

} // namespace quenby
