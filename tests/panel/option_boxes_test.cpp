// The options dialog's check boxes for the recovery notice and for the rest of
// the low-memory rule: loaded from the stored value as the engine reads it
// (NotifyRecovery on only at 1, RecoveryBackoff at anything but 0, and on when
// nothing is stored) and saved as 1 or 0. The protected programs' field, and
// the History page.
#include <QtTest>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "common/os/user_file.h"
#include "common/protected_programs.h"
#include "common/recovery_history.h"
#include "common/settings_schema.h"
#include "panel/optionsdialog.h"
#include "panel/panel_state.h"
#include "tests/panel/panel_test_support.h"

using namespace quenby::paneltest;

class OptionBoxesTest : public PanelSuite {
    Q_OBJECT

private slots:

    void loadedAndSaved_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("stored"); // -1: no settings stored at all
        QTest::addColumn<bool>("ticked");
        QTest::addColumn<bool>("click");
        QTest::addColumn<uint>("saved");
        const QString notify = QStringLiteral("notifyRecoveryCheckBox");
        const QString backoff = QStringLiteral("recoveryBackoffCheckBox");
        const QString fullScreen = QStringLiteral("pauseWhileFullScreenCheckBox");
        const struct {
            const char* what;
            const QString& box;
            const char* value;
            int stored;
            bool ticked, click;
            uint saved;
        } rows[] = {
            {"notice: nothing stored, left alone", notify, "NotifyRecovery", -1, false, false, 0},
            {"notice: nothing stored, ticked", notify, "NotifyRecovery", -1, false, true, 1},
            {"notice: 0, left alone", notify, "NotifyRecovery", 0, false, false, 0},
            {"notice: 1, left alone", notify, "NotifyRecovery", 1, true, false, 1},
            {"notice: 1, unticked", notify, "NotifyRecovery", 1, true, true, 0},
            {"notice: 2 is not on", notify, "NotifyRecovery", 2, false, false, 0},
            {"notice: 2, ticked", notify, "NotifyRecovery", 2, false, true, 1},
            {"rest: nothing stored is on", backoff, "RecoveryBackoff", -1, true, false, 1},
            {"rest: nothing stored, unticked", backoff, "RecoveryBackoff", -1, true, true, 0},
            {"rest: 0, left alone", backoff, "RecoveryBackoff", 0, false, false, 0},
            {"rest: 0, ticked", backoff, "RecoveryBackoff", 0, false, true, 1},
            {"rest: 7 is on, saved as 1", backoff, "RecoveryBackoff", 7, true, false, 1},
            {"full screen: nothing stored is on", fullScreen, "PauseWhileFullScreen", -1, true, false, 1},
            {"full screen: 0, ticked", fullScreen, "PauseWhileFullScreen", 0, false, true, 1},
            {"full screen: 7 is on, unticked", fullScreen, "PauseWhileFullScreen", 7, true, true, 0},
        };
        for (const auto& row : rows)
            QTest::newRow(row.what) << row.box << QString::fromLatin1(row.value) << row.stored
                                    << row.ticked << row.click << row.saved;
    }

    void loadedAndSaved()
    {
        QFETCH(QString, box);
        QFETCH(QString, value);
        QFETCH(int, stored);
        QFETCH(bool, ticked);
        QFETCH(bool, click);
        QFETCH(uint, saved);
        const std::u16string name = value.toStdU16String();
        const quenby::SettingField* field = quenby::findSettingField(name);
        QVERIFY(field);
        if (stored >= 0)
            storeSettings([&](quenby::Settings& s) {
                quenby::setNumericValue(s, *field, static_cast<std::uint32_t>(stored));
            });
        quenby::panel::SettingsStore().readSettings(QStringLiteral("Software\\Quenby"),
                                                    quenby::panel::settings(), kTotalRAM);
        QPointer<OptionsDialog> dialog = new OptionsDialog(&owner_);
        dialog->loadSettings();
        auto* check = dialog->findChild<QCheckBox*>(box);
        QVERIFY(check);
        QCOMPARE(check->isChecked(), ticked);
        if (click) {
            // On the box itself: a box in a column is wider than its text.
            QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(6, check->height() / 2));
            QCOMPARE(check->isChecked(), !ticked);
        }
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("savePushButton")), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(dialog.isNull(), 10000);
        QCOMPARE(storedNumber(name), std::optional<std::uint32_t>(saved));
    }

    // What can't be a program's file name is pointed out as it is typed; the
    // text is kept as typed (the engine skips what it can't use), up to what
    // the settings hold.
    void protectedProgramsPointOutWhatIsIgnored()
    {
        QPointer<OptionsDialog> dialog = new OptionsDialog(&owner_);
        dialog->loadSettings();
        auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("protectedProgramsLineEdit"));
        auto* note = dialog->findChild<QLabel*>(QStringLiteral("protectedProgramsNoteLabel"));
        QVERIFY(edit && note);
        QTest::keyClicks(edit, QStringLiteral("Game.exe; C:\\Games\\x.exe ;obs"));
        QVERIFY2(note->text().contains(QStringLiteral("Ignored")) && note->text().contains(QStringLiteral("x.exe")),
                 qPrintable(note->text()));
        QVERIFY(!note->text().contains(QStringLiteral("obs")));
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("savePushButton")), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(dialog.isNull(), 10000);
        quenby::panel::SettingsStore().readSettings(QStringLiteral("Software\\Quenby"),
                                                    quenby::panel::settings(), kTotalRAM);
        QCOMPARE(quenby::panel::settings().PauseWhileRunning, u"Game.exe; C:\\Games\\x.exe ;obs");

        OptionsDialog again(&owner_);
        again.loadSettings();
        auto* longEdit = again.findChild<QLineEdit*>(QStringLiteral("protectedProgramsLineEdit"));
        longEdit->setText(QString(2000, QLatin1Char('a')));
        QCOMPARE(longEdit->text().size(), static_cast<qsizetype>(quenby::kProtectedListMaxChars));
    }

    // The engine's history file, newest first; a damaged one shows as none.
    void historyPageShowsTheFile()
    {
        using quenby::RecoveryRefusal;
        using quenby::RecoveryTrigger;
        const std::deque<quenby::HistoryEntry> entries = {
            {1765350000, RecoveryTrigger::menu, RecoveryRefusal::none, 2150, 2790, 2048, 22},
            {1765353600, RecoveryTrigger::lowMemory, RecoveryRefusal::protectedProgram, 870, 870, 0, 0},
        };
        QVERIFY(quenby::os::replaceUserFile(quenby::kHistoryFileName, quenby::historyFileText(entries)));
        OptionsDialog dialog(&owner_);
        auto* table = dialog.findChild<QTreeWidget*>(QStringLiteral("historyTable"));
        QVERIFY(table);
        dialog.show();
        auto* tabs = dialog.findChild<QTabWidget*>(QStringLiteral("tabWidget"));
        tabs->setCurrentIndex(tabs->count() - 1);
        QCOMPARE(table->topLevelItemCount(), 2);
        QCOMPARE(table->topLevelItem(0)->text(2), QStringLiteral("Did not run: a protected program was running"));
        QCOMPARE(table->topLevelItem(1)->text(1), QStringLiteral("Tray menu"));
        QCOMPARE(table->topLevelItem(1)->text(6), QStringLiteral("2.2"));

        QVERIFY(quenby::os::replaceUserFile(quenby::kHistoryFileName, "not a history\n"));
        tabs->setCurrentIndex(0);
        tabs->setCurrentIndex(tabs->count() - 1);
        QCOMPARE(table->topLevelItemCount(), 0);
        QVERIFY(!table->isVisible());
    }
};

QTEST_MAIN(OptionBoxesTest)
#include "option_boxes_test.moc"
