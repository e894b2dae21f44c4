// The panel's widget tree as the forms and constructors build it: object names,
// classes, texts, limits, layouts and images; the label texts of readings; the
// About box; the embedded images; the small utilities.
#include <algorithm>
#include <QtTest>

#include <QAbstractButton>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
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
#include "common/settings_schema.h"
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

QString textOf(QObject* widget)
{
    return widget->property("text").toString();
}

// A layout tree as text: V and H for box layouts, G and its spacing for grids
// (each cell with its row and column), widgets by object name, fixed spacings
// as their size; an alignment follows an '@', a stretch a '*'.
QString describe(QLayoutItem* item)
{
    QStringList flags;
    const std::pair<Qt::AlignmentFlag, const char*> names[] = {
        {Qt::AlignLeft, "left"}, {Qt::AlignRight, "right"},   {Qt::AlignHCenter, "hcenter"},
        {Qt::AlignTop, "top"},   {Qt::AlignBottom, "bottom"}, {Qt::AlignVCenter, "vcenter"}};
    for (const auto& [flag, name] : names) {
        if (item->alignment() & flag)
            flags << QString::fromLatin1(name);
    }
    const QString alignment = flags.isEmpty() ? QString() : QLatin1Char('@') + flags.join(QLatin1Char('|'));
    if (QWidget* widget = item->widget())
        return widget->objectName() + alignment;
    if (QSpacerItem* spacer = item->spacerItem())
        return QString::number(spacer->sizeHint().width() + spacer->sizeHint().height());
    QLayout* layout = item->layout();
    QStringList parts;
    QString kind;
    if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
        kind = QStringLiteral("G%1").arg(grid->spacing());
        for (int i = 0; i < grid->count(); ++i) {
            int row = 0, column = 0, rows = 0, columns = 0;
            grid->getItemPosition(i, &row, &column, &rows, &columns);
            parts << QStringLiteral("%1[%2,%3%4]")
                         .arg(describe(grid->itemAt(i)))
                         .arg(row)
                         .arg(column)
                         .arg(rows * columns == 1 ? QString() : QStringLiteral(" span"));
        }
    } else {
        auto* box = qobject_cast<QBoxLayout*>(layout);
        kind = box->direction() == QBoxLayout::LeftToRight ? QStringLiteral("H") : QStringLiteral("V");
        for (int i = 0; i < box->count(); ++i)
            parts << describe(box->itemAt(i)) +
                         (box->stretch(i) ? QStringLiteral("*%1").arg(box->stretch(i)) : QString());
    }
    return kind + alignment + QLatin1Char('(') + parts.join(QLatin1Char(',')) + QLatin1Char(')');
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

class WidgetsTest : public PanelSuite {
    Q_OBJECT

private slots:

    void forms()
    {
        // Name and title of each form; the frames' lines and shadows.
        MainWindow window(nullptr, kTotalRAM);
        OptionsDialog options;
        AboutDialog about;
        GraphForm graph;
        const std::tuple<QWidget*, const char*, const char*> forms[] = {{&window, "MainWindow", "MainWindow"},
                                                                       {&options, "OptionsDialog", "Options"},
                                                                       {&about, "AboutDialog", "About"},
                                                                       {&graph, "GraphForm", "Form"}};
        for (const auto& [form, name, title] : forms)
            QVERIFY2(form->objectName() == QLatin1String(name) && form->windowTitle() == QLatin1String(title), name);
        const std::tuple<QWidget*, const char*, QFrame::Shape> lines[] = {
            {&window, "line1", QFrame::VLine}, {&window, "line2", QFrame::VLine}, {&options, "line", QFrame::HLine},
            {&options, "line2", QFrame::HLine}, {&options, "line3", QFrame::HLine}, {&about, "line", QFrame::HLine}};
        for (const auto& [form, name, shape] : lines) {
            auto* line = named<QFrame>(form, name);
            QVERIFY2(line->frameShape() == shape && line->frameShadow() == QFrame::Sunken, name);
        }
        // The graph's height is fixed.
        QCOMPARE(graph.minimumSize(), QSize(0, 201));
        QCOMPARE(graph.maximumSize(), QSize(16777215, 201));
        QVERIFY2(graph.accessibleDescription().isEmpty(), "a reading before any came");
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
        // The settings table holds the same ranges. Qt's default steps: nothing
        // else of the sliders is set.
        const std::tuple<const char*, std::u16string_view, int> sliders[] = {
            {"targetHorizontalSlider", u"TargetFreeRAM", targetMaximum},
            {"minHorizontalSlider", u"MinimumFreeRAM", minimumMaximum}};
        for (const auto& [name, setting, maximum] : sliders) {
            auto* slider = named<QSlider>(&window, name);
            QVERIFY2(slider->orientation() == Qt::Horizontal, name);
            QVERIFY2(slider->minimum() == 0 && slider->maximum() == maximum, name);
            QVERIFY2(quenby::findSettingField(setting)->uiMaximum.of(static_cast<std::uint32_t>(total)) ==
                         static_cast<std::uint32_t>(maximum), name);
            QVERIFY2(slider->singleStep() == 1 && slider->pageStep() == 10, name);
        }
    }

    void readingsLabels()
    {
        MainWindow window(nullptr, kTotalRAM);
        // The value labels follow the sliders, which the default settings set
        // (T/4 and T/16), with a space before MB.
        QCOMPARE(textOf(named(&window, "targetFreeValLabel")), QStringLiteral("4096 MB"));
        QCOMPARE(textOf(named(&window, "minFreeValLabel")), QStringLiteral("1024 MB"));
        for (const char* name : {"availRAMLabel", "targetFreeValLabel", "minFreeValLabel"})
            QCOMPARE(named<QLabel>(&window, name)->alignment(), Qt::AlignRight | Qt::AlignVCenter);
        auto* graph = window.findChild<GraphForm*>();
        QVERIFY(graph);

        QVERIFY(QMetaObject::invokeMethod(&window, "totalRAMInfo", Q_ARG(int, 16384)));
        QVERIFY(QMetaObject::invokeMethod(&window, "availRAMInfo", Q_ARG(int, 8123), Q_ARG(int, 37)));
        QVERIFY(QMetaObject::invokeMethod(&window, "cpuUsagesInfo", Q_ARG(int, 12)));

        QCOMPARE(textOf(named(&window, "totalRAMLabel")), QStringLiteral("Total RAM: 16384MB"));
        QCOMPARE(textOf(named(&window, "availRAMLabel")), QStringLiteral("Available RAM: 8123MB (37%)"));
        QCOMPARE(textOf(named(&window, "cpuUsagesLabel")), QStringLiteral("CPU Usages: 12%"));
        // The graph took the free percentage, and says so to a screen reader.
        QCOMPARE(graph->accessibleDescription(), QStringLiteral("37% of RAM free"));
    }

    void mainWindowLayout()
    {
        MainWindow window(nullptr, kTotalRAM);
        QCOMPARE(describe(window.centralWidget()->layout()),
                 QStringLiteral("V@top("
                                "H@left(SaveButton,OptionsButton,line1,EnableButton,DisableButton,"
                                "CloseButton,line2,AboutButton),"
                                "GraphForm,30,"
                                "H(15,V@left(totalRAMLabel,cpuUsagesLabel),V@right|top(availRAMLabel),15),"
                                "H(15,G10(targetFreeLabel[0,0],targetHorizontalSlider[0,1],"
                                "targetFreeValLabel[0,2],minFreeLabel[1,0],minHorizontalSlider[1,1],"
                                "minFreeValLabel[1,2]),15))"));

        // Shown, the layout places everything; the graph's height is fixed.
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* graph = window.findChild<GraphForm*>();
        QCOMPARE(graph->parentWidget(), window.centralWidget());
        QCOMPARE(graph->height(), 201);
        QVERIFY(graph->isVisible() && named(&window, "minFreeValLabel")->isVisible());
        QVERIFY(!named(&window, "freeUpButton")->isVisible());
    }

    void formWidgets_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("className");
        QTest::addColumn<QString>("text"); // null: the widget shows a value, not a text
        QString form;
        const auto row = [&form](const QByteArray& name, const char* cls, const char* text = nullptr) {
            QTest::newRow(qPrintable(form + QLatin1Char('/') + QString::fromLatin1(name)))
                << form << QString::fromLatin1(name) << QString::fromLatin1(cls)
                << (text ? QString::fromLatin1(text) : QString());
        };
        // The widgets that show a value, not a text, by form and class.
        const char* const untexted[][3] = {
            {"main", "QWidget", "centralwidget"},
            {"main", "QSlider", "targetHorizontalSlider minHorizontalSlider"},
            {"main", "QFrame", "line1 line2"},
            {"options", "QTabWidget", "tabWidget"},
            {"options", "QWidget", "generalTab trayIconTab popupMenuTab othersTab buttonWidget"},
            {"options", "QSpinBox", "recoverAtStartRAMSpinBox recoverAtStartTimeSpinBox AutoFreeRAMSpinBox "
                                    "AutoFreeTimeSpinBox AutoFreeRAMLoadSpinBox recoverMenu1SpinBox "
                                    "recoverMenu2SpinBox recoverMenu3SpinBox"},
            {"options", "QFrame", "line line2 line3"},
            {"options", "QProgressBar", "cpuUsageProgressBar"},
            {"options", "QLabel", "defaultIconImage recoverIconImage"},
            {"options", "QComboBox", "trayIconColorComboBox displayInfoComboBox"},
            {"options", "QLineEdit", "playAlarmLineEdit"},
            {"about", "QLabel", "label_3 label_5"},
            {"about", "QFrame", "line"},
        };
        for (const auto& [inForm, cls, names] : untexted) {
            form = QString::fromLatin1(inForm);
            for (const QString& name : QString::fromLatin1(names).split(QLatin1Char(' ')))
                row(name.toLatin1(), cls);
        }
        form = QStringLiteral("main");
        row("totalRAMLabel", "QLabel", "Total RAM: n/a");
        row("availRAMLabel", "QLabel", "Available RAM: n/a");
        row("cpuUsagesLabel", "QLabel", "CPU Usage: n/a");
        row("freeUpButton", "QPushButton", "Free-up RAM");
        row("targetFreeLabel", "QLabel", "Target Free RAM:");
        row("minFreeLabel", "QLabel", "Minimum Free RAM:");
        row("AboutButton", "QToolButton", "About");
        row("OptionsButton", "QToolButton", "Options");
        row("SaveButton", "QToolButton", "Save");
        row("EnableButton", "QToolButton", "Enable RAM Optimizer");
        row("DisableButton", "QToolButton", "Disable");
        row("CloseButton", "QToolButton", "Close");
        form = QStringLiteral("options");
        row("startupCheckBox", "QCheckBox", "Start Quenby automatically at Windows startup");
        row("recoverAtStartCheckBox", "QCheckBox", "Free-up RAM on startup after");
        row("recoverAtStartLabel1", "QLabel", "MB of RAM on startup after");
        row("recoverAtStartLabel2", "QLabel", "seconds");
        row("AutoFreeLabel1", "QLabel", "Free-up RAM every");
        row("AutoFreeLabel2", "QLabel", "MB every");
        row("AutoFreeLabel3", "QLabel", "minutes if free RAM below");
        row("AutoFreeLabel4", "QLabel", "%");
        row("cpuUsageLabel", "QLabel", "CPU usage:");
        row("recoveryBackoffCheckBox", "QCheckBox", "Pause automatic recovery while it cannot help");
        row("pauseWhileFullScreenCheckBox", "QCheckBox", "Pause automatic recovery while a full-screen program runs");
        row("CPUUsageCheckBox", "QCheckBox", "Disable CPU usage detection");
        row("cpuUsageDescLabel", "QLabel",
            "Enable the CPU usage detection to prevent Quenby recovering RAM when your CPU is "
            "busy. Please note that CPU cooling and few other programs use special method that "
            "cause the CPU usage always stay at 100% level. When you have this kind of situation, "
            "disable the CPU usage detection to allow Quenby recovering RAM at any CPU usage level.");
        row("defaultIconLabel", "QLabel", "Default:");
        row("recoverIconLabel", "QLabel", "Recovering RAM:");
        row("trayIconColorLabel", "QLabel", "Tray icon text color");
        row("displayInfoLabel1", "QLabel", "Display");
        row("displayInfoLabel2", "QLabel", "in tray icon");
        row("notifyRecoveryCheckBox", "QCheckBox", "Show how much RAM was recovered");
        row("popupMenuImage", "QLabel", "TextLabel");
        for (const QByteArray item : {"recoverMenu1", "recoverMenu2", "recoverMenu3"}) {
            row(item + "Label1", "QLabel", "Recover");
            row(item + "Label2", "QLabel", "MB menu");
        }
        row("clearClipboardCheckBox", "QCheckBox", "Also clear Windows Clipboard when freeing up RAM");
        row("playAlarmCheckBox", "QCheckBox", "Play alarm sound before freeing up RAM");
        row("playAlarmToolButton", "QToolButton", "...");
        row("freeUpKeyLabel", "QLabel", "Free up RAM hot key: Ctrl + Alt +");
        row("freeUpKeyLineEdit", "QLineEdit", "A");
        row("disableKeyLabel", "QLabel", "Disable/enable Quenby hot key: Ctrl + Alt +");
        row("disableKeyLineEdit", "QLineEdit", "A");
        row("savePushButton", "QPushButton", "Save");
        row("cancelPushButton", "QPushButton", "Cancel");
        form = QStringLiteral("about");
        row("label", "QLabel", "Quenby");
        row("versionLabel", "QLabel", "Version: 1.0.0 (Beta)");
        row("label_4", "QLabel", "");
        row("closeButton", "QPushButton", "Close");
        row("licenseLabel_2", "QLabel", "Website:");
        row("webLabel", "QLabel", "<a href=\"https://quenby.example/\">quenby.example</a>");
    }

    void formWidgets()
    {
        QFETCH(QString, form);
        QFETCH(QString, name);
        QFETCH(QString, className);
        QFETCH(QString, text);
        std::unique_ptr<QWidget> owner;
        if (form == QLatin1String("main"))
            owner = std::make_unique<MainWindow>(nullptr, kTotalRAM);
        else if (form == QLatin1String("options"))
            owner = std::make_unique<OptionsDialog>();
        else
            owner = std::make_unique<AboutDialog>();
        auto* widget = owner->findChild<QWidget*>(name);
        QVERIFY2(widget, qPrintable(name));
        QCOMPARE(QString::fromLatin1(widget->metaObject()->className()), className);
        if (!text.isNull())
            QCOMPARE(textOf(widget), text);
    }

    void optionsDialogForm()
    {
        OptionsDialog dialog;
        // Spin box limits and the values the form gives them before loading.
        // The settings table holds the same limits: both come from one place.
        const struct {
            const char* name;
            std::u16string_view setting;
            int maximum;
            int initial;
        } spins[] = {{"recoverAtStartRAMSpinBox", u"FreeonStartup_val1", 999, 999},
                     {"recoverAtStartTimeSpinBox", u"FreeonStartup_val2", 60, 60},
                     {"AutoFreeRAMSpinBox", u"Freeeverymin_Val1", 999, 999},
                     {"AutoFreeTimeSpinBox", u"Freeeverymin_Val2", 60, 60},
                     {"AutoFreeRAMLoadSpinBox", u"Freeeverymin_Val3", 100, 60},
                     {"recoverMenu1SpinBox", u"FreeupXMenu_Val1", 999, 999},
                     {"recoverMenu2SpinBox", u"FreeupYMenu_Val1", 999, 999},
                     {"recoverMenu3SpinBox", u"FreeupZMenu_Val1", 999, 999}};
        for (const auto& spin : spins) {
            auto* box = named<QSpinBox>(&dialog, spin.name);
            const quenby::SettingField* field = quenby::findSettingField(spin.setting);
            QVERIFY2(box->minimum() == 0 && field->uiMinimum.of(kTotalRAM) == 0, spin.name);
            QVERIFY2(box->maximum() == spin.maximum, spin.name);
            QVERIFY2(field->uiMaximum.of(kTotalRAM) == static_cast<std::uint32_t>(spin.maximum), spin.name);
            QVERIFY2(box->value() == spin.initial, spin.name);
        }
        auto* bar = named<QProgressBar>(&dialog, "cpuUsageProgressBar");
        QCOMPARE(bar->minimum(), 0);
        QCOMPARE(bar->maximum(), 100);
        QCOMPARE(bar->value(), 24);

        auto* description = named<QLabel>(&dialog, "cpuUsageDescLabel");
        QVERIFY(description->wordWrap());
        QCOMPARE(description->alignment() & (Qt::AlignLeft | Qt::AlignTop), Qt::AlignLeft | Qt::AlignTop);

        // Fixed widths; the hot key fields hold one character, centred; the
        // labels widen where their text needs more.
        const std::pair<const char*, int> fixedWidths[] = {{"freeUpKeyLineEdit", 31},
                                                           {"disableKeyLineEdit", 31},
                                                           {"freeUpKeyLabel", 191},
                                                           {"disableKeyLabel", 241}};
        for (const auto& [name, drawn] : fixedWidths) {
            QWidget* widget = named(&dialog, name);
            const int width = qobject_cast<QLabel*>(widget) ? std::max(drawn, widget->sizeHint().width()) : drawn;
            QVERIFY2(widget->minimumWidth() == width && widget->maximumWidth() == width, name);
            if (auto* edit = qobject_cast<QLineEdit*>(widget))
                QVERIFY2(edit->maxLength() == 1 && edit->alignment() == Qt::AlignCenter, name);
        }

        const QPixmap defaultIcon = named<QLabel>(&dialog, "defaultIconImage")->pixmap();
        const QPixmap recoverIcon = named<QLabel>(&dialog, "recoverIconImage")->pixmap();
        QCOMPARE(defaultIcon.size(), QSize(26, 46));
        QCOMPARE(recoverIcon.size(), QSize(26, 46));
        QVERIFY(defaultIcon.toImage() != recoverIcon.toImage());

        // The lists are filled by loadSettings, not by the form.
        auto* colours = named<QComboBox>(&dialog, "trayIconColorComboBox");
        auto* info = named<QComboBox>(&dialog, "displayInfoComboBox");
        QCOMPARE(colours->count(), 0);
        QCOMPARE(info->count(), 0);
        quenby::panel::SettingsStore().readSettings(QStringLiteral("Software\\Quenby"),
                                                    quenby::panel::settings(), kTotalRAM);
        dialog.loadSettings();
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
        QCOMPARE(info->count(), 2);
        QCOMPARE(info->itemText(0), QStringLiteral("Percentage of CPU Usage"));
        QCOMPARE(info->itemText(1), QStringLiteral("Percentage of Free RAM"));
        QVERIFY(info->itemIcon(0).isNull() && info->itemIcon(1).isNull());
        // Defaults: black text, free RAM shown.
        QCOMPARE(colours->currentIndex(), 0);
        QCOMPARE(info->currentIndex(), 1);
    }

    void optionsDialogPages()
    {
        OptionsDialog dialog;
        auto* tabs = named<QTabWidget>(&dialog, "tabWidget");
        QCOMPARE(tabs->count(), 4);
        QCOMPARE(tabs->tabText(0), QStringLiteral("General"));
        QCOMPARE(tabs->tabText(1), QStringLiteral("Tray Icon"));
        QCOMPARE(tabs->tabText(2), QStringLiteral("Others"));
        QCOMPARE(tabs->tabText(3), QStringLiteral("History"));
        QCOMPARE(tabs->currentIndex(), 0);
        QCOMPARE(tabs->currentWidget(), named(&dialog, "generalTab"));
        // "Popup Menu" is out of the tab bar, yet alive inside the dialog.
        auto* popup = named(&dialog, "popupMenuTab");
        QVERIFY(popup);
        QCOMPARE(tabs->indexOf(popup), -1);
        QVERIFY(named<QSpinBox>(popup, "recoverMenu1SpinBox"));

        for (const char* name : {"recoverAtStartRAMSpinBox", "recoverAtStartLabel1",
                                 "AutoFreeRAMSpinBox", "AutoFreeLabel2"})
            QVERIFY2(named(&dialog, name)->isHidden(), name);
        for (const char* name : {"recoverAtStartTimeSpinBox", "recoverAtStartLabel2",
                                 "AutoFreeTimeSpinBox", "AutoFreeRAMLoadSpinBox", "AutoFreeLabel3"})
            QVERIFY2(!named(&dialog, name)->isHidden(), name);

        // Each page a column aligned to the top with spacing 10, its rows aligned
        // left; the buttons, moved out of their design-time holder (which stays
        // behind, empty and in no layout), in a row aligned right.
        QCOMPARE(describe(dialog.layout()),
                 QStringLiteral("V(tabWidget,H@right(savePushButton,cancelPushButton))"));
        QVERIFY(named(&dialog, "buttonWidget")->findChildren<QPushButton*>().isEmpty());
        const std::pair<const char*, const char*> pages[] = {
            {"generalTab",
             "V@top(startupCheckBox,H@left(recoverAtStartCheckBox,recoverAtStartRAMSpinBox,"
             "recoverAtStartLabel1,recoverAtStartTimeSpinBox,recoverAtStartLabel2),"
             "H@left(AutoFreeLabel1,AutoFreeRAMSpinBox,AutoFreeLabel2,AutoFreeTimeSpinBox,"
             "AutoFreeLabel3,AutoFreeRAMLoadSpinBox,AutoFreeLabel4),recoveryBackoffCheckBox,"
             "pauseWhileFullScreenCheckBox,protectedProgramsLabel,protectedProgramsLineEdit,"
             "protectedProgramsNoteLabel,line,"
             "H@left(cpuUsageLabel,cpuUsageProgressBar),CPUUsageCheckBox,cpuUsageDescLabel)"},
            {"trayIconTab",
             "V@top(H@left(defaultIconLabel,defaultIconImage,recoverIconLabel,recoverIconImage),line2,"
             "H@left(trayIconColorLabel,trayIconColorComboBox),"
             "H@left(displayInfoLabel1,displayInfoComboBox,displayInfoLabel2),notifyRecoveryCheckBox)"},
            {"popupMenuTab",
             "V@top(popupMenuImage,H@left(recoverMenu1Label1,recoverMenu1SpinBox,recoverMenu1Label2),"
             "H@left(recoverMenu2Label1,recoverMenu2SpinBox,recoverMenu2Label2),"
             "H@left(recoverMenu3Label1,recoverMenu3SpinBox,recoverMenu3Label2))"},
            {"othersTab",
             "V@top(clearClipboardCheckBox,playAlarmCheckBox,H@left(playAlarmLineEdit,playAlarmToolButton),"
             "line3,H@left(freeUpKeyLabel,freeUpKeyLineEdit),H@left(disableKeyLabel,disableKeyLineEdit))"}};
        for (const auto& [page, layout] : pages) {
            QCOMPARE(describe(named(&dialog, page)->layout()), QString::fromLatin1(layout));
            QCOMPARE(named(&dialog, page)->layout()->spacing(), 10);
        }
    }

    void aboutDialog()
    {
        AboutDialog about;
        const std::pair<const char*, QRect> geometries[] = {
            {"versionLabel", QRect(150, 110, 121, 16)}, {"label_3", QRect(150, 220, 331, 16)},
            {"label_4", QRect(20, 20, 120, 120)},       {"closeButton", QRect(420, 300, 75, 24)},
            {"line", QRect(150, 200, 341, 20)},         {"licenseLabel_2", QRect(150, 150, 61, 16)},
            {"webLabel", QRect(200, 150, 111, 16)},     {"label_5", QRect(150, 60, 221, 21)},
        };
        // Where the form puts them, as large as it draws them; larger only where
        // the text needs more (a wider font than Windows', a translation), and
        // then moved along, just right of a text in its row that reaches into it.
        for (const auto& [name, geometry] : geometries) {
            QWidget* widget = named(&about, name);
            QPoint expected = geometry.topLeft();
            for (const auto& [otherName, other] : geometries) {
                const QRect now = named(&about, otherName)->geometry();
                if (other.left() < geometry.left() && now.right() >= geometry.left() &&
                    other.top() < geometry.bottom() && geometry.top() < other.bottom())
                    expected.setX(std::max(expected.x(), now.right() + 5));
            }
            QVERIFY2(widget->pos() == expected,
                     qPrintable(QStringLiteral("%1 at %2,%3, expected at %4,%5")
                                    .arg(QLatin1String(name)).arg(widget->x()).arg(widget->y())
                                    .arg(expected.x()).arg(expected.y())));
            if (widget->size() != geometry.size()) {
                const QSize hint = widget->sizeHint();
                QVERIFY2(widget->size() == geometry.size().expandedTo(hint), name);
                QVERIFY2(hint.width() > geometry.width() || hint.height() > geometry.height(), name);
            }
        }

        auto* title = named<QLabel>(&about, "label");
        QCOMPARE(title->pos(), QPoint(150, 20));
        QCOMPARE(title->size(), title->sizeHint()); // sized to its text
        QCOMPARE(title->font().pointSize(), 18);
        QCOMPARE(title->font().weight(), QFont::Bold);

        auto* generation = named<QLabel>(&about, "label_5");
        QCOMPARE(generation->font().pointSize(), 16);
        QCOMPARE(generation->font().weight(), QFont::Normal);
        // Windows 11 begins with build 22000; off Windows the build is 0.
        const std::uint32_t build = quenby::panel::os::windowsBuildNumber();
        QCOMPARE(generation->text(), build >= 22000 ? QStringLiteral("for Windows 11")
                                                    : QStringLiteral("for Windows 10"));

        const QString notice = textOf(named(&about, "label_3"));
        QVERIFY(notice.contains(QStringLiteral("Quenby")));
        QVERIFY(notice.contains(QStringLiteral("rights reserved")));

        auto* logo = named<QLabel>(&about, "label_4");
        QCOMPARE(logo->pixmap().size(), QSize(120, 120));

        auto* web = named<QLabel>(&about, "webLabel");
        QVERIFY(web->font().underline());
        QCOMPARE(web->textFormat(), Qt::RichText);
        QCOMPARE(int(web->textInteractionFlags()), 13);
        QVERIFY(web->openExternalLinks());
    }

    void windowsGeneration()
    {
        for (const std::uint32_t build : {0u, 21999u, 22000u, 22631u}) {
            QCOMPARE(quenby::panel::isWindows11Build(build), build >= 22000);
            QCOMPARE(quenby::panel::windowsGenerationText(build),
                     build >= 22000 ? QStringLiteral("for Windows 11") : QStringLiteral("for Windows 10"));
        }
#ifndef Q_OS_WIN
        // Off Windows there is no version to read and no Windows folder.
        QCOMPARE(quenby::panel::os::windowsBuildNumber(), 0u);
        QCOMPARE(quenby::panel::windowsDirectory(), QString());
        const QString sounds = QStringLiteral("/usr/share/sounds");
        QCOMPARE(quenby::panel::windowsMediaDirectory(),
                 QFileInfo(sounds).isDir() ? sounds : QString());
#endif
    }

    void installPathAndEnginePath()
    {
        // The panel's wrappers of the common reads (no key at all: the unit
        // suite): a missing value clears the output and logs one "error".
        storeNumber(u"TargetFreeRAM", 100);
        {
            LogCapture log;
            QString out = QStringLiteral("stale");
            QVERIFY(!quenby::panel::readRegistryString(QStringLiteral("Software\\Quenby"),
                                                       QStringLiteral("Path"), out));
            QCOMPARE(out, QString());
            QCOMPARE(quenby::panel::installPath(), QString());
            QCOMPARE(log.lines(), (QStringList{QStringLiteral("error"), QStringLiteral("error")}));
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
        QTest::addColumn<QString>("button"); // the main window's tool button showing it
        QTest::addColumn<bool>("checkable");
        QTest::newRow("About") << "About.png" << QSize(40, 40) << true << false << "AboutButton" << false;
        QTest::newRow("Options") << "Options.png" << QSize(40, 40) << true << false << "OptionsButton" << false;
        QTest::newRow("Save") << "Save.png" << QSize(40, 40) << true << true << "SaveButton" << false;
        QTest::newRow("Enable") << "Enable.png" << QSize(40, 40) << true << false << "EnableButton" << true;
        QTest::newRow("Disable") << "Disable.png" << QSize(40, 40) << true << false << "DisableButton" << true;
        QTest::newRow("Close") << "Close.png" << QSize(40, 40) << true << false << "CloseButton" << true;
        QTest::newRow("AboutLogo") << "AboutLogo.png" << QSize(120, 120) << true << false << "" << false;
        QTest::newRow("TrayIcon1") << "TrayIcon1.png" << QSize(26, 46) << false << false << "" << false;
        QTest::newRow("TrayIcon2") << "TrayIcon2.png" << QSize(26, 46) << false << false << "" << false;
        QTest::newRow("ColorBlack") << "ColorBlack.png" << QSize(16, 16) << false << false << "" << false;
        QTest::newRow("ColorWhite") << "ColorWhite.png" << QSize(16, 16) << false << false << "" << false;
        QTest::newRow("ColorBlackWhite") << "ColorBlackWhite.png" << QSize(16, 16) << false << false << "" << false;
    }

    void embeddedImages()
    {
        QFETCH(QString, file);
        QFETCH(QSize, size);
        QFETCH(bool, alpha);
        QFETCH(bool, palette);
        QFETCH(QString, button);
        QFETCH(bool, checkable);
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
        if (button.isEmpty())
            return;
        // The tool button shows the image at its natural size as its icon.
        MainWindow window(nullptr, kTotalRAM);
        auto* tool = window.findChild<QToolButton*>(button);
        QVERIFY(tool);
        QCOMPARE(tool->isCheckable(), checkable);
        QCOMPARE(tool->iconSize(), QSize(32, 32));
        QCOMPARE(tool->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
        QVERIFY(tool->autoRaise());
        QCOMPARE(tool->icon().availableSizes(), QList<QSize>{size});
        QCOMPARE(tool->icon().pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
                 image.convertToFormat(QImage::Format_ARGB32_Premultiplied));
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
