#include "panel/translation.h"

#include "common/languages.h"

#include <memory>

#include <QCoreApplication>
#include <QDir>
#include <QTranslator>

namespace quenby::panel {
namespace {

const QString kFolder = QStringLiteral(":/translations");
const QString kPrefix = QStringLiteral("quenby_");

// Ours, and Qt's own texts in the same language.
std::unique_ptr<QTranslator>& installed()
{
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

std::unique_ptr<QTranslator>& installedQt()
{
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

} // namespace

QString installTranslation(const QLocale& locale)
{
    for (auto* slot : {&installed(), &installedQt()}) {
        if (auto& old = *slot) {
            QCoreApplication::removeTranslator(old.get());
            old.reset();
        }
    }
    // The locale's interface languages in the user's order, each taken to the
    // table's language by the rule the engine follows too ("es-MX" is Spanish,
    // "zh-HK" Traditional Chinese); the first the table has wins, and English
    // ends the search as it ends the user's list.
    QString language;
    for (const QString& name : locale.uiLanguages()) {
        if (name.startsWith(QLatin1String("en")))
            break;
        const std::string_view code = languageForLocale(name.toStdString());
        if (!code.empty()) {
            language = QString::fromLatin1(code.data(), static_cast<qsizetype>(code.size()));
            break;
        }
    }
    auto translator = std::make_unique<QTranslator>();
    if (language.isEmpty() || !translator->load(kPrefix + language, kFolder))
        return {};
    // Qt's texts in the language of ours, not in whatever else the locale
    // lists: a dialog speaks one language. They also carry the reading
    // direction, which mirrors the whole panel for Arabic, Hebrew and Persian.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_") + language, kFolder)) {
        QCoreApplication::installTranslator(qt.get());
        installedQt() = std::move(qt);
    }
    QCoreApplication::installTranslator(translator.get());
    installed() = std::move(translator);
    return language;
}

} // namespace quenby::panel
