// Facts about the running program, and starting another one, where the two
// platforms differ.
#pragma once

#include <string>

namespace quenby::os {

// The folder that holds the running executable, without a trailing separator.
std::u16string executableDirectory();

// The separator between a folder and a file name: '\' on Windows, '/' on Linux.
char16_t pathSeparator();

// The file names of the two programs on this platform ("Quenbytray.exe" on Windows).
std::u16string engineFileName();
std::u16string panelFileName();

// Starts the program at `path` without arguments, hidden and detached: it gets no
// window shown, none of our standard streams, and it outlives us without ever
// being waited for. False when it could not be started; `reason` then says why.
bool startProgram(const std::u16string& path, std::string* reason = nullptr);

} // namespace quenby::os
