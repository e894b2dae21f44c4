// Pictures of the panel for the documentation: the main window with sample
// figures, each visible page of the options dialog, and the About box, in the
// user's language. Run under a real display server (Xvfb), as screenshots.sh
// does, or under Wine as tools/screenshot-panel-wine.sh does:
//   quenby_panel_screenshots OUTPUT_FOLDER [SUFFIX [--few]]
// A suffix ("_de", "_dark") goes into every file name (main_window_de.png);
// with --few only the main window and the options' first page are taken.
// Settings and windows live in temporary folders or a private Wine prefix;
// nothing of the user's is used.
#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QTabWidget>
#include <QToolTip>
#include <QThread>
#include <QTimer>

#include <cmath>
#include <cstdio>
#include <cstring>

#include "common/identity.h"
#include "common/os/user_file.h"
#include "common/recovery_history.h"
#include "panel/aboutdialog.h"
#include "panel/mainwindow.h"
#include "panel/optionsdialog.h"
#include "panel/panel_state.h"
#include "panel/translation.h"
#include "tests/panel/panel_test_support.h"

using namespace quenby::paneltest;

namespace {

QString suffix;

bool save(QWidget& widget, const QString& folder, const char* name)
{
    QCoreApplication::processEvents();
    QString file = QString::fromLatin1(name);
    file.insert(file.lastIndexOf(QLatin1Char('.')), suffix);
    const QString path = QDir(folder).filePath(file);
    // From the screen, as the user sees it: a widget's own rendering misses
    // what the Windows style has the system draw (spin box texts, progress).
    const bool ok = widget.screen()->grabWindow(widget.winId()).save(path);
    std::printf("%s %s\n", ok ? "wrote" : "could not write", qPrintable(path));
    return ok;
}

// Shows the widget and lets it settle.
void present(QWidget& widget)
{
    widget.show();
    for (int i = 0; i < 20; ++i) {
        QCoreApplication::processEvents();
        QThread::msleep(10);
    }
}

} // namespace

int main(int argc, char* argv[])
{
    const bool few = argc == 4 && std::strcmp(argv[3], "--few") == 0;
    if (argc < 2 || argc > 4 || (argc == 4 && !few)) {
        std::fprintf(stderr, "usage: quenby_panel_screenshots OUTPUT_FOLDER [SUFFIX [--few]]\n");
        return 2;
    }
    if (argc >= 3)
        suffix = QString::fromLocal8Bit(argv[2]);
    PrivateSettings settings;
    if (!settings.ok())
        return 1;
    initPanelResources();
    QApplication application(argc, argv);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/resources/images/ram_optimizer.ico")));
    quenby::panel::installTranslation();
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);

    storeSettings([](quenby::Settings& s) {
        s.TargetFreeRAM = 4096;
        s.MinimumFreeRAM = 1024;
        s.FreeonStartup = 1;
        s.Freeeverymin_Val2 = 4;
        s.Hotkey1 = 'F';
        s.Hotkey2 = 'E';
        s.PlaySound = 1;
        s.Music = u"/usr/share/sounds/alarm.wav";
        s.PauseWhileRunning = u"game.exe;obs64.exe";
    });
    // A morning's history: a game held the rules until it ended.
    using quenby::RecoveryRefusal;
    using quenby::RecoveryTrigger;
    std::deque<quenby::HistoryEntry> history = {
        {1765350000, RecoveryTrigger::startup, RecoveryRefusal::none, 5210, 6480, 1024, 14},
        {1765353600, RecoveryTrigger::lowMemory, RecoveryRefusal::busyProcessor, 980, 980, 0, 0},
        {1765353607, RecoveryTrigger::lowMemory, RecoveryRefusal::none, 940, 3620, 3072, 41},
        {1765357200, RecoveryTrigger::lowMemory, RecoveryRefusal::protectedProgram, 870, 870, 0, 0},
        {1765360800, RecoveryTrigger::menu, RecoveryRefusal::none, 2150, 2790, 2048, 22},
    };
    quenby::os::replaceUserFile(quenby::kHistoryFileName, quenby::historyFileText(history));

    MainWindow window(nullptr, kTotalRAM);
    window.setWindowTitle(QString::fromStdU16String(std::u16string(quenby::kPanelWindowTitle)));
    // Sample figures instead of this machine's: the measurements stop.
    for (auto* timer : window.findChildren<QTimer*>())
        timer->stop();
    present(window);
    QThread::msleep(1500); // the one measurement started at construction reports
    QCoreApplication::processEvents();
    for (int i = 30; i >= 0; --i) {
        const int free = 50 + static_cast<int>(std::lround(12 * std::sin(i / 3.0)));
        QMetaObject::invokeMethod(&window, "availRAMInfo", Q_ARG(int, 8123 - i), Q_ARG(int, free));
    }
    QMetaObject::invokeMethod(&window, "totalRAMInfo", Q_ARG(int, kTotalRAM));
    QMetaObject::invokeMethod(&window, "availRAMInfo", Q_ARG(int, 8123), Q_ARG(int, 49));
    QMetaObject::invokeMethod(&window, "cpuUsagesInfo", Q_ARG(int, 12));
    window.showEngineState(1);
    bool ok = save(window, folder, "main_window.png");

    auto* options = new OptionsDialog(&window);
    options->loadSettings();
    options->setCpuUsage(12);
    present(*options);
    auto* tabs = options->findChild<QTabWidget*>(QStringLiteral("tabWidget"));
    const char* pages[] = {"options_general.png", "options_tray_icon.png", "options_others.png",
                           "options_history.png"};
    for (int i = 0; i < (few ? 1 : tabs->count()); ++i) {
        tabs->setCurrentIndex(i);
        ok = save(*options, folder, pages[i]) && ok;
    }
    delete options;
    if (few)
        return ok ? 0 : 1;

    // The same page with options an administrator's policies set: locked, and
    // the reason in the tooltip (a tooltip is a window of its own, so the
    // picture is taken from the screen).
    storeMachinePolicy(u"TrayIconInfo", 0);
    storeMachinePolicy(u"NotifyRecovery", 1);
    quenby::panel::SettingsStore().readSettings(QStringLiteral("Software\\Quenby"),
                                                quenby::panel::settings(), kTotalRAM);
    auto* locked = new OptionsDialog(&window);
    locked->loadSettings();
    present(*locked);
    locked->findChild<QTabWidget*>(QStringLiteral("tabWidget"))->setCurrentIndex(1);
    auto* combo = locked->findChild<QWidget*>(QStringLiteral("displayInfoComboBox"));
    present(*locked);
    QToolTip::showText(combo->mapToGlobal(QPoint(combo->width() / 2, combo->height())),
                       combo->toolTip(), combo);
    for (int i = 0; i < 50; ++i) {
        QCoreApplication::processEvents();
        QThread::msleep(10);
    }
    const QRect area = locked->frameGeometry().adjusted(0, 0, 0, 40);
    const QString lockedPath = QDir(folder).filePath(QStringLiteral("options_policy%1.png").arg(suffix));
    const bool lockedOk = QGuiApplication::primaryScreen()
                              ->grabWindow(0, area.x(), area.y(), area.width(), area.height())
                              .save(lockedPath);
    std::printf("%s %s\n", lockedOk ? "wrote" : "could not write", qPrintable(lockedPath));
    ok = lockedOk && ok;
    delete locked;

    auto* about = new AboutDialog(&window);
    present(*about);
    ok = save(*about, folder, "about.png") && ok;
    delete about;
    return ok ? 0 : 1;
}
