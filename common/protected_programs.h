// The programs a user protects: while one of them runs in the user's session,
// the automatic recovery rules wait. Kept as program file names separated by
// ';' ("game.exe;obs64"), compared without regard to case and with or without
// ".exe", so that what Task Manager shows can be typed as it stands.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quenby {

// The longest list the options accept and the settings keep, in characters.
inline constexpr std::size_t kProtectedListMaxChars = 1023;
// The longest file name a file system takes.
inline constexpr std::size_t kProgramNameMaxChars = 255;

struct ProtectedPrograms {
    // The names to look for, case-folded and without ".exe".
    std::vector<std::u16string> names;
    // The entries that can't be program file names, as typed: a path, a
    // control character, more than a file name holds. Empty entries are not
    // listed: "a;;b" and a trailing ';' are a slip, not a mistake to point out.
    std::vector<std::u16string> ignored;

    bool empty() const { return names.empty(); }
    // Whether a program of this file name (or Linux executable name) is protected.
    bool protects(std::u16string_view fileName) const;
};

// The list cut to what the options accept: at most kProtectedListMaxChars,
// and a name the cut went through is left out whole, not taken in part.
std::u16string_view boundedProtectedList(std::u16string_view list);

// The names of the list as bounded above.
ProtectedPrograms parseProtectedPrograms(std::u16string_view list);

} // namespace quenby
