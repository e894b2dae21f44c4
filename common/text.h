// Text helpers for the UTF-16 strings that the registry and the window system use.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quenby {

// UTF-16 to UTF-8; an unpaired surrogate becomes U+FFFD.
std::string toUtf8(std::u16string_view text);

// UTF-8 to UTF-16; an invalid byte sequence becomes U+FFFD.
std::u16string fromUtf8(std::string_view text);

// Simple case folding of one UTF-16 code unit (ASCII, Latin-1, Latin Extended-A,
// Greek and Cyrillic), enough for comparing paths and names the way Windows does.
char16_t foldCase(char16_t c);

// Equal when compared without regard to letter case.
bool equalsIgnoreCase(std::u16string_view a, std::u16string_view b);

// The text with every code unit case-folded.
std::u16string foldCase(std::u16string_view text);

// The text of little-endian UTF-16 data up to its first null code unit, never
// reading past `size` bytes and never more than `maxChars` code units.
std::u16string textFromRegistryData(const void* data, std::uint32_t size, std::size_t maxChars);

// REG_SZ data of the text: little-endian UTF-16 and its terminating null,
// (length + 1) x 2 bytes.
std::vector<std::uint8_t> registryDataFromText(std::u16string_view text);

} // namespace quenby
