#include "engine/strings.h"

#include "common/languages.h"

#include <array>
#include <iterator>
#include <span>

namespace quenby::engine {
namespace {

struct Entry {
    unsigned id;
    std::u16string_view text;
};

#define QUENBY_STRING(id, text) Entry{id, u"" text},
constexpr Entry kTable[] = {
#include "engine/strings.inc"
};
#undef QUENBY_STRING

#define QUENBY_STRING(id, text) id,
constexpr unsigned kIds[] = {
#include "engine/strings.inc"
};
#undef QUENBY_STRING

// The translations, the same tables the Windows resources hold one block each;
// kTables lists them. Made by the build from the table of languages.
struct Table {
    std::string_view language;
    std::span<const Entry> entries;
};

#define QUENBY_STRING(id, text) Entry{id, u"" text},
#include "engine_languages.inc"
#undef QUENBY_STRING

std::u16string_view find(std::span<const Entry> entries, unsigned id)
{
    for (const auto& entry : entries) {
        if (entry.id == id)
            return entry.text;
    }
    return {};
}

} // namespace

std::u16string_view builtInString(unsigned id)
{
    return find(kTable, id);
}

std::u16string_view translatedString(unsigned id, std::string_view language)
{
    for (const Table& table : kTables) {
        if (table.language == language) {
            const std::u16string_view text = find(table.entries, id);
            return text.empty() ? builtInString(id) : text;
        }
    }
    return builtInString(id);
}

std::vector<std::string_view> translatedLanguages()
{
    std::vector<std::string_view> languages;
    for (const Table& table : kTables)
        languages.push_back(table.language);
    return languages;
}

std::string_view tableLanguageForLocale(std::string_view locale)
{
    const std::string_view language = languageForLocale(locale);
    for (const Table& table : kTables) {
        if (table.language == language)
            return table.language;
    }
    return {};
}

const unsigned* stringIdsBegin()
{
    return std::begin(kIds);
}

const unsigned* stringIdsEnd()
{
    return std::end(kIds);
}

std::u16string decimal(std::int64_t value)
{
    const std::string digits = std::to_string(value);
    return std::u16string(digits.begin(), digits.end());
}

std::u16string formatText(std::u16string_view format, std::initializer_list<std::u16string> args,
                          std::size_t capacity)
{
    std::u16string out;
    for (std::size_t i = 0; i < format.size(); ++i) {
        // %1 to %9 name the values, in whatever order the language puts them;
        // any other % is itself.
        if (format[i] == u'%' && i + 1 < format.size() && format[i + 1] >= u'1' && format[i + 1] <= u'9') {
            const std::size_t index = static_cast<std::size_t>(format[i + 1] - u'1');
            if (index < args.size()) {
                out += *(args.begin() + index);
                ++i;
                continue;
            }
        }
        out += format[i];
    }
    if (capacity > 0 && out.size() > capacity - 1)
        out.resize(capacity - 1);
    return out;
}

} // namespace quenby::engine
