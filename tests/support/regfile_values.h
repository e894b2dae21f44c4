// Every sound value of a settings-file document, in file order, with the path of
// its key as the section spells it: what the suites and fuzzers compare before
// and after a rewrite. Read back line by line through the store's own lookup.
#pragma once

#include <string>
#include <vector>

#include "common/os/posix/regfile.h"
#include "common/text.h"

namespace quenby::test {

struct RegKeyValue {
    std::u16string path;
    os::posix::RegValue value;

    bool operator==(const RegKeyValue&) const = default;
};

inline std::vector<RegKeyValue> valuesOf(const os::posix::RegDocument& document)
{
    using Kind = os::posix::RegLine::Kind;
    std::vector<RegKeyValue> out;
    std::u16string path;
    for (const os::posix::RegLine& line : document.lines) {
        if (line.kind == Kind::section) {
            path = fromUtf8(std::string_view(line.text).substr(1, line.text.size() - 2));
        } else if (line.kind == Kind::value) {
            // The name as the writer spells it: @, or quoted with \\ and \" escaped.
            std::string name;
            for (std::size_t i = 1; line.text[0] == '"' && line.text[i] != '"'; ++i)
                name += line.text[i] == '\\' ? line.text[++i] : line.text[i];
            const auto value =
                os::posix::findValue(os::posix::parseRegFile("[K]\n" + line.text), u"K", fromUtf8(name));
            if (value)
                out.push_back({path, *value});
        }
    }
    return out;
}

} // namespace quenby::test
