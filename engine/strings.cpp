#include "engine/strings.h"

#include <array>
#include <iterator>

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

} // namespace

std::u16string_view builtInString(unsigned id)
{
    for (const auto& entry : kTable) {
        if (entry.id == id)
            return entry.text;
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

std::u16string formatText(std::u16string_view format, std::initializer_list<std::u16string> args,
                          std::size_t capacity)
{
    std::u16string out;
    auto next = args.begin();
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] == u'%' && i + 1 < format.size()) {
            const char16_t kind = format[i + 1];
            if (kind == u'%') {
                out += u'%';
                ++i;
                continue;
            }
            if (kind == u's' || kind == u'd') {
                if (next != args.end())
                    out += *next++;
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
