// The file behind the Linux registry: a REGEDIT4 export of the keys under
// HKEY_CURRENT_USER, read and written as text. This part only turns text into a
// document and back; the file I/O, locking and status codes live in
// registry_posix.cpp, so everything here can be tested on strings.
//
// The layout:
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
// the document, the way Windows stores REG_SZ data. A file that was damaged or
// edited by hand is read as far as it is sound: every line that cannot be read
// is kept verbatim, in place, and written back unchanged, so that rewriting the
// file never holds less than it did.
#pragma once

#include "common/os/registry.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quenby::os::posix {

struct RegValue {
    std::u16string name; // empty for the key's default value, written as @
    RegType type = RegType::none;
    std::vector<std::uint8_t> data;

    bool operator==(const RegValue&) const = default;
};

// One logical line inside a block: a value that was read (or set), or a line
// that is carried through untouched: a comment, or a line that could not be read.
struct RegLine {
    bool isValue = false;
    RegValue value;            // when isValue
    std::string text;          // when !isValue: the physical line(s) verbatim, without the last newline
    bool malformed = false;    // when !isValue: it could not be read (a comment is not malformed)
    std::optional<std::u16string> namedValue; // malformed line whose value name could be read

    bool operator==(const RegLine&) const = default;
};

// A section of the file and the lines under it.
struct RegBlock {
    enum class Head {
        prelude, // the lines before the first section line
        key,     // under a sound section line: the values of the key `path`
        broken,  // under a section line that could not be read: they belong to no key
    };
    Head head = Head::prelude;
    std::u16string path;   // Head::key: the key's path under HKEY_CURRENT_USER, as written
    std::string headText;  // Head::broken: the section line verbatim
    std::vector<RegLine> lines;

    bool operator==(const RegBlock&) const = default;
};

struct RegDocument {
    std::vector<RegBlock> blocks;            // blocks[0] is always the prelude
    std::vector<std::size_t> malformedLines; // 1-based physical line numbers, in file order

    RegDocument() : blocks(1) {}
};

// Reads the text of a file. Never fails: whatever cannot be read is kept in the
// document as verbatim lines and its line number is listed in malformedLines.
// Lines of unreadable content inside a broken block are listed too, but the
// sound lines under a broken section line are only kept, not listed, since the
// section line already is.
RegDocument parseRegFile(std::string_view text);

// The text of the document, every verbatim line with all of its bytes. For a
// document that came from parseRegFile and the changes below, parsing the text
// again gives the same blocks back.
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
const RegValue* findValue(const RegDocument& document, std::u16string_view path,
                          std::u16string_view name);

// Adds a section line for the key and for each of its parents that has none, with
// the letter case of the sections that already exist. Returns whether anything
// was added.
bool createKey(RegDocument& document, std::u16string_view path);

// Stores the value: it replaces the last line of that name in the key, keeping
// the name's original letter case, and every other line of that name (sound or
// not) goes. A new name is added at the end of the key's last section. Returns
// false, changing nothing, when the key does not exist.
bool setValue(RegDocument& document, std::u16string_view path, RegValue value);

struct DeleteOutcome {
    bool found = false;   // a sound value of that name was there
    bool changed = false; // lines were removed (unreadable lines of that name count)
};

// Removes every line of that name from the key, the unreadable ones included,
// since the caller wants the value gone.
DeleteOutcome deleteValue(RegDocument& document, std::u16string_view path,
                          std::u16string_view name);

// Removes the sections of the key and of all its sub-keys. Returns whether the
// key existed.
bool deleteTree(RegDocument& document, std::u16string_view path);

} // namespace quenby::os::posix
