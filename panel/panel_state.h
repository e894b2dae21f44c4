// What the main window and the options dialog share: the panel's one settings
// record, the store that reads and writes it, the registered message numbers,
// posting to the engine, and the diagnostic log.
#pragma once

#include <cstdint>
#include <string>

#include <QString>
#include <QWidget>

#include "common/identity.h"
#include "common/os/registry.h"
#include "common/settings.h"

namespace quenby::panel {

// The panel's one settings record, shared by the main window and the options
// dialog. Every field is zero until the first read.
Settings& settings();

// The registry the panel reads and writes: the current user's, unless a test has
// put another in its place (null puts the real one back).
quenby::os::Registry& registry();
void useRegistry(quenby::os::Registry* replacement);

// Where the administrator's machine-wide policies are read: HKEY_LOCAL_MACHINE.
quenby::os::Registry& machineRegistry();

// Shows a control whose value a policy sets as disabled, with a tooltip that
// says why; a control whose policy is gone becomes usable again.
void markPolicyControl(QWidget* control, std::u16string_view valueName);

// The start-with-Windows box: marked as a policy control, and the same way, with
// its own reason, when the machine's start-up entry starts the engine for
// everyone, which no box of this user's can stop.
void markStartupControl(QWidget* box);

// Reads and writes the settings under a key; holds nothing itself.
class SettingsStore {
public:
    // Defaults from the total RAM, then whatever is stored; writes the diagnostic
    // lines of a load.
    void readSettings(const QString& key, Settings& settings, int totalRAM);
    // Every value, and the start-with-Windows entry set or removed.
    void writeSettings(const QString& key, Settings settings);
};

// The registered message numbers, registered on first use (the main window
// does that while it is built).
const MessageNumbers& messages();

// One diagnostic line on Qt's debug channel.
void logLine(const QString& line);

} // namespace quenby::panel
