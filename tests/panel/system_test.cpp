// The panel and the real engine as two processes: Enable starts the engine,
// which announces itself; a save in the options dialog reaches it; Close ends it.
// The panel runs here (offscreen); the engine is the one built beside this suite.
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
#include "common/os/windowlink.h"
#include "panel/mainwindow.h"
#include "panel/optionsdialog.h"
#include "tests/panel/panel_test_support.h"

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
