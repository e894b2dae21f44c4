// A small file of the user's own beside their settings: %LOCALAPPDATA%\Quenby
// on Windows (what a program keeps for this user on this machine), the
// settings folder ($XDG_CONFIG_HOME/quenby) on Linux.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace quenby::os {

// The file's whole text; none when it is missing, unreadable, larger than
// `maxBytes` (nothing beyond is read), or not a plain file of this user's:
// a link, a junction, a folder or a device in its place is not followed.
std::optional<std::string> readUserFile(std::u16string_view name, std::size_t maxBytes);

// Replaces the file with the text, making the folder when missing: the text is
// written to a fresh file beside it and renamed over it, so that a reader finds
// all of the old text or all of the new, and whatever stood in the file's place
// (a link included) is replaced, never written through. False when that fails.
bool replaceUserFile(std::u16string_view name, std::string_view text);

} // namespace quenby::os
