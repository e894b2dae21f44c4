#include "panel/translation.h"

#include <memory>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
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
    // The locale's interface languages in the user's order, each tried as it
    // stands and then shorter ("pt_BR", then "pt"); the first file found wins.
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(locale, QStringLiteral("quenby"), QStringLiteral("_"), kFolder))
        return {};
    const QString language = QFileInfo(translator->filePath()).completeBaseName().mid(kPrefix.size());
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
