// The control panel and the real engine as two Windows processes under Wine, on
// the real windows platform (Wine's null graphics driver), talking through the
// real registry and real posted window messages. The panel's main window runs in
// this suite, driven as a user would drive it; the engine is the Quenbytray.exe
// built beside this suite, started by the panel's own Enable; and the engine's
// "Configuration..." starts the real Quenby.exe from the same folder.
#include <windows.h>

#include <QtTest>

#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include <string>
#include <vector>

#include "common/identity.h"
#include "common/os/registry.h"
#include "common/os/session_lock.h"
#include "common/os/win32/handles.h"
#include "common/os/windowlink.h"
#include "common/settings_schema.h"
#include "panel/mainwindow.h"
#include "panel/optionsdialog.h"
#include "panel/os/panel_os.h"
#include "tests/panel/panel_test_support.h"

using namespace quenby::paneltest;
using quenby::os::win32::UniqueHandle;
using quenby::os::win32::wide;

namespace {

constexpr int kWaitMs = 30000;
constexpr UINT kMenuConfiguration = 208;
constexpr UINT kMenuEnable = 209;
// Ctrl+Alt+Q, the enable/disable hot key this suite saves through the options
// dialog. (The engine registers both keys under one id; Wine, unlike Windows,
// keeps only the last of the two, which is this one.)
constexpr UINT kHotKeyModifiers = MOD_CONTROL | MOD_ALT;
constexpr UINT kKeyQ = 'Q';

template <typename T = QWidget>
T* child(QObject* parent, const char* name)
{
    return parent->findChild<T*>(QString::fromLatin1(name));
}

void click(QWidget* button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

HWND engineWindow()
{
    return FindWindowW(wide(quenby::kEngineWindowClass).c_str(), wide(quenby::kEngineWindowTitle).c_str());
}

// Every top-level window of the panel's class and title, in whichever process.
std::vector<HWND> panelWindows()
{
    struct Search {
        std::wstring className;
        std::wstring title;
        std::vector<HWND> found;
    } search{wide(quenby::panelWindowClass()), wide(quenby::kPanelWindowTitle), {}};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            wchar_t name[256] = {};
            wchar_t title[256] = {};
            GetClassNameW(window, name, 256);
            GetWindowTextW(window, title, 256);
            if (s->className == name && s->title == title)
                s->found.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The panel window of that process; null when it has none.
HWND windowOf(HANDLE process)
{
    for (HWND window : panelWindows()) {
        DWORD pid = 0;
        GetWindowThreadProcessId(window, &pid);
        if (pid == GetProcessId(process))
            return window;
    }
    return nullptr;
}

UniqueHandle processOf(HWND window)
{
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    return UniqueHandle(OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_TERMINATE,
                                    FALSE, pid));
}

QString imagePath(HANDLE process)
{
    wchar_t path[MAX_PATH * 4] = {};
    DWORD size = MAX_PATH * 4;
    if (!QueryFullProcessImageNameW(process, 0, path, &size))
        return {};
    return QString::fromWCharArray(path, static_cast<qsizetype>(size));
}

// The exit code once the process has ended within the time; -1 otherwise.
long exitCodeWithin(HANDLE process, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (WaitForSingleObject(process, 0) == WAIT_TIMEOUT) {
        if (deadline.hasExpired())
            return -1;
        // The panel's window lives in this thread: keep its messages moving.
        QTest::qWait(20);
    }
    DWORD code = 0;
    GetExitCodeProcess(process, &code);
    return static_cast<long>(code);
}

// Whether Ctrl+Alt+Q is free for this process to take: another process (the
// engine) holding it makes RegisterHotKey fail.
bool hotKeyFree()
{
    constexpr int kProbeId = 0x5151;
    if (!RegisterHotKey(nullptr, kProbeId, kHotKeyModifiers, kKeyQ))
        return false;
    UnregisterHotKey(nullptr, kProbeId);
    return true;
}

} // namespace

class TwoProgramsTest : public QObject {
    Q_OBJECT

private:
    QString folder_;
    std::vector<UniqueHandle> started_;

    // Starts the Quenby.exe beside this suite; kept, so that cleanup ends it
    // whatever the outcome.
    UniqueHandle startPanel()
    {
        const std::wstring program = wide(folder_.toStdU16String()) + L"\\Quenby.exe";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION info{};
        if (!CreateProcessW(program.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
            return {};
        CloseHandle(info.hThread);
        HANDLE kept = nullptr;
        DuplicateHandle(GetCurrentProcess(), info.hProcess, GetCurrentProcess(), &kept, 0, FALSE,
                        DUPLICATE_SAME_ACCESS);
        started_.emplace_back(kept);
        return UniqueHandle(info.hProcess);
    }

    void forgetSettings()
    {
        RegDeleteTreeW(HKEY_CURRENT_USER, quenby::os::win32::wide(quenby::kSettingsKey).c_str());
        RegDeleteTreeW(HKEY_LOCAL_MACHINE, quenby::os::win32::wide(quenby::kPolicyKey).c_str());
        if (auto run = quenby::os::currentUserRegistry().openKey(quenby::kRunKey, quenby::os::RegAccess::write))
            run->deleteValue(quenby::kRunValue);
    }

private slots:
    void initTestCase()
    {
        initPanelResources();
        QVERIFY2(!engineWindow(), "an engine is already running in this prefix");
        folder_ = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
        QVERIFY(QFileInfo(folder_ + QStringLiteral("\\Quenbytray.exe")).isFile());
        QVERIFY(QFileInfo(folder_ + QStringLiteral("\\Quenby.exe")).isFile());
        forgetSettings();
        // As an installation leaves it: the folder of both programs, no backslash at the end.
        storeText(u"Path", folder_);
    }

    // Whatever a failed step left running goes after each case, the engine
    // first, so that the next case starts with no program of ours running.
    void cleanup()
    {
        if (HWND engine = engineWindow()) {
            started_.push_back(processOf(engine));
            PostMessageW(engine, WM_CLOSE, 0, 0);
        }
        for (HWND panel : panelWindows()) {
            DWORD pid = 0;
            GetWindowThreadProcessId(panel, &pid);
            if (pid != GetCurrentProcessId()) {
                started_.push_back(processOf(panel));
                PostMessageW(panel, WM_CLOSE, 0, 0);
            }
        }
        for (UniqueHandle& process : started_) {
            if (process && exitCodeWithin(process.get(), 10000) == -1)
                TerminateProcess(process.get(), 99);
        }
        started_.clear();
    }

    void cleanupTestCase() { forgetSettings(); }

    void theProgramsFindEachOther()
    {
        LogCapture log;
        MainWindow window;
        window.setWindowTitle(QString::fromStdU16String(std::u16string(quenby::kPanelWindowTitle)));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // The class the engine looks for is the one this Qt gave the window.
        QCOMPARE(quenby::panel::os::nativeWindowClassName(&window),
                 QString::fromStdU16String(std::u16string(quenby::panelWindowClass())));
        QCOMPARE(panelWindows(), std::vector<HWND>{reinterpret_cast<HWND>(window.winId())});
        QCOMPARE(checkMarks(window), QStringLiteral("--C"));

        // Enable with no engine running: the panel starts Quenbytray.exe from the
        // install folder, which announces itself; its start checks Enable.
        click(child<QToolButton>(&window, "EnableButton"));
        QCOMPARE(log.count(QStringLiteral("appFullPath: ") + folder_ + QStringLiteral("\\Quenbytray.exe")), 1);
        QTRY_VERIFY_WITH_TIMEOUT(engineWindow() != nullptr, kWaitMs);
        UniqueHandle engine = processOf(engineWindow());
        QVERIFY(engine);
        QCOMPARE(imagePath(engine.get()).toLower(), (folder_ + QStringLiteral("\\Quenbytray.exe")).toLower());
        QTRY_VERIFY_WITH_TIMEOUT(log.contains(QStringLiteral("WM_QUENBY_START")), kWaitMs);
        QCOMPARE(checkMarks(window), QStringLiteral("E--"));
        QCOMPARE(storedNumber(u"Quenby_Stat"), 1u);

        // The tray's Enable/Disable item (menu command 209): the engine switches
        // itself off, stores that, and tells the panel, which moves its check
        // mark without reading the registry.
        {
            CountingRegistry counting;
            RegistryReplacement replacement(counting);
            log.clear();
            QVERIFY(PostMessageW(engineWindow(), WM_COMMAND, kMenuEnable, 0));
            QTRY_VERIFY_WITH_TIMEOUT(log.contains(QStringLiteral("WM_QUENBY_DISABLE")), kWaitMs);
            QCOMPARE(checkMarks(window), QStringLiteral("-D-"));
            QCOMPARE(counting.calls, 0);
        }
        QTRY_COMPARE_WITH_TIMEOUT(storedNumber(u"Quenby_Stat"), std::optional<std::uint32_t>(0u), kWaitMs);

        // Save in the options dialog reaches the running engine: it reloads the
        // settings and takes the new hot key for itself.
        QVERIFY(hotKeyFree());
        bool saved = false;
        duringModal<OptionsDialog>(
            &window, [&] { click(child<QToolButton>(&window, "OptionsButton")); },
            [&](OptionsDialog* dialog) {
                child<QLineEdit>(dialog, "disableKeyLineEdit")->setText(QStringLiteral("Q"));
                click(child<QPushButton>(dialog, "savePushButton"));
            },
            saved);
        QVERIFY(saved);
        QCOMPARE(storedNumber(u"Hotkey2"), std::optional<std::uint32_t>(kKeyQ));
        QTRY_VERIFY_WITH_TIMEOUT(!hotKeyFree(), kWaitMs);

        // The engine's "Configuration..." starts the real control panel from the
        // install folder. With this panel open (minimized), that start brings it
        // back to the front and ends: still the one panel window.
        const HWND ours = reinterpret_cast<HWND>(window.winId());
        window.showMinimized();
        QTRY_VERIFY_WITH_TIMEOUT(IsIconic(ours), kWaitMs);
        log.clear();
        QVERIFY(PostMessageW(engineWindow(), WM_COMMAND, kMenuConfiguration, 0));
        QTRY_VERIFY_WITH_TIMEOUT(log.contains(QStringLiteral("WM_QUENBY_SHOW")), kWaitMs);
        QTRY_VERIFY_WITH_TIMEOUT(!IsIconic(ours), kWaitMs);
        QVERIFY(IsWindowVisible(ours));
        QCOMPARE(panelWindows(), std::vector<HWND>{ours});
        QVERIFY(engineWindow() != nullptr);

        // Close: the engine goes through its whole shutdown (it gives up its hot
        // key and says goodbye), and the panel shows Close checked.
        log.clear();
        click(child<QToolButton>(&window, "CloseButton"));
        QCOMPARE(checkMarks(window), QStringLiteral("--C"));
        QTRY_VERIFY_WITH_TIMEOUT(log.contains(QStringLiteral("WM_QUENBY_EXIT")), kWaitMs);
        QCOMPARE(exitCodeWithin(engine.get(), kWaitMs), 0L);
        QVERIFY(!engineWindow());
        QVERIFY(hotKeyFree());
        QCOMPARE(checkMarks(window), QStringLiteral("--C"));
    }

    // The real Quenby.exe started twice: the second start brings the first to
    // the front (from minimized, where it can be) and ends with 0. A panel that
    // was killed leaves its lock abandoned: the next start takes it over and is
    // the panel, and the start after that hands over to it.
    void theRealPanelStartedTwiceLeavesOne_data()
    {
        QTest::addColumn<int>("gapMs");       // between the starts; -1: once the first's window is up
        QTest::addColumn<bool>("firstKilled"); // the first ended by TerminateProcess before the second start
        QTest::newRow("once the first is up") << -1 << false;
        QTest::newRow("100 ms apart") << 100 << false;
        QTest::newRow("after the first was killed") << -1 << true;
    }

    void theRealPanelStartedTwiceLeavesOne()
    {
        QFETCH(int, gapMs);
        QFETCH(bool, firstKilled);
        QVERIFY(panelWindows().empty());
        UniqueHandle panel = startPanel();
        QVERIFY(panel);
        if (gapMs >= 0)
            QTest::qWait(gapMs);
        else
            QTRY_VERIFY_WITH_TIMEOUT(windowOf(panel.get()) != nullptr, kWaitMs);
        // A start that waits while the first dies keeps the lock object alive: the
        // lock is then abandoned, not gone.
        const quenby::os::SessionLock waiting(quenby::kPanelLockName);
        if (firstKilled) {
            QVERIFY(TerminateProcess(panel.get(), 99));
            QCOMPARE(exitCodeWithin(panel.get(), kWaitMs), 99L);
            panel = startPanel();
            QTRY_VERIFY_WITH_TIMEOUT(windowOf(panel.get()) != nullptr, kWaitMs);
        }
        HWND minimized = windowOf(panel.get());
        if (minimized) {
            ShowWindow(minimized, SW_MINIMIZE);
            QTRY_VERIFY_WITH_TIMEOUT(IsIconic(minimized), kWaitMs);
        }

        UniqueHandle second = startPanel();
        QVERIFY(second);
        QCOMPARE(exitCodeWithin(second.get(), kWaitMs), 0L);
        QTRY_VERIFY_WITH_TIMEOUT(windowOf(panel.get()) != nullptr, kWaitMs);
        QCOMPARE(panelWindows(), std::vector<HWND>{windowOf(panel.get())});
        QCOMPARE(WaitForSingleObject(panel.get(), 0), static_cast<DWORD>(WAIT_TIMEOUT));
        if (minimized)
            QTRY_VERIFY_WITH_TIMEOUT(!IsIconic(minimized), kWaitMs);
        // (Wine lets any process take the foreground: this holds there without
        // the starter's AllowSetForegroundWindow too.)
        QTRY_VERIFY_WITH_TIMEOUT(IsWindowVisible(windowOf(panel.get())), kWaitMs);
        QTRY_COMPARE_WITH_TIMEOUT(GetForegroundWindow(), windowOf(panel.get()), kWaitMs);

        PostMessageW(windowOf(panel.get()), WM_CLOSE, 0, 0);
        QCOMPARE(exitCodeWithin(panel.get(), kWaitMs), 0L);
    }

    // Policies set as administrators set them (reg.exe, as `wine reg add` runs
    // it, under HKEY_LOCAL_MACHINE) decide over the user's own values: the
    // engine takes the policy's hot key and takes itself out of the start-up
    // entry; the panel shows the policy's value, locked, and its Save leaves the
    // user's own value and the policy where they were.
    void policiesDecideOverTheUsersValues()
    {
        storeSettings([](quenby::Settings& s) {
            s.Hotkey2 = 'A';
            s.Quenby_Stat = 1;
        });
        storeRunEntry(QStringLiteral("\"") + folder_ + QStringLiteral("\\Quenbytray.exe\""));
        storeMachinePolicy(u"Hotkey2", kKeyQ);
        storeMachinePolicy(u"StartWithWindows", 0);
        QVERIFY(hotKeyFree());

        const std::wstring program = wide(folder_.toStdU16String()) + L"\\Quenbytray.exe";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION info{};
        QVERIFY(CreateProcessW(program.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &startup, &info));
        started_.emplace_back(info.hProcess);
        CloseHandle(info.hThread);
        QTRY_VERIFY_WITH_TIMEOUT(engineWindow() != nullptr, kWaitMs);
        QTRY_VERIFY_WITH_TIMEOUT(!hotKeyFree(), kWaitMs);
        QTRY_VERIFY_WITH_TIMEOUT(!storedRunEntry().has_value(), kWaitMs);

        MainWindow window;
        bool saved = false;
        duringModal<OptionsDialog>(
            &window, [&] { click(child<QToolButton>(&window, "OptionsButton")); },
            [&](OptionsDialog* dialog) {
                auto* key = child<QLineEdit>(dialog, "disableKeyLineEdit");
                QCOMPARE(key->text(), QStringLiteral("Q"));
                QVERIFY(!key->isEnabled());
                QCOMPARE(key->toolTip(), QStringLiteral("Set by your administrator"));
                QVERIFY(!child<QWidget>(dialog, "startupCheckBox")->isEnabled());
                QVERIFY(child<QWidget>(dialog, "freeUpKeyLineEdit")->isEnabled());
                click(child<QPushButton>(dialog, "savePushButton"));
            },
            saved);
        QVERIFY(saved);
        QCOMPARE(storedNumber(u"Hotkey2"), std::optional<std::uint32_t>('A'));
        QVERIFY(!storedRunEntry().has_value());
        // The engine reloaded after the Save and still holds the policy's key.
        QTest::qWait(500);
        QVERIFY(!hotKeyFree());

        UniqueHandle engine = processOf(engineWindow());
        PostMessageW(engineWindow(), WM_CLOSE, 0, 0);
        QCOMPARE(exitCodeWithin(engine.get(), kWaitMs), 0L);
        forgetSettings();
    }
};

QTEST_MAIN(TwoProgramsTest)
#include "two_programs_test.moc"
