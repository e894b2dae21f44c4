#include "common/languages.h"

#include <iterator>

namespace quenby {
namespace {

// Made by the build from translations/languages.tsv (tools/translations.py).
constexpr Language kLanguages[] = {
#include "quenby_languages.inc"
};

std::string_view languagePart(std::string_view code)
{
    return code.substr(0, code.find('_'));
}

} // namespace

std::span<const Language> languages()
{
    return kLanguages;
}

std::string_view languageForLocale(std::string_view locale)
{
    // language[_territory][.codeset][@modifier] as POSIX names a locale, or
    // language[-script][-region] as Windows does.
    std::string_view name = locale.substr(0, locale.find_first_of(".@"));
    const std::string_view language = name.substr(0, name.find_first_of("_-"));
    std::string_view script, region;
    for (std::size_t at = name.find_first_of("_-"); at != std::string_view::npos;) {
        const std::size_t end = name.find_first_of("_-", at + 1);
        const std::string_view part = name.substr(at + 1, end == std::string_view::npos ? end : end - at - 1);
        (part.size() == 4 ? script : region) = part;
        at = end;
    }
    if (language.empty() || language == "en" || language == "C" || language == "POSIX")
        return {};
    std::string_view variant;
    if (language == "zh")
        variant = script == "Hant" || region == "TW" || region == "HK" || region == "MO" ? "TW" : "CN";
    else if (language == "pt")
        variant = region.empty() || region == "BR" ? "" : "PT";
    for (const Language& row : kLanguages) {
        if (languagePart(row.code) != language)
            continue;
        const std::string_view country = row.code.size() > language.size() ? row.code.substr(language.size() + 1) : "";
        // The first row of the language, unless the language has variants
        // and this row is not the one the country reads.
        if (variant.empty() || country == variant)
            return row.code;
    }
    return {};
}

} // namespace quenby
