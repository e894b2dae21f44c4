// Settings through the panel's windows and back into the registry stand-in:
// slider and spin box limits, the hot key rule, the lists, what Save writes and
// Cancel doesn't, and how the options dialog lives and dies.
#include <QtTest>

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QToolButton>

#include "common/settings.h"
#include "panel/mainwindow.h"
#include "panel/optionsdialog.h"
#include "panel/panel_state.h"
#include "panel/utilities.h"
#include "tests/panel/panel_test_support.h"

using namespace quenby::paneltest;
using quenby::Settings;

namespace {

// The panel's settings as the main window would have loaded them.
void loadPanelSettings()
{
    quenby::panel::SettingsStore().readSettings(QStringLiteral("Software\\Quenby"),
                                                quenby::panel::settings(), kTotalRAM);
}

// An options dialog filled from the panel's settings, as the main window opens
// it. It deletes itself on Save and Cancel, so it lives on the heap.
QPointer<OptionsDialog> openOptions(QWidget* parent)
{
    loadPanelSettings();
    auto* dialog = new OptionsDialog(parent);
    dialog->loadSettings();
    return dialog;
}

void saveAndWait(QPointer<OptionsDialog>& dialog)
{
    QTest::mouseClick(named<QPushButton>(dialog, "savePushButton"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(dialog.isNull(), 10000);
}

} // namespace

class SettingsTest : public PanelSuite {
    Q_OBJECT

private slots:

    void mainSaveWritesEverythingAndClampsTheSliders()
    {
        // No key yet: Save creates it with every value, the defaults included.
        {
            MainWindow window(nullptr, kTotalRAM);
            QVERIFY(!storedNumber(u"TargetFreeRAM"));
            QTest::mouseClick(named<QToolButton>(&window, "SaveButton"), Qt::LeftButton);
            QCOMPARE(storedNumber(u"TargetFreeRAM"), 4096u);
            QCOMPARE(storedNumber(u"MinimumFreeRAM"), 1024u);
            QCOMPARE(storedNumber(u"FreeupXMenu_Val1"), 1024u);
            QCOMPARE(storedNumber(u"WarnLowRecource"), 0u);
            QCOMPARE(storedNumber(u"WarnLowRecource_Val1"), 15u);
            QCOMPARE(storedNumber(u"Quenby_Stat"), 0u);
        }
        storeSettings([](Settings& s) {
            s.TargetFreeRAM = 20000;        // above 12288
            s.MinimumFreeRAM = 0xFFFFFFFFu; // beyond an int: still the maximum
        });
        MainWindow window(nullptr, kTotalRAM);
        auto* target = named<QSlider>(&window, "targetHorizontalSlider");
        auto* minimum = named<QSlider>(&window, "minHorizontalSlider");
        QCOMPARE(target->value(), 12288);
        QCOMPARE(minimum->value(), 8192);
        QCOMPARE(named(&window, "targetFreeValLabel")->property("text").toString(),
                 QStringLiteral("12288 MB"));

        QTest::mouseClick(named<QToolButton>(&window, "SaveButton"), Qt::LeftButton);
        QCOMPARE(storedNumber(u"TargetFreeRAM"), 12288u);
        QCOMPARE(storedNumber(u"MinimumFreeRAM"), 8192u);

        // The two sliders are independent: a minimum above the target is saved.
        target->setValue(1000);
        minimum->setValue(3000);
        QCOMPARE(named(&window, "targetFreeValLabel")->property("text").toString(), QStringLiteral("1000 MB"));
        QCOMPARE(named(&window, "minFreeValLabel")->property("text").toString(), QStringLiteral("3000 MB"));
        QTest::mouseClick(named<QToolButton>(&window, "SaveButton"), Qt::LeftButton);
        QCOMPARE(storedNumber(u"TargetFreeRAM"), 1000u);
        QCOMPARE(storedNumber(u"MinimumFreeRAM"), 3000u);
    }

    void spinBoxesClampAndSave()
    {
        // Stored, shown and written back at the box's limit, hidden boxes and
        // the hidden page included; the interval stays in minutes.
        const struct {
            const char* box;
            std::u16string_view setting;
            std::uint32_t stored; // 0: the default with T = 16384
            int shown;
        } boxes[] = {{"recoverMenu1SpinBox", u"FreeupXMenu_Val1", 0, 999}, // 1024
                     {"recoverMenu2SpinBox", u"FreeupYMenu_Val1", 0, 256},
                     {"recoverMenu3SpinBox", u"FreeupZMenu_Val1", 0, 64},
                     {"recoverAtStartRAMSpinBox", u"FreeonStartup_val1", 1200, 999},
                     {"AutoFreeRAMSpinBox", u"Freeeverymin_Val1", 1500, 999},
                     {"recoverAtStartTimeSpinBox", u"FreeonStartup_val2", 75, 60},
                     {"AutoFreeTimeSpinBox", u"Freeeverymin_Val2", 4, 4},
                     {"AutoFreeRAMLoadSpinBox", u"Freeeverymin_Val3", 150, 100}};
        for (const auto& box : boxes) {
            if (box.stored)
                storeNumber(box.setting, box.stored);
        }
        QPointer<OptionsDialog> dialog = openOptions(&owner_);
        for (const auto& box : boxes)
            QVERIFY2(named<QSpinBox>(dialog, box.box)->value() == box.shown, box.box);
        saveAndWait(dialog);
        for (const auto& box : boxes)
            QVERIFY2(storedNumber(box.setting) == static_cast<std::uint32_t>(box.shown), box.box);
    }

    void hotKeyRule_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<uint>("code");
        // Whether a US layout has a key for it: Wine gives every program one,
        // and the Save of a key the layout lacks is refused (see below).
        QTest::addColumn<bool>("onUsLayout");
        QTest::newRow("lower-case a") << QStringLiteral("a") << 97u << true;
        QTest::newRow("upper-case A") << QStringLiteral("A") << 65u << true;
        QTest::newRow("empty") << QString() << 0u << true;
        QTest::newRow("one space") << QStringLiteral(" ") << 0u << true;
        QTest::newRow("tab") << QStringLiteral("\t") << 0u << true;
        QTest::newRow("digit") << QStringLiteral("7") << 55u << true;
        QTest::newRow("Latin-1 letter") << QStringLiteral("\u00e9") << 233u << false;
        QTest::newRow("outside Latin-1") << QStringLiteral("\u20ac") << 0u << true;
        QTest::newRow("code 0") << QString(QChar(0)) << 0u << true;
    }

    void hotKeyRule()
    {
        QFETCH(QString, text);
        QFETCH(uint, code);
        QFETCH(bool, onUsLayout);
        // The rule itself, with white space around the character.
        QCOMPARE(OptionsDialog::hotKeyCode(text), code);
        QCOMPARE(OptionsDialog::hotKeyCode(QStringLiteral("  ") + text + QStringLiteral(" ")), code);
#ifdef _WIN32
        if (!onUsLayout)
            return;
#else
        Q_UNUSED(onUsLayout); // no layout to lack a key: everything is saved
#endif

        // And through both line edits into the registry.
        storeSettings([](Settings& s) {
            s.Hotkey1 = 88;
            s.Hotkey2 = 89;
        });
        QPointer<OptionsDialog> dialog = openOptions(&owner_);
        named<QLineEdit>(dialog, "freeUpKeyLineEdit")->setText(text);
        named<QLineEdit>(dialog, "disableKeyLineEdit")->setText(text);
        saveAndWait(dialog);
        QCOMPARE(storedNumber(u"Hotkey1"), code);
        QCOMPARE(storedNumber(u"Hotkey2"), code);
    }

    void hotKeysTheLayoutLacksAreRefusedOnSave()
    {
        storeSettings([](Settings& s) {
            s.Hotkey1 = 'F';
            s.Hotkey2 = 'E';
        });
        QPointer<OptionsDialog> dialog = openOptions(&owner_);
        // The section sign: no key types it on a US layout (Wine's, for every program).
        named<QLineEdit>(dialog, "disableKeyLineEdit")->setText(QStringLiteral("\u00a7"));
#ifdef _WIN32
        QString told;
        bool ran = false;
        duringModal<QMessageBox>(
            dialog, [&] { QTest::mouseClick(named<QPushButton>(dialog, "savePushButton"), Qt::LeftButton); },
            [&](QMessageBox* box) {
                told = box->text();
                box->accept();
            },
            ran);
        QVERIFY(ran);
        QCOMPARE(told, QStringLiteral("Ctrl+Alt+\u00a7 can't be a hot key: your keyboard layout has no key "
                                      "for \u201c\u00a7\u201d."));
        // Nothing saved, and the dialog still open for another choice.
        QVERIFY(!dialog.isNull());
        QCOMPARE(storedNumber(u"Hotkey2"), std::optional<std::uint32_t>('E'));
        named<QLineEdit>(dialog, "disableKeyLineEdit")->setText(QStringLiteral("r"));
        saveAndWait(dialog);
        QCOMPARE(storedNumber(u"Hotkey2"), std::optional<std::uint32_t>('r'));
#else
        // No global hot keys here, so no layout to refuse it.
        saveAndWait(dialog);
        QCOMPARE(storedNumber(u"Hotkey2"), std::optional<std::uint32_t>(0xA7));
#endif
    }

    void hotKeysShowAndSaveUnchanged()
    {
        // Stored 0 shows the character of code 0 (nothing visible) and saves 0;
        // a stored key shows as its character from the low 8 bits.
        storeSettings([](Settings& s) {
            s.Hotkey1 = 0;
            s.Hotkey2 = 0x171; // low 8 bits: 'q'
        });
        QPointer<OptionsDialog> dialog = openOptions(&owner_);
        QCOMPARE(named<QLineEdit>(dialog, "freeUpKeyLineEdit")->text(), QString(QChar(0)));
        QCOMPARE(named<QLineEdit>(dialog, "disableKeyLineEdit")->text(), QStringLiteral("q"));
        saveAndWait(dialog);
        QCOMPARE(storedNumber(u"Hotkey1"), 0u);
        QCOMPARE(storedNumber(u"Hotkey2"), 113u);
    }

    void lists()
    {
        // Out of range nothing is selected: index -1, which is 65535 in the 16-bit
        // colour and all ones in the other.
        storeNumber(u"TrayIconTextColor", 7);
        storeNumber(u"TrayIconInfo", 5);
        QPointer<OptionsDialog> dialog = openOptions(&owner_);
        QCOMPARE(named<QComboBox>(dialog, "trayIconColorComboBox")->currentIndex(), -1);
        QCOMPARE(named<QComboBox>(dialog, "displayInfoComboBox")->currentIndex(), -1);
        saveAndWait(dialog);
        QCOMPARE(storedNumber(u"TrayIconTextColor"), 65535u);
        QCOMPARE(storedNumber(u"TrayIconInfo"), 0xFFFFFFFFu);

        // In range; only the low 16 bits of the colour count.
        storeNumber(u"TrayIconTextColor", 0x00070002u);
        storeNumber(u"TrayIconInfo", 0);
        dialog = openOptions(&owner_);
        QCOMPARE(named<QComboBox>(dialog, "trayIconColorComboBox")->currentIndex(), 2);
        QCOMPARE(named<QComboBox>(dialog, "displayInfoComboBox")->currentIndex(), 0);
        named<QComboBox>(dialog, "trayIconColorComboBox")->setCurrentIndex(1);
        named<QComboBox>(dialog, "displayInfoComboBox")->setCurrentIndex(1);
        saveAndWait(dialog);
        QCOMPARE(storedNumber(u"TrayIconTextColor"), 1u);
        QCOMPARE(storedNumber(u"TrayIconInfo"), 1u);
    }

    void checkBoxesTextAndStartup()
    {
        // An entry under our name that names some other program is not ours; Save
        // replaces it.
        storeRunEntry(QStringLiteral("someone else's program"));
        storeSettings([](Settings& s) {
            s.FreeonStartup = 2; // only 1 counts as on
            s.Disable_CPU_detect = 1;
            s.HideTrayIcon = 1;
            s.Quenby_Stat = 1;
            s.TargetFreeRAM = 5000;
            s.MinimumFreeRAM = 700;
            s.Music = u"/sounds/old.wav";
        });
        // Each box as loaded; the test then turns it over and Save stores the new
        // state as 1 or 0.
        const std::pair<const char*, std::u16string_view> boxes[] = {
            {"recoverAtStartCheckBox", u"FreeonStartup"},
            {"CPUUsageCheckBox", u"Disable_CPU_detect"},
            {"clearClipboardCheckBox", u"AutoclearClipboard"},
            {"playAlarmCheckBox", u"PlaySound"},
            {"recoveryBackoffCheckBox", u"RecoveryBackoff"}}; // on by default
        const bool loaded[] = {false, true, false, false, true};
        QPointer<OptionsDialog> dialog = openOptions(&owner_);
        QVERIFY(!named<QCheckBox>(dialog, "startupCheckBox")->isChecked());
        named<QCheckBox>(dialog, "startupCheckBox")->setChecked(true);
        for (std::size_t i = 0; i < std::size(boxes); ++i) {
            auto* box = named<QCheckBox>(dialog, boxes[i].first);
            QVERIFY2(box->isChecked() == loaded[i], boxes[i].first);
            box->setChecked(!loaded[i]);
        }
        QCOMPARE(named<QLineEdit>(dialog, "playAlarmLineEdit")->text(), QStringLiteral("/sounds/old.wav"));
        // Taken as typed: no check that the file exists.
        named<QLineEdit>(dialog, "playAlarmLineEdit")->setText(QStringLiteral("  /no/such file.wav"));
        saveAndWait(dialog);
        for (std::size_t i = 0; i < std::size(boxes); ++i)
            QVERIFY2(storedNumber(boxes[i].second) == (loaded[i] ? 0u : 1u), boxes[i].first);
        const Settings stored = storedSettings();
        QCOMPARE(QString::fromStdU16String(stored.Music), QStringLiteral("  /no/such file.wav"));
        QVERIFY(stored.startWithWindows);
        // The entry is the engine's path in quotes, as text: a folder with spaces
        // can't be taken for a shorter program's path.
        quenby::os::RegType type = quenby::os::RegType::none;
        QCOMPARE(storedRunEntry(&type).value_or(QStringLiteral("(none)")),
                 QStringLiteral("\"%1\"").arg(QString::fromStdU16String(stored.enginePath)));
        QCOMPARE(type, quenby::os::RegType::sz);
        // What the options dialog does not own stays as it was.
        QCOMPARE(storedNumber(u"HideTrayIcon"), 1u);
        QCOMPARE(storedNumber(u"Quenby_Stat"), 1u);
        QCOMPARE(storedNumber(u"TargetFreeRAM"), 5000u);
        QCOMPARE(storedNumber(u"MinimumFreeRAM"), 700u);

        // Unticking start-with-Windows removes the entry again.
        dialog = openOptions(&owner_);
        QVERIFY(named<QCheckBox>(dialog, "startupCheckBox")->isChecked());
        named<QCheckBox>(dialog, "startupCheckBox")->setChecked(false);
        saveAndWait(dialog);
        QVERIFY(!storedSettings().startWithWindows);
        QVERIFY(!storedRunEntry());
    }

    void startupBoxFollowsTheEntry_data()
    {
        QTest::addColumn<QString>("entry"); // %1: the engine's path
        QTest::addColumn<int>("letterCase"); // of the path: 0 as it is, 1 upper, -1 lower
        QTest::addColumn<bool>("checked");
        QTest::newRow("quoted") << QStringLiteral("\"%1\"") << 0 << true;
        QTest::newRow("unquoted") << QStringLiteral("%1") << 0 << true;
        QTest::newRow("upper case") << QStringLiteral("%1") << 1 << true;
        QTest::newRow("quoted, lower case") << QStringLiteral("\"%1\"") << -1 << true;
        QTest::newRow("with an argument") << QStringLiteral("\"%1\" -x") << 0 << false;
        QTest::newRow("another program") << QStringLiteral("%1.old") << 0 << false;
        QTest::newRow("opening quote only") << QStringLiteral("\"%1") << 0 << false;
        QTest::newRow("no entry") << QString() << 0 << false;
    }

    void startupBoxFollowsTheEntry()
    {
        QFETCH(QString, entry);
        QFETCH(int, letterCase);
        QFETCH(bool, checked);
        loadPanelSettings();
        const QString path = QString::fromStdU16String(quenby::panel::settings().enginePath);
        if (!entry.isNull())
            storeRunEntry(entry.arg(letterCase > 0 ? path.toUpper() : letterCase < 0 ? path.toLower() : path));
        QPointer<OptionsDialog> dialog = openOptions(&owner_);
        QCOMPARE(named<QCheckBox>(dialog, "startupCheckBox")->isChecked(), checked);
        delete dialog;
    }

    void cancelWritesNothing()
    {
        storeSettings([](Settings& s) { s.FreeonStartup_val2 = 30; });
        const Settings before = storedSettings();
        QPointer<OptionsDialog> dialog = openOptions(&owner_);
        const Settings panelBefore = quenby::panel::settings();
        QSignalSpy closed(dialog.data(), &OptionsDialog::optionsDialogCloseSignal);
        named<QSpinBox>(dialog, "recoverAtStartTimeSpinBox")->setValue(5);
        named<QLineEdit>(dialog, "freeUpKeyLineEdit")->setText(QStringLiteral("z"));
        QTest::mouseClick(named<QPushButton>(dialog, "cancelPushButton"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(dialog.isNull(), 10000);
        QCOMPARE(closed.count(), 1);
        QVERIFY(storedSettings() == before);
        QVERIFY(quenby::panel::settings() == panelBefore);
    }

    void optionsDialogLifetime_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("Save") << QStringLiteral("save");
        QTest::newRow("Cancel") << QStringLiteral("cancel");
        QTest::newRow("Escape") << QStringLiteral("escape");
        QTest::newRow("title-bar button") << QStringLiteral("close");
    }

    void optionsDialogLifetime()
    {
        QFETCH(QString, how);
        MainWindow window(nullptr, kTotalRAM);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        for (int visit = 1; visit <= 2; ++visit) {
            bool ran = false;
            bool sawBar = false;
            int lists = 0;
            int dialogs = 0;
            duringModal<OptionsDialog>(
                &window, [&] { QTest::mouseClick(named<QToolButton>(&window, "OptionsButton"), Qt::LeftButton); },
                [&](OptionsDialog* dialog) {
                    dialogs = static_cast<int>(window.findChildren<OptionsDialog*>().size());
                    lists = named<QComboBox>(dialog, "trayIconColorComboBox")->count();
                    // CPU readings reach the open dialog.
                    QMetaObject::invokeMethod(&window, "cpuUsagesInfo", Q_ARG(int, 55));
                    sawBar = named<QProgressBar>(dialog, "cpuUsageProgressBar")->value() == 55;
                    if (how == QLatin1String("save"))
                        QTest::mouseClick(named<QPushButton>(dialog, "savePushButton"), Qt::LeftButton);
                    else if (how == QLatin1String("cancel"))
                        QTest::mouseClick(named<QPushButton>(dialog, "cancelPushButton"), Qt::LeftButton);
                    else if (how == QLatin1String("escape"))
                        QTest::keyClick(dialog, Qt::Key_Escape);
                    else
                        dialog->close(); // what the title bar's button does
                },
                ran);
            QVERIFY(ran);
            QCOMPARE(dialogs, 1);
            QCOMPARE(lists, 3);
            QVERIFY(sawBar);
            // However it was closed, the dialog is gone and said so.
            QTRY_VERIFY_WITH_TIMEOUT(window.findChildren<OptionsDialog*>().isEmpty(), 10000);
            // Later readings go nowhere and harm nothing: the window knows the
            // dialog is gone.
            QMetaObject::invokeMethod(&window, "cpuUsagesInfo", Q_ARG(int, 77));
        }
        QCOMPARE(storedNumber(u"TargetFreeRAM").has_value(), how == QLatin1String("save"));
    }

    void aboutBoxLifetime()
    {
        MainWindow window(nullptr, kTotalRAM);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        for (const char* how : {"escape", "close"}) {
            bool ran = false;
            duringModal<QDialog>(
                &window, [&] { QTest::mouseClick(named<QToolButton>(&window, "AboutButton"), Qt::LeftButton); },
                [&](QDialog* about) {
                    QCOMPARE(QLatin1String(about->metaObject()->className()), QLatin1String("AboutDialog"));
                    if (QLatin1String(how) == QLatin1String("escape"))
                        QTest::keyClick(about, Qt::Key_Escape);
                    else
                        QTest::mouseClick(named<QPushButton>(about, "closeButton"), Qt::LeftButton);
                },
                ran);
            QVERIFY(ran);
            QTRY_VERIFY_WITH_TIMEOUT(window.findChildren<QDialog*>().isEmpty(), 10000);
        }
    }

    void soundChooser()
    {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString sound = folder.filePath(QStringLiteral("alarm.wav"));
        {
            QFile file(sound);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("RIFF");
        }
        QPointer<OptionsDialog> dialog = openOptions(&owner_);
        auto* edit = named<QLineEdit>(dialog, "playAlarmLineEdit");
        edit->setText(QStringLiteral("before.wav"));
        auto* chooser = named<QToolButton>(dialog, "playAlarmToolButton");

        // Cancelled: the text stays.
        bool ran = false;
        QString caption;
        QStringList filters;
        QString startFolder;
        duringModal<QFileDialog>(
            dialog, [&] { QTest::mouseClick(chooser, Qt::LeftButton); },
            [&](QFileDialog* files) {
                caption = files->windowTitle();
                filters = files->nameFilters();
                startFolder = files->directory().absolutePath();
                files->reject();
            },
            ran);
        QVERIFY(ran);
        QCOMPARE(caption, QStringLiteral("Add Files"));
        QCOMPARE(filters, QStringList{QStringLiteral("All Files (*.wav)")});
        const QString media = quenby::panel::windowsMediaDirectory();
        if (!media.isEmpty())
            QCOMPARE(startFolder, QDir(media).absolutePath());
        QCOMPARE(edit->text(), QStringLiteral("before.wav"));

        // Chosen: the path as returned.
        duringModal<QFileDialog>(
            dialog, [&] { QTest::mouseClick(chooser, Qt::LeftButton); },
            [&](QFileDialog* files) {
                // Typed into the file name field, as a user would.
                auto* name = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
                QVERIFY(name);
                name->setText(sound);
                static_cast<QDialog*>(files)->accept(); // what the Open button does
                if (files->isVisible())
                    files->reject(); // never leave the test hanging
            },
            ran);
        QVERIFY(ran);
        QCOMPARE(edit->text(), sound);
        // Nothing is stored before Save.
        QVERIFY(!storedNumber(u"PlaySound"));
        delete dialog;
    }
};

QTEST_MAIN(SettingsTest)
#include "settings_test.moc"
