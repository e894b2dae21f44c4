// The main window as the engine's partner: starting, telling and closing the
// engine, and following the six registered messages. The engine is played by the
// test (an endpoint under the engine's class and title) or stood in for by a
// script that records that it was started.
#include <QtTest>

#include <QFile>
#include <QSlider>
#include <QToolButton>

#include "common/identity.h"
#include "common/os/posix/endpoint.h"
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
using quenby::os::posix::Endpoint;
using quenby::os::posix::PostedMessage;

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

// Which of the three state buttons are checked, as "EDC" with dashes for the others.
QString checks(MainWindow& window)
{
    QString result;
    result += child<QToolButton>(&window, "EnableButton")->isChecked() ? QLatin1Char('E') : QLatin1Char('-');
    result += child<QToolButton>(&window, "DisableButton")->isChecked() ? QLatin1Char('D') : QLatin1Char('-');
    result += child<QToolButton>(&window, "CloseButton")->isChecked() ? QLatin1Char('C') : QLatin1Char('-');
    return result;
}

void click(MainWindow& window, const char* button)
{
    QTest::mouseClick(child<QToolButton>(&window, button), Qt::LeftButton);
}

// A folder holding a stand-in for the engine's executable: a script that notes
// each start in a file beside it.
class StandInEngine {
public:
    StandInEngine()
    {
        const QString script = dir_.filePath(QStringLiteral("Quenbytray"));
        QFile file(script);
        if (!file.open(QIODevice::WriteOnly))
            return;
        file.write("#!/bin/sh\necho started >> \"$(dirname \"$0\")/started\"\n");
        file.close();
        ok_ = file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    bool ok() const { return ok_ && dir_.isValid(); }
    QString folder() const { return dir_.path(); }
    QString program() const { return dir_.filePath(QStringLiteral("Quenbytray")); }
    int starts() const
    {
        QFile marker(dir_.filePath(QStringLiteral("started")));
        if (!marker.open(QIODevice::ReadOnly))
            return 0;
        return static_cast<int>(marker.readAll().count('\n'));
    }

private:
    QTemporaryDir dir_;
    bool ok_ = false;
};

// Everything waiting at the played engine's window, without waiting for more:
// the panel posts from the GUI thread before its click returns.
QList<std::uint32_t> drain(Endpoint& engine)
{
    QList<std::uint32_t> messages;
    while (const auto message = engine.receive())
        messages.append(message->message);
    return messages;
}

} // namespace

class EngineTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<PrivateFolders> folders_;

private slots:
    void initTestCase()
    {
        folders_ = std::make_unique<PrivateFolders>();
        QVERIFY(folders_->ok());
        initPanelResources();
    }

    void init()
    {
        folders_->clearRegistry();
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
        QCOMPARE(checks(window), QStringLiteral("--C"));
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
        Endpoint engine(quenby::kEngineWindowClass, quenby::kEngineWindowTitle);
        QVERIFY(engine.isOpen());
        LogCapture log;
        MainWindow window(nullptr, kTotalRAM);
        QCOMPARE(checks(window), shown);
        // The stored state is written back unchanged and, for 0 and 1, the engine
        // is asked to read the settings again.
        QCOMPARE(storedNumber(u"Quenby_Stat"), static_cast<std::uint32_t>(stored));
        QCOMPARE(drain(engine), posts ? QList<std::uint32_t>{number(Message::UpdateData)}
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
        QCOMPARE(checks(window), QStringLiteral("--C"));

        LogCapture log;
        click(window, "EnableButton");
        QCOMPARE(checks(window), QStringLiteral("E--"));
        QCOMPARE(storedNumber(u"Quenby_Stat"), 1u);
        QTRY_COMPARE_WITH_TIMEOUT(standIn.starts(), 1, 20000);
        QCOMPARE(log.lines().mid(0, 3),
                 (QStringList{QStringLiteral("stat: 1"), QStringLiteral("HandleRAM: 0"),
                              QStringLiteral("appFullPath: ") + standIn.program()}));

        // A second Enable while the stand-in never opened a window starts it again;
        // the already checked button stays checked.
        click(window, "EnableButton");
        QCOMPARE(checks(window), QStringLiteral("E--"));
        QTRY_COMPARE_WITH_TIMEOUT(standIn.starts(), 2, 20000);
    }

    void enableWithWrongPathFailsQuietly()
    {
        storeText(u"Path", QStringLiteral("/nonexistent/quenby"));
        MainWindow window(nullptr, kTotalRAM);
        click(window, "EnableButton");
        QCOMPARE(checks(window), QStringLiteral("E--"));
        QCOMPARE(storedNumber(u"Quenby_Stat"), 1u);
    }

    void enableWithEnginePostsUpdate()
    {
        StandInEngine standIn;
        QVERIFY(standIn.ok());
        storeText(u"Path", standIn.folder());
        Endpoint engine(quenby::kEngineWindowClass, quenby::kEngineWindowTitle);
        MainWindow window(nullptr, kTotalRAM);
        QCOMPARE(drain(engine), QList<std::uint32_t>{number(Message::UpdateData)}); // start-up
        QCOMPARE(checks(window), QStringLiteral("-D-"));

        click(window, "EnableButton");
        QCOMPARE(checks(window), QStringLiteral("E--"));
        QCOMPARE(storedNumber(u"Quenby_Stat"), 1u);
        QCOMPARE(drain(engine), QList<std::uint32_t>{number(Message::UpdateData)});

        click(window, "DisableButton");
        QCOMPARE(checks(window), QStringLiteral("-D-"));
        QCOMPARE(storedNumber(u"Quenby_Stat"), 0u);
        QCOMPARE(drain(engine), QList<std::uint32_t>{number(Message::UpdateData)});

        // Save in the main window writes, then tells the engine.
        child<QSlider>(&window, "targetHorizontalSlider")->setValue(2500);
        click(window, "SaveButton");
        QCOMPARE(storedNumber(u"TargetFreeRAM"), 2500u);
        QCOMPARE(drain(engine), QList<std::uint32_t>{number(Message::UpdateData)});

        // The stand-in was never started: the engine ran already.
        QTest::qWait(200);
        QCOMPARE(standIn.starts(), 0);
    }

    void disableWithoutEngine()
    {
        storeSettings([](Settings& s) { s.Quenby_Stat = 1; });
        MainWindow window(nullptr, kTotalRAM);
        click(window, "DisableButton");
        QCOMPARE(checks(window), QStringLiteral("-D-"));
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

        folders_->clearRegistry();
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
            QCOMPARE(checks(window), QStringLiteral("--C"));
            QCOMPARE(counting.calls, 0);
        }
        Endpoint engine(quenby::kEngineWindowClass, quenby::kEngineWindowTitle);
        MainWindow window(nullptr, kTotalRAM);
        drain(engine);
        click(window, "EnableButton");
        drain(engine);
        click(window, "CloseButton");
        QCOMPARE(checks(window), QStringLiteral("--C"));
        QCOMPARE(drain(engine), QList<std::uint32_t>{quenby::kCloseMessage});
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
        QCOMPARE(checks(window), QStringLiteral("--C"));
        CountingRegistry counting;
        RegistryReplacement replacement(counting);
        LogCapture log;

        const auto post = [](Message which) {
            return quenby::os::postToWindow(quenby::panelWindowClass(), quenby::kPanelWindowTitle,
                                            number(which));
        };
        const auto expectLog = [&](const char* name) {
            QTRY_VERIFY_WITH_TIMEOUT(log.contains(QString::fromLatin1(name)), 10000);
        };

        // The switch notifications move the check marks and read nothing.
        QVERIFY(post(Message::QuenbyDisable));
        expectLog("WM_QUENBY_DISABLE");
        QCOMPARE(checks(window), QStringLiteral("-D-"));
        QVERIFY(post(Message::QuenbyEnable));
        expectLog("WM_QUENBY_ENABLE");
        QCOMPARE(checks(window), QStringLiteral("E--"));
        QVERIFY(post(Message::QuenbyExit));
        expectLog("WM_QUENBY_EXIT");
        QCOMPARE(checks(window), QStringLiteral("--C"));
        // Start shows the state this panel holds (1), whatever the registry says now.
        storeNumber(u"Quenby_Stat", 0);
        counting.calls = 0;
        QVERIFY(post(Message::QuenbyStart));
        expectLog("WM_QUENBY_START");
        QCOMPARE(checks(window), QStringLiteral("E--"));
        QVERIFY(post(Message::StartDefragRAM));
        expectLog("WM_StartDefragRAM");
        QCOMPARE(checks(window), QStringLiteral("E--"));
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
        QCOMPARE(checks(window), QStringLiteral("E--"));     // the check marks stay

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
        QCOMPARE(checks(window), QStringLiteral("--C"));
        QVERIFY(window.handleEngineMessage(number(Message::QuenbyEnable)));
        QCOMPARE(checks(window), QStringLiteral("E--"));
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
