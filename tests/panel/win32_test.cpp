// The panel's Windows-only paths, run for real under Wine on the real windows
// platform (the prefix's null graphics driver stands in for a display): the main
// window's nativeEvent receiving the six registered messages posted by another
// process, and only those; the engine started with ShellExecuteW, hidden; the
// Windows generation from RtlGetVersion, as the About box shows it; the Windows
// and Media folders.
#include <windows.h>

#include <QtTest>

#include <QFile>
#include <QIcon>
#include <QLabel>
#include <QSlider>
#include <QToolButton>

#include <memory>

#include "common/identity.h"
#include "common/os/win32/handles.h"
#include "common/os/windowlink.h"
#include "panel/aboutdialog.h"
#include "panel/mainwindow.h"
#include "panel/os/panel_os.h"
#include "panel/panel_state.h"
#include "panel/utilities.h"
#include "tests/panel/panel_test_support.h"
#include "tests/win32/win32_helpers.h"

using namespace quenby::paneltest;
using quenby::Settings;
using quenby::os::win32::UniqueHKey;

namespace {

// A posted message arrives within milliseconds. (A QTRY that fails waits twice
// more to report how long success would have taken: keep its time short.)
constexpr int kMessageWaitMs = 5000;
// A program of ours starts, and ends, within a second or two even under load.
constexpr int kStartWaitMs = 10000;
constexpr int kProgramWaitMs = 30000;
const wchar_t kVersionKey[] = L"Software\\Microsoft\\Windows NT\\CurrentVersion";

template <typename T = QWidget>
T* child(QObject* parent, const char* name)
{
    return parent->findChild<T*>(QString::fromLatin1(name));
}

QString name(quenby::Message which)
{
    return QString::fromStdU16String(std::u16string(quenby::messageName(which)));
}

QStringList messageNames()
{
    QStringList names;
    for (const auto each : quenby::kMessageNames)
        names << QString::fromStdU16String(std::u16string(each));
    return names;
}

// The main window as main() makes it: with the application's icon (which gives
// its native window the class that ends in "QWindowIcon") and the title by which
// the engine finds it, shown.
std::unique_ptr<MainWindow> shownPanel()
{
    auto window = std::make_unique<MainWindow>(nullptr, kTotalRAM);
    window->setWindowTitle(QString::fromStdU16String(std::u16string(quenby::kPanelWindowTitle)));
    window->show();
    return window;
}

// Runs a program of this build's folder to its end, keeping this thread's
// messages moving meanwhile; its exit code, or -1 when it did not end in time.
long runBeside(const QString& program, const QStringList& arguments)
{
    QStringList quoted;
    for (const QString& argument : arguments)
        quoted << QLatin1Char('"') + argument + QLatin1Char('"');
    quenby::test::ChildProcess process(
        QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + QLatin1Char('/') + program)
            .toStdWString(),
        quoted.join(QLatin1Char(' ')).toStdWString());
    if (!process.started())
        return -1;
    const QDeadlineTimer deadline(kProgramWaitMs);
    while (process.running() && !deadline.hasExpired())
        QTest::qWait(20);
    return process.waitExit(0);
}

// Another process posts the named messages to the panel's window, in order.
long postFromAnotherProcess(const QStringList& names)
{
    return runBeside(QStringLiteral("quenby_panel_poster.exe"),
                     QStringList{QString::fromStdU16String(std::u16string(quenby::panelWindowClass())),
                                 QString::fromStdU16String(std::u16string(quenby::kPanelWindowTitle))} +
                         names);
}

QString versionValue(const wchar_t* value)
{
    wchar_t text[64] = {};
    DWORD size = sizeof text;
    if (RegGetValueW(HKEY_LOCAL_MACHINE, kVersionKey, value, RRF_RT_REG_SZ, nullptr, text, &size) !=
        ERROR_SUCCESS)
        return {};
    return QString::fromWCharArray(text);
}

// Wine takes the build number that RtlGetVersion reports from this value when a
// process starts (unless a Windows version is configured for it). While the
// object lives the value says `build`; then it says what it said before.
class BuildNumberInPrefix {
public:
    explicit BuildNumberInPrefix(const QString& build) : before_(versionValue(L"CurrentBuildNumber"))
    {
        ok_ = !before_.isEmpty() && set(build);
    }
    ~BuildNumberInPrefix()
    {
        if (ok_)
            set(before_);
    }
    BuildNumberInPrefix(const BuildNumberInPrefix&) = delete;
    BuildNumberInPrefix& operator=(const BuildNumberInPrefix&) = delete;
    bool ok() const { return ok_; }

private:
    static bool set(const QString& build)
    {
        UniqueHKey key;
        if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kVersionKey, 0, KEY_SET_VALUE, key.put()) != ERROR_SUCCESS)
            return false;
        const std::wstring text = build.toStdWString();
        return RegSetValueExW(key.get(), L"CurrentBuildNumber", 0, REG_SZ,
                              reinterpret_cast<const BYTE*>(text.c_str()),
                              static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
    }

    QString before_;
    bool ok_ = false;
};

// A folder that exists while the object lives, removed again only if it was
// made here.
class FolderWhileAlive {
public:
    explicit FolderWhileAlive(const QString& path) : path_(path), made_(!QFileInfo(path).exists())
    {
        if (made_)
            made_ = QDir().mkdir(path_);
    }
    ~FolderWhileAlive()
    {
        if (made_)
            QDir().rmdir(path_);
    }
    FolderWhileAlive(const FolderWhileAlive&) = delete;
    FolderWhileAlive& operator=(const FolderWhileAlive&) = delete;

private:
    QString path_;
    bool made_;
};

// The About box's generation line and the build number, as a fresh panel process
// sees them: "--about-probe REPORT" writes "build=N" and "text=..." lines there.
int aboutProbe(int argc, char** argv)
{
    QApplication application(argc, argv);
    initPanelResources();
    AboutDialog about;
    QFile report(QString::fromLocal8Bit(argv[2]));
    if (!report.open(QIODevice::WriteOnly | QIODevice::Text))
        return 2;
    report.write(QStringLiteral("build=%1\ntext=%2\n")
                     .arg(quenby::panel::os::windowsBuildNumber())
                     .arg(child<QLabel>(&about, "label_5")->text())
                     .toUtf8());
    return 0;
}

} // namespace

class Win32Test : public PanelSuite {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        prepareSuite();
        QApplication::setWindowIcon(QIcon(QStringLiteral(":/resources/images/ram_optimizer.ico")));
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("windows"));
    }

    void messagesFromAnotherProcess_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("shownBefore"); // the state the check marks show before
        QTest::addColumn<QString>("marks");
        QTest::addColumn<int>("target");
        using quenby::Message;
        // The settings change in the registry before each post: only the update
        // notice reloads them (the target slider moves), and the start notice
        // shows the state the panel holds (1), not the stored one (0).
        QTest::newRow("update") << name(Message::UpdateData) << 0 << "-D-" << 3000;
        QTest::newRow("recover") << name(Message::StartDefragRAM) << 0 << "-D-" << 2000;
        QTest::newRow("start") << name(Message::QuenbyStart) << 0 << "E--" << 2000;
        QTest::newRow("exit") << name(Message::QuenbyExit) << 0 << "--C" << 2000;
        QTest::newRow("disable") << name(Message::QuenbyDisable) << 1 << "-D-" << 2000;
        QTest::newRow("enable") << name(Message::QuenbyEnable) << 0 << "E--" << 2000;
        // A second start of the panel's request, which leaves the state alone.
        QTest::newRow("show") << name(Message::ShowPanel) << 1 << "E--" << 2000;
    }

    void messagesFromAnotherProcess()
    {
        QFETCH(QString, message);
        QFETCH(int, shownBefore);
        QFETCH(QString, marks);
        QFETCH(int, target);
        storeSettings([](Settings& s) {
            s.Quenby_Stat = 1;
            s.TargetFreeRAM = 2000;
        });
        const auto window = shownPanel();
        // The class the engine looks for is the one this Qt gives the window.
        QCOMPARE(quenby::panel::os::nativeWindowClassName(window.get()),
                 QString::fromStdU16String(std::u16string(quenby::panelWindowClass())));
        window->showEngineState(shownBefore);
        storeNumber(u"Quenby_Stat", 0);
        storeNumber(u"TargetFreeRAM", 3000);

        LogCapture log;
        QCOMPARE(postFromAnotherProcess({message}), 0L);
        QTRY_VERIFY_WITH_TIMEOUT(log.contains(message), kMessageWaitMs);
        QCOMPARE(log.lines().first(), message);
        for (const QString& other : messageNames())
            QCOMPARE(log.count(other), other == message ? 1 : 0);
        QCOMPARE(checkMarks(*window), marks);
        QCOMPARE(child<QSlider>(window.get(), "targetHorizontalSlider")->value(), target);
        QCOMPARE(quenby::panel::settings().Quenby_Stat, message == name(quenby::Message::UpdateData) ? 0u : 1u);
    }

    void otherPostedMessagesAreLeftToQt()
    {
        const auto window = shownPanel();
        window->showEngineState(1);
        LogCapture log;
        // The recover notice after it marks when the other one has been handled.
        QCOMPARE(postFromAnotherProcess({QStringLiteral("WM_QUENBY_SOMETHING_ELSE"),
                                         name(quenby::Message::StartDefragRAM)}),
                 0L);
        QTRY_VERIFY_WITH_TIMEOUT(log.contains(name(quenby::Message::StartDefragRAM)), kMessageWaitMs);
        QCOMPARE(log.lines(), QStringList{name(quenby::Message::StartDefragRAM)});
        QCOMPARE(checkMarks(*window), QStringLiteral("E--"));
    }

    void nativeEventAnswers_data()
    {
        QTest::addColumn<quint32>("message");
        QTest::addColumn<bool>("handled");
        for (const QString& registered : messageNames())
            QTest::newRow(qPrintable(registered))
                << quint32(quenby::os::registerMessage(registered.toStdU16String())) << true;
        QTest::newRow("another registered message")
            << quint32(quenby::os::registerMessage(u"WM_QUENBY_SOMETHING_ELSE")) << false;
        QTest::newRow("WM_NULL") << quint32(WM_NULL) << false;
        QTest::newRow("WM_CLOSE") << quint32(WM_CLOSE) << false;
        QTest::newRow("WM_USER") << quint32(WM_USER) << false;
        QTest::newRow("below the registered range") << quint32(0xBFFF) << false;
    }

    void nativeEventAnswers()
    {
        QFETCH(quint32, message);
        QFETCH(bool, handled);
        const auto window = shownPanel();
        // Handled or not, the window sets no result of its own.
        qintptr result = 12345;
        QCOMPARE(callNativeEvent(*window, message, &result), handled);
        QCOMPARE(result, qintptr(12345));
    }

    void enableStartsTheEngineHidden()
    {
        StandInEngine standIn;
        QVERIFY(standIn.ok());
        storeText(u"Path", standIn.folder());
        const auto window = shownPanel();
        LogCapture log;
        QTest::mouseClick(child<QToolButton>(window.get(), "EnableButton"), Qt::LeftButton);
        // ShellExecuteW asked for SW_HIDE, which reaches the program's STARTUPINFO.
        QTRY_COMPARE_WITH_TIMEOUT(standIn.starts(), QStringList{QStringLiteral("show=%1").arg(SW_HIDE)},
                                  kStartWaitMs);
        QVERIFY(log.contains(QStringLiteral("appFullPath: ") + standIn.program()));
        QCOMPARE(checkMarks(*window), QStringLiteral("E--"));
    }

    void windowsGenerationOfThisSystem()
    {
        // RtlGetVersion agrees with what the system records of itself.
        const QString recorded = versionValue(L"CurrentBuildNumber");
        QVERIFY(!recorded.isEmpty());
        QCOMPARE(quenby::panel::os::windowsBuildNumber(), recorded.toUInt());
        AboutDialog about;
        QCOMPARE(child<QLabel>(&about, "label_5")->text(),
                 recorded.toUInt() >= 22000 ? QStringLiteral("for Windows 11") : QStringLiteral("for Windows 10"));
    }

    void windowsGenerationBoundary_data()
    {
        QTest::addColumn<QString>("build");
        QTest::addColumn<QString>("text");
        QTest::newRow("21999") << QStringLiteral("21999") << QStringLiteral("for Windows 10");
        QTest::newRow("22000") << QStringLiteral("22000") << QStringLiteral("for Windows 11");
    }

    void windowsGenerationBoundary()
    {
        QFETCH(QString, build);
        QFETCH(QString, text);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString report = QDir::toNativeSeparators(folder.filePath(QStringLiteral("about.txt")));
        long exitCode = -1;
        {
            // Only for as long as a fresh panel process takes to start.
            BuildNumberInPrefix version(build);
            QVERIFY(version.ok());
            exitCode = runBeside(QFileInfo(QCoreApplication::applicationFilePath()).fileName(),
                                 {QStringLiteral("--about-probe"), report});
        }
        QCOMPARE(exitCode, 0L);
        QFile file(report);
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
        QCOMPARE(QString::fromUtf8(file.readAll()),
                 QStringLiteral("build=%1\ntext=%2\n").arg(build, text));
    }

    void windowsFolders()
    {
        const QString systemRoot = qEnvironmentVariable("SystemRoot");
        QVERIFY(!systemRoot.isEmpty());
        const QString windows = quenby::panel::windowsDirectory();
        QVERIFY2(windows.compare(systemRoot, Qt::CaseInsensitive) == 0, qPrintable(windows));
        QVERIFY(QFileInfo(windows).isDir());

        // The Media folder counts only when it exists (a fresh Wine prefix has none).
        const QString media = windows + QStringLiteral("\\Media");
        if (!QFileInfo(media).exists())
            QCOMPARE(quenby::panel::windowsMediaDirectory(), QString());
        FolderWhileAlive folder(media);
        QVERIFY(QFileInfo(media).isDir());
        QCOMPARE(quenby::panel::windowsMediaDirectory(), media);
    }
};

int main(int argc, char** argv)
{
    if (argc == 3 && qstrcmp(argv[1], "--about-probe") == 0)
        return aboutProbe(argc, argv);
    QApplication application(argc, argv);
    application.setAttribute(Qt::AA_Use96Dpi, true);
    Win32Test test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "win32_test.moc"
