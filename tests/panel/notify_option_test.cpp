// The options dialog's "Show how much RAM was recovered" box: loaded from the
// stored NotifyRecovery (only 1 ticks it) and saved as 1 or 0.
#include <QtTest>

#include <QCheckBox>
#include <QPushButton>

#include "panel/optionsdialog.h"
#include "panel/panel_state.h"
#include "tests/panel/panel_test_support.h"

using namespace quenby::paneltest;

class NotifyOptionTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<PrivateSettings> settings_;
    QWidget owner_;

private slots:
    void initTestCase()
    {
        settings_ = std::make_unique<PrivateSettings>();
        QVERIFY(settings_->ok());
        initPanelResources();
    }

    void init() { settings_->clearRegistry(); }

    void loadedAndSaved_data()
    {
        QTest::addColumn<int>("stored"); // -1: no settings stored at all
        QTest::addColumn<bool>("ticked");
        QTest::addColumn<bool>("click");
        QTest::addColumn<uint>("saved");
        QTest::newRow("nothing stored, left alone") << -1 << false << false << 0u;
        QTest::newRow("nothing stored, ticked") << -1 << false << true << 1u;
        QTest::newRow("0, left alone") << 0 << false << false << 0u;
        QTest::newRow("1, left alone") << 1 << true << false << 1u;
        QTest::newRow("1, unticked") << 1 << true << true << 0u;
        QTest::newRow("2 is not on") << 2 << false << false << 0u;
        QTest::newRow("2, ticked") << 2 << false << true << 1u;
    }

    void loadedAndSaved()
    {
        QFETCH(int, stored);
        QFETCH(bool, ticked);
        QFETCH(bool, click);
        QFETCH(uint, saved);
        if (stored >= 0)
            storeSettings([stored](quenby::Settings& s) { s.NotifyRecovery = static_cast<std::uint32_t>(stored); });
        quenby::panel::SettingsStore().readSettings(QStringLiteral("Software\\Quenby"),
                                                    quenby::panel::settings(), kTotalRAM);
        QPointer<OptionsDialog> dialog = new OptionsDialog(&owner_);
        dialog->loadSettings();
        auto* box = dialog->findChild<QCheckBox*>(QStringLiteral("notifyRecoveryCheckBox"));
        QVERIFY(box);
        QCOMPARE(box->isChecked(), ticked);
        if (click) {
            QTest::mouseClick(box, Qt::LeftButton);
            QCOMPARE(box->isChecked(), !ticked);
        }
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("savePushButton")), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(dialog.isNull(), 10000);
        QCOMPARE(storedNumber(u"NotifyRecovery"), std::optional<std::uint32_t>(saved));
    }
};

QTEST_MAIN(NotifyOptionTest)
#include "notify_option_test.moc"
