// The main window as the engine's partner: starting, telling and closing the
// engine, and following the six registered messages. The engine is played by the
// test (a window of the engine's class and title) or stood in for by a program
// that records that it was started.
#include <QtTest>

#include <QFile>
#include <QMessageBox>
#include <QSlider>
#include <QTimer>
#include <QToolButton>

#include <atomic>
#include <optional>

#ifdef Q_OS_LINUX
#include <dlfcn.h>
#include <stdio.h>
#include <time.h>
#endif

#include "common/identity.h"
#include "common/os/process.h"
#include "common/os/windowlink.h"
#include "common/sampling.h"
#include "panel/getinfothread.h"
#include "panel/graphform.h"
#include "panel/mainwindow.h"
#include "panel/panel_state.h"
#include "tests/panel/panel_test_support.h"

using namespace quenby::paneltest;
using quenby::Message;
using quenby::Settings;

namespace {

std::uint32_t number(Message which)
{
    return quenby::panel::messages()[which];
}

void click(MainWindow& window, const char* button)
{
    QTest::mouseClick(named<QToolButton>(&window, button), Qt::LeftButton);
}

// What one watched thread does, in order: the memory and CPU files it opens,
// its sleeps (which return at once, so its CPU second takes no time) and the
// signals it sends.
std::atomic<QThread*> watchedThread{nullptr};
QStringList watchedEvents; // written only by the watched thread while it runs

bool noteIfWatched(const QString& event)
{
    QThread* watched = watchedThread.load();
    if (!watched || QThread::currentThread() != watched)
        return false;
    watchedEvents.append(event);
    return true;
}

} // namespace

#ifdef Q_OS_LINUX
// On Linux the memory figures come from /proc/meminfo and the CPU figure sleeps
// between two reads of /proc/stat. Standing in for the C library's file opening
// and sleeping lets a test see in what order a measurement takes its figures.
extern "C" FILE* fopen64(const char* path, const char* mode)
{
    using Open = FILE* (*)(const char*, const char*);
    static const auto real = reinterpret_cast<Open>(dlsym(RTLD_NEXT, "fopen64"));
    if (qstrcmp(path, "/proc/meminfo") == 0 || qstrcmp(path, "/proc/stat") == 0)
        noteIfWatched(QString::fromLatin1(path));
    return real(path, mode);
}

extern "C" int nanosleep(const struct timespec* wait, struct timespec* left)
{
    using Sleep = int (*)(const struct timespec*, struct timespec*);
    static const auto real = reinterpret_cast<Sleep>(dlsym(RTLD_NEXT, "nanosleep"));
    if (noteIfWatched(QStringLiteral("sleep %1 ms").arg(wait->tv_sec * 1000 + wait->tv_nsec / 1000000)))
        return 0;
    return real(wait, left);
}
#endif

class EngineTest : public PanelSuite {
    Q_OBJECT

private slots:
    void startup_data()
    {
        QTest::addColumn<bool>("engine"); // whether the engine's window is there
        QTest::addColumn<int>("stored"); // -1: nothing stored
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("posts");
        QTest::newRow("no engine, nothing stored") << false << -1 << QStringLiteral("--C") << false;
        QTest::newRow("no engine, stored disabled") << false << 0 << QStringLiteral("--C") << false;
        QTest::newRow("no engine, stored enabled") << false << 1 << QStringLiteral("--C") << false;
        QTest::newRow("engine, enabled") << true << 1 << QStringLiteral("E--") << true;
        QTest::newRow("engine, disabled") << true << 0 << QStringLiteral("-D-") << true;
        QTest::newRow("engine, neither") << true << 7 << QStringLiteral("--C") << false;
    }

    void startup()
    {
        QFETCH(bool, engine);
        QFETCH(int, stored);
        QFETCH(QString, shown);
        QFETCH(bool, posts);
        if (stored >= 0)
            storeSettings([&](Settings& s) { s.Quenby_Stat = static_cast<std::uint32_t>(stored); });
        std::optional<PlayedEngine> played;
        if (engine)
            QVERIFY(played.emplace().isOpen());
        LogCapture log;
        MainWindow window(nullptr, kTotalRAM);
        QCOMPARE(checkMarks(window), shown);
        // The stored state stays (with an engine it is written back unchanged);
        // without one no key appears.
        QCOMPARE(storedNumber(u"Quenby_Stat"),
                 stored >= 0 ? std::optional<std::uint32_t>(stored) : std::nullopt);
        if (!engine)
            return;
        // For 0 and 1 the engine is asked to read the settings again.
        QCOMPARE(played->drain(), posts ? QList<std::uint32_t>{number(Message::UpdateData)}
                                        : QList<std::uint32_t>{});
        QVERIFY(log.contains(QStringLiteral("stat: %1").arg(stored)));
        QVERIFY(log.contains(QStringLiteral("WM_QUENBY_ENABLEID: %1").arg(number(Message::QuenbyEnable))));
        QVERIFY(log.contains(QStringLiteral("WM_QUENBY_DISABLEID: %1").arg(number(Message::QuenbyDisable))));
    }

    void enableWithoutEngineStartsIt()
    {
        StandInEngine standIn;
        QVERIFY(standIn.ok());
        storeText(u"Path", standIn.folder());
        MainWindow window(nullptr, kTotalRAM);
        QCOMPARE(checkMarks(window), QStringLiteral("--C"));

        LogCapture log;
        click(window, "EnableButton");
        QCOMPARE(checkMarks(window), QStringLiteral("E--"));
        QCOMPARE(storedNumber(u"Quenby_Stat"), 1u);
        QTRY_COMPARE_WITH_TIMEOUT(standIn.starts().size(), 1, 20000);
        QCOMPARE(log.lines().mid(0, 3),
                 (QStringList{QStringLiteral("stat: 1"), QStringLiteral("HandleRAM: 0"),
                              QStringLiteral("appFullPath: ") + standIn.program()}));

        // A second Enable while the stand-in never opened a window starts it again;
        // the already checked button stays checked.
        click(window, "EnableButton");
        QCOMPARE(checkMarks(window), QStringLiteral("E--"));
        QTRY_COMPARE_WITH_TIMEOUT(standIn.starts().size(), 2, 20000);
    }

    void enableThatCannotStartTheEngineSaysWhy_data()
    {
        QTest::addColumn<QByteArray>("content"); // empty: no file at all
        QTest::addColumn<QString>("reason");
        QTest::newRow("no such program") << QByteArray() << QStringLiteral("The file does not exist.");
        QTest::newRow("a text, not a program")
            << QByteArray("just some words\n") << QStringLiteral("The file is not a program that can be run.");
    }

    void enableThatCannotStartTheEngineSaysWhy()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, reason);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString program =
            folder.filePath(QString::fromStdU16String(quenby::os::engineFileName()));
        if (!content.isEmpty()) {
            QFile file(program);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
            file.close();
            // Runnable as far as the file's mode goes: what stops it is its content.
            file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
        }
        storeText(u"Path", QDir::toNativeSeparators(folder.path()));
        MainWindow window(nullptr, kTotalRAM);
        QString shown;
        bool ran = false;
        duringModal<QMessageBox>(
            &window, [&] { click(window, "EnableButton"); },
            [&](QMessageBox* box) {
                shown = box->text();
                box->accept();
            },
            ran);
        QVERIFY(ran);
        QCOMPARE(shown, QStringLiteral("The RAM optimizer could not be started from %1.\n\n%2")
                            .arg(QDir::toNativeSeparators(program), reason));
        // Not running, and said so; still enabled for the next start with Windows.
        QCOMPARE(checkMarks(window), QStringLiteral("--C"));
        QCOMPARE(storedNumber(u"Quenby_Stat"), 1u);
    }

    void enableWithEnginePostsUpdate()
    {
        StandInEngine standIn;
        QVERIFY(standIn.ok());
        storeText(u"Path", standIn.folder());
        PlayedEngine engine;
        MainWindow window(nullptr, kTotalRAM);
        QCOMPARE(engine.drain(), QList<std::uint32_t>{number(Message::UpdateData)}); // start-up
        QCOMPARE(checkMarks(window), QStringLiteral("-D-"));

        LogCapture log;
        click(window, "EnableButton");
        QCOMPARE(checkMarks(window), QStringLiteral("E--"));
        QCOMPARE(storedNumber(u"Quenby_Stat"), 1u);
        QCOMPARE(engine.drain(), QList<std::uint32_t>{number(Message::UpdateData)});
        // The handle found is logged; with a window there is nothing to start.
        const auto handle = quenby::os::findWindow(quenby::kEngineWindowClass, quenby::kEngineWindowTitle).id;
        QVERIFY(handle != 0);
        QCOMPARE(log.lines(), (QStringList{QStringLiteral("stat: 1"),
                                           QStringLiteral("HandleRAM: %1").arg(static_cast<qulonglong>(handle))}));

        click(window, "DisableButton");
        QCOMPARE(checkMarks(window), QStringLiteral("-D-"));
        QCOMPARE(storedNumber(u"Quenby_Stat"), 0u);
        QCOMPARE(engine.drain(), QList<std::uint32_t>{number(Message::UpdateData)});

        // Save in the main window writes, then tells the engine.
        named<QSlider>(&window, "targetHorizontalSlider")->setValue(2500);
        click(window, "SaveButton");
        QCOMPARE(storedNumber(u"TargetFreeRAM"), 2500u);
        QCOMPARE(engine.drain(), QList<std::uint32_t>{number(Message::UpdateData)});

        // The stand-in was never started: the engine ran already.
        QTest::qWait(200);
        QCOMPARE(standIn.starts(), QStringList());
    }

    void firstStateWriteCreatesTheKey()
    {
        // Before any save there is no key, and writing the state alone would
        // store nothing; an engine started next would read "disabled". The whole
        // record is written instead, with the new state.
        MainWindow window(nullptr, kTotalRAM);
        QVERIFY(!storedNumber(u"Quenby_Stat"));
        click(window, "DisableButton");
        QCOMPARE(checkMarks(window), QStringLiteral("-D-"));
        QCOMPARE(storedNumber(u"Quenby_Stat"), 0u);
        QCOMPARE(storedNumber(u"TargetFreeRAM"), 4096u);
        QCOMPARE(storedNumber(u"WarnLowRecource_Val1"), 15u);

        settings_->clearRegistry();
        quenby::storeState(quenby::panel::registry(), quenby::panel::settings(), 1);
        QCOMPARE(storedNumber(u"Quenby_Stat"), 1u);
        QCOMPARE(storedNumber(u"MinimumFreeRAM"), 1024u);

        // With the key in place only the state is written.
        storeNumber(u"TargetFreeRAM", 1234);
        quenby::storeState(quenby::panel::registry(), quenby::panel::settings(), 0);
        QCOMPARE(storedNumber(u"Quenby_Stat"), 0u);
        QCOMPARE(storedNumber(u"TargetFreeRAM"), 1234u);
    }

    void closeLeavesStateAlone()
    {
        storeSettings([](Settings& s) { s.Quenby_Stat = 1; });
        {
            // No engine: only the check mark moves, and the registry is not even read.
            MainWindow window(nullptr, kTotalRAM);
            CountingRegistry counting;
            RegistryReplacement replacement(counting);
            click(window, "CloseButton");
            QCOMPARE(checkMarks(window), QStringLiteral("--C"));
            QCOMPARE(counting.calls, 0);
        }
        PlayedEngine engine;
        MainWindow window(nullptr, kTotalRAM);
        engine.drain();
        click(window, "EnableButton");
        engine.drain();
        click(window, "CloseButton");
        QCOMPARE(checkMarks(window), QStringLiteral("--C"));
        QCOMPARE(engine.drain(), QList<std::uint32_t>{quenby::kCloseMessage});
        QCOMPARE(storedNumber(u"Quenby_Stat"), 1u);
        QCOMPARE(quenby::panel::settings().Quenby_Stat, 1u);
    }

    void otherMessagesAreLeftAlone()
    {
        MainWindow window(nullptr, kTotalRAM);
        LogCapture log;
        QVERIFY(!window.handleEngineMessage(0));
        QVERIFY(!window.handleEngineMessage(16));
        QVERIFY(!window.handleEngineMessage(quenby::os::registerMessage(u"WM_SOMETHING_ELSE")));
        QVERIFY(log.lines().isEmpty());
        QCOMPARE(checkMarks(window), QStringLiteral("--C"));
    }

    void measurementTakesMemoryFirstAndSignalsInOrder()
    {
        GetInfoThread thread;
        connect(&thread, &GetInfoThread::totalRAMInfoSignal, &thread,
                [](int mb) { noteIfWatched(QStringLiteral("total %1").arg(mb)); }, Qt::DirectConnection);
        connect(&thread, &GetInfoThread::availRAMInfoSignal, &thread,
                [](int, int percent) { noteIfWatched(QStringLiteral("free %1").arg(percent <= 100)); },
                Qt::DirectConnection);
        connect(&thread, &GetInfoThread::cpuUsagesInfoSignal, &thread,
                [](int) { noteIfWatched(QStringLiteral("cpu")); }, Qt::DirectConnection);
        watchedEvents.clear();
        watchedThread = &thread;
        thread.start();
        QVERIFY(thread.wait(60000));
        watchedThread = nullptr;
        const QStringList signalsSent{QStringLiteral("total %1").arg(quenby::totalPhysicalMB()),
                                      "free 1", "cpu"};
#ifdef Q_OS_LINUX
        // Total, available and free share each read memory before the CPU
        // second starts; the three signals follow it, in their order.
        QCOMPARE(watchedEvents, QStringList({"/proc/meminfo", "/proc/meminfo", "/proc/meminfo", "/proc/stat",
                                             "sleep 1000 ms", "/proc/stat"}) +
                                    signalsSent);
#else
        QCOMPARE(watchedEvents, signalsSent);
#endif
    }

    void timerStartsAMeasurementEverySecond()
    {
        MainWindow window(nullptr, kTotalRAM);
        auto* timer = window.findChild<QTimer*>(QString(), Qt::FindDirectChildrenOnly);
        QVERIFY(timer && timer->isActive() && !timer->isSingleShot());
        QCOMPARE(timer->interval(), 1000);
        // Each tick starts one new measurement: with the timer stopped, one
        // invoked tick alone brings the figures.
        timer->stop();
        QTest::qWait(2500); // a measurement already under way reports first
        auto* total = named(&window, "totalRAMLabel");
        total->setProperty("text", QStringLiteral("none yet"));
        QVERIFY(QMetaObject::invokeMethod(timer, "timeout"));
        QTRY_COMPARE_WITH_TIMEOUT(total->property("text").toString(),
                                  QStringLiteral("Total RAM: %1MB").arg(quenby::totalPhysicalMB()), 5000);
    }

    void engineMessages_data()
    {
        QTest::addColumn<int>("which");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("marks"); // "--C" before; after, by the message
        QTest::addColumn<bool>("reloads"); // the reaction reads the settings again
        QTest::addColumn<bool>("raises");  // a minimized window comes back, in front
        const auto row = [](Message which, const char* name, const char* marks, bool reloads, bool raises) {
            QTest::newRow(name) << static_cast<int>(which) << QString::fromLatin1(name)
                                << QString::fromLatin1(marks) << reloads << raises;
        };
        row(Message::UpdateData, "WM_UPDATEDATAMESSAGE", "--C", true, false);
        row(Message::StartDefragRAM, "WM_StartDefragRAM", "--C", false, false);
        row(Message::QuenbyStart, "WM_QUENBY_START", "E--", false, false);
        row(Message::QuenbyExit, "WM_QUENBY_EXIT", "--C", false, false);
        row(Message::QuenbyDisable, "WM_QUENBY_DISABLE", "-D-", false, false);
        row(Message::QuenbyEnable, "WM_QUENBY_ENABLE", "E--", false, false);
        // From a second start of the panel, not from the engine.
        row(Message::ShowPanel, "WM_QUENBY_SHOW", "--C", false, true);
    }

    // Each message as the engine's post delivers it: one log line, its name,
    // before the reaction. Start shows the state this panel holds, whatever the
    // registry says now; only a settings change reads the registry, reloading
    // everything and moving the sliders, while the check marks stay. Only the
    // show request brings a minimized panel back: the engine's notices leave
    // the user's window where the user put it.
    void engineMessages()
    {
        QFETCH(int, which);
        QFETCH(QString, name);
        QFETCH(QString, marks);
        QFETCH(bool, reloads);
        QFETCH(bool, raises);
        storeSettings([](Settings& s) {
            s.Quenby_Stat = 1;
            s.TargetFreeRAM = 2000;
        });
        MainWindow window(nullptr, kTotalRAM);
        QCOMPARE(checkMarks(window), QStringLiteral("--C"));
        window.showMinimized();
        QVERIFY(window.isMinimized());
        if (which == static_cast<int>(Message::QuenbyExit))
            window.showEngineState(0); // so that Exit has a mark to move
        storeNumber(u"Quenby_Stat", 0);
        storeNumber(u"TargetFreeRAM", 3000);
        storeNumber(u"MinimumFreeRAM", 9999);
        CountingRegistry counting;
        RegistryReplacement replacement(counting);

        // The log as it stood when the first check mark moved.
        LogCapture log;
        QStringList logAtFirstMark;
        bool marked = false;
        for (const char* button : {"EnableButton", "DisableButton", "CloseButton"}) {
            connect(named<QToolButton>(&window, button), &QToolButton::toggled, &window, [&] {
                if (!std::exchange(marked, true))
                    logAtFirstMark = log.lines();
            });
        }
        QVERIFY(deliverToPanel(window, number(static_cast<Message>(which))));
        QTRY_VERIFY_WITH_TIMEOUT(log.contains(name), 10000);
        QCOMPARE(checkMarks(window), marks);
        QCOMPARE(window.isMinimized(), !raises);
        if (raises) {
            QVERIFY(window.isVisible());
            QTRY_VERIFY_WITH_TIMEOUT(window.isActiveWindow(), 10000);
        }
        const QStringList lines = log.lines();
        QCOMPARE(lines.value(0), name);
        QCOMPARE(lines.count(name), 1);
        if (marked)
            QCOMPARE(logAtFirstMark, QStringList{name});
        // What the reaction logs comes after the name.
        QCOMPARE(lines.mid(1).join(QLatin1Char('\n')).contains(QLatin1String("StartupCmd: ")), reloads);
        QCOMPARE(counting.calls > 0, reloads);
        QCOMPARE(quenby::panel::settings().Quenby_Stat, reloads ? 0u : 1u);
        QCOMPARE(named<QSlider>(&window, "targetHorizontalSlider")->value(), reloads ? 3000 : 2000);
        QCOMPARE(named<QSlider>(&window, "minHorizontalSlider")->value(), reloads ? 8192 : 1024);
        QCOMPARE(named(&window, "targetFreeValLabel")->property("text").toString(),
                 QStringLiteral("%1 MB").arg(reloads ? 3000 : 2000));
    }

    void measurementsArriveAndThreadsGo()
    {
        MainWindow window(nullptr, kTotalRAM);
        auto* graph = window.findChild<GraphForm*>();
        // Each measurement's thread reports to the window in three queued calls,
        // and its object is deleted once it has reported: both are events of the
        // main thread, which an application's event filter sees. (Threads of the
        // windows of earlier cases may still be ending, so only this window's
        // calls count as readings.)
        struct Events : QObject {
            QObject* window = nullptr;
            int deletions = 0;
            int calls = 0;
            bool eventFilter(QObject* object, QEvent* event) override
            {
                deletions += event->type() == QEvent::DeferredDelete && qobject_cast<GetInfoThread*>(object) ? 1 : 0;
                calls += event->type() == QEvent::MetaCall && object == window ? 1 : 0;
                return false;
            }
        } events;
        events.window = &window;
        qApp->installEventFilter(&events);
        const int threadsBefore = threadsOfThisProcess();
        QVERIFY(threadsBefore > 0);
        // A new measurement every second; each thread lives a little over one.
        QTRY_VERIFY_WITH_TIMEOUT(events.calls >= 6 * 3, 60000);
        const QString total = named(&window, "totalRAMLabel")->property("text").toString();
        QCOMPARE(total, QStringLiteral("Total RAM: %1MB").arg(quenby::totalPhysicalMB()));
        QVERIFY(named(&window, "availRAMLabel")->property("text").toString().startsWith(QStringLiteral("Available RAM: ")));
        QVERIFY(named(&window, "cpuUsagesLabel")->property("text").toString().startsWith(QStringLiteral("CPU Usages: ")));
        QVERIFY(graph->accessibleDescription().endsWith(QStringLiteral("% of RAM free")));
        // Finished threads are released: only the one or two still measuring
        // exist, not one per second since the window opened, and the objects of
        // all but those have been deleted.
        QTRY_VERIFY_WITH_TIMEOUT(threadsOfThisProcess() <= threadsBefore + 2, 20000);
        QVERIFY2(events.deletions >= events.calls / 3 - 3, qPrintable(QString::number(events.deletions)));
        qApp->removeEventFilter(&events);
    }
};

QTEST_MAIN(EngineTest)
#include "engine_test.moc"
