// The Linux side of the panel suites' support: settings and runtime folders of
// the suite's own, the engine played by a window-link endpoint, and a shell
// script standing in for the engine's executable.
#include "tests/panel/panel_test_support.h"

#include <QFile>
#include <QMap>
#include <QThread>

#include "common/identity.h"
#include "common/os/posix/endpoint.h"
#include "common/os/windowlink.h"

namespace quenby::paneltest {

struct PrivateSettings::Place {
    QTemporaryDir root;
    bool ok = false;

    QString config() const { return root.path() + QStringLiteral("/config"); }
    QString runtime() const { return root.path() + QStringLiteral("/run"); }
};

PrivateSettings::PrivateSettings() : place_(std::make_unique<Place>())
{
    if (!place_->root.isValid())
        return;
    QDir root(place_->root.path());
    if (!root.mkdir(QStringLiteral("config")) || !root.mkdir(QStringLiteral("run")))
        return;
    // The window link refuses a runtime folder that others could write to.
    if (!QFile::setPermissions(place_->runtime(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
        return;
    qputenv("XDG_CONFIG_HOME", place_->config().toLocal8Bit());
    // No machine-wide policy of this computer reaches a test.
    qputenv("XDG_CONFIG_DIRS", (place_->config() + QStringLiteral("/../system")).toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", place_->runtime().toLocal8Bit());
    place_->ok = true;
}

// An engine that a failing case started for real (the one beside the suite,
// when the stored path it should have used was not read) is closed, so that no
// run leaves one behind.
PrivateSettings::~PrivateSettings()
{
    for (int tries = 0; tries < 100 && os::findWindow(kEngineWindowClass, kEngineWindowTitle); ++tries) {
        os::postToWindow(kEngineWindowClass, kEngineWindowTitle, kCloseMessage);
        QThread::msleep(100);
    }
}

bool PrivateSettings::ok() const
{
    return place_->ok;
}

namespace {

// The machine's policies: the store is read-only to the programs, so the suite
// writes the file itself.
QString machineStore()
{
    return qEnvironmentVariable("XDG_CONFIG_DIRS") + QStringLiteral("/quenby");
}

// The machine's values by key, each line as REGEDIT4 writes it.
QMap<QString, QStringList>& machineLines()
{
    static QMap<QString, QStringList> lines;
    return lines;
}

} // namespace

void PrivateSettings::clearRegistry() const
{
    // The whole stand-in registry is one file: the settings and the Run entry go together.
    QDir(place_->config() + QStringLiteral("/quenby")).removeRecursively();
    QDir(machineStore()).removeRecursively();
    machineLines().clear();
}

void storeMachineValue(std::u16string_view key, std::u16string_view name, os::RegType type,
                       const QByteArray& data)
{
    QString line = QStringLiteral("\"%1\"=hex(%2):").arg(QString::fromStdU16String(std::u16string(name)))
                       .arg(static_cast<unsigned>(type), 0, 16);
    line += QString::fromLatin1(data.toHex(','));
    machineLines()[QString::fromStdU16String(std::u16string(key))].append(line);
    QDir().mkpath(machineStore());
    QFile file(machineStore() + QStringLiteral("/registry.reg"));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    file.write("REGEDIT4\n");
    for (auto it = machineLines().cbegin(); it != machineLines().cend(); ++it)
        file.write(QStringLiteral("\n[%1]\n%2\n").arg(it.key(), it.value().join(QLatin1Char('\n'))).toUtf8());
}

void storeMachinePolicy(std::u16string_view name, std::uint32_t value)
{
    QByteArray data(4, 0);
    for (int i = 0; i < 4; ++i)
        data[i] = static_cast<char>(value >> (8 * i));
    storeMachineValue(kPolicyKey, name, os::RegType::dword, data);
}

struct PlayedEngine::Window {
    os::posix::Endpoint endpoint{kEngineWindowClass, kEngineWindowTitle};
};

PlayedEngine::PlayedEngine() : window_(std::make_unique<Window>()) {}

PlayedEngine::~PlayedEngine() = default;

bool PlayedEngine::isOpen() const
{
    return window_->endpoint.isOpen();
}

QList<std::uint32_t> PlayedEngine::drain()
{
    QList<std::uint32_t> messages;
    while (const auto message = window_->endpoint.receive())
        messages.append(message->message);
    return messages;
}

StandInEngine::StandInEngine()
{
    if (!dir_.isValid())
        return;
    QFile file(program());
    if (!file.open(QIODevice::WriteOnly))
        return;
    file.write("#!/bin/sh\necho started >> \"$(dirname \"$0\")/started\"\n");
    file.close();
    ok_ = file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

bool deliverToPanel(MainWindow&, std::uint32_t message)
{
    return os::postToWindow(panelWindowClass(), kPanelWindowTitle, message);
}

int threadsOfThisProcess()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("Threads:"))
            return line.mid(8).trimmed().toInt();
    }
    return -1;
}

} // namespace quenby::paneltest
