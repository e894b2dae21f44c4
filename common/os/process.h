// Facts about the running program that differ between the two platforms.
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

} // namespace quenby::os
