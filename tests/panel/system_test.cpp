// The panel and the real engine as two processes: Enable starts the engine,
// which announces itself; a save in the options dialog reaches it; Close ends it.
// The panel runs here (offscreen); the engine is the one built beside this suite.
// And the real panel started twice, as processes: one panel remains.
#include <QtTest>

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include <sys/prctl.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <csignal>
#include <cerrno>

#include "common/identity.h"
#include "common/os/session_lock.h"
#include "common/os/windowlink.h"
#include "panel/mainwindow.h"
#include "panel/optionsdialog.h"
#include "common/text.h"
#include "tests/panel/panel_test_support.h"
#include "tests/support/test_env.h"

using namespace quenby::paneltest;

namespace {

quenby::os::WindowRef engineWindow()
{
    return quenby::os::findWindow(quenby::kEngineWindowClass, quenby::kEngineWindowTitle);
}

// The process behind a window: its socket is named <identity>.<stamp>.<pid>.sock.
pid_t pidOf(const quenby::os::WindowRef& window)
{
    const QStringList parts = QFileInfo(QString::fromStdString(window.address)).fileName().split(QLatin1Char('.'));
    return parts.size() == 4 ? static_cast<pid_t>(parts[2].toInt()) : -1;
}

// Whether the process has ended. This suite is a subreaper, so the engine (started
// detached, its parent gone) is our child once it runs: reap it when it ends.
bool ended(pid_t pid)
{
    int status = 0;
    const pid_t reaped = ::waitpid(pid, &status, WNOHANG);
    if (reaped == pid)
        return true;
    if (reaped < 0 && errno == ECHILD)
        return ::kill(pid, 0) != 0;
    return false;
}

QString readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The real panel, the Quenby built beside this suite, offscreen and with this
// suite's settings and runtime folders, which it inherits. Its log is its
// standard error; it is killed when the object goes, or the suite.
std::unique_ptr<quenby::test::Process> startPanel()
{
    return std::make_unique<quenby::test::Process>(std::vector<std::string>{
        (QCoreApplication::applicationDirPath() + QStringLiteral("/Quenby")).toStdString()});
}

// What a panel logs once its main window exists, and what it logs for the show
// request of a second start, and that second start on its way out.
const std::string kWindowUp = "Test: " + quenby::toUtf8(quenby::panelWindowClass());
const std::string kShowRequest = "WM_QUENBY_SHOW";
const std::string kHandedOver = "Test: handed over to the running panel";

// The process behind the panel window that a start of the panel finds now.
pid_t panelFound()
{
    return pidOf(quenby::os::findWindow(quenby::panelWindowClass(), quenby::kPanelWindowTitle));
}

} // namespace

class SystemTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<PrivateSettings> settings_;
    QString engineProgram_;
    QList<pid_t> engines_;

private slots:
    void initTestCase()
    {
        settings_ = std::make_unique<PrivateSettings>();
        QVERIFY(settings_->ok());
        initPanelResources();
        // Engines started on our behalf become our children: we can end and reap them.
        QCOMPARE(::prctl(PR_SET_CHILD_SUBREAPER, 1), 0);
        engineProgram_ = QCoreApplication::applicationDirPath() + QStringLiteral("/Quenbytray");
        QVERIFY2(QFileInfo(engineProgram_).isExecutable(), qPrintable(engineProgram_));
        // The panels this suite starts inherit it.
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }

    void cleanup()
    {
        // An engine a failed test left running is ended here.
        if (const auto window = engineWindow())
            engines_.append(pidOf(window));
        for (const pid_t pid : std::as_const(engines_)) {
            if (pid > 0 && !ended(pid)) {
                ::kill(pid, SIGKILL);
                ::waitpid(pid, nullptr, 0);
            }
        }
        engines_.clear();
        while (::waitpid(-1, nullptr, WNOHANG) > 0) {
        }
    }

    // A second start of the panel, however close behind the first, brings the
    // first to the front and ends with 0. A panel that was killed leaves no lock
    // behind: the next start is the panel, and the one after it hands over to it.
    void aSecondStartOfThePanelHandsOverToTheFirst_data()
    {
        QTest::addColumn<int>("gapMs");       // between the starts; -1: once the first's window is up
        QTest::addColumn<bool>("firstKilled"); // the first killed (SIGKILL) before the second start
        QTest::newRow("once the first is up") << -1 << false;
        QTest::newRow("100 ms apart") << 100 << false;
        QTest::newRow("after the first was killed") << -1 << true;
    }

    void aSecondStartOfThePanelHandsOverToTheFirst()
    {
        QFETCH(int, gapMs);
        QFETCH(bool, firstKilled);
        auto first = startPanel();
        QVERIFY(first->started());
        if (gapMs >= 0)
            QTest::qWait(gapMs);
        else
            QVERIFY2(first->waitForError(kWindowUp), first->error().c_str());
        if (firstKilled) {
            // The lock went with the killed panel: the next start is the panel.
            first->kill();
            first = startPanel();
            QVERIFY2(first->waitForError(kWindowUp), first->error().c_str());
        }

        auto second = startPanel();
        QCOMPARE(second->waitExit(), 0);
        QVERIFY2(second->error().find(kHandedOver) != std::string::npos, second->error().c_str());
        QVERIFY2(second->error().find(kWindowUp) == std::string::npos, "the second start opened a window of its own");
        QVERIFY2(first->waitForError(kShowRequest), first->error().c_str());
        QVERIFY(first->running());
        QCOMPARE(panelFound(), first->pid());
    }

    // The moment two starts meet in, held still: this process holds the panel's
    // lock and has no window yet, as a first start has while it builds its
    // window. The second start waits for that window rather than open its own,
    // then hands over to it.
    void aStartWaitsForThePanelThatHoldsTheLockToShowItsWindow()
    {
        quenby::os::SessionLock lock(quenby::kPanelLockName);
        QCOMPARE(lock.tryTake(), quenby::os::SessionLock::State::held);
        auto second = startPanel();
        QVERIFY2(!second->waitForError(kWindowUp, 300), "the second start opened a window of its own");
        QVERIFY2(second->running(), second->error().c_str());

        LogCapture log;
        MainWindow window;
        QCOMPARE(second->waitExit(), 0);
        QVERIFY2(second->error().find(kHandedOver) != std::string::npos, second->error().c_str());
        QTRY_VERIFY_WITH_TIMEOUT(log.contains(QString::fromStdString(kShowRequest)), 10000);
        QVERIFY(window.isVisible());
    }

    void enableSaveClose()
    {
        // The install folder holds a launcher that runs the real engine with its
        // diagnostics sent to a file the test can read.
        QTemporaryDir install;
        QVERIFY(install.isValid());
        const QString engineLog = install.filePath(QStringLiteral("engine.log"));
        {
            QFile launcher(install.filePath(QStringLiteral("Quenbytray")));
            QVERIFY(launcher.open(QIODevice::WriteOnly));
            launcher.write(QStringLiteral("#!/bin/sh\nexec '%1' 2>>'%2'\n").arg(engineProgram_, engineLog).toUtf8());
            launcher.close();
            QVERIFY(launcher.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        }
        storeText(u"Path", install.path());

        LogCapture log;
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(checkMarks(window), QStringLiteral("--C"));

        // Enable: the engine starts, opens its window and announces itself.
        QTest::mouseClick(named<QToolButton>(&window, "EnableButton"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(static_cast<bool>(engineWindow()), 30000);
        const pid_t engine = pidOf(engineWindow());
        QVERIFY(engine > 0);
        engines_.append(engine);
        QTRY_VERIFY_WITH_TIMEOUT(log.contains(QStringLiteral("WM_QUENBY_START")), 30000);
        QCOMPARE(checkMarks(window), QStringLiteral("E--"));
        QCOMPARE(storedNumber(u"Quenby_Stat"), 1u);
        QTRY_VERIFY_WITH_TIMEOUT(readAll(engineLog).contains(QStringLiteral("tray icon added")), 30000);

        // Save in the options dialog: the engine reads the new hot key.
        QVERIFY(!readAll(engineLog).contains(QStringLiteral("hot key Ctrl+Alt+113")));
        bool saved = false;
        duringModal<OptionsDialog>(
            &window,
            [&] { QTest::mouseClick(named<QToolButton>(&window, "OptionsButton"), Qt::LeftButton); },
            [&](OptionsDialog* dialog) {
                named<QLineEdit>(dialog, "freeUpKeyLineEdit")->setText(QStringLiteral("q"));
                QTest::mouseClick(named<QPushButton>(dialog, "savePushButton"), Qt::LeftButton);
            },
            saved);
        QVERIFY(saved);
        QCOMPARE(storedNumber(u"Hotkey1"), 113u);
        QTRY_VERIFY_WITH_TIMEOUT(readAll(engineLog).contains(QStringLiteral("hot key Ctrl+Alt+113")), 30000);

        // Close: the engine ends and says so on its way out.
        log.clear();
        QTest::mouseClick(named<QToolButton>(&window, "CloseButton"), Qt::LeftButton);
        QCOMPARE(checkMarks(window), QStringLiteral("--C"));
        QTRY_VERIFY_WITH_TIMEOUT(log.contains(QStringLiteral("WM_QUENBY_EXIT")), 30000);
        QTRY_VERIFY_WITH_TIMEOUT(ended(engine), 30000);
        QVERIFY(!engineWindow());
        QCOMPARE(checkMarks(window), QStringLiteral("--C"));
        QCOMPARE(storedNumber(u"Quenby_Stat"), 1u);
    }
};

QTEST_MAIN(SystemTest)
#include "system_test.moc"
