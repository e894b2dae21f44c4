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

#include <string>

namespace quenby::os::posix {

struct FolderRule {
    bool rootMayOwn = false;
    bool closedToOthers = false; // no read or search for group and others either
    bool create = false;         // made 0700 when missing, with its missing parents
};

struct PrivateFolder {
    UniqueFd fd;         // open when the folder may be used
    std::string refusal; // why not, naming the folder; empty when it is missing
};

PrivateFolder openPrivateFolder(std::string path, FolderRule rule);

} // namespace quenby::os::posix
