#include "panel/optionsdialog.h"

#include <algorithm>
#include <climits>
#include <string>
#include <string_view>
#include <utility>

#include <QBoxLayout>
#include <QFileDialog>
#include <QMessageBox>

#include "common/engine_link.h"
#include "common/identity.h"
#include "common/os/keyboard.h"
#include "common/protected_programs.h"
#include "common/settings_schema.h"
#include "panel/historypage.h"
#include "panel/panel_state.h"
#include "panel/theme.h"
#include "panel/utilities.h"
#include "ui_optionsdialog.h"

using quenby::panel::settings;

namespace {

// A stored number as a spin box value: the spin box clamps it to its maximum;
// numbers beyond an int must not wrap to negative ones on the way.
int widgetValue(std::uint32_t stored)
{
    return static_cast<int>(std::min<std::uint32_t>(stored, INT_MAX));
}

std::uint32_t flag(bool on)
{
    return on ? 1 : 0;
}

// The one character a stored hot key shows: the low 8 bits as Latin-1. A stored
// 0 gives the character of code 0, which shows nothing.
QString hotKeyText(std::uint32_t stored)
{
    return QString(QChar(static_cast<char16_t>(stored & 0xFF)));
}

// Why a hot key can't be had on the user's keyboard layout, in a sentence for
// the user; empty when it can (or when there is none). The engine would not
// register such a key either, but it is better refused here, where the user
// can choose another at once.
QString hotKeyRefusal(std::uint32_t code)
{
    if (code == 0)
        return {};
    const QChar character(static_cast<char16_t>(code));
    const quenby::os::HotKeyChoice choice = quenby::os::ctrlAltHotKey(character.unicode());
    switch (choice.verdict) {
    //: %1: the character the user typed as the hot key, such as K.
    case quenby::os::HotKeyVerdict::notOnLayout:
        return OptionsDialog::tr("Ctrl+Alt+%1 can't be a hot key: your keyboard layout has no key for "
                                 "“%1”.")
            .arg(character.toUpper());
    //: %1: the character the user typed as the hot key; %2: the character that key combination types on the user's keyboard layout (as AltGr would).
    case quenby::os::HotKeyVerdict::typesCharacter:
        return OptionsDialog::tr("Ctrl+Alt+%1 can't be a hot key: on your keyboard layout it types "
                                 "“%2”, which every program would then lose.")
            .arg(character.toUpper(), QString::fromStdU16String(choice.typed));
    case quenby::os::HotKeyVerdict::usable:
        break;
    }
    return {};
}

// The lists' entries are the settings table's names (the administrators'
// policy templates show them too), shown in the user's language. The table
// is no Qt code, so its names are listed here for the translators.
[[maybe_unused]] constexpr const char* kChoiceNamesForTranslation[] = {
    QT_TRANSLATE_NOOP("OptionsDialog", "Black"),
    QT_TRANSLATE_NOOP("OptionsDialog", "White"),
    QT_TRANSLATE_NOOP("OptionsDialog", "Auto"),
    QT_TRANSLATE_NOOP("OptionsDialog", "Percentage of CPU Usage"),
    QT_TRANSLATE_NOOP("OptionsDialog", "Percentage of Free RAM"),
};

QString choiceText(std::string_view name)
{
    const std::string text(name);
    return OptionsDialog::tr(text.c_str());
}

// A page's rows: a vertical box aligned to the top, spacing 10, each row a
// horizontal box aligned left.
QVBoxLayout* pageLayout(QWidget* page)
{
    auto* layout = new QVBoxLayout(page);
    layout->setAlignment(Qt::AlignTop);
    layout->setSpacing(10);
    return layout;
}

void addRow(QVBoxLayout* page, std::initializer_list<QWidget*> widgets)
{
    auto* row = new QHBoxLayout;
    row->setAlignment(Qt::AlignLeft);
    for (QWidget* widget : widgets)
        row->addWidget(widget);
    page->addLayout(row);
}

} // namespace

OptionsDialog::OptionsDialog(QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::OptionsDialog>())
{
    ui->setupUi(this);
    buildLayouts();
    ui->tabWidget->addTab(new HistoryPage(ui->tabWidget), tr("History"));

    // What of the protected programs can't be a program's file name is said
    // under the field as it is typed; the engine ignores it.
    ui->protectedProgramsLineEdit->setMaxLength(static_cast<int>(quenby::kProtectedListMaxChars));
    const auto explainList = [this](const QString& list) {
        const quenby::ProtectedPrograms programs = quenby::parseProtectedPrograms(list.toStdU16String());
        QStringList ignored;
        for (const std::u16string& name : programs.ignored)
            ignored << fontMetrics().elidedText(QString::fromStdU16String(name), Qt::ElideMiddle, 240);
        ui->protectedProgramsNoteLabel->setText(
            ignored.isEmpty()
                ? tr("Program file names as Task Manager shows them, separated by semicolons.")
                : tr("Ignored, as they are not program file names: %1", "followed by the names")
                      .arg(ignored.join(QStringLiteral("; "))));
    };
    connect(ui->protectedProgramsLineEdit, &QLineEdit::textChanged, this, explainList);
    explainList({});

    // The spin box limits come from the settings table, beside the defaults
    // and the slider ranges. Every one of them is a constant, not a share of
    // the total memory, so no total is needed here.
    const std::pair<QSpinBox*, std::u16string_view> ranged[] = {
        {ui->recoverAtStartRAMSpinBox, u"FreeonStartup_val1"},
        {ui->recoverAtStartTimeSpinBox, u"FreeonStartup_val2"},
        {ui->AutoFreeRAMSpinBox, u"Freeeverymin_Val1"},
        {ui->AutoFreeTimeSpinBox, u"Freeeverymin_Val2"},
        {ui->AutoFreeRAMLoadSpinBox, u"Freeeverymin_Val3"},
        {ui->recoverMenu1SpinBox, u"FreeupXMenu_Val1"},
        {ui->recoverMenu2SpinBox, u"FreeupYMenu_Val1"},
        {ui->recoverMenu3SpinBox, u"FreeupZMenu_Val1"},
    };
    for (const auto& [box, name] : ranged) {
        const quenby::SettingField* field = quenby::findSettingField(name);
        box->setRange(widgetValue(field->uiMinimum.of(0)), widgetValue(field->uiMaximum.of(0)));
    }

    // What a screen reader says of the controls that have no text of their own.
    const std::pair<QWidget*, QString> names[] = {
        {ui->recoverAtStartRAMSpinBox, tr("RAM to free on startup, in MB")},
        {ui->recoverAtStartTimeSpinBox, tr("Delay of the startup recovery, in seconds")},
        {ui->AutoFreeRAMSpinBox, tr("RAM to free periodically, in MB")},
        {ui->AutoFreeTimeSpinBox, tr("Free-up RAM every, in minutes (0 for never)")},
        {ui->AutoFreeRAMLoadSpinBox, tr("Only if free RAM is below, in percent")},
        {ui->cpuUsageProgressBar, tr("CPU usage")},
        {ui->trayIconColorComboBox, tr("Tray icon text color")},
        {ui->displayInfoComboBox, tr("What the tray icon shows")},
        {ui->recoverMenu1SpinBox, tr("First recovery amount of the tray menu, in MB")},
        {ui->recoverMenu2SpinBox, tr("Second recovery amount of the tray menu, in MB")},
        {ui->recoverMenu3SpinBox, tr("Third recovery amount of the tray menu, in MB")},
        {ui->playAlarmLineEdit, tr("Alarm sound file")},
        {ui->playAlarmToolButton, tr("Choose the alarm sound file")},
        {ui->freeUpKeyLineEdit, tr("Free up RAM hot key: Ctrl + Alt + this key")},
        {ui->disableKeyLineEdit, tr("Disable/enable hot key: Ctrl + Alt + this key")},
    };
    for (const auto& [widget, name] : names)
        widget->setAccessibleName(name);

    ui->tabWidget->setCurrentIndex(0);
    // "Popup Menu" leaves the tab bar but not the dialog: its spin boxes are
    // still loaded and saved.
    ui->tabWidget->removeTab(2);
    ui->recoverAtStartRAMSpinBox->hide();
    ui->recoverAtStartLabel1->hide();
    ui->AutoFreeRAMSpinBox->hide();
    ui->AutoFreeLabel2->hide();
}

OptionsDialog::~OptionsDialog()
{
    emit optionsDialogCloseSignal();
}

void OptionsDialog::buildLayouts()
{
    QVBoxLayout* general = pageLayout(ui->generalTab);
    general->addWidget(ui->startupCheckBox);
    addRow(general, {ui->recoverAtStartCheckBox, ui->recoverAtStartRAMSpinBox, ui->recoverAtStartLabel1,
                     ui->recoverAtStartTimeSpinBox, ui->recoverAtStartLabel2});
    addRow(general, {ui->AutoFreeLabel1, ui->AutoFreeRAMSpinBox, ui->AutoFreeLabel2,
                     ui->AutoFreeTimeSpinBox, ui->AutoFreeLabel3, ui->AutoFreeRAMLoadSpinBox,
                     ui->AutoFreeLabel4});
    general->addWidget(ui->recoveryBackoffCheckBox);
    general->addWidget(ui->pauseWhileFullScreenCheckBox);
    general->addWidget(ui->protectedProgramsLabel);
    general->addWidget(ui->protectedProgramsLineEdit);
    general->addWidget(ui->protectedProgramsNoteLabel);
    general->addWidget(ui->line);
    addRow(general, {ui->cpuUsageLabel, ui->cpuUsageProgressBar});
    general->addWidget(ui->CPUUsageCheckBox);
    general->addWidget(ui->cpuUsageDescLabel);

    QVBoxLayout* tray = pageLayout(ui->trayIconTab);
    addRow(tray, {ui->defaultIconLabel, ui->defaultIconImage, ui->recoverIconLabel, ui->recoverIconImage});
    tray->addWidget(ui->line2);
    addRow(tray, {ui->trayIconColorLabel, ui->trayIconColorComboBox});
    addRow(tray, {ui->displayInfoLabel1, ui->displayInfoComboBox, ui->displayInfoLabel2});
    tray->addWidget(ui->notifyRecoveryCheckBox);

    QVBoxLayout* popup = pageLayout(ui->popupMenuTab);
    popup->addWidget(ui->popupMenuImage);
    addRow(popup, {ui->recoverMenu1Label1, ui->recoverMenu1SpinBox, ui->recoverMenu1Label2});
    addRow(popup, {ui->recoverMenu2Label1, ui->recoverMenu2SpinBox, ui->recoverMenu2Label2});
    addRow(popup, {ui->recoverMenu3Label1, ui->recoverMenu3SpinBox, ui->recoverMenu3Label2});

    QVBoxLayout* others = pageLayout(ui->othersTab);
    others->addWidget(ui->clearClipboardCheckBox);
    others->addWidget(ui->playAlarmCheckBox);
    addRow(others, {ui->playAlarmLineEdit, ui->playAlarmToolButton});
    others->addWidget(ui->line3);
    addRow(others, {ui->freeUpKeyLabel, ui->freeUpKeyLineEdit});
    addRow(others, {ui->disableKeyLabel, ui->disableKeyLineEdit});
    // The two hot key labels keep their fixed widths, so that the key fields
    // line up; a text that needs more (a translation, a wider font) widens them.
    for (QLabel* label : {ui->freeUpKeyLabel, ui->disableKeyLabel})
        label->setFixedWidth(std::max(label->minimumWidth(), label->sizeHint().width()));

    // The buttons move out of their design-time holder into the dialog's own
    // layout; the holder stays behind, empty and outside any layout.
    auto* dialog = new QVBoxLayout(this);
    dialog->addWidget(ui->tabWidget);
    auto* buttons = new QHBoxLayout;
    buttons->setAlignment(Qt::AlignRight);
    buttons->addWidget(ui->savePushButton);
    buttons->addWidget(ui->cancelPushButton);
    dialog->addLayout(buttons);
}

void OptionsDialog::loadSettings()
{
    const quenby::Settings& s = settings();
    ui->startupCheckBox->setChecked(s.startWithWindows);
    ui->recoverAtStartCheckBox->setChecked(s.FreeonStartup == 1);
    ui->recoverAtStartRAMSpinBox->setValue(widgetValue(s.FreeonStartup_val1));
    ui->recoverAtStartTimeSpinBox->setValue(widgetValue(s.FreeonStartup_val2));
    ui->AutoFreeRAMSpinBox->setValue(widgetValue(s.Freeeverymin_Val1));
    ui->AutoFreeTimeSpinBox->setValue(widgetValue(s.Freeeverymin_Val2));
    ui->AutoFreeRAMLoadSpinBox->setValue(widgetValue(s.Freeeverymin_Val3));
    ui->CPUUsageCheckBox->setChecked(s.Disable_CPU_detect == 1);
    // Any stored value but 0 means on, as the engine reads it.
    ui->recoveryBackoffCheckBox->setChecked(s.RecoveryBackoff != 0);
    ui->pauseWhileFullScreenCheckBox->setChecked(s.PauseWhileFullScreen != 0);
    ui->protectedProgramsLineEdit->setText(QString::fromStdU16String(s.PauseWhileRunning));

    const char* const colourIcons[] = {":/resources/images/ColorBlack.png",
                                       ":/resources/images/ColorWhite.png",
                                       ":/resources/images/ColorBlackWhite.png"};
    const auto colours = quenby::findSettingField(u"TrayIconTextColor")->choices;
    for (std::size_t i = 0; i < colours.size() && i < std::size(colourIcons); ++i)
        ui->trayIconColorComboBox->addItem(
            QIcon(quenby::panel::visibleOn(QPixmap(QString::fromLatin1(colourIcons[i])), palette())),
            choiceText(colours[i]));
    // An index outside the list leaves it without a selection.
    ui->trayIconColorComboBox->setCurrentIndex(static_cast<int>(s.TrayIconTextColor));
    for (const std::string_view name : quenby::findSettingField(u"TrayIconInfo")->choices)
        ui->displayInfoComboBox->addItem(choiceText(name));
    ui->displayInfoComboBox->setCurrentIndex(static_cast<int>(s.TrayIconInfo));
    ui->notifyRecoveryCheckBox->setChecked(s.NotifyRecovery == 1);

    ui->recoverMenu1SpinBox->setValue(widgetValue(s.FreeupXMenu_Val1));
    ui->recoverMenu2SpinBox->setValue(widgetValue(s.FreeupYMenu_Val1));
    ui->recoverMenu3SpinBox->setValue(widgetValue(s.FreeupZMenu_Val1));

    ui->clearClipboardCheckBox->setChecked(s.AutoclearClipboard == 1);
    ui->playAlarmCheckBox->setChecked(s.PlaySound == 1);
    ui->playAlarmLineEdit->setText(QString::fromStdU16String(s.Music));

    ui->freeUpKeyLineEdit->setText(hotKeyText(s.Hotkey1));
    ui->disableKeyLineEdit->setText(hotKeyText(s.Hotkey2));

    // What an administrator's policy decides is shown but can't be changed here.
    const std::pair<QWidget*, std::u16string_view> controls[] = {
        {ui->recoverAtStartCheckBox, u"FreeonStartup"},
        {ui->recoverAtStartRAMSpinBox, u"FreeonStartup_val1"},
        {ui->recoverAtStartTimeSpinBox, u"FreeonStartup_val2"},
        {ui->AutoFreeRAMSpinBox, u"Freeeverymin_Val1"},
        {ui->AutoFreeTimeSpinBox, u"Freeeverymin_Val2"},
        {ui->AutoFreeRAMLoadSpinBox, u"Freeeverymin_Val3"},
        {ui->CPUUsageCheckBox, u"Disable_CPU_detect"},
        {ui->recoveryBackoffCheckBox, u"RecoveryBackoff"},
        {ui->pauseWhileFullScreenCheckBox, u"PauseWhileFullScreen"},
        {ui->protectedProgramsLineEdit, u"PauseWhileRunning"},
        {ui->trayIconColorComboBox, u"TrayIconTextColor"},
        {ui->displayInfoComboBox, u"TrayIconInfo"},
        {ui->notifyRecoveryCheckBox, u"NotifyRecovery"},
        {ui->recoverMenu1SpinBox, u"FreeupXMenu_Val1"},
        {ui->recoverMenu2SpinBox, u"FreeupYMenu_Val1"},
        {ui->recoverMenu3SpinBox, u"FreeupZMenu_Val1"},
        {ui->clearClipboardCheckBox, u"AutoclearClipboard"},
        {ui->playAlarmCheckBox, u"PlaySound"},
        {ui->playAlarmLineEdit, u"Music"},
        {ui->playAlarmToolButton, u"Music"},
        {ui->freeUpKeyLineEdit, u"Hotkey1"},
        {ui->disableKeyLineEdit, u"Hotkey2"},
    };
    for (const auto& [control, name] : controls)
        quenby::panel::markPolicyControl(control, name);
    quenby::panel::markStartupControl(ui->startupCheckBox);
}

void OptionsDialog::setCpuUsage(int percent)
{
    ui->cpuUsageProgressBar->setValue(percent);
}

std::uint32_t OptionsDialog::hotKeyCode(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return 0;
    return static_cast<unsigned char>(trimmed.front().toLatin1());
}

void OptionsDialog::applySettings()
{
    quenby::Settings& s = settings();
    s.startWithWindows = ui->startupCheckBox->isChecked();
    s.FreeonStartup = flag(ui->recoverAtStartCheckBox->isChecked());
    s.FreeonStartup_val1 = static_cast<std::uint32_t>(ui->recoverAtStartRAMSpinBox->value());
    s.FreeonStartup_val2 = static_cast<std::uint32_t>(ui->recoverAtStartTimeSpinBox->value());
    s.Freeeverymin_Val1 = static_cast<std::uint32_t>(ui->AutoFreeRAMSpinBox->value());
    s.Freeeverymin_Val2 = static_cast<std::uint32_t>(ui->AutoFreeTimeSpinBox->value());
    s.Freeeverymin_Val3 = static_cast<std::uint32_t>(ui->AutoFreeRAMLoadSpinBox->value());
    s.Disable_CPU_detect = flag(ui->CPUUsageCheckBox->isChecked());
    s.RecoveryBackoff = flag(ui->recoveryBackoffCheckBox->isChecked());
    s.PauseWhileFullScreen = flag(ui->pauseWhileFullScreenCheckBox->isChecked());
    s.PauseWhileRunning = ui->protectedProgramsLineEdit->text().toStdU16String();
    // No selection is index -1: 65535 in the 16-bit colour field.
    s.TrayIconTextColor = static_cast<std::uint16_t>(ui->trayIconColorComboBox->currentIndex());
    s.TrayIconInfo = static_cast<std::uint32_t>(ui->displayInfoComboBox->currentIndex());
    s.NotifyRecovery = flag(ui->notifyRecoveryCheckBox->isChecked());
    s.FreeupXMenu_Val1 = static_cast<std::uint32_t>(ui->recoverMenu1SpinBox->value());
    s.FreeupYMenu_Val1 = static_cast<std::uint32_t>(ui->recoverMenu2SpinBox->value());
    s.FreeupZMenu_Val1 = static_cast<std::uint32_t>(ui->recoverMenu3SpinBox->value());
    s.AutoclearClipboard = flag(ui->clearClipboardCheckBox->isChecked());
    s.PlaySound = flag(ui->playAlarmCheckBox->isChecked());
    s.Music = ui->playAlarmLineEdit->text().toStdU16String();
    s.Hotkey1 = hotKeyCode(ui->freeUpKeyLineEdit->text());
    s.Hotkey2 = hotKeyCode(ui->disableKeyLineEdit->text());
}

void OptionsDialog::on_savePushButton_clicked()
{
    // Nothing is saved while a hot key can't be had; the dialog stays open on
    // it. One set by the administrator is not the user's to change.
    for (QLineEdit* edit : {ui->freeUpKeyLineEdit, ui->disableKeyLineEdit}) {
        const QString refusal = edit->isEnabled() ? hotKeyRefusal(hotKeyCode(edit->text())) : QString();
        if (!refusal.isEmpty()) {
            QMessageBox::warning(this, QStringLiteral("Quenby"), refusal);
            edit->setFocus();
            edit->selectAll();
            return;
        }
    }
    applySettings();
    quenby::panel::SettingsStore().writeSettings(QStringLiteral("Software\\Quenby"), settings());
    quenby::postToEngine(quenby::panel::messages()[quenby::Message::UpdateData]);
    deleteLater();
}

void OptionsDialog::on_cancelPushButton_clicked()
{
    deleteLater();
}

void OptionsDialog::on_playAlarmToolButton_clicked()
{
    const QString file = QFileDialog::getOpenFileName(this, tr("Add Files"),
                                                      quenby::panel::windowsMediaDirectory(),
                                                      tr("All Files (*.wav)"));
    if (!file.isEmpty())
        ui->playAlarmLineEdit->setText(file);
}
