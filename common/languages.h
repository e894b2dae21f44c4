// The languages Quenby speaks (translations/languages.tsv, in its order), and
// which of them a user's locale or interface language asks for. One rule for
// the engine on both faces and for the control panel, so that all of a user's
// Quenby speaks one language.
#pragma once

#include <span>
#include <string_view>

namespace quenby {

struct Language {
    std::string_view code;    // as the table names it: "de", "pt_BR"
    std::string_view windows; // Windows' name of its locale: "de-DE", "pt-BR"
};

// Every language of the table, English first.
std::span<const Language> languages();

// The table's language for a POSIX locale ("es_MX.UTF-8", "zh_HK") or a
// Windows language name ("es-MX", "zh-Hant-HK"); empty for English and for a
// language the table lacks. A country without a table of its own reads its
// language's: Mexico Spanish, Austria German, Egypt Arabic; Hong Kong and
// Macau Traditional Chinese, Singapore Simplified; every Portuguese-speaking
// country but Brazil Portugal's Portuguese, and Portuguese with no country the
// table's first.
std::string_view languageForLocale(std::string_view locale);

} // namespace quenby
