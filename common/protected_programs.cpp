#include "common/protected_programs.h"

#include <algorithm>

#include "common/text.h"

namespace quenby {
namespace {

constexpr std::u16string_view kExe = u".exe";

// The form names are compared in: folded, without ".exe" ("Game.EXE" is "game").
std::u16string comparable(std::u16string_view name)
{
    std::u16string folded = foldCase(name);
    if (folded.size() > kExe.size() && folded.ends_with(kExe))
        folded.resize(folded.size() - kExe.size());
    return folded;
}

bool usableName(std::u16string_view name)
{
    if (name.size() > kProgramNameMaxChars || name == u"." || name == u"..")
        return false;
    // A path or a drive names a file, not a program wherever it was started
    // from; the process list has only file names to compare with.
    return std::none_of(name.begin(), name.end(), [](char16_t c) {
        return c < 0x20 || c == 0x7F || c == u'\\' || c == u'/' || c == u':';
    });
}

std::u16string_view trimmed(std::u16string_view text)
{
    while (!text.empty() && text.front() == u' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == u' ')
        text.remove_suffix(1);
    return text;
}

} // namespace

bool ProtectedPrograms::protects(std::u16string_view fileName) const
{
    if (names.empty())
        return false;
    const std::u16string name = comparable(fileName);
    return std::find(names.begin(), names.end(), name) != names.end();
}

std::u16string_view boundedProtectedList(std::u16string_view list)
{
    if (list.size() <= kProtectedListMaxChars)
        return list;
    std::u16string_view cut = list.substr(0, kProtectedListMaxChars);
    if (list[kProtectedListMaxChars] != u';') {
        const std::size_t lastEnd = cut.rfind(u';');
        cut = cut.substr(0, lastEnd == std::u16string_view::npos ? 0 : lastEnd + 1);
    }
    return cut;
}

ProtectedPrograms parseProtectedPrograms(std::u16string_view list)
{
    ProtectedPrograms programs;
    list = boundedProtectedList(list);
    while (!list.empty()) {
        const std::size_t end = std::min(list.find(u';'), list.size());
        const std::u16string_view entry = trimmed(list.substr(0, end));
        list.remove_prefix(std::min(end + 1, list.size()));
        if (entry.empty())
            continue;
        if (usableName(entry))
            programs.names.push_back(comparable(entry));
        else
            programs.ignored.emplace_back(entry);
    }
    return programs;
}

} // namespace quenby
