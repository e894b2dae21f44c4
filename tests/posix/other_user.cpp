#include "tests/posix/other_user.h"

#include <cerrno>

#include <grp.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

namespace quenby::test {

bool canActAsOtherUser()
{
    return ::geteuid() == 0;
}

int runAsOtherUser(const std::function<int()>& work)
{
    const pid_t pid = ::fork();
    if (pid < 0)
        return -1;
    if (pid == 0) {
        if (::setgroups(0, nullptr) != 0 || ::setresgid(kOtherUid, kOtherUid, kOtherUid) != 0 ||
            ::setresuid(kOtherUid, kOtherUid, kOtherUid) != 0 || ::geteuid() != kOtherUid)
            ::_exit(255);
        ::_exit(work());
    }
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR)
            return -1;
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) == 255)
        return -1;
    return WEXITSTATUS(status);
}

} // namespace quenby::test
