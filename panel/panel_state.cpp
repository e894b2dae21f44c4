#include "panel/panel_state.h"

#include <QDebug>

#include "common/os/windowlink.h"

namespace quenby::panel {
namespace {

quenby::os::Registry* replacementRegistry = nullptr;

} // namespace

Settings& settings()
{
    static Settings instance;
    return instance;
}

quenby::os::Registry& registry()
{
    return replacementRegistry ? *replacementRegistry : quenby::os::currentUserRegistry();
}

void useRegistry(quenby::os::Registry* replacement)
{
    replacementRegistry = replacement;
}

quenby::os::Registry& machineRegistry()
{
    return quenby::os::localMachineRegistry();
}

void markPolicyControl(QWidget* control, std::u16string_view valueName)
{
    const bool set = setByPolicy(settings(), valueName);
    control->setEnabled(!set);
    control->setToolTip(set ? QObject::tr("Set by your administrator") : QString());
}

void markStartupControl(QWidget* box)
{
    markPolicyControl(box, kStartWithWindowsPolicy);
    if (settings().startedByMachine) {
        box->setEnabled(false);
        box->setToolTip(QObject::tr("Your administrator set Quenby to start automatically for every user of this PC."));
    }
}

void SettingsStore::readSettings(const QString& key, Settings& target, int totalRAM)
{
    // The settings procedures know their key; the one the panel passes is the same.
    Q_ASSERT(key.toStdU16String() == kSettingsKey);
    quenby::readSettings(registry(), target, static_cast<std::uint32_t>(totalRAM),
                         Deliverable::panel,
                         [](const std::string& line) { logLine(QString::fromStdString(line)); },
                         &machineRegistry());
}

void SettingsStore::writeSettings(const QString& key, Settings copy)
{
    Q_ASSERT(key.toStdU16String() == kSettingsKey);
    quenby::writeSettings(registry(), copy, &machineRegistry());
}

const MessageNumbers& messages()
{
    static const MessageNumbers numbers = registerMessages();
    return numbers;
}

void logLine(const QString& line)
{
    qDebug().noquote() << line;
}

} // namespace quenby::panel
