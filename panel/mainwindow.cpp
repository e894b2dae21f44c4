#include "panel/mainwindow.h"

#include <algorithm>
#include <climits>
#include <string_view>

#include <QBoxLayout>
#include <QDir>
#include <QGridLayout>
#include <QMessageBox>
#include <QTimer>

#include "common/engine_link.h"
#include "common/identity.h"
#include "common/os/windowlink.h"
#include "common/sampling.h"
#include "common/settings_schema.h"
#include "panel/aboutdialog.h"
#include "panel/getinfothread.h"
#include "panel/graphform.h"
#include "panel/optionsdialog.h"
#include "panel/os/panel_os.h"
#include "panel/panel_state.h"
#include "ui_mainwindow.h"

using quenby::Message;
using quenby::panel::logLine;
using quenby::panel::messages;
using quenby::panel::settings;

namespace {

const QString kSettingsKey = QStringLiteral("Software\\Quenby");

// Why the engine did not start, as one sentence for the user.
QString startFailureReason(const quenby::os::StartOutcome& outcome)
{
    using quenby::os::StartFailure;
    switch (outcome.failure) {
    case StartFailure::notFound:
        return MainWindow::tr("The file does not exist.");
    case StartFailure::accessDenied:
        return MainWindow::tr("You are not allowed to run this file.");
    case StartFailure::notAProgram:
        return MainWindow::tr("The file is not a program that can be run.");
    case StartFailure::noResources:
        return MainWindow::tr("There is not enough memory to start it.");
    case StartFailure::none:
    case StartFailure::other:
        break;
    }
    //: Why the tray engine could not be started. %1: Windows' error number.
    return MainWindow::tr("The system refused to start it (error %1).").arg(outcome.code);
}

// A stored number as a widget value: anything beyond what an int holds is the
// largest int, so that the widget clamps it to its maximum rather than wrapping
// to a negative number and clamping that to 0.
int widgetValue(std::uint32_t stored)
{
    return static_cast<int>(std::min<std::uint32_t>(stored, INT_MAX));
}

// A slider's range as the settings table gives it for this machine's memory:
// one place holds the defaults and the ranges, so they can't drift apart.
void takeRange(QSlider* slider, std::u16string_view name, int totalMB)
{
    const quenby::SettingField* field = quenby::findSettingField(name);
    const auto total = static_cast<std::uint32_t>(totalMB);
    slider->setRange(widgetValue(field->uiMinimum.of(total)), widgetValue(field->uiMaximum.of(total)));
}

} // namespace

MainWindow::MainWindow(QWidget* parent, std::optional<int> totalRAMOverride)
    : QMainWindow(parent), ui(std::make_unique<Ui::MainWindow>())
{
    ui->setupUi(this);

    const quenby::MessageNumbers& numbers = messages();
    logLine(QStringLiteral("WM_QUENBY_ENABLEID: %1").arg(numbers[Message::QuenbyEnable]));
    logLine(QStringLiteral("WM_QUENBY_DISABLEID: %1").arg(numbers[Message::QuenbyDisable]));
    messageEndpoint = quenby::panel::os::openMessageEndpoint(
        [this](std::uint32_t message) { handleEngineMessage(message); });

    auto* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, &MainWindow::update);
    timer->start(1000);

    buildLayouts();

    totalRAM = totalRAMOverride ? *totalRAMOverride : static_cast<int>(quenby::totalPhysicalMB());
    takeRange(ui->minHorizontalSlider, u"MinimumFreeRAM", totalRAM);
    takeRange(ui->targetHorizontalSlider, u"TargetFreeRAM", totalRAM);

    // In the app theme's look from the start, and in the other one within a
    // second of the user's switch.
    theme = new quenby::panel::ThemeFollower(this);
    theme->refresh();

    reloadSettings();
    // The value labels and what a screen reader says of the sliders, also when
    // the stored values left the sliders where they were.
    on_targetHorizontalSlider_valueChanged(ui->targetHorizontalSlider->value());
    on_minHorizontalSlider_valueChanged(ui->minHorizontalSlider->value());
    nameControls();
    startMeasurement();
    if (graph)
        graph->refresh();

    if (quenby::engineWindow()) {
        const int stored = static_cast<int>(settings().Quenby_Stat);
        setEngineState(stored);
        showEngineState(stored);
    } else {
        showEngineState(-1);
    }

    ui->freeUpButton->hide();
}

MainWindow::~MainWindow()
{
    // The look goes back to the light one while the window is still whole:
    // the style change reaches every widget, this window's too.
    delete theme;
}

void MainWindow::buildLayouts()
{
    auto* mainLayout = new QVBoxLayout;
    mainLayout->setAlignment(Qt::AlignTop);

    auto* toolRow = new QHBoxLayout;
    toolRow->setAlignment(Qt::AlignLeft);
    const QList<QWidget*> tools = {ui->SaveButton,    ui->OptionsButton, ui->line1,
                                   ui->EnableButton,  ui->DisableButton, ui->CloseButton,
                                   ui->line2,         ui->AboutButton};
    for (QWidget* widget : tools)
        toolRow->addWidget(widget);
    mainLayout->addLayout(toolRow);

    // The graph becomes a child of the central widget through the layout. It is
    // not shown on its own first: as a parentless widget that would flash up as
    // a window of its own; it shows with the main window.
    graph = new GraphForm;
    mainLayout->addWidget(graph);
    mainLayout->addSpacing(30);

    auto* statusRow = new QHBoxLayout;
    statusRow->addSpacing(15);
    auto* leftColumn = new QVBoxLayout;
    leftColumn->setAlignment(Qt::AlignLeft);
    leftColumn->addWidget(ui->totalRAMLabel);
    leftColumn->addWidget(ui->cpuUsagesLabel);
    statusRow->addLayout(leftColumn);
    auto* rightColumn = new QVBoxLayout;
    rightColumn->setAlignment(Qt::AlignRight | Qt::AlignTop);
    rightColumn->addWidget(ui->availRAMLabel);
    statusRow->addLayout(rightColumn);
    statusRow->addSpacing(15);
    mainLayout->addLayout(statusRow);

    auto* sliderRow = new QHBoxLayout;
    sliderRow->addSpacing(15);
    auto* grid = new QGridLayout;
    grid->setSpacing(10);
    grid->addWidget(ui->targetFreeLabel, 0, 0);
    grid->addWidget(ui->targetHorizontalSlider, 0, 1);
    grid->addWidget(ui->targetFreeValLabel, 0, 2);
    grid->addWidget(ui->minFreeLabel, 1, 0);
    grid->addWidget(ui->minHorizontalSlider, 1, 1);
    grid->addWidget(ui->minFreeValLabel, 1, 2);
    sliderRow->addLayout(grid);
    sliderRow->addSpacing(15);
    mainLayout->addLayout(sliderRow);

    ui->centralwidget->setLayout(mainLayout);
}

void MainWindow::reloadSettings()
{
    quenby::panel::SettingsStore().readSettings(kSettingsKey, settings(), totalRAM);
    ui->targetHorizontalSlider->setValue(widgetValue(settings().TargetFreeRAM));
    ui->minHorizontalSlider->setValue(widgetValue(settings().MinimumFreeRAM));
    quenby::panel::markPolicyControl(ui->targetHorizontalSlider, u"TargetFreeRAM");
    quenby::panel::markPolicyControl(ui->minHorizontalSlider, u"MinimumFreeRAM");
}

bool MainWindow::setEngineState(int state)
{
    logLine(QStringLiteral("stat: %1").arg(state));
    if (state < 0) {
        if (const quenby::os::WindowRef engine = quenby::engineWindow())
            quenby::os::postMessage(engine, quenby::kCloseMessage, 0, 0);
        return true;
    }
    if (state > 1) {
        // Neither on nor off (a value written by hand): kept as it is, and
        // nobody is told of a change.
        quenby::storeState(quenby::panel::registry(), settings(), static_cast<std::uint32_t>(state));
        return true;
    }
    if (state == 1)
        logLine(QStringLiteral("HandleRAM: %1").arg(static_cast<qulonglong>(quenby::engineWindow().id)));
    const quenby::SwitchOutcome outcome = quenby::switchOptimizer(
        quenby::panel::registry(), settings(), state == 1, [this](const std::u16string& enginePath) {
            logLine(QStringLiteral("appFullPath: ") + QString::fromStdU16String(enginePath));
            return quenby::panel::os::startEngine(this, QString::fromStdU16String(enginePath));
        });
    if (outcome.switched == quenby::Switched::notStarted) {
        // Never a silent failure: the user learns what went wrong, and the
        // stored state stays enabled, so the next start with Windows runs
        // the engine.
        logLine(QStringLiteral("engine not started: ") + QString::fromStdString(outcome.start.detail));
        const QString path = QString::fromStdU16String(settings().enginePath);
        //: %1: the full path of the tray engine's program file; a sentence saying why follows on the next line.
        QMessageBox::warning(this, QStringLiteral("Quenby"),
                             tr("The RAM optimizer could not be started from %1.").arg(QDir::toNativeSeparators(path)) +
                                 QStringLiteral("\n\n") + startFailureReason(outcome.start));
        return false;
    }
    if (outcome.switched == quenby::Switched::notStored)
        logLine(QStringLiteral("the state could not be stored"));
    return true;
}

void MainWindow::showEngineState(int state)
{
    ui->EnableButton->setChecked(state == 1);
    ui->DisableButton->setChecked(state == 0);
    ui->CloseButton->setChecked(state != 1 && state != 0);
}

bool MainWindow::handleEngineMessage(std::uint32_t message)
{
    Message which{};
    if (!messages().identify(message, which))
        return false;
    logLine(QString::fromStdU16String(std::u16string(quenby::messageName(which))));
    switch (which) {
    case Message::UpdateData:
        reloadSettings();
        break;
    case Message::StartDefragRAM:
        break;
    case Message::QuenbyStart:
        // The state this panel holds, not the registry's: the engine may have
        // been started by this panel's Enable a moment ago.
        showEngineState(static_cast<int>(settings().Quenby_Stat));
        break;
    case Message::QuenbyExit:
        showEngineState(-1);
        break;
    case Message::QuenbyDisable:
        showEngineState(0);
        break;
    case Message::QuenbyEnable:
        showEngineState(1);
        break;
    case Message::ShowPanel:
        bringToFront();
        break;
    }
    return true;
}

void MainWindow::bringToFront()
{
    // Restored from the taskbar to the state it had before (maximized stays so).
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    // SetForegroundWindow on Windows, which the starter that asked for this has
    // allowed this process.
    activateWindow();
}

bool MainWindow::nativeEvent(const QByteArray& eventType, void* message, qintptr* result)
{
    const std::uint32_t number = quenby::panel::os::nativeMessageNumber(eventType, message);
    if (number != 0 && handleEngineMessage(number))
        return true;
    return QMainWindow::nativeEvent(eventType, message, result);
}

void MainWindow::update()
{
    theme->refresh();
    startMeasurement();
}

void MainWindow::startMeasurement()
{
    auto* thread = new GetInfoThread;
    connect(thread, &GetInfoThread::totalRAMInfoSignal, this, &MainWindow::totalRAMInfo);
    connect(thread, &GetInfoThread::availRAMInfoSignal, this, &MainWindow::availRAMInfo);
    connect(thread, &GetInfoThread::cpuUsagesInfoSignal, this, &MainWindow::cpuUsagesInfo);
    // One thread a second: each must go once it has reported, or a panel left
    // open for a day keeps 86,400 of them.
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start(QThread::InheritPriority);
}

void MainWindow::on_freeUpButton_clicked()
{
    // The button is never shown.
}

void MainWindow::totalRAMInfo(int val)
{
    //: %1: megabytes of RAM installed, a whole number.
    ui->totalRAMLabel->setText(tr("Total RAM: %1MB").arg(val));
}

void MainWindow::availRAMInfo(int _availRAM, int _ramLoad)
{
    //: %1: megabytes of RAM available now; %2: that as a share of all RAM, in percent (the % after it is the percent sign).
    ui->availRAMLabel->setText(
        tr("Available RAM: %1MB (%2%)").arg(QString::number(_availRAM), QString::number(_ramLoad)));
    if (graph)
        graph->addValue(_ramLoad);
}

void MainWindow::cpuUsagesInfo(int val)
{
    //: %1: the processor load of the last second in percent; the % after it is the percent sign.
    ui->cpuUsagesLabel->setText(tr("CPU Usages: %1%").arg(val));
    if (optionsDialogOpen && optionsDialog)
        optionsDialog->setCpuUsage(val);
}

void MainWindow::optionsDialogClose()
{
    optionsDialogOpen = false;
}

void MainWindow::on_targetHorizontalSlider_valueChanged(int value)
{
    //: %1: megabytes, the value the slider beside it is set to.
    ui->targetFreeValLabel->setText(tr("%1 MB").arg(value));
    //: Read by screen readers for the slider. %1: the megabytes it is set to.
    ui->targetHorizontalSlider->setAccessibleName(tr("Target free RAM, %1 MB").arg(value));
}

void MainWindow::on_minHorizontalSlider_valueChanged(int value)
{
    ui->minFreeValLabel->setText(tr("%1 MB").arg(value));
    //: Read by screen readers for the slider. %1: the megabytes it is set to.
    ui->minHorizontalSlider->setAccessibleName(tr("Minimum free RAM, %1 MB").arg(value));
}

void MainWindow::nameControls()
{
    // The tool buttons show pictures above short words; a screen reader says
    // what each one does.
    const std::pair<QWidget*, QString> names[] = {
        {ui->SaveButton, tr("Save the target and minimum free RAM")},
        {ui->OptionsButton, tr("Open the options")},
        {ui->EnableButton, tr("Enable the RAM optimizer")},
        {ui->DisableButton, tr("Disable the RAM optimizer")},
        {ui->CloseButton, tr("Close the RAM optimizer")},
        {ui->AboutButton, tr("About Quenby")},
    };
    for (const auto& [widget, name] : names)
        widget->setAccessibleName(name);

    // Tab goes as one reads: the tool row from the left, then the two sliders.
    QWidget* const order[] = {ui->SaveButton,    ui->OptionsButton, ui->EnableButton,
                              ui->DisableButton, ui->CloseButton,   ui->AboutButton,
                              ui->targetHorizontalSlider, ui->minHorizontalSlider};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void MainWindow::on_AboutButton_clicked()
{
    auto* about = new AboutDialog(this);
    // Destroyed however it is closed (Close, Escape or the title bar), so that
    // repeated visits leave no hidden boxes behind.
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->setLicenseText();
    about->exec();
}

void MainWindow::on_OptionsButton_clicked()
{
    auto* dialog = new OptionsDialog(this);
    // Escape and the title-bar button only reject a dialog; without this it
    // would live on hidden, never report its close, and keep being fed CPU
    // readings. With it, exec() deletes the dialog on every way out.
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    optionsDialog = dialog;
    dialog->loadSettings();
    connect(dialog, &OptionsDialog::optionsDialogCloseSignal, this, &MainWindow::optionsDialogClose);
    optionsDialogOpen = true;
    dialog->exec();
}

void MainWindow::on_SaveButton_clicked()
{
    settings().TargetFreeRAM = static_cast<std::uint32_t>(ui->targetHorizontalSlider->value());
    settings().MinimumFreeRAM = static_cast<std::uint32_t>(ui->minHorizontalSlider->value());
    quenby::panel::SettingsStore().writeSettings(kSettingsKey, settings());
    quenby::postToEngine(messages()[Message::UpdateData]);
}

void MainWindow::on_EnableButton_clicked()
{
    // An engine that could not be started is not running: the buttons say so.
    showEngineState(setEngineState(1) ? 1 : -1);
}

void MainWindow::on_DisableButton_clicked()
{
    setEngineState(0);
    showEngineState(0);
}

void MainWindow::on_CloseButton_clicked()
{
    setEngineState(-1);
    showEngineState(-1);
}
