// The one rule for a folder the Linux stand-ins trust: the settings folder, the
// machine's policy folder and the runtime folder of the window sockets. What is
// in them decides which program gets started and who may post to a window, so
// each must be a folder that no one else can have written to:
// - owned by this user (or by root, where the machine's folder may be);
// - writable by no one else; the runtime folder is closed to others entirely;
// - not a symbolic link, and opened through its parent's descriptor, so that
//   what was checked is what gets used;
// - in a parent that no one else can swap it in: owned by this user or root,
//   and not writable by all unless sticky (as /tmp). Write for the parent's
//   group is allowed, as ~/.config under a umask of 002 has it: what a member
//   put in our folder's place would be theirs and refused by the rules above.
// Links further up the path are the system's own (/home as a link) and fine.
#pragma once

#include "common/os/posix/unique_fd.h"

#include <optional>
#include <string>

namespace quenby::os::posix {

// The user's settings folder: $XDG_CONFIG_HOME/quenby, else ~/.config/quenby;
// none when there is no home to keep it in. Relative values are not valid for
// the XDG variables and are ignored.
std::optional<std::string> userSettingsFolder();

struct FolderRule {
    bool rootMayOwn = false;
    bool closedToOthers = false; // no read or search for group and others either
    bool create = false;         // made 0700 when missing, with its missing parents
};

struct PrivateFolder {
    UniqueFd fd;         // open when the folder may be used
    std::string path;    // as given, without trailing slashes
    std::string refusal; // why not, naming the folder; empty when it is missing (and not to be made)
};

PrivateFolder openPrivateFolder(std::string path, FolderRule rule);

// A small file in such a folder, read whole. It must be a regular file of this
// user (or root, where the rule allows), writable by no one else (closed to
// others entirely, where the rule says so) and no larger than maxBytes; it is
// opened without following a link or waiting on a FIFO in its place.
struct PrivateFile {
    enum class State { missing, ok, refused, tooLarge } state = State::missing;
    std::string text;
    std::string refusal; // names the file as `what`, followed by the reason
};
PrivateFile readPrivateFile(int folder, const std::string& name, const std::string& what, std::size_t maxBytes,
                            FolderRule rule);

// Writes the text to a fresh file `temporary` (one left there is removed first),
// 0600 whatever the umask, and renames it over `name`, so that readers find all
// of the old text or all of the new. `durable`: flushed to disk first, the
// rename too, so that a crash cannot leave an empty file either.
bool replacePrivateFile(int folder, const std::string& name, const std::string& temporary, std::string_view text,
                        bool durable);

} // namespace quenby::os::posix
