// Acting as another local user, for tests of what a hostile user can and cannot
// do: a forked child drops to an unused uid and gid and runs a piece of work.
// Only root can do this; tests skip themselves elsewhere.
#pragma once

#include <functional>

namespace quenby::test {

// An id that no account on a build machine uses.
inline constexpr unsigned kOtherUid = 64123;

// Whether this process may act as another user.
bool canActAsOtherUser();

// Forks, drops the child to kOtherUid (real, effective and saved uid and gid, no
// supplementary groups), runs `work` there and returns its result as the child's
// exit code; -1 when the child could not be started or did not become the other
// user. `work` runs in a forked child: it should make system calls only.
int runAsOtherUser(const std::function<int()>& work);

} // namespace quenby::test
