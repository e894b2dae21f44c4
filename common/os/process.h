// Facts about the running program, and starting another one, where the two
// platforms differ.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quenby::os {

// The folder that holds the running executable, without a trailing separator.
std::u16string executableDirectory();

// The separator between a folder and a file name: '\' on Windows, '/' on Linux.
char16_t pathSeparator();

// The file names of the two programs on this platform ("Quenbytray.exe" on Windows).
std::u16string engineFileName();
std::u16string panelFileName();

// Why a program could not be started, in the few kinds a user can be told about.
enum class StartFailure {
    none,
    notFound,     // no such file or folder
    accessDenied, // there, but not ours to run
    notAProgram,  // there, but nothing the system can run
    noResources,  // not enough memory or processes left
    other,        // anything else; `code` has the system's number
};

struct StartOutcome {
    StartFailure failure = StartFailure::none;
    long long code = 0;  // the system's own number for the failure
    std::string detail;  // the system's own words, in English, for logs and scripts
    bool started() const { return failure == StartFailure::none; }
};

// What to start.
struct Launch {
    std::u16string program{};                // its full path
    std::vector<std::u16string> arguments{}; // each one argument, as the program receives it
    std::u16string folder{};                 // where it starts; empty: where we are
    std::uintptr_t ownerWindow = 0;        // Windows: owns what the shell shows while it starts
};

// Starts the program hidden and detached: it gets no window shown, none of our
// standard streams, default signal handling (Linux), and it outlives us
// without ever being waited for.
StartOutcome startProgram(const Launch& launch);

} // namespace quenby::os
