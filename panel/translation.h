// The panel in the user's language: the translations we ship are embedded
// under ":/translations/"; the one that matches the user's interface language
// (Windows' display language; on Linux the locale) is loaded at start-up, and
// English, the language of the sources, stays wherever none matches.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

class QCoreApplication;

namespace quenby::panel {

// Installs the translation for `locale` in place of any installed before;
// returns the language taken, or an empty text when English stays.
QString installTranslation(const QLocale& locale = QLocale::system());

} // namespace quenby::panel
