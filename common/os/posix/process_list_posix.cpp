#include "common/os/process_list.h"

#include "common/os/posix/unique_fd.h"
#include "common/text.h"

#include <cstdlib>
#include <memory>
#include <string>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quenby::os {

bool programRunsInSession(const std::function<bool(std::u16string_view fileName)>& wanted)
{
    // This user's processes stand for the session: Linux has no session of
    // Windows' kind, and another user's programs are theirs to protect.
    const std::unique_ptr<DIR, int (*)(DIR*)> proc(::opendir("/proc"), ::closedir);
    if (!proc)
        return false;
    const uid_t me = ::getuid();
    while (const dirent* process = ::readdir(proc.get())) {
        const char* pid = process->d_name;
        if (*pid < '1' || *pid > '9')
            continue;
        struct stat owner {};
        if (::fstatat(::dirfd(proc.get()), pid, &owner, 0) != 0 || owner.st_uid != me)
            continue;
        char target[4096];
        const ssize_t size = ::readlinkat(::dirfd(proc.get()), (std::string(pid) + "/exe").c_str(), target,
                                          sizeof target);
        // Ended meanwhile, a kernel thread, or a target too long to be a path.
        if (size <= 0 || static_cast<std::size_t>(size) == sizeof target)
            continue;
        std::string_view path(target, static_cast<std::size_t>(size));
        // An executable replaced while running reads "/path (deleted)".
        if (path.ends_with(" (deleted)"))
            path.remove_suffix(10);
        if (wanted(fromUtf8(path.substr(path.rfind('/') + 1))))
            return true;
    }
    return false;
}

} // namespace quenby::os
