#include "panel/aboutdialog.h"

#include "panel/os/panel_os.h"
#include "panel/utilities.h"
#include "ui_aboutdialog.h"

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::AboutDialog>())
{
    ui->setupUi(this);

    ui->label_5->setText(
        quenby::panel::windowsGenerationText(quenby::panel::os::windowsBuildNumber()));
    ui->label->setText(QStringLiteral("Quenby"));
    ui->label->adjustSize();
    //: %1, %2 and %3: the parts of the version number, as in 1.4.2.
    ui->versionLabel->setText(tr("Version: %1.%2.%3 (Beta)")
                                  .arg(QString::number(kVersionMajor), QString::number(kVersionMinor),
                                       QString::number(kVersionBuild)));
    ui->webLabel->setTextFormat(Qt::RichText);
    ui->webLabel->setText(QStringLiteral("<a href=\"%1\">%2</a>")
                              .arg(QLatin1String(kWebAddress), QLatin1String(kWebHost)));
    ui->webLabel->setTextInteractionFlags(Qt::TextBrowserInteraction);
    ui->webLabel->setOpenExternalLinks(true);
    // The form's places fit the English texts; a longer translation gets room.
    quenby::panel::giveTextsRoom(this);
    quenby::panel::mirrorIfRightToLeft(this);
}

AboutDialog::~AboutDialog() = default;

void AboutDialog::setLicenseText() {}

void AboutDialog::on_closeButton_clicked()
{
    deleteLater();
}
