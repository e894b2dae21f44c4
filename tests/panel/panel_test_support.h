// What the panel's Qt Test suites share: settings of their own, the registry seen
// through them, the panel's log lines, a registry that counts how often it is
// used, and the engine's side as the panel sees it (the engine's window, its
// executable). The pieces that differ between Linux and Windows live in
// panel_test_support_posix.cpp and panel_test_support_win32.cpp.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QDir>
#include <QList>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include "common/os/registry.h"
#include "common/settings.h"
#include "panel/panel_state.h"

class MainWindow;

// The images live in the panel's static library: a suite registers them itself.
// (Outside any namespace, as Q_INIT_RESOURCE requires.)
void initPanelResources();

namespace quenby::paneltest {

// The total RAM the suites give the main window, in MB.
inline constexpr int kTotalRAM = 16384;

// The descendant of that object name and class; null when there is none.
template <typename T = QWidget>
T* named(QObject* parent, const char* name)
{
    return parent->findChild<T*>(QString::fromLatin1(name));
}

// Settings of the suite's own, so that no real user's settings are touched.
// On Linux: fresh settings and runtime folders (XDG_CONFIG_HOME, XDG_RUNTIME_DIR)
// for this suite alone, so that suites running side by side never see each
// other's windows either. On Windows: the current user's registry of the build's
// private Wine prefix, and nothing else; ok() is false anywhere else, so a suite
// started by hand on a real desktop refuses to run rather than clear a user's
// settings. Make one first in initTestCase, before any window or thread exists.
class PrivateSettings {
public:
    PrivateSettings();
    ~PrivateSettings();
    PrivateSettings(const PrivateSettings&) = delete;
    PrivateSettings& operator=(const PrivateSettings&) = delete;

    bool ok() const;
    // Removes every stored setting and the start-with-Windows entry: the next
    // read finds no settings key at all.
    void clearRegistry() const;

private:
    struct Place;
    std::unique_ptr<Place> place_;
};

// What every panel suite starts from: settings of its own and the panel's
// resources, and before each test no setting stored and no engine window
// left. A suite with more to do at either point declares its own
// initTestCase() or init() and calls these.
class PanelSuite : public QObject {
    Q_OBJECT

protected:
    void prepareSuite();
    void prepareTest();

    std::unique_ptr<PrivateSettings> settings_;
    QWidget owner_; // the parent of the dialogs a test opens

private slots:
    void initTestCase() { prepareSuite(); }
    void init() { prepareTest(); }
};

// The engine's window as the panel sees it, played by the test: a window of the
// engine's class and title (on Linux the window link's endpoint; on Windows a
// hidden top-level window of this thread) that keeps what is posted to it.
class PlayedEngine {
public:
    PlayedEngine();
    ~PlayedEngine();
    PlayedEngine(const PlayedEngine&) = delete;
    PlayedEngine& operator=(const PlayedEngine&) = delete;

    bool isOpen() const;
    // Every message number waiting now, oldest first, without waiting for more:
    // the panel posts from the GUI thread before its click returns.
    QList<std::uint32_t> drain();

private:
    struct Window;
    std::unique_ptr<Window> window_;
};

// A folder holding a stand-in for the engine's executable, named as the engine
// is: a program that notes each start in the file "started" beside it, one line
// per start (on Windows the line tells how it was asked to show its window:
// "show=" and the STARTUPINFO show command, or "show=default"). The folder's name
// has a space in it, as "Program Files" has.
class StandInEngine {
public:
    StandInEngine();
    bool ok() const { return ok_; }
    // The folder in this system's own notation, as an install folder is stored.
    QString folder() const;
    // The stand-in's full path: the folder, the separator and the engine's name.
    QString program() const;
    QStringList starts() const;

private:
    QTemporaryDir dir_{QDir::tempPath() + QStringLiteral("/quenby engine-XXXXXX")};
    bool ok_ = false;
};

// Hands a message number to the main window by the way the engine's posts reach
// it on this face, and tells whether it got there: on Linux posted through the
// window link to the panel's endpoint (it arrives when the event loop runs); on
// Windows handed to the window's nativeEvent as a MSG, as Qt does for a message
// that the window system delivers (the windows-platform suite posts them from
// another process for real).
bool deliverToPanel(MainWindow& window, std::uint32_t message);

#ifdef Q_OS_WIN
// Calls the window's nativeEvent as Qt does for a window message of this number
// (a MSG, event type "windows_generic_MSG") and returns what it returned; what it
// left in *result stays there.
bool callNativeEvent(MainWindow& window, std::uint32_t message, qintptr* result);
#endif

// How many threads this process has now, as the operating system counts them.
int threadsOfThisProcess();

// Which of the main window's three state buttons are checked, as "EDC" (Enable,
// Disable, Close) with a dash for each that is not.
QString checkMarks(MainWindow& window);

// The panel's debug lines while the object lives.
class LogCapture {
public:
    LogCapture();
    ~LogCapture();
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    QStringList lines() const;
    bool contains(const QString& line) const;
    int count(const QString& line) const;
    void clear();
};

// Passes everything to the current user's registry and counts the calls that
// read or write it (each call is counted, then passed on).
class CountingRegistry final : public os::Registry {
public:
    std::unique_ptr<os::RegistryKey> openKey(std::u16string_view path, os::RegAccess access,
                                             os::RegStatus* status = nullptr) override
    {
        return ++calls, os::currentUserRegistry().openKey(path, access, status);
    }
    std::unique_ptr<os::RegistryKey> createKey(std::u16string_view path, os::RegStatus* status = nullptr) override
    {
        return ++calls, os::currentUserRegistry().createKey(path, status);
    }
    os::RegStatus getValue(std::u16string_view path, std::u16string_view name, os::RegRestrict restrict,
                           void* buffer, std::uint32_t* size) override
    {
        return ++calls, os::currentUserRegistry().getValue(path, name, restrict, buffer, size);
    }

    int calls = 0;
};

// Puts a registry in the panel's place while the object lives.
class RegistryReplacement {
public:
    explicit RegistryReplacement(os::Registry& replacement) { panel::useRegistry(&replacement); }
    ~RegistryReplacement() { panel::useRegistry(nullptr); }
    RegistryReplacement(const RegistryReplacement&) = delete;
    RegistryReplacement& operator=(const RegistryReplacement&) = delete;
};

// The settings as the panel reads them from the registry now, with T = kTotalRAM.
Settings storedSettings();

// A full write of the stored settings (defaults when there are none) with a
// change applied, as a save of the panel would do.
void storeSettings(const std::function<void(Settings&)>& change);

// A number stored under the settings key, or none when it is missing.
std::optional<std::uint32_t> storedNumber(std::u16string_view name);

// Writes one value (creating the key), as another program might.
void storeNumber(std::u16string_view name, std::uint32_t value);
void storeText(std::u16string_view name, const QString& text);

// An administrator's policy value (REG_DWORD), set the way administrators' tools
// set it: on Windows with reg.exe under HKEY_LOCAL_MACHINE, on Linux in the
// machine's store of the suite's own system folder. clearRegistry removes them.
void storeMachinePolicy(std::u16string_view name, std::uint32_t value);

// A value of any type under the current user's registry, as Windows' own tools
// (Task Manager, an installer) write it.
void storeUserValue(std::u16string_view key, std::u16string_view name, os::RegType type,
                    const QByteArray& data);
// The same under HKEY_LOCAL_MACHINE (on Linux the machine's store of the suite's
// own system folder). clearRegistry removes the start-up values there.
void storeMachineValue(std::u16string_view key, std::u16string_view name, os::RegType type,
                       const QByteArray& data);

// The start-with-Windows entry as stored (the text up to its terminator) and its
// registry type; none when there is no entry.
std::optional<QString> storedRunEntry(os::RegType* type = nullptr);
// Writes the start-with-Windows entry as REG_SZ, as a user or another program might.
void storeRunEntry(const QString& text);

// Runs `whileOpen` once the dialog that `open` starts modally is showing, and
// returns once `open` has returned (a modal dialog runs its own event loop, so a
// test acts on it from a timer). `ran` tells whether the dialog was seen.
template <typename Dialog, typename Open, typename WhileOpen>
void duringModal(QObject* owner, Open open, WhileOpen whileOpen, bool& ran)
{
    ran = false;
    QPointer<QTimer> poll = new QTimer(owner);
    QObject::connect(poll, &QTimer::timeout, owner, [owner, poll, whileOpen, &ran] {
        for (auto* dialog : owner->findChildren<Dialog*>()) {
            if (dialog->isVisible()) {
                poll->stop();
                poll->deleteLater();
                ran = true;
                whileOpen(dialog);
                return;
            }
        }
    });
    poll->start(20);
    open();
    delete poll.data();
}

} // namespace quenby::paneltest
