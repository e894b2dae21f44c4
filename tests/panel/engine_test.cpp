// The main window as the engine's partner: starting, telling and closing the
// engine, and following the six registered messages. The engine is played by the
// test (a window of the engine's class and title) or stood in for by a program
// that records that it was started.
#include <QtTest>

#include <QSlider>
#include <QToolButton>

#include "common/identity.h"
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

template <typename T = QWidget>
T* child(QObject* parent, const char* name)
{
    return parent->findChild<T*>(QString::fromLatin1(name));
}

std::uint32_t number(Message which)
{
    return quenby::panel::messages()[which];
}

void click(MainWindow& window, const char* button)
{
    QTest::mouseClick(child<QToolButton>(&window, button), Qt::LeftButton);
}

} // namespace

class EngineTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<PrivateSettings> settings_;

private slots:
    void initTestCase()
    {
        settings_ = std::make_unique<PrivateSettings>();
        QVERIFY(settings_->ok());
        initPanelResources();
    }

    void init()
    {
        settings_->clearRegistry();
        QVERIFY(!quenby::os::findWindow(quenby::kEngineWindowClass, quenby::kEngineWindowTitle));
    }

    void startupWithoutEngine_data()
    {
        QTest::addColumn<int>("stored"); // -1: nothing stored
        QTest::newRow("nothing stored") << -1;
        QTest::newRow("stored disabled") << 0;
        QTest::newRow("stored enabled") << 1;
    }

    void startupWithoutEngine()
    {
        QFETCH(int, stored);
        if (stored >= 0)
            storeSettings([&](Settings& s) { s.Quenby_Stat = static_cast<std::uint32_t>(stored); });
        MainWindow window(nullptr, kTotalRAM);
        QCOMPARE(checkMarks(window), QStringLiteral("--C"));
        // Nothing written: the stored state stays, and no key appears.
        if (stored >= 0)
            QCOMPARE(storedNumber(u"Quenby_Stat"), static_cast<std::uint32_t>(stored));
        else
            QVERIFY(!storedNumber(u"Quenby_Stat"));
    }

    void startupWithEngine_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("posts");
        QTest::newRow("enabled") << 1 << QStringLiteral("E--") << true;
        QTest::newRow("disabled") << 0 << QStringLiteral("-D-") << true;
        QTest::newRow("neither") << 7 << QStringLiteral("--C") << false;
    }

    void startupWithEngine()
    {
        QFETCH(int, stored);
        QFETCH(QString, shown);
        QFETCH(bool, posts);
        storeSettings([&](Settings& s) { s.Quenby_Stat = static_cast<std::uint32_t>(stored); });
        PlayedEngine engine;
        QVERIFY(engine.isOpen());
        LogCapture log;
        MainWindow window(nullptr, kTotalRAM);
        QCOMPARE(checkMarks(window), shown);
        // The stored state is written back unchanged and, for 0 and 1, the engine
        // is asked to read the settings again.
        QCOMPARE(storedNumber(u"Quenby_Stat"), static_cast<std::uint32_t>(stored));
        QCOMPARE(engine.drain(), posts ? QList<std::uint32_t>{number(Message::UpdateData)}
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

    void enableWithWrongPathFailsQuietly()
    {
        QTemporaryDir parent;
        QVERIFY(parent.isValid());
        storeText(u"Path", QDir::toNativeSeparators(parent.filePath(QStringLiteral("missing"))));
        MainWindow window(nullptr, kTotalRAM);
        click(window, "EnableButton");
        QCOMPARE(checkMarks(window), QStringLiteral("E--"));
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

        click(window, "EnableButton");
        QCOMPARE(checkMarks(window), QStringLiteral("E--"));
        QCOMPARE(storedNumber(u"Quenby_Stat"), 1u);
        QCOMPARE(engine.drain(), QList<std::uint32_t>{number(Message::UpdateData)});

        click(window, "DisableButton");
        QCOMPARE(checkMarks(window), QStringLiteral("-D-"));
        QCOMPARE(storedNumber(u"Quenby_Stat"), 0u);
        QCOMPARE(engine.drain(), QList<std::uint32_t>{number(Message::UpdateData)});

        // Save in the main window writes, then tells the engine.
        child<QSlider>(&window, "targetHorizontalSlider")->setValue(2500);
        click(window, "SaveButton");
        QCOMPARE(storedNumber(u"TargetFreeRAM"), 2500u);
        QCOMPARE(engine.drain(), QList<std::uint32_t>{number(Message::UpdateData)});

        // The stand-in was never started: the engine ran already.
        QTest::qWait(200);
        QCOMPARE(standIn.starts(), QStringList());
    }

    void disableWithoutEngine()
    {
        storeSettings([](Settings& s) { s.Quenby_Stat = 1; });
        MainWindow window(nullptr, kTotalRAM);
        click(window, "DisableButton");
        QCOMPARE(checkMarks(window), QStringLiteral("-D-"));
        QCOMPARE(storedNumber(u"Quenby_Stat"), 0u);
    }

    void firstStateWriteCreatesTheKey()
    {
        // Before any save there is no key, and writing the state alone would
        // store nothing; an engine started next would read "disabled". The whole
        // record is written instead, with the new state.
        MainWindow window(nullptr, kTotalRAM);
        QVERIFY(!storedNumber(u"Quenby_Stat"));
        click(window, "DisableButton");
        QCOMPARE(storedNumber(u"Quenby_Stat"), 0u);
        QCOMPARE(storedNumber(u"TargetFreeRAM"), 4096u);
        QCOMPARE(storedNumber(u"WarnLowRecource_Val1"), 15u);

        settings_->clearRegistry();
        quenby::panel::writeState(1);
        QCOMPARE(storedNumber(u"Quenby_Stat"), 1u);
        QCOMPARE(storedNumber(u"MinimumFreeRAM"), 1024u);

        // With the key in place only the state is written.
        storeNumber(u"TargetFreeRAM", 1234);
        quenby::panel::writeState(0);
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

    void engineMessages()
    {
        storeSettings([](Settings& s) {
            s.Quenby_Stat = 1;
            s.TargetFreeRAM = 2000;
        });
        MainWindow window(nullptr, kTotalRAM);
        QCOMPARE(checkMarks(window), QStringLiteral("--C"));
        CountingRegistry counting;
        RegistryReplacement replacement(counting);
        LogCapture log;

        const auto post = [&](Message which) { return deliverToPanel(window, number(which)); };
        const auto expectLog = [&](const char* name) {
            QTRY_VERIFY_WITH_TIMEOUT(log.contains(QString::fromLatin1(name)), 10000);
        };

        // The switch notifications move the check marks and read nothing.
        QVERIFY(post(Message::QuenbyDisable));
        expectLog("WM_QUENBY_DISABLE");
        QCOMPARE(checkMarks(window), QStringLiteral("-D-"));
        QVERIFY(post(Message::QuenbyEnable));
        expectLog("WM_QUENBY_ENABLE");
        QCOMPARE(checkMarks(window), QStringLiteral("E--"));
        QVERIFY(post(Message::QuenbyExit));
        expectLog("WM_QUENBY_EXIT");
        QCOMPARE(checkMarks(window), QStringLiteral("--C"));
        // Start shows the state this panel holds (1), whatever the registry says now.
        storeNumber(u"Quenby_Stat", 0);
        counting.calls = 0;
        QVERIFY(post(Message::QuenbyStart));
        expectLog("WM_QUENBY_START");
        QCOMPARE(checkMarks(window), QStringLiteral("E--"));
        QVERIFY(post(Message::StartDefragRAM));
        expectLog("WM_StartDefragRAM");
        QCOMPARE(checkMarks(window), QStringLiteral("E--"));
        QCOMPARE(counting.calls, 0);
        QCOMPARE(quenby::panel::settings().Quenby_Stat, 1u);

        // A settings change reloads everything and moves the sliders.
        storeNumber(u"TargetFreeRAM", 3000);
        storeNumber(u"MinimumFreeRAM", 9999);
        QVERIFY(post(Message::UpdateData));
        expectLog("WM_UPDATEDATAMESSAGE");
        QVERIFY(counting.calls > 0);
        QCOMPARE(child<QSlider>(&window, "targetHorizontalSlider")->value(), 3000);
        QCOMPARE(child<QSlider>(&window, "minHorizontalSlider")->value(), 8192);
        QCOMPARE(child(&window, "targetFreeValLabel")->property("text").toString(), QStringLiteral("3000 MB"));
        QCOMPARE(quenby::panel::settings().Quenby_Stat, 0u); // re-read with everything else
        QCOMPARE(checkMarks(window), QStringLiteral("E--"));     // the check marks stay

        // Each message is one log line, named after it.
        for (const char* name : {"WM_QUENBY_DISABLE", "WM_QUENBY_ENABLE", "WM_QUENBY_EXIT",
                                 "WM_QUENBY_START", "WM_StartDefragRAM", "WM_UPDATEDATAMESSAGE"})
            QVERIFY2(log.count(QString::fromLatin1(name)) == 1, name);
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
        QVERIFY(window.handleEngineMessage(number(Message::QuenbyEnable)));
        QCOMPARE(checkMarks(window), QStringLiteral("E--"));
    }

    void measurementsArriveAndThreadsGo()
    {
        MainWindow window(nullptr, kTotalRAM);
        auto* graph = window.findChild<GraphForm*>();
        const int createdBefore = GetInfoThread::createdCount();
        // A new measurement every second; each thread lives a little over one.
        QTRY_VERIFY_WITH_TIMEOUT(GetInfoThread::createdCount() >= createdBefore + 6, 60000);
        const QString total = child(&window, "totalRAMLabel")->property("text").toString();
        QCOMPARE(total, QStringLiteral("Total RAM: %1MB").arg(quenby::totalPhysicalMB()));
        QVERIFY(child(&window, "availRAMLabel")->property("text").toString().startsWith(QStringLiteral("Available RAM: ")));
        QVERIFY(child(&window, "cpuUsagesLabel")->property("text").toString().startsWith(QStringLiteral("CPU Usages: ")));
        QVERIFY(graph->history().size() >= 3);
        // Finished threads are released: only the one or two still measuring
        // exist, not one per second since the window opened.
        QTRY_VERIFY_WITH_TIMEOUT(GetInfoThread::liveCount() <= 3, 20000);
    }
};

QTEST_MAIN(EngineTest)
#include "engine_test.moc"
