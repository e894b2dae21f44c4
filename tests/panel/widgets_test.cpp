// The panel's widget tree as the forms and constructors build it: object names,
// classes, texts, limits, layouts and images; the label texts of readings; the
// About box; the embedded images; the small utilities.
#include <QtTest>

#include <QAbstractButton>
#include <QComboBox>
#include <QFrame>
#include <QImageReader>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QResource>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>

#include "common/settings.h"
#include "panel/aboutdialog.h"
#include "panel/getinfothread.h"
#include "panel/graphform.h"
#include "panel/mainwindow.h"
#include "panel/optionsdialog.h"
#include "panel/os/panel_os.h"
#include "panel/panel_state.h"
#include "panel/utilities.h"
#include "tests/panel/panel_test_support.h"

using namespace quenby::paneltest;

namespace {

template <typename T = QWidget>
T* child(QObject* parent, const char* name)
{
    return parent->findChild<T*>(QString::fromLatin1(name));
}

QString textOf(QObject* widget)
{
    return widget->property("text").toString();
}

// Method signatures of a class's own meta-object, in their order.
QStringList ownMethods(const QMetaObject& meta)
{
    QStringList result;
    for (int i = meta.methodOffset(); i < meta.methodCount(); ++i)
        result << QString::fromLatin1(meta.method(i).methodSignature());
    return result;
}

struct IconEntry {
    int size;
    int bitsPerPixel;
};

// The directory of a Windows icon file.
QList<IconEntry> iconDirectory(const QByteArray& data)
{
    QList<IconEntry> entries;
    if (data.size() < 6)
        return entries;
    const auto byte = [&](qsizetype i) { return static_cast<unsigned char>(data.at(i)); };
    const int count = byte(4) | byte(5) << 8;
    for (int i = 0; i < count && 6 + 16 * (i + 1) <= data.size(); ++i) {
        const qsizetype at = 6 + 16 * i;
        const int width = byte(at) == 0 ? 256 : byte(at);
        entries.append({width, byte(at + 6) | byte(at + 7) << 8});
    }
    return entries;
}

} // namespace

class WidgetsTest : public QObject {
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

    void init() { settings_->clearRegistry(); }

    void mainWindowWidgets_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("className");
        QTest::addColumn<QString>("text");
        const auto row = [](const char* name, const char* cls, const char* text) {
            QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(cls)
                                << QString::fromLatin1(text);
        };
        row("centralwidget", "QWidget", "");
        row("totalRAMLabel", "QLabel", "Total RAM: n/a");
        row("availRAMLabel", "QLabel", "Available RAM: n/a");
        row("cpuUsagesLabel", "QLabel", "CPU Usage: n/a");
        row("freeUpButton", "QPushButton", "Free-up RAM");
        row("targetHorizontalSlider", "QSlider", "");
        row("minHorizontalSlider", "QSlider", "");
        row("targetFreeLabel", "QLabel", "Target Free RAM:");
        row("minFreeLabel", "QLabel", "Minimum Free RAM:");
        row("AboutButton", "QToolButton", "About");
        row("OptionsButton", "QToolButton", "Options");
        row("line1", "QFrame", "");
        row("SaveButton", "QToolButton", "Save");
        row("EnableButton", "QToolButton", "Enable RAM Optimizer");
        row("DisableButton", "QToolButton", "Disable");
        row("CloseButton", "QToolButton", "Close");
        row("line2", "QFrame", "");
    }

    void mainWindowWidgets()
    {
        QFETCH(QString, name);
        QFETCH(QString, className);
        QFETCH(QString, text);
        MainWindow window(nullptr, kTotalRAM);
        auto* widget = window.findChild<QWidget*>(name);
        QVERIFY2(widget, qPrintable(name));
        QCOMPARE(QString::fromLatin1(widget->metaObject()->className()), className);
        QCOMPARE(textOf(widget), text);
    }

    void mainWindowForm()
    {
        MainWindow window(nullptr, kTotalRAM);
        QCOMPARE(window.objectName(), QStringLiteral("MainWindow"));
        QCOMPARE(window.windowTitle(), QStringLiteral("MainWindow"));
        QCOMPARE(window.size(), QSize(800, 600));

        // The value labels follow the sliders, which the default settings set
        // (T/4 and T/16), with a space before MB.
        QCOMPARE(textOf(child(&window, "targetFreeValLabel")), QStringLiteral("4096 MB"));
        QCOMPARE(textOf(child(&window, "minFreeValLabel")), QStringLiteral("1024 MB"));
        for (const char* name : {"availRAMLabel", "targetFreeValLabel", "minFreeValLabel"})
            QCOMPARE(child<QLabel>(&window, name)->alignment(), Qt::AlignRight | Qt::AlignVCenter);

        for (const char* name : {"line1", "line2"}) {
            auto* line = child<QFrame>(&window, name);
            QCOMPARE(line->frameShape(), QFrame::VLine);
            QCOMPARE(line->frameShadow(), QFrame::Sunken);
        }

        auto* freeUp = child(&window, "freeUpButton");
        QVERIFY(freeUp->isHidden());
        QCOMPARE(window.centralWidget()->layout()->indexOf(freeUp), -1);
    }

    void toolButtons_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("image");
        QTest::addColumn<bool>("checkable");
        QTest::newRow("About") << "AboutButton" << "About.png" << false;
        QTest::newRow("Options") << "OptionsButton" << "Options.png" << false;
        QTest::newRow("Save") << "SaveButton" << "Save.png" << false;
        QTest::newRow("Enable") << "EnableButton" << "Enable.png" << true;
        QTest::newRow("Disable") << "DisableButton" << "Disable.png" << true;
        QTest::newRow("Close") << "CloseButton" << "Close.png" << true;
    }

    void toolButtons()
    {
        QFETCH(QString, name);
        QFETCH(QString, image);
        QFETCH(bool, checkable);
        MainWindow window(nullptr, kTotalRAM);
        auto* button = window.findChild<QToolButton*>(name);
        QVERIFY(button);
        QCOMPARE(button->isCheckable(), checkable);
        QCOMPARE(button->iconSize(), QSize(32, 32));
        QCOMPARE(button->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
        QVERIFY(button->autoRaise());
        // The icon is the embedded image at its natural size.
        QVERIFY(!button->icon().isNull());
        QCOMPARE(button->icon().availableSizes(), QList<QSize>{QSize(40, 40)});
        const QImage expected(QStringLiteral(":/resources/images/") + image);
        QVERIFY(!expected.isNull());
        QCOMPARE(button->icon().pixmap(QSize(40, 40)).toImage().convertToFormat(
                     QImage::Format_ARGB32_Premultiplied),
                 expected.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    }

    void sliderRanges_data()
    {
        QTest::addColumn<int>("total");
        QTest::addColumn<int>("targetMaximum");
        QTest::addColumn<int>("minimumMaximum");
        QTest::newRow("16 GiB") << 16384 << 12288 << 8192;
        QTest::newRow("odd total truncates") << 1001 << 750 << 500;
    }

    void sliderRanges()
    {
        QFETCH(int, total);
        QFETCH(int, targetMaximum);
        QFETCH(int, minimumMaximum);
        MainWindow window(nullptr, total);
        auto* target = child<QSlider>(&window, "targetHorizontalSlider");
        auto* minimum = child<QSlider>(&window, "minHorizontalSlider");
        QCOMPARE(target->orientation(), Qt::Horizontal);
        QCOMPARE(minimum->orientation(), Qt::Horizontal);
        QCOMPARE(target->minimum(), 0);
        QCOMPARE(target->maximum(), targetMaximum);
        QCOMPARE(minimum->minimum(), 0);
        QCOMPARE(minimum->maximum(), minimumMaximum);
        // Qt's default steps: nothing else of the sliders is set.
        QCOMPARE(target->singleStep(), 1);
        QCOMPARE(target->pageStep(), 10);
    }

    void readingsLabels()
    {
        MainWindow window(nullptr, kTotalRAM);
        auto* graph = window.findChild<GraphForm*>();
        QVERIFY(graph);
        const qsizetype before = graph->history().size();

        QVERIFY(QMetaObject::invokeMethod(&window, "totalRAMInfo", Q_ARG(int, 16384)));
        QVERIFY(QMetaObject::invokeMethod(&window, "availRAMInfo", Q_ARG(int, 8123), Q_ARG(int, 37)));
        QVERIFY(QMetaObject::invokeMethod(&window, "cpuUsagesInfo", Q_ARG(int, 12)));

        QCOMPARE(textOf(child(&window, "totalRAMLabel")), QStringLiteral("Total RAM: 16384MB"));
        QCOMPARE(textOf(child(&window, "availRAMLabel")), QStringLiteral("Available RAM: 8123MB (37%)"));
        QCOMPARE(textOf(child(&window, "cpuUsagesLabel")), QStringLiteral("CPU Usages: 12%"));
        // The graph took the free percentage as a used fraction.
        QCOMPARE(graph->history().size(), before + 1);
        QCOMPARE(graph->history().front(), 0.63f);

        // Slider values show with a space before MB.
        child<QSlider>(&window, "targetHorizontalSlider")->setValue(5000);
        child<QSlider>(&window, "minHorizontalSlider")->setValue(700);
        QCOMPARE(textOf(child(&window, "targetFreeValLabel")), QStringLiteral("5000 MB"));
        QCOMPARE(textOf(child(&window, "minFreeValLabel")), QStringLiteral("700 MB"));
    }

    void mainWindowLayout()
    {
        MainWindow window(nullptr, kTotalRAM);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        auto* graph = window.findChild<GraphForm*>();
        QVERIFY(graph);
        QCOMPARE(graph->parentWidget(), window.centralWidget());
        QCOMPARE(graph->height(), 201);
        QVERIFY(graph->isVisible());

        // The tool row, left to right, on one line.
        QWidget* previous = nullptr;
        for (const char* name : {"SaveButton", "OptionsButton", "line1", "EnableButton",
                                 "DisableButton", "CloseButton", "line2", "AboutButton"}) {
            QWidget* widget = child(&window, name);
            QVERIFY2(widget->isVisible(), name);
            if (previous) {
                QVERIFY2(widget->x() > previous->x(), name);
                QVERIFY2(widget->geometry().center().y() == previous->geometry().center().y(), name);
            }
            previous = widget;
        }
        // Below the tools: the graph, then the figures, then the sliders.
        auto* total = child(&window, "totalRAMLabel");
        auto* cpu = child(&window, "cpuUsagesLabel");
        auto* avail = child(&window, "availRAMLabel");
        auto* target = child(&window, "targetHorizontalSlider");
        auto* minimum = child(&window, "minHorizontalSlider");
        QVERIFY(graph->y() > child(&window, "SaveButton")->geometry().bottom());
        QVERIFY(total->y() >= graph->geometry().bottom() + 30);
        QVERIFY(cpu->y() > total->y());
        QVERIFY(avail->x() > total->x());
        QCOMPARE(avail->y(), total->y());
        QVERIFY(target->y() > cpu->geometry().bottom());
        QVERIFY(minimum->y() > target->y());
        QVERIFY(child(&window, "targetFreeLabel")->x() < target->x());
        QVERIFY(child(&window, "targetFreeValLabel")->x() > target->geometry().right());
        QVERIFY(!child(&window, "freeUpButton")->isVisible());
    }

    void metaObjects()
    {
        // The slots in the order the window declares them.
        const QStringList windowSlots = ownMethods(MainWindow::staticMetaObject);
        QCOMPARE(windowSlots,
                 (QStringList{"update()", "on_freeUpButton_clicked()", "totalRAMInfo(int)",
                              "availRAMInfo(int,int)", "cpuUsagesInfo(int)", "optionsDialogClose()",
                              "on_targetHorizontalSlider_valueChanged(int)",
                              "on_minHorizontalSlider_valueChanged(int)", "on_AboutButton_clicked()",
                              "on_OptionsButton_clicked()", "on_SaveButton_clicked()",
                              "on_EnableButton_clicked()", "on_DisableButton_clicked()",
                              "on_CloseButton_clicked()"}));
        QCOMPARE(ownMethods(GetInfoThread::staticMetaObject),
                 (QStringList{"totalRAMInfoSignal(int)", "availRAMInfoSignal(int,int)",
                              "cpuUsagesInfoSignal(int)"}));
        QCOMPARE(ownMethods(OptionsDialog::staticMetaObject),
                 (QStringList{"optionsDialogCloseSignal()", "on_cancelPushButton_clicked()",
                              "on_savePushButton_clicked()", "on_playAlarmToolButton_clicked()"}));
        QCOMPARE(ownMethods(AboutDialog::staticMetaObject), QStringList{"on_closeButton_clicked()"});
        QCOMPARE(ownMethods(GraphForm::staticMetaObject), QStringList{});
    }

    void graphForm()
    {
        GraphForm graph;
        QCOMPARE(graph.objectName(), QStringLiteral("GraphForm"));
        QCOMPARE(graph.windowTitle(), QStringLiteral("Form"));
        QCOMPARE(graph.size(), QSize(592, 201));
        QCOMPARE(graph.minimumSize(), QSize(0, 201));
        QCOMPARE(graph.maximumSize(), QSize(16777215, 201));
        QVERIFY(graph.history().isEmpty());
    }

    void optionsDialogWidgets_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("className");
        QTest::addColumn<QString>("text");
        const auto row = [](const char* name, const char* cls, const QString& text = QString()) {
            QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(cls) << text;
        };
        row("tabWidget", "QTabWidget");
        row("generalTab", "QWidget");
        row("startupCheckBox", "QCheckBox", "Start Quenby automatically at Windows startup");
        row("recoverAtStartCheckBox", "QCheckBox", "Free-up RAM on startup after");
        row("recoverAtStartRAMSpinBox", "QSpinBox");
        row("recoverAtStartLabel1", "QLabel", "MB of RAM on startup after");
        row("recoverAtStartTimeSpinBox", "QSpinBox");
        row("recoverAtStartLabel2", "QLabel", "seconds");
        row("AutoFreeLabel1", "QLabel", "Free-up RAM every");
        row("AutoFreeRAMSpinBox", "QSpinBox");
        row("AutoFreeLabel2", "QLabel", "MB every");
        row("AutoFreeTimeSpinBox", "QSpinBox");
        row("AutoFreeLabel3", "QLabel", "minutes if free RAM below");
        row("AutoFreeRAMLoadSpinBox", "QSpinBox");
        row("AutoFreeLabel4", "QLabel", "%");
        row("line", "QFrame");
        row("cpuUsageLabel", "QLabel", "CPU usage:");
        row("cpuUsageProgressBar", "QProgressBar");
        row("CPUUsageCheckBox", "QCheckBox", "Disable CPU usage detection");
        row("cpuUsageDescLabel", "QLabel",
            "Enable the CPU usage detection to prevent Quenby recovering RAM when your CPU is "
            "busy. Please note that CPU cooling and few other programs use special method that "
            "cause the CPU usage always stay at 100% level. When you have this kind of situation, "
            "disable the CPU usage detection to allow Quenby recovering RAM at any CPU usage level.");
        row("trayIconTab", "QWidget");
        row("defaultIconLabel", "QLabel", "Default:");
        row("defaultIconImage", "QLabel");
        row("recoverIconLabel", "QLabel", "Recovering RAM:");
        row("recoverIconImage", "QLabel");
        row("line2", "QFrame");
        row("trayIconColorLabel", "QLabel", "Tray icon text color");
        row("trayIconColorComboBox", "QComboBox");
        row("displayInfoLabel1", "QLabel", "Display");
        row("displayInfoComboBox", "QComboBox");
        row("displayInfoLabel2", "QLabel", "in tray icon");
        row("popupMenuTab", "QWidget");
        row("popupMenuImage", "QLabel", "TextLabel");
        row("recoverMenu1Label1", "QLabel", "Recover");
        row("recoverMenu2Label1", "QLabel", "Recover");
        row("recoverMenu3Label1", "QLabel", "Recover");
        row("recoverMenu1SpinBox", "QSpinBox");
        row("recoverMenu2SpinBox", "QSpinBox");
        row("recoverMenu3SpinBox", "QSpinBox");
        row("recoverMenu1Label2", "QLabel", "MB menu");
        row("recoverMenu2Label2", "QLabel", "MB menu");
        row("recoverMenu3Label2", "QLabel", "MB menu");
        row("othersTab", "QWidget");
        row("clearClipboardCheckBox", "QCheckBox", "Also clear Windows Clipboard when freeing up RAM");
        row("playAlarmCheckBox", "QCheckBox", "Play alarm sound before freeing up RAM");
        row("playAlarmLineEdit", "QLineEdit");
        row("playAlarmToolButton", "QToolButton", "...");
        row("line3", "QFrame");
        row("freeUpKeyLabel", "QLabel", "Free up RAM hot key : Cltr + Alt +");
        row("freeUpKeyLineEdit", "QLineEdit", "A");
        row("disableKeyLabel", "QLabel", "Disable/enable Quenby hotkey : Cltr + Alt +");
        row("disableKeyLineEdit", "QLineEdit", "A");
        row("buttonWidget", "QWidget");
        row("savePushButton", "QPushButton", "Save");
        row("cancelPushButton", "QPushButton", "Cancel");
    }

    void optionsDialogWidgets()
    {
        QFETCH(QString, name);
        QFETCH(QString, className);
        QFETCH(QString, text);
        OptionsDialog dialog;
        auto* widget = dialog.findChild<QWidget*>(name);
        QVERIFY2(widget, qPrintable(name));
        QCOMPARE(QString::fromLatin1(widget->metaObject()->className()), className);
        if (!text.isNull()) // spin boxes and the bar show their values instead
            QCOMPARE(textOf(widget), text);
    }

    void optionsDialogForm()
    {
        OptionsDialog dialog;
        QCOMPARE(dialog.objectName(), QStringLiteral("OptionsDialog"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Options"));
        QCOMPARE(dialog.size(), QSize(767, 529));

        // Spin box limits and the values the form gives them before loading.
        const struct {
            const char* name;
            int maximum;
            int initial;
        } spins[] = {{"recoverAtStartRAMSpinBox", 999, 999}, {"recoverAtStartTimeSpinBox", 60, 60},
                     {"AutoFreeRAMSpinBox", 999, 999},       {"AutoFreeTimeSpinBox", 60, 60},
                     {"AutoFreeRAMLoadSpinBox", 100, 60},    {"recoverMenu1SpinBox", 999, 999},
                     {"recoverMenu2SpinBox", 999, 999},      {"recoverMenu3SpinBox", 999, 999}};
        for (const auto& spin : spins) {
            auto* box = child<QSpinBox>(&dialog, spin.name);
            QCOMPARE(box->minimum(), 0);
            QVERIFY2(box->maximum() == spin.maximum, spin.name);
            QVERIFY2(box->value() == spin.initial, spin.name);
        }
        auto* bar = child<QProgressBar>(&dialog, "cpuUsageProgressBar");
        QCOMPARE(bar->minimum(), 0);
        QCOMPARE(bar->maximum(), 100);
        QCOMPARE(bar->value(), 24);

        auto* description = child<QLabel>(&dialog, "cpuUsageDescLabel");
        QVERIFY(description->wordWrap());
        QCOMPARE(description->alignment() & (Qt::AlignLeft | Qt::AlignTop), Qt::AlignLeft | Qt::AlignTop);

        for (const char* name : {"freeUpKeyLineEdit", "disableKeyLineEdit"}) {
            auto* edit = child<QLineEdit>(&dialog, name);
            QCOMPARE(edit->maxLength(), 1);
            QCOMPARE(edit->alignment(), Qt::AlignCenter);
            QCOMPARE(edit->minimumWidth(), 31);
            QCOMPARE(edit->maximumWidth(), 31);
        }
        QCOMPARE(child(&dialog, "freeUpKeyLabel")->minimumWidth(), 191);
        QCOMPARE(child(&dialog, "freeUpKeyLabel")->maximumWidth(), 191);
        QCOMPARE(child(&dialog, "disableKeyLabel")->minimumWidth(), 241);
        QCOMPARE(child(&dialog, "disableKeyLabel")->maximumWidth(), 241);
        for (const char* name : {"line", "line2", "line3"}) {
            QCOMPARE(child<QFrame>(&dialog, name)->frameShape(), QFrame::HLine);
            QCOMPARE(child<QFrame>(&dialog, name)->frameShadow(), QFrame::Sunken);
        }

        const QPixmap defaultIcon = child<QLabel>(&dialog, "defaultIconImage")->pixmap();
        const QPixmap recoverIcon = child<QLabel>(&dialog, "recoverIconImage")->pixmap();
        QCOMPARE(defaultIcon.size(), QSize(26, 46));
        QCOMPARE(recoverIcon.size(), QSize(26, 46));
        QVERIFY(defaultIcon.toImage() != recoverIcon.toImage());

        // The lists are filled by loadSettings, not by the form.
        QCOMPARE(child<QComboBox>(&dialog, "trayIconColorComboBox")->count(), 0);
        QCOMPARE(child<QComboBox>(&dialog, "displayInfoComboBox")->count(), 0);
    }

    void optionsDialogPages()
    {
        OptionsDialog dialog;
        auto* tabs = child<QTabWidget>(&dialog, "tabWidget");
        QCOMPARE(tabs->count(), 3);
        QCOMPARE(tabs->tabText(0), QStringLiteral("General"));
        QCOMPARE(tabs->tabText(1), QStringLiteral("Tray Icon"));
        QCOMPARE(tabs->tabText(2), QStringLiteral("Others"));
        QCOMPARE(tabs->currentIndex(), 0);
        QCOMPARE(tabs->currentWidget(), child(&dialog, "generalTab"));
        // "Popup Menu" is out of the tab bar, yet alive inside the dialog.
        auto* popup = child(&dialog, "popupMenuTab");
        QVERIFY(popup);
        QCOMPARE(tabs->indexOf(popup), -1);
        QVERIFY(child<QSpinBox>(popup, "recoverMenu1SpinBox"));

        for (const char* name : {"recoverAtStartRAMSpinBox", "recoverAtStartLabel1",
                                 "AutoFreeRAMSpinBox", "AutoFreeLabel2"})
            QVERIFY2(child(&dialog, name)->isHidden(), name);
        for (const char* name : {"recoverAtStartTimeSpinBox", "recoverAtStartLabel2",
                                 "AutoFreeTimeSpinBox", "AutoFreeRAMLoadSpinBox", "AutoFreeLabel3"})
            QVERIFY2(!child(&dialog, name)->isHidden(), name);

        // The buttons live in the dialog's layout now; their design-time holder
        // stays behind, empty and outside every layout.
        auto* holder = child(&dialog, "buttonWidget");
        QVERIFY(holder->findChildren<QPushButton*>().isEmpty());
        QCOMPARE(child(&dialog, "savePushButton")->parentWidget(), &dialog);
        QCOMPARE(dialog.layout()->indexOf(holder), -1);

        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* save = child(&dialog, "savePushButton");
        auto* cancel = child(&dialog, "cancelPushButton");
        QVERIFY(save->isVisible() && cancel->isVisible());
        QVERIFY(cancel->x() > save->x());
        QVERIFY(save->y() > tabs->geometry().bottom());
        // On the first page the hidden spin boxes leave their rows short.
        QVERIFY(!child(&dialog, "recoverAtStartRAMSpinBox")->isVisible());
        QVERIFY(child(&dialog, "recoverAtStartTimeSpinBox")->isVisible());
    }

    void optionsDialogLists()
    {
        settings_->clearRegistry();
        quenby::panel::SettingsStore().readSettings(QStringLiteral("Software\\Quenby"),
                                                    quenby::panel::settings(), kTotalRAM);
        OptionsDialog dialog;
        dialog.loadSettings();
        auto* colours = child<QComboBox>(&dialog, "trayIconColorComboBox");
        QCOMPARE(colours->count(), 3);
        const char* colourNames[] = {"Black", "White", "Auto"};
        const char* colourImages[] = {"ColorBlack.png", "ColorWhite.png", "ColorBlackWhite.png"};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(colours->itemText(i), QString::fromLatin1(colourNames[i]));
            const QIcon icon = colours->itemIcon(i);
            QVERIFY(!icon.isNull());
            QCOMPARE(icon.pixmap(QSize(16, 16)).toImage().convertToFormat(QImage::Format_RGB32),
                     QImage(QStringLiteral(":/resources/images/") + QLatin1String(colourImages[i]))
                         .convertToFormat(QImage::Format_RGB32));
        }
        auto* info = child<QComboBox>(&dialog, "displayInfoComboBox");
        QCOMPARE(info->count(), 2);
        QCOMPARE(info->itemText(0), QStringLiteral("Percentage of CPU Usage"));
        QCOMPARE(info->itemText(1), QStringLiteral("Percentage of Free RAM"));
        QVERIFY(info->itemIcon(0).isNull() && info->itemIcon(1).isNull());
        // Defaults: black text, free RAM shown.
        QCOMPARE(colours->currentIndex(), 0);
        QCOMPARE(info->currentIndex(), 1);
    }

    void aboutDialog()
    {
        AboutDialog about;
        QCOMPARE(about.objectName(), QStringLiteral("AboutDialog"));
        QCOMPARE(about.windowTitle(), QStringLiteral("About"));
        QCOMPARE(about.size(), QSize(514, 343));

        const struct {
            const char* name;
            const char* cls;
            QRect geometry;
        } widgets[] = {
            {"versionLabel", "QLabel", QRect(150, 110, 121, 16)},
            {"label_3", "QLabel", QRect(150, 220, 331, 16)},
            {"label_4", "QLabel", QRect(20, 20, 120, 120)},
            {"closeButton", "QPushButton", QRect(420, 300, 75, 24)},
            {"line", "QFrame", QRect(150, 200, 341, 20)},
            {"licenseLabel_2", "QLabel", QRect(150, 150, 61, 16)},
            {"webLabel", "QLabel", QRect(200, 150, 111, 16)},
            {"label_5", "QLabel", QRect(150, 60, 221, 21)},
        };
        for (const auto& expected : widgets) {
            auto* widget = child(&about, expected.name);
            QVERIFY2(widget, expected.name);
            QVERIFY2(QLatin1String(widget->metaObject()->className()) == QLatin1String(expected.cls),
                     expected.name);
            QVERIFY2(widget->geometry() == expected.geometry, expected.name);
        }

        auto* title = child<QLabel>(&about, "label");
        QCOMPARE(title->text(), QStringLiteral("Quenby"));
        QCOMPARE(title->pos(), QPoint(150, 20));
        QCOMPARE(title->size(), title->sizeHint()); // sized to its text
        QCOMPARE(title->font().pointSize(), 18);
        QCOMPARE(title->font().weight(), QFont::Bold);

        auto* generation = child<QLabel>(&about, "label_5");
        QCOMPARE(generation->font().pointSize(), 16);
        QCOMPARE(generation->font().weight(), QFont::Normal);
        QCOMPARE(generation->text(),
                 quenby::panel::windowsGenerationText(quenby::panel::os::windowsBuildNumber()));
        QCOMPARE(generation->text(), quenby::panel::isWindows11() ? QStringLiteral("for Windows 11")
                                                                  : QStringLiteral("for Windows 10"));

        QCOMPARE(textOf(child(&about, "versionLabel")), QStringLiteral("Version: 1.0.0 (Beta)"));
        QCOMPARE(textOf(child(&about, "closeButton")), QStringLiteral("Close"));
        QCOMPARE(textOf(child(&about, "licenseLabel_2")), QStringLiteral("Website:"));
        const QString notice = textOf(child(&about, "label_3"));
        QVERIFY(notice.contains(QStringLiteral("Quenby")));
        QVERIFY(notice.contains(QStringLiteral("rights reserved")));

        auto* logo = child<QLabel>(&about, "label_4");
        QCOMPARE(logo->text(), QString());
        QCOMPARE(logo->pixmap().size(), QSize(120, 120));

        auto* line = child<QFrame>(&about, "line");
        QCOMPARE(line->frameShape(), QFrame::HLine);
        QCOMPARE(line->frameShadow(), QFrame::Sunken);

        auto* web = child<QLabel>(&about, "webLabel");
        QVERIFY(web->font().underline());
        QCOMPARE(web->textFormat(), Qt::RichText);
        QCOMPARE(int(web->textInteractionFlags()), 13);
        QVERIFY(web->openExternalLinks());
        QCOMPARE(web->text(), QStringLiteral("<a href=\"https://quenby.example/\">quenby.example</a>"));
    }

    void aboutDialogCloses()
    {
        QWidget owner;
        QPointer<AboutDialog> about = new AboutDialog(&owner);
        about->show();
        QTest::mouseClick(child<QPushButton>(about, "closeButton"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(about.isNull(), 10000);
    }

    void windowsGeneration()
    {
        QVERIFY(!quenby::panel::isWindows11Build(0));
        QVERIFY(!quenby::panel::isWindows11Build(21999));
        QVERIFY(quenby::panel::isWindows11Build(22000));
        QVERIFY(quenby::panel::isWindows11Build(22631));
        QCOMPARE(quenby::panel::windowsGenerationText(21999), QStringLiteral("for Windows 10"));
        QCOMPARE(quenby::panel::windowsGenerationText(22000), QStringLiteral("for Windows 11"));
#ifndef Q_OS_WIN
        // Off Windows there is no version to read and no Windows folder.
        QCOMPARE(quenby::panel::os::windowsBuildNumber(), 0u);
        QVERIFY(!quenby::panel::isWindows11());
        QCOMPARE(quenby::panel::windowsDirectory(), QString());
        const QString sounds = QStringLiteral("/usr/share/sounds");
        QCOMPARE(quenby::panel::windowsMediaDirectory(),
                 QFileInfo(sounds).isDir() ? sounds : QString());
#endif
    }

    void installPathAndEnginePath()
    {
        // No key at all: empty, one "error", and the engine beside this program.
        {
            LogCapture log;
            QCOMPARE(quenby::panel::installPath(), QString());
            QVERIFY(log.contains(QStringLiteral("error")));
        }
        // A key without the value: the same.
        storeNumber(u"TargetFreeRAM", 100);
        {
            LogCapture log;
            QString out = QStringLiteral("stale");
            QVERIFY(!quenby::panel::readRegistryString(QStringLiteral("Software\\Quenby"),
                                                       QStringLiteral("Path"), out));
            QCOMPARE(out, QString());
            QVERIFY(log.contains(QStringLiteral("error")));
        }
        // Every character of the stored folder is kept, and nothing is added.
        const QString folder = QStringLiteral("/opt/Quenby ünd Co");
        storeText(u"Path", folder);
        QString out;
        QVERIFY(quenby::panel::readRegistryString(QStringLiteral("Software\\Quenby"),
                                                  QStringLiteral("Path"), out));
        QCOMPARE(out, folder);
        QCOMPARE(quenby::panel::installPath(), folder);

        LogCapture log;
        quenby::panel::SettingsStore().readSettings(QStringLiteral("Software\\Quenby"),
                                                    quenby::panel::settings(), kTotalRAM);
        const QString enginePath = QString::fromStdU16String(quenby::panel::settings().enginePath);
#ifdef Q_OS_WIN
        QCOMPARE(enginePath, folder + QStringLiteral("\\Quenbytray.exe"));
#else
        QCOMPARE(enginePath, folder + QStringLiteral("/Quenbytray"));
#endif
        QVERIFY(!enginePath.contains(QChar(0)));
        // The diagnostic lines of a load.
        QCOMPARE(log.lines(), (QStringList{QStringLiteral("StartupCmd: ") + enginePath,
                                           QStringLiteral("TotalRAM: 16384"),
                                           QStringLiteral("TargetFreeRAM: 4096"),
                                           QStringLiteral("MinimumFreeRAM: 1024")}));
    }

    void embeddedImages_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("alpha");
        QTest::addColumn<bool>("palette");
        QTest::newRow("About") << "About.png" << QSize(40, 40) << true << false;
        QTest::newRow("Options") << "Options.png" << QSize(40, 40) << true << false;
        QTest::newRow("Save") << "Save.png" << QSize(40, 40) << true << true;
        QTest::newRow("Enable") << "Enable.png" << QSize(40, 40) << true << false;
        QTest::newRow("Disable") << "Disable.png" << QSize(40, 40) << true << false;
        QTest::newRow("Close") << "Close.png" << QSize(40, 40) << true << false;
        QTest::newRow("AboutLogo") << "AboutLogo.png" << QSize(120, 120) << true << false;
        QTest::newRow("TrayIcon1") << "TrayIcon1.png" << QSize(26, 46) << false << false;
        QTest::newRow("TrayIcon2") << "TrayIcon2.png" << QSize(26, 46) << false << false;
        QTest::newRow("ColorBlack") << "ColorBlack.png" << QSize(16, 16) << false << false;
        QTest::newRow("ColorWhite") << "ColorWhite.png" << QSize(16, 16) << false << false;
        QTest::newRow("ColorBlackWhite") << "ColorBlackWhite.png" << QSize(16, 16) << false << false;
    }

    void embeddedImages()
    {
        QFETCH(QString, file);
        QFETCH(QSize, size);
        QFETCH(bool, alpha);
        QFETCH(bool, palette);
        const QString path = QStringLiteral(":/resources/images/") + file;
        QResource resource(path);
        QVERIFY(resource.isValid());
        // PNG data is stored as it is; only the icon is compressed.
        QCOMPARE(resource.compressionAlgorithm(), QResource::NoCompression);
        const QImage image(path);
        QVERIFY(!image.isNull());
        QCOMPARE(image.size(), size);
        QCOMPARE(image.hasAlphaChannel(), alpha);
        QCOMPARE(image.format() == QImage::Format_Indexed8, palette);
        if (alpha) {
            // Transparent corners around an opaque drawing.
            QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
            QCOMPARE(qAlpha(image.pixel(size.width() - 1, size.height() - 1)), 0);
            int opaque = 0;
            for (int y = 0; y < size.height(); ++y) {
                for (int x = 0; x < size.width(); ++x)
                    opaque += qAlpha(image.pixel(x, y)) == 255 ? 1 : 0;
            }
            QVERIFY(opaque > size.width() * size.height() / 4);
        }
    }

    void applicationIcon()
    {
        const QString path = QStringLiteral(":/resources/images/ram_optimizer.ico");
        QResource resource(path);
        QVERIFY(resource.isValid());
        QCOMPARE(resource.compressionAlgorithm(), QResource::ZlibCompression);

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<IconEntry> entries = iconDirectory(file.readAll());
        QCOMPARE(entries.size(), 7);
        const IconEntry expected[] = {{48, 8}, {32, 8}, {16, 8}, {256, 32}, {48, 32}, {32, 32}, {16, 32}};
        for (int i = 0; i < 7; ++i) {
            QCOMPARE(entries[i].size, expected[i].size);
            QCOMPARE(entries[i].bitsPerPixel, expected[i].bitsPerPixel);
        }

        QImageReader reader(path);
        QCOMPARE(reader.imageCount(), 7);
        for (int i = 0; i < 7; ++i) {
            QVERIFY(reader.jumpToImage(i));
            const QImage image = reader.read();
            QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
            QCOMPARE(image.width(), expected[i].size);
            QCOMPARE(image.height(), expected[i].size);
        }
        const QIcon icon(path);
        for (int size : {16, 32, 48, 256})
            QVERIFY(icon.availableSizes().contains(QSize(size, size)));
    }
};

QTEST_MAIN(WidgetsTest)
#include "widgets_test.moc"
