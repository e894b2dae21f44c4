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
//
// Whatever a file holds, reading it costs time and memory in proportion to its
// size: a reader's look-up walks the text once and keeps nothing of it; a
// document keeps the text and one 8-byte entry per section line, per sound value
// and per run of other lines, and decodes a value only when it is asked for.
#pragma once

#include "common/os/registry.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quenby::os::posix {

// The largest file the store reads. The settings key holds about 25 values of at
// most 520 bytes each, a few KiB in all; a file larger than this was not written
// by us and is refused unread, never replaced.
inline constexpr std::size_t kMaxRegistryFileSize = std::size_t{1} << 20;

// The largest text parseRegFile takes (the entries address it with 29 bits).
inline constexpr std::size_t kMaxDocumentSize = (std::size_t{1} << 29) - 1;

// How many line numbers of unreadable lines are listed; the rest are counted.
inline constexpr std::size_t kListedMalformedLines = 16;

struct RegValue {
    std::u16string name; // empty for the key's default value, written as @
    RegType type = RegType::none;
    std::vector<std::uint8_t> data;

    bool operator==(const RegValue&) const = default;
};

struct RegDocument {
    // The logical lines that could not be read: how many, and the 1-based
    // physical line numbers of the first kListedMalformedLines of them, in file
    // order. Lines of unreadable content inside a broken section are counted
    // too, but the sound lines under a broken section line are only kept, not
    // counted, since the section line already is.
    std::size_t malformedCount = 0;
    std::vector<std::size_t> malformedLines;

    // The rest belongs to the functions below. `entries` lists, in file order,
    // every section line, every sound value and every run of lines carried
    // through verbatim (comments and unreadable lines), as spans of `text`; what
    // was added or changed since lives in `addedValues` and `addedPaths`, and the
    // kept lines that were removed are listed by offset in `removedLines`.
    struct Entry {
        std::uint32_t offset = 0;      // into text, or an index into addedValues/addedPaths
        std::uint32_t sizeAndKind = 0; // the span's size in the low 29 bits, the kind above
    };
    std::string text;
    std::vector<Entry> entries;
    std::vector<RegValue> addedValues;
    std::vector<std::u16string> addedPaths;
    std::vector<std::uint32_t> removedLines;
};

// Reads the text of a file of at most kMaxDocumentSize bytes (std::length_error
// beyond). Never fails otherwise: whatever cannot be read is kept in the
// document verbatim and counted in malformedCount.
RegDocument parseRegFile(std::string text);

// The text of the document, every kept line with all of its bytes, every value in
// the form this program writes. For a document that came from parseRegFile and
// the changes below, parsing the text again gives the same values and the same
// text back.
std::string serializeRegFile(const RegDocument& document);

// The same text handed to `sink` in pieces, so that it never has to be held
// whole; stops and returns false as soon as the sink does.
bool serializeRegFile(const RegDocument& document, const std::function<bool(std::string_view)>& sink);

// What a reader asks of a file, answered in one pass over its text without
// building a document: whether the key exists and, when a name is given, the
// value as findValue would give it.
struct RegLookup {
    bool keyExists = false;
    std::optional<RegValue> value;
    std::size_t malformedCount = 0;
    std::size_t firstMalformedLine = 0; // 1-based; 0 when none
};
RegLookup lookUp(std::string_view text, std::u16string_view path,
                 std::optional<std::u16string_view> name = std::nullopt);

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

// Every sound value in file order, with the key path of its section as written.
struct RegKeyValue {
    std::u16string path;
    RegValue value;

    bool operator==(const RegKeyValue&) const = default;
};
std::vector<RegKeyValue> allValues(const RegDocument& document);

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
