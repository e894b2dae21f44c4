// The figures behind a recovery's room on Linux, read from the files of a
// system rooted at `root` ("" for this one): /proc/meminfo, /proc/self/cgroup
// and the memory cgroup's files under /sys/fs/cgroup.
#pragma once

#include <string>

#include "common/os/memory.h"

namespace quenby::os::posix {

// queryRecoveryRoom's rule: the physical room, with free swap added only where
// no memory cgroup narrows it (a group's own limit runs out first, and how
// much swap it may use is not in these figures).
bool recoveryRoomUnder(const std::string& root, MemoryRoom& room);

} // namespace quenby::os::posix
