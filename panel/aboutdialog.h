// The About box: logo, product name, Windows generation, version and a link to
// the product's web site.
#pragma once

#include <QDialog>

#include <memory>

#include "quenby_version.h"

QT_BEGIN_NAMESPACE
namespace Ui {
class AboutDialog;
}
QT_END_NAMESPACE

class AboutDialog : public QDialog {
    Q_OBJECT

public:
    // The project's version, as in the version blocks and the packages.
    static constexpr int kVersionMajor = QUENBY_VERSION_MAJOR;
    static constexpr int kVersionMinor = QUENBY_VERSION_MINOR;
    static constexpr int kVersionBuild = QUENBY_VERSION_PATCH;
    static constexpr const char* kWebAddress = "https://quenby.example/";
    static constexpr const char* kWebHost = "quenby.example";

    explicit AboutDialog(QWidget* parent = nullptr);
    ~AboutDialog() override;

    // The main window calls this before showing the box. The box has no
    // licence field of its own, so there is nothing to fill in yet.
    void setLicenseText();

private slots:
    void on_closeButton_clicked();

private:
    std::unique_ptr<Ui::AboutDialog> ui;
};
