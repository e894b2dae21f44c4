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

std::unique_ptr<QTranslator>& installed()
{
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

} // namespace

QString installTranslation(const QLocale& locale)
{
    if (auto& old = installed()) {
        QCoreApplication::removeTranslator(old.get());
        old.reset();
    }
    // The locale's interface languages in the user's order, each tried as it
    // stands and then shorter ("pt_BR", then "pt"); the first file found wins.
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(locale, QStringLiteral("quenby"), QStringLiteral("_"), kFolder))
        return {};
    const QString language = QFileInfo(translator->filePath()).completeBaseName().mid(kPrefix.size());
    QCoreApplication::installTranslator(translator.get());
    installed() = std::move(translator);
    return language;
}

} // namespace quenby::panel
