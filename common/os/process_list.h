// The programs running in this user's session, looked at by file name.
#pragma once

#include <functional>
#include <string_view>

namespace quenby::os {

// Whether a process in this user's session runs a program whose file name
// ("game.exe" on Windows, the executable's base name on Linux) `wanted`
// accepts. Processes of other sessions and users are not looked at; one that
// ends while being looked at is skipped. One pass over the process list.
bool programRunsInSession(const std::function<bool(std::u16string_view fileName)>& wanted);

} // namespace quenby::os
