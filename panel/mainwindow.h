// The control panel's window: live figures, the usage graph, the two free-RAM
// sliders, the engine's switches, and the way into the options and About boxes.
// It is the panel's end of the message exchange with the engine.
#pragma once

#include <QMainWindow>
#include <QPointer>

#include <cstdint>
#include <memory>
#include <optional>

#include "panel/theme.h"

QT_BEGIN_NAMESPACE
namespace Ui {
class MainWindow;
}
QT_END_NAMESPACE

class GraphForm;
class OptionsDialog;

class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    // `totalRAM` in MB replaces the measured total memory (tests give the
    // figures of a machine they don't run on); by default the machine's own.
    explicit MainWindow(QWidget* parent = nullptr, std::optional<int> totalRAM = std::nullopt);
    ~MainWindow() override;

    // Loads the settings and sets both sliders from them.
    void reloadSettings();
    // 1 enable, 0 disable, -1 close: stores the state and starts, tells or
    // closes the engine. False when the engine had to be started and could not
    // be; the user has then been told why.
    bool setEngineState(int state);
    // Checks the button of the state alone: Enable for 1, Disable for 0, Close
    // for anything else.
    void showEngineState(int state);

    // A registered message from the engine (or from a second start of the
    // panel), however it arrived; false for any other message number.
    bool handleEngineMessage(std::uint32_t message);


protected:
    bool nativeEvent(const QByteArray& eventType, void* message, qintptr* result) override;

private slots:
    // Starts one measurement. The name hides QWidget::update() within this
    // class; the window never needs the inherited one.
    void update();
    void on_freeUpButton_clicked();
    void totalRAMInfo(int val);
    void availRAMInfo(int _availRAM, int _ramLoad);
    void cpuUsagesInfo(int val);
    void optionsDialogClose();
    void on_targetHorizontalSlider_valueChanged(int value);
    void on_minHorizontalSlider_valueChanged(int value);
    void on_AboutButton_clicked();
    void on_OptionsButton_clicked();
    void on_SaveButton_clicked();
    void on_EnableButton_clicked();
    void on_DisableButton_clicked();
    void on_CloseButton_clicked();

private:
    void buildLayouts();
    // The accessible names of the controls whose text does not say what they do.
    void nameControls();
    void startMeasurement();
    // Shown (restored if minimized), raised and made the active window.
    void bringToFront();

    std::unique_ptr<Ui::MainWindow> ui;
    int totalRAM = 0;
    bool optionsDialogOpen = false;
    QPointer<OptionsDialog> optionsDialog;
    GraphForm* graph = nullptr;
    // Follows Windows' app theme, light or dark.
    quenby::panel::ThemeFollower* theme = nullptr;
    // On Linux, the endpoint through which the engine's messages arrive.
    std::unique_ptr<QObject> messageEndpoint;
};
