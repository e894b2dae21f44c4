// The panel in every language we ship, offscreen: the user's language is
// picked from the locale, no text of the main window, the options dialog or
// the About box is cut off, the window the engine looks for keeps its title,
// every control a user can reach has a name a screen reader can say, and Tab
// goes through the controls in reading order.
#include <QtTest>

#include <functional>

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QAccessible>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTabWidget>

#include "common/identity.h"
#include "panel/aboutdialog.h"
#include "panel/mainwindow.h"
#include "panel/optionsdialog.h"
#include "panel/translation.h"
#include "tests/panel/panel_test_support.h"

using namespace quenby::paneltest;

namespace {

// The table of languages, as the build read it.
const QStringList kLanguages = QStringLiteral(QUENBY_LANGUAGES).split(QLatin1Char(' '));
const QStringList kRightToLeft = QStringLiteral(QUENBY_RTL_LANGUAGES).split(QLatin1Char(' '), Qt::SkipEmptyParts);

// Controls of `top` a user reads or uses (texts, buttons, boxes, sliders)
// that overlap one another, as "a/b". Backgrounds and frames may lie under
// them; two controls may not.
QStringList overlapping(QWidget* top)
{
    QList<QWidget*> controls;
    for (QWidget* widget : top->findChildren<QWidget*>()) {
        const auto* label = qobject_cast<QLabel*>(widget);
        const bool control = (label && !label->text().isEmpty()) || qobject_cast<QAbstractButton*>(widget) ||
                             qobject_cast<QAbstractSpinBox*>(widget) || qobject_cast<QComboBox*>(widget) ||
                             qobject_cast<QAbstractSlider*>(widget);
        if (control && widget->isVisibleTo(top) && !widget->objectName().startsWith(QLatin1String("qt_")))
            controls.append(widget);
    }
    QStringList found;
    for (int i = 0; i < controls.size(); ++i) {
        for (int j = i + 1; j < controls.size(); ++j) {
            QWidget* a = controls[i];
            QWidget* b = controls[j];
            if (a->isAncestorOf(b) || b->isAncestorOf(a))
                continue;
            if (QRect(a->mapTo(top, QPoint()), a->size()).intersects(QRect(b->mapTo(top, QPoint()), b->size())))
                found.append(a->objectName() + QLatin1Char('/') + b->objectName());
        }
    }
    return found;
}

// The texts that do not fit the room they get, as "name: text". A label or
// check box needs its size hint; a push button's text must fit where the style
// draws it (its hint also holds the style's smallest button width).
QStringList cutOff(QWidget* top)
{
    QStringList cut;
    for (QWidget* widget : top->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(top))
            continue;
        const auto* label = qobject_cast<QLabel*>(widget);
        const auto* button = qobject_cast<QAbstractButton*>(widget);
        QSize wanted;
        if (label && !label->wordWrap() && !label->text().isEmpty() && label->pixmap().isNull())
            wanted = label->sizeHint();
        else if (qobject_cast<QPushButton*>(widget) && !button->text().isEmpty()) {
            // The text must fit where the style draws it.
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = button->text();
            const QRect contents = widget->style()->subElementRect(QStyle::SE_PushButtonContents, &option, widget);
            const QSize text = button->fontMetrics().size(Qt::TextShowMnemonic, button->text());
            wanted = QSize(widget->width() + text.width() - contents.width(),
                           widget->height() + text.height() - contents.height());
        }
        else if (button && !button->text().isEmpty())
            wanted = button->sizeHint();
        if (wanted.isValid() && (widget->width() < wanted.width() || widget->height() < wanted.height()))
            cut.append(QStringLiteral("%1: %2 (%3x%4 of %5x%6)")
                           .arg(widget->objectName(), label ? label->text() : button->text())
                           .arg(widget->width())
                           .arg(widget->height())
                           .arg(wanted.width())
                           .arg(wanted.height()));
        if (const auto* tabs = qobject_cast<QTabBar*>(widget)) {
            for (int i = 0; i < tabs->count(); ++i) {
                if (tabs->tabRect(i).width() <= tabs->fontMetrics().horizontalAdvance(tabs->tabText(i)))
                    cut.append(QStringLiteral("tab: ") + tabs->tabText(i));
            }
        }
    }
    return cut;
}

// The controls Tab can reach, in the order Tab reaches them, from the first.
QList<QWidget*> tabChain(QWidget* top)
{
    QList<QWidget*> chain;
    QWidget* start = top->nextInFocusChain();
    QWidget* widget = start;
    do {
        if ((widget->focusPolicy() & Qt::TabFocus) && widget->isVisibleTo(top) && widget->isEnabled() &&
            top->isAncestorOf(widget))
            chain.append(widget);
        widget = widget->nextInFocusChain();
    } while (widget != start && chain.size() < 200);
    return chain;
}

// What a screen reader says of a control that has the focus: its own name; a
// spin box's text field is read as the spin box, a page bar as its current page.
QString accessibleName(QWidget* widget)
{
    if (auto* spin = qobject_cast<QAbstractSpinBox*>(widget->parentWidget()))
        widget = spin;
    if (auto* pages = qobject_cast<QTabWidget*>(widget))
        return pages->tabText(pages->currentIndex());
    if (auto* bar = qobject_cast<QTabBar*>(widget))
        return bar->tabText(bar->currentIndex());
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

// The texts a user sees in `top` that do not carry the pseudo-language's
// marks: every letter of a translated text lies between its brackets. Names
// that are never translated (the window title the engine finds) are allowed.
QStringList unmarked(QWidget* top, const QStringList& names)
{
    QStringList texts;
    const auto add = [&texts](const QString& text) { texts.append(text); };
    if (top->isWindow())
        add(top->windowTitle());
    for (QWidget* widget : top->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(top))
            continue;
        if (const auto* label = qobject_cast<QLabel*>(widget))
            add(label->text());
        if (const auto* button = qobject_cast<QAbstractButton*>(widget))
            add(button->text());
        if (const auto* bar = qobject_cast<QTabBar*>(widget))
            for (int i = 0; i < bar->count(); ++i)
                add(bar->tabText(i));
        if (const auto* box = qobject_cast<QComboBox*>(widget))
            for (int i = 0; i < box->count(); ++i)
                add(box->itemText(i));
        add(widget->toolTip());
        add(widget->accessibleName());
    }
    QStringList found;
    static const QRegularExpression marked(QStringLiteral("\\[[^\\]]*\\]"));
    static const QRegularExpression letter(QStringLiteral("[A-Za-z]"));
    for (QString text : texts) {
        // Rich text: only what it shows.
        text.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
        // A name, or a web address (the About box's), is never translated.
        static const QRegularExpression address(QStringLiteral("^[\\w.-]+\\.[a-z]{2,}(/\\S*)?$"));
        if (names.contains(text) || address.match(text).hasMatch())
            continue;
        if (QString(text).remove(marked).contains(letter))
            found.append(text);
    }
    return found;
}

} // namespace

class LanguagesTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<PrivateSettings> settings_;

    void show(QWidget* widget)
    {
        widget->show();
        QVERIFY(QTest::qWaitForWindowExposed(widget));
    }

    // The options dialog with the stored settings, shown on each page in turn.
    void onEveryOptionsPage(QWidget* parent, const std::function<void(QDialog*)>& look)
    {
        OptionsDialog options(parent);
        options.loadSettings();
        auto* tabs = options.findChild<QTabWidget*>(QStringLiteral("tabWidget"));
        QVERIFY(tabs);
        show(&options);
        for (int page = 0; page < tabs->count(); ++page) {
            tabs->setCurrentIndex(page);
            QCoreApplication::processEvents();
            look(&options);
        }
    }

private slots:
    void initTestCase()
    {
        settings_ = std::make_unique<PrivateSettings>();
        QVERIFY(settings_->ok());
        initPanelResources();
    }

    void cleanupTestCase() { quenby::panel::installTranslation(QLocale(QLocale::English)); }

    void theLocalePicksTheLanguage_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("taken"); // empty: English
        QTest::newRow("German of Austria") << "de_AT" << "de";
        QTest::newRow("Brazilian Portuguese") << "pt_BR" << "pt_BR";
        QTest::newRow("Portuguese of Portugal") << "pt_PT" << "pt_PT";
        QTest::newRow("Simplified Chinese") << "zh_CN" << "zh_CN";
        QTest::newRow("Traditional Chinese of Taiwan") << "zh_TW" << "zh_TW";
        QTest::newRow("Japanese") << "ja_JP" << "ja";
        QTest::newRow("Arabic of Egypt") << "ar_EG" << "ar";
        QTest::newRow("Persian") << "fa_IR" << "fa";
        QTest::newRow("Catalan: English") << "ca_ES" << "";
        QTest::newRow("English") << "en_US" << "";
    }

    void theLocalePicksTheLanguage()
    {
        QFETCH(QString, locale);
        QFETCH(QString, taken);
        QCOMPARE(quenby::panel::installTranslation(QLocale(locale)), taken);
        // The English text where no translation is loaded, another one where it is.
        const QString save = MainWindow::tr("Save the target and minimum free RAM");
        QCOMPARE(save == QStringLiteral("Save the target and minimum free RAM"), taken.isEmpty());
        // Qt's own buttons speak the same language: a message box's.
        QMessageBox box;
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::Cancel);
        QCOMPARE(box.button(QMessageBox::Cancel)->text() == QStringLiteral("Cancel"), taken.isEmpty());
        QCOMPARE(box.button(QMessageBox::Yes)->text() == QStringLiteral("&Yes"), taken.isEmpty());
    }

    void everyLanguageIsShipped()
    {
        // What the panel carries: "quenby_de.qm", "quenby_pt_BR.qm" and so on.
        QStringList shipped = {QStringLiteral("en")};
        for (const QString& file : QDir(QStringLiteral(":/translations")).entryList({QStringLiteral("quenby_*.qm")}))
            shipped.append(QFileInfo(file).completeBaseName().mid(7));
        QCOMPARE(QSet<QString>(shipped.begin(), shipped.end()),
                 QSet<QString>(kLanguages.begin(), kLanguages.end()));
        // And Qt's own texts in each of them.
        QStringList qt = {QStringLiteral("en")};
        for (const QString& file : QDir(QStringLiteral(":/translations")).entryList({QStringLiteral("qtbase_*.qm")}))
            qt.append(QFileInfo(file).completeBaseName().mid(7));
        QCOMPARE(QSet<QString>(qt.begin(), qt.end()), QSet<QString>(kLanguages.begin(), kLanguages.end()));
    }

    void inEveryLanguage_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString& language : kLanguages)
            QTest::newRow(language.toLatin1()) << language;
    }

    // Nothing cut off, the engine's window title kept, and a name for every
    // control Tab reaches.
    void inEveryLanguage()
    {
        QFETCH(QString, language);
        QCOMPARE(quenby::panel::installTranslation(QLocale(language)),
                 language == QStringLiteral("en") ? QString() : language);

        MainWindow window(nullptr, kTotalRAM);
        window.setWindowTitle(QString::fromStdU16String(std::u16string(quenby::kPanelWindowTitle)));
        show(&window);
        QCOMPARE(window.windowTitle(), QStringLiteral("Quenby for Windows 11/10"));
        // Arabic, Hebrew and Persian mirror the panel; nothing else does.
        const bool rtl = kRightToLeft.contains(language);
        QCOMPARE(window.layoutDirection(), rtl ? Qt::RightToLeft : Qt::LeftToRight);
        QStringList problems = cutOff(&window) + overlapping(&window);
        QStringList nameless;
        for (QWidget* control : tabChain(&window))
            if (accessibleName(control).trimmed().isEmpty())
                nameless.append(control->objectName());

        onEveryOptionsPage(&window, [&](QDialog* options) {
            problems += cutOff(options) + overlapping(options);
            for (QWidget* control : tabChain(options))
                if (accessibleName(control).trimmed().isEmpty())
                    nameless.append(control->objectName());
        });
        AboutDialog about(&window);
        show(&about);
        QCOMPARE(about.layoutDirection(), rtl ? Qt::RightToLeft : Qt::LeftToRight);
        // The form's places mirrored too: the logo at the reading's start.
        auto* logo = about.findChild<QLabel*>(QStringLiteral("label_4"));
        QVERIFY(logo);
        QCOMPARE(logo->geometry().center().x() > about.width() / 2, rtl);
        problems += cutOff(&about) + overlapping(&about);
        QVERIFY2(nameless.isEmpty(), qPrintable(nameless.join(QStringLiteral(", "))));
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("; "))));
    }

    // Run in the pseudo-language, every text the panel shows is marked, so it
    // was both translatable and translated, and a text 40 % longer than the
    // English still fits: the main window, every page of the options, the
    // About box and a message box with Qt's own button.
    void pseudoLanguage()
    {
        quenby::panel::installTranslation(QLocale(QLocale::English));
        QTranslator ours;
        QTranslator qt;
        QVERIFY(ours.load(QStringLiteral(QUENBY_PSEUDO_DIR "/quenby_qps.qm")));
        QVERIFY(qt.load(QStringLiteral(QUENBY_PSEUDO_DIR "/qtbase_qps.qm")));
        QCoreApplication::installTranslator(&qt);
        QCoreApplication::installTranslator(&ours);
        const QStringList names = {QString::fromStdU16String(std::u16string(quenby::kPanelWindowTitle)),
                                   QStringLiteral("Quenby")};

        // An engine that is not where the settings say: Enable says why in a box.
        QTemporaryDir nowhere;
        QVERIFY(nowhere.isValid());
        storeText(u"Path", QDir::toNativeSeparators(nowhere.path()));
        MainWindow window(nullptr, kTotalRAM);
        window.setWindowTitle(names[0]);
        show(&window);
        // The figures as the first sample fills them in.
        auto* total = window.findChild<QLabel*>(QStringLiteral("totalRAMLabel"));
        QVERIFY(total);
        QTRY_VERIFY_WITH_TIMEOUT(total->text().contains(QRegularExpression(QStringLiteral("\\d"))), 10000);
        QStringList problems = unmarked(&window, names) + cutOff(&window);
        QStringList boxTexts;
        bool ran = false;
        duringModal<QMessageBox>(
            &window, [&] { window.findChild<QAbstractButton*>(QStringLiteral("EnableButton"))->click(); },
            [&](QMessageBox* box) {
                boxTexts = unmarked(box, names);
                for (QAbstractButton* button : box->buttons())
                    if (!button->text().startsWith(QLatin1Char('[')))
                        boxTexts.append(button->text());
                box->accept();
            },
            ran);
        QVERIFY(ran);
        problems += boxTexts;

        onEveryOptionsPage(&window, [&](QDialog* options) {
            problems += unmarked(options, names) + cutOff(options) + overlapping(options);
        });
        AboutDialog about(&window);
        show(&about);
        problems += unmarked(&about, names) + cutOff(&about);
        QCoreApplication::removeTranslator(&ours);
        QCoreApplication::removeTranslator(&qt);
        problems.removeDuplicates();
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("; "))));
    }

    void tabFollowsTheReadingOrder()
    {
        quenby::panel::installTranslation(QLocale(QLocale::English));
        MainWindow window(nullptr, kTotalRAM);
        show(&window);
        OptionsDialog options(&window);
        options.loadSettings();
        show(&options);
        auto* tabs = options.findChild<QTabWidget*>(QStringLiteral("tabWidget"));
        QVERIFY(tabs);
        // Row by row from the top, left to right within a row.
        const auto check = [](QWidget* top) {
            const QList<QWidget*> chain = tabChain(top);
            QStringList names;
            for (QWidget* w : chain)
                names.append(w->objectName());
            for (int i = 1; i < chain.size(); ++i) {
                const QRect a(chain[i - 1]->mapTo(top, QPoint()), chain[i - 1]->size());
                const QRect b(chain[i]->mapTo(top, QPoint()), chain[i]->size());
                const bool sameRow = b.top() < a.bottom() && a.top() < b.bottom();
                const bool inOrder = sameRow ? b.left() >= a.left() : b.top() >= a.bottom() - 1;
                // The dialog's buttons come after its pages.
                if (!inOrder && !qobject_cast<QTabBar*>(chain[i - 1]))
                    return QStringLiteral("%1 before %2 in %3").arg(names[i - 1], names[i], names.join(QLatin1Char(',')));
            }
            return QString();
        };
        QString wrong = check(&window);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
        for (int page = 0; page < tabs->count(); ++page) {
            tabs->setCurrentIndex(page);
            QCoreApplication::processEvents();
            wrong = check(&options);
            QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
        }
    }
};

QTEST_MAIN(LanguagesTest)
#include "languages_test.moc"
