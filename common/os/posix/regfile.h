// The file behind the Linux registry: a REGEDIT4 export of the keys under
// HKEY_CURRENT_USER, read and written as text. This part only turns text into a
// document and back; the file itself, its lock and the status codes live in
// registry_posix.cpp, so everything here can be tested on strings.
//
//   REGEDIT4
//
//   [Software\Quenby]
//   @="the key's default value"
//   "TargetFreeRAM"=dword:00001000
//   "Music"="C:\\path with \"quotes\""
//   "Blob"=hex:01,02,03
//   "Path"=hex(2):25,00,54,00,00,00
//
// Text is UTF-8 in the file and little-endian UTF-16 with its terminating null in
// a value, the way Windows stores REG_SZ data. A file damaged or edited by hand is
// read as far as it is sound: every line that cannot be read is kept verbatim, in
// place, and written back unchanged, so rewriting the file never holds less than
// it did.
#pragma once

#include "common/os/registry.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quenby::os::posix {

// The largest file the store reads. The settings key holds about 25 values of at
// most 520 bytes each, a few KiB in all; a file larger than this was not written
// by us and is refused unread, never replaced.
inline constexpr std::size_t kMaxRegistryFileSize = std::size_t{1} << 20;

struct RegValue {
    std::u16string name; // empty for the key's default value, written as @
    RegType type = RegType::none;
    std::vector<std::uint8_t> data;

    bool operator==(const RegValue&) const = default;
};

// One line of the file as the format sees it (a hex value may go on over
// indented lines). Blank lines are not kept: the writer puts its own between keys.
struct RegLine {
    enum class Kind : std::uint8_t {
        section,       // [path], trimmed
        brokenSection, // a line that opens a section but names no key: verbatim
        value,         // a sound value under a sound section, in the form this program writes
        kept,          // anything else (comments, unreadable lines): verbatim
    };
    Kind kind = Kind::kept;
    std::string text;
};

struct RegDocument {
    std::vector<RegLine> lines;
    // The lines that could not be read: how many, and the 1-based number of the
    // first (0 when none). The lines under a broken section line are kept but not
    // counted when they are sound: the section line is.
    std::size_t malformedCount = 0;
    std::size_t firstMalformedLine = 0;
};

// Never fails: whatever cannot be read is kept verbatim and counted.
RegDocument parseRegFile(std::string_view text);

// Every kept line with all of its bytes, every value in the form this program
// writes. Parsing the text again gives the same document.
std::string serializeRegFile(const RegDocument& document);

// Key paths are relative to HKEY_CURRENT_USER: names separated by single
// backslashes, none of them empty, no nulls, line breaks or unpaired surrogates.
bool isValidKeyPath(std::u16string_view path);

// Value names may hold anything but nulls, line breaks and unpaired surrogates.
bool isValidValueName(std::u16string_view name);

// Key and value names compare without regard to letter case; a key exists when it
// has a section or when one of its sub-keys has one.
bool keyExists(const RegDocument& document, std::u16string_view path);

// The value as a reader sees it: when a name appears more than once, the last one.
std::optional<RegValue> findValue(const RegDocument& document, std::u16string_view path,
                                  std::u16string_view name);

// Adds a section line for the key unless it has one, spelled as given; its parents
// need none, since a key exists through its sub-keys. Returns whether it added one.
bool createKey(RegDocument& document, std::u16string_view path);

// Stores the value: it replaces the last line of that name in the key, keeping
// the name's letter case, and every other line of that name (sound or not) goes.
// A new name goes at the end of the key's last section. Returns false, changing
// nothing, when the key does not exist.
bool setValue(RegDocument& document, std::u16string_view path, RegValue value);

struct DeleteOutcome {
    bool found = false;   // a sound value of that name was there
    bool changed = false; // lines were removed (unreadable lines of that name count)
};

// Removes every line of that name from the key, the unreadable ones included,
// since the caller wants the value gone.
DeleteOutcome deleteValue(RegDocument& document, std::u16string_view path, std::u16string_view name);

} // namespace quenby::os::posix
