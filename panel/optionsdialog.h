// Every setting but the two free-RAM levels and the engine state, on tabbed
// pages; Save writes them all and tells the engine to read them again.
#pragma once

#include <QDialog>

#include <cstdint>
#include <memory>

QT_BEGIN_NAMESPACE
namespace Ui {
class OptionsDialog;
}
QT_END_NAMESPACE

class OptionsDialog : public QDialog {
    Q_OBJECT

public:
    explicit OptionsDialog(QWidget* parent = nullptr);
    // Emits optionsDialogCloseSignal(): once per dialog object.
    ~OptionsDialog() override;

    // Fills the controls and the two lists from the panel's settings.
    void loadSettings();
    // The current CPU usage in percent, for the bar.
    void setCpuUsage(int percent);
    // Copies the controls into the panel's settings (the first step of Save).
    void applySettings();

    // A hot key as it is stored: the Latin-1 code of the first character after
    // white space is trimmed, 0 for none (empty, only white space, or a
    // character outside Latin-1). Letters keep their case.
    static std::uint32_t hotKeyCode(const QString& text);

signals:
    void optionsDialogCloseSignal();

private slots:
    void on_cancelPushButton_clicked();
    void on_savePushButton_clicked();
    void on_playAlarmToolButton_clicked();

private:
    void buildLayouts();

    std::unique_ptr<Ui::OptionsDialog> ui;
};
