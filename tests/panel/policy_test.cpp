// An administrator's policies in the panel: the controls they decide are shown
// disabled with the reason, Save keeps the user's own values under them, and
// without policies every control is the user's as before.
#include <QtTest>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QToolButton>

#include "common/settings.h"
#include "panel/mainwindow.h"
#include "panel/optionsdialog.h"
#include "panel/panel_state.h"
#include "tests/panel/panel_test_support.h"

using namespace quenby::paneltest;
using quenby::Settings;

namespace {

const QString kSetByAdministrator = QStringLiteral("Set by your administrator");

// Every control that shows a setting, with the value it shows.
const char* const kControls[] = {
    "startupCheckBox",        "recoverAtStartCheckBox", "recoverAtStartRAMSpinBox",
    "recoverAtStartTimeSpinBox", "AutoFreeRAMSpinBox",  "AutoFreeTimeSpinBox",
    "AutoFreeRAMLoadSpinBox", "CPUUsageCheckBox",       "trayIconColorComboBox",
    "displayInfoComboBox",    "recoverMenu1SpinBox",    "recoverMenu2SpinBox",
    "recoverMenu3SpinBox",    "clearClipboardCheckBox", "playAlarmCheckBox",
    "playAlarmLineEdit",      "playAlarmToolButton",    "freeUpKeyLineEdit",
    "disableKeyLineEdit",     "notifyRecoveryCheckBox", "recoveryBackoffCheckBox",
    "pauseWhileFullScreenCheckBox",
};

QWidget* control(QObject* dialog, const char* name)
{
    return dialog->findChild<QWidget*>(QString::fromLatin1(name));
}

QPointer<OptionsDialog> openOptions(QWidget* parent)
{
    quenby::panel::SettingsStore().readSettings(QStringLiteral("Software\\Quenby"),
                                                quenby::panel::settings(), kTotalRAM);
    auto* dialog = new OptionsDialog(parent);
    dialog->loadSettings();
    return dialog;
}

// The controls that can't be used, by name.
QStringList lockedControls(QObject* dialog)
{
    QStringList locked;
    for (const char* name : kControls) {
        QWidget* widget = control(dialog, name);
        if (widget == nullptr)
            continue; // a control this build does not have
        if (!widget->isEnabled() || !widget->toolTip().isEmpty()) {
            locked.append(QString::fromLatin1(name));
            // Disabled and explained always go together.
            if (widget->isEnabled() || widget->toolTip() != kSetByAdministrator)
                locked.append(QStringLiteral("(inconsistent)"));
        }
    }
    return locked;
}

const QString kMachineStartsIt =
    QStringLiteral("Your administrator set Quenby to start automatically for every user of this PC.");

QByteArray utf16(const QString& text)
{
    return QByteArray(reinterpret_cast<const char*>(text.utf16()), (text.size() + 1) * 2);
}

// Task Manager's switch: on (02) or off (03), then the time it was switched off.
QByteArray startupSwitch(char state)
{
    return QByteArray(1, state) + QByteArray(11, '\0');
}

} // namespace

class PolicyTest : public PanelSuite {
    Q_OBJECT

private slots:
    void cleanupTestCase() { settings_->clearRegistry(); }

    void withoutPoliciesEveryControlIsTheUsers()
    {
        storeSettings([](Settings& s) { s.FreeupXMenu_Val1 = 300; });
        QPointer<OptionsDialog> dialog = openOptions(&owner_);
        QCOMPARE(lockedControls(dialog), QStringList());
        delete dialog.data();
    }

    void policiesLockTheirControlsAndSaveKeepsTheUsersValues()
    {
        storeSettings([](Settings& s) {
            s.FreeupXMenu_Val1 = 300;
            s.TrayIconInfo = 1;
            s.Hotkey1 = 'A';
        });
        storeMachinePolicy(u"FreeupXMenu_Val1", 500);
        storeMachinePolicy(u"TrayIconInfo", 0);
        storeMachinePolicy(u"StartWithWindows", 1);
        storeRunEntry(QStringLiteral("another program")); // the user's entry names another
        QPointer<OptionsDialog> dialog = openOptions(&owner_);
        QCOMPARE(lockedControls(dialog),
                 QStringList({QStringLiteral("startupCheckBox"), QStringLiteral("displayInfoComboBox"),
                              QStringLiteral("recoverMenu1SpinBox")}));
        QCOMPARE(qobject_cast<QSpinBox*>(control(dialog, "recoverMenu1SpinBox"))->value(), 500);
        QCOMPARE(qobject_cast<QComboBox*>(control(dialog, "displayInfoComboBox"))->currentIndex(), 0);
        QVERIFY(qobject_cast<QCheckBox*>(control(dialog, "startupCheckBox"))->isChecked());

        // The user changes what is theirs and saves.
        qobject_cast<QLineEdit*>(control(dialog, "freeUpKeyLineEdit"))->setText(QStringLiteral("Q"));
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("savePushButton")),
                          Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(dialog.isNull(), 10000);
        QCOMPARE(storedNumber(u"Hotkey1"), std::optional<std::uint32_t>('Q'));
        QCOMPARE(storedNumber(u"FreeupXMenu_Val1"), std::optional<std::uint32_t>(300));
        QCOMPARE(storedNumber(u"TrayIconInfo"), std::optional<std::uint32_t>(1));
        // The policy decides the start-with-Windows entry.
        QVERIFY(storedRunEntry().value_or(QString()).contains(QStringLiteral("Quenbytray")));
    }

    // Every combination of the user's Run entry, Task Manager's switch for it and
    // the machine-wide entry, as Windows will act at logon.
    void startupBoxShowsWhatWindowsWillDo_data()
    {
        QTest::addColumn<bool>("userEntry");
        QTest::addColumn<int>("switchType"); // -1: no switch stored
        QTest::addColumn<QByteArray>("switchData");
        QTest::addColumn<int>("machine"); // 0 none, 1 an entry, 2 an entry switched off
        QTest::addColumn<bool>("checked");
        const int binary = static_cast<int>(quenby::os::RegType::binary);
        const struct {
            const char* name;
            int type;
            QByteArray data;
            bool leavesOn; // what the switch makes of the user's entry
        } switches[] = {
            {"on", binary, startupSwitch(2), true},
            {"off", binary, startupSwitch(3), false},
            {"missing", -1, {}, true},
            // Not what Windows writes: the entry stays on, whatever the first byte.
            {"REG_DWORD", static_cast<int>(quenby::os::RegType::dword), startupSwitch(3), true},
            {"4 bytes", binary, QByteArray("\x03\0\0\0", 4), true},
            {"empty", binary, QByteArray(), true},
        };
        const char* const machines[] = {"no machine entry", "machine entry", "machine entry off"};
        for (bool user : {true, false})
            for (const auto& sw : switches)
                for (int machine = 0; machine < 3; ++machine)
                    QTest::addRow("%s, switch %s, %s", user ? "user entry" : "no user entry", sw.name,
                                  machines[machine])
                        << user << sw.type << sw.data << machine
                        << (machine == 1 || (user && sw.leavesOn));
    }

    void startupBoxShowsWhatWindowsWillDo()
    {
        QFETCH(bool, userEntry);
        QFETCH(int, switchType);
        QFETCH(QByteArray, switchData);
        QFETCH(int, machine);
        QFETCH(bool, checked);
        const QString engine = QString::fromStdU16String(storedSettings().enginePath);
        // Windows always has the Run key, so a Save could always write into it.
        quenby::os::currentUserRegistry().createKey(quenby::kRunKey);
        if (userEntry)
            storeRunEntry(QStringLiteral("\"%1\"").arg(engine));
        if (switchType >= 0)
            storeUserValue(quenby::kStartupApprovedKey, quenby::kRunValue,
                           static_cast<quenby::os::RegType>(switchType), switchData);
        if (machine > 0)
            storeMachineValue(quenby::kRunKey, quenby::kRunValue, quenby::os::RegType::sz,
                              utf16(QStringLiteral("\"C:\\Program Files\\Quenby\\Quenbytray.exe\"")));
        if (machine == 2)
            storeMachineValue(quenby::kStartupApprovedKey, quenby::kRunValue, quenby::os::RegType::binary,
                              startupSwitch(3));

        QPointer<OptionsDialog> dialog = openOptions(&owner_);
        auto* box = named<QCheckBox>(dialog, "startupCheckBox");
        QCOMPARE(box->isChecked(), checked);
        QCOMPARE(box->isEnabled(), machine != 1);
        QCOMPARE(box->toolTip(), machine == 1 ? kMachineStartsIt : QString());
        if (machine != 1) {
            delete dialog.data();
            return;
        }
        // Save adds no entry of the user's beside the machine's, nor changes one.
        const std::optional<QString> before = storedRunEntry();
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("savePushButton")), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(dialog.isNull(), 10000);
        QCOMPARE(storedRunEntry(), before);
    }

    void theSlidersFollowPoliciesThatComeAndGo()
    {
        storeSettings([](Settings& s) { s.TargetFreeRAM = 5000; });
        storeMachinePolicy(u"TargetFreeRAM", 7000);
        MainWindow window(nullptr, kTotalRAM);
        auto* target = window.findChild<QSlider*>(QStringLiteral("targetHorizontalSlider"));
        auto* minimum = window.findChild<QSlider*>(QStringLiteral("minHorizontalSlider"));
        QCOMPARE(target->value(), 7000);
        QVERIFY(!target->isEnabled());
        QCOMPARE(target->toolTip(), kSetByAdministrator);
        QVERIFY(minimum->isEnabled());
        QVERIFY(minimum->toolTip().isEmpty());

        // The administrator withdraws the policy; the engine's settings message
        // makes the panel read again, and the user's own value is back.
        settings_->clearRegistry();
        storeSettings([](Settings& s) { s.TargetFreeRAM = 5000; });
        QVERIFY(deliverToPanel(window, quenby::panel::messages()[quenby::Message::UpdateData]));
        QTRY_VERIFY_WITH_TIMEOUT(target->isEnabled(), 10000);
        QCOMPARE(target->value(), 5000);
        QVERIFY(target->toolTip().isEmpty());
    }
};

QTEST_MAIN(PolicyTest)
#include "policy_test.moc"
