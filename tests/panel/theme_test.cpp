// The panel and Windows' app theme, offscreen: dark when "AppsUseLightTheme"
// is 0, exactly its old look otherwise, a switch followed within a second
// without a restart, the graph's own colours kept, and the black swatch still
// seen on the dark window.
#include <QtTest>

#include <QApplication>
#include <QComboBox>
#include <QStyle>

#include "common/os/registry.h"
#include "common/settings_schema.h"
#include "panel/graphform.h"
#include "panel/mainwindow.h"
#include "panel/optionsdialog.h"
#include "panel/panel_state.h"
#include "tests/panel/panel_test_support.h"

using namespace quenby::paneltest;

namespace {

// Stores the app theme value as Windows does, or takes it away.
void storeAppTheme(std::optional<std::uint32_t> light, quenby::os::RegType type = quenby::os::RegType::dword)
{
    auto key = quenby::panel::registry().createKey(quenby::kPersonalizeKey);
    QVERIFY(key);
    if (!light) {
        key->deleteValue(quenby::kAppsLightThemeValue);
        return;
    }
    key->setValue(quenby::kAppsLightThemeValue, type, &*light, sizeof *light);
}

bool looksDark()
{
    return qGray(QApplication::palette().color(QPalette::Window).rgb()) < 80;
}

} // namespace

class ThemeTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<PrivateSettings> settings_;
    QString startStyle_;
    QPalette startPalette_;

private slots:
    void initTestCase()
    {
        settings_ = std::make_unique<PrivateSettings>();
        QVERIFY(settings_->ok());
        initPanelResources();
        startStyle_ = QApplication::style()->name();
        startPalette_ = QApplication::palette();
    }

    void init() { storeAppTheme(std::nullopt); }

    void theStoredValueDecides_data()
    {
        QTest::addColumn<int>("stored"); // -1: no value
        QTest::addColumn<bool>("text");  // stored as REG_SZ instead of REG_DWORD
        QTest::addColumn<bool>("dark");
        QTest::newRow("no value: light") << -1 << false << false;
        QTest::newRow("1: light") << 1 << false << false;
        QTest::newRow("0: dark") << 0 << false << true;
        QTest::newRow("2 is no dark") << 2 << false << false;
        QTest::newRow("0 of the wrong type") << 0 << true << false;
    }

    void theStoredValueDecides()
    {
        QFETCH(int, stored);
        QFETCH(bool, text);
        QFETCH(bool, dark);
        if (stored >= 0)
            storeAppTheme(static_cast<std::uint32_t>(stored),
                          text ? quenby::os::RegType::sz : quenby::os::RegType::dword);
        {
            MainWindow window(nullptr, kTotalRAM);
            QCOMPARE(looksDark(), dark);
            if (!dark) {
                // Exactly the look it had before the theme was looked at.
                QCOMPARE(QApplication::style()->name(), startStyle_);
                QCOMPARE(QApplication::palette(), startPalette_);
            }
        }
        storeAppTheme(std::nullopt);
        MainWindow light(nullptr, kTotalRAM);
        QCOMPARE(QApplication::palette(), startPalette_);
    }

    void aSwitchIsFollowedWithoutARestart()
    {
        MainWindow window(nullptr, kTotalRAM);
        window.show();
        auto* graph = window.findChild<GraphForm*>();
        QVERIFY(graph);
        const QColor graphBackground = graph->palette().color(graph->backgroundRole());
        QVERIFY(!looksDark());

        storeAppTheme(0);
        QTRY_VERIFY_WITH_TIMEOUT(looksDark(), 3000);
        QCOMPARE(QApplication::style()->name().toLower(), QStringLiteral("fusion"));
        // The graph keeps the colours it has in the light look.
        QCOMPARE(graph->palette().color(graph->backgroundRole()), graphBackground);

        // The black swatch gets a frame in the text colour, so it stays visible.
        OptionsDialog dialog(&window);
        dialog.loadSettings();
        auto* colours = dialog.findChild<QComboBox*>(QStringLiteral("trayIconColorComboBox"));
        QVERIFY(colours);
        const QImage swatch = colours->itemIcon(0).pixmap(QSize(16, 16)).toImage();
        QCOMPARE(QColor(swatch.pixel(0, 0)), QApplication::palette().color(QPalette::WindowText));

        storeAppTheme(1);
        QTRY_VERIFY_WITH_TIMEOUT(!looksDark(), 3000);
        QCOMPARE(QApplication::style()->name(), startStyle_);
        QCOMPARE(QApplication::palette(), startPalette_);
        // The graph takes the light look from its window, which may only get it
        // from the events that the switch posted.
        QTRY_COMPARE_WITH_TIMEOUT(graph->palette().color(graph->backgroundRole()), graphBackground, 3000);
    }
};

QTEST_MAIN(ThemeTest)
#include "theme_test.moc"
