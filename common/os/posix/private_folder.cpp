#include "common/os/posix/private_folder.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quenby::os::posix {
namespace {

std::string modeText(mode_t mode)
{
    char text[16];
    std::snprintf(text, sizeof text, "(mode %04o)", static_cast<unsigned>(mode & 07777));
    return text;
}

// mkdir through the umask could leave even the owner out: the mode is set after.
bool makeFolder(int parent, const std::string& name)
{
    if (::mkdirat(parent, name.c_str(), 0700) != 0)
        return errno == EEXIST;
    return ::fchmodat(parent, name.c_str(), 0700, 0) == 0;
}

} // namespace

PrivateFolder openPrivateFolder(std::string path, FolderRule rule)
{
    PrivateFolder result;
    const auto refuse = [&](const std::string& what, const std::string& why) {
        result.fd.reset();
        result.refusal = "folder " + what + " " + why;
        return std::move(result);
    };
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos || slash + 1 == path.size())
        return refuse(path, "is not an absolute path of a folder");
    const std::string parentPath = slash == 0 ? "/" : path.substr(0, slash);
    const std::string name = path.substr(slash + 1);

    for (std::size_t at = parentPath.find('/', 1); rule.create; at = parentPath.find('/', at + 1)) {
        if (!makeFolder(AT_FDCWD, parentPath.substr(0, at)))
            return refuse(parentPath.substr(0, at), "cannot be created: " + std::string(std::strerror(errno)));
        if (at == std::string::npos)
            break;
    }
    const UniqueFd parent(::open(parentPath.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    struct stat info {};
    if (!parent.valid() || ::fstat(parent.get(), &info) != 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return result; // missing
        return refuse(parentPath, "cannot be opened: " + std::string(std::strerror(errno)));
    }
    if (info.st_uid != ::geteuid() && info.st_uid != 0)
        return refuse(parentPath, "is owned by another user (uid " + std::to_string(info.st_uid) + ")");
    if ((info.st_mode & S_IWOTH) != 0 && (info.st_mode & S_ISVTX) == 0)
        return refuse(parentPath, "is writable by others and not sticky " + modeText(info.st_mode));

    if (rule.create && !makeFolder(parent.get(), name))
        return refuse(path, "cannot be created: " + std::string(std::strerror(errno)));
    result.fd = UniqueFd(::openat(parent.get(), name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!result.fd.valid()) {
        if (errno == ENOENT)
            return result; // missing
        if (::fstatat(parent.get(), name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0)
            return refuse(path, S_ISLNK(info.st_mode) ? "is a symbolic link" : "is not a folder");
        return refuse(path, "cannot be opened: " + std::string(std::strerror(errno)));
    }
    if (::fstat(result.fd.get(), &info) != 0)
        return refuse(path, "cannot be read: " + std::string(std::strerror(errno)));
    if (info.st_uid != ::geteuid() && !(rule.rootMayOwn && info.st_uid == 0))
        return refuse(path, "is owned by another user (uid " + std::to_string(info.st_uid) + ")");
    if ((info.st_mode & (S_IWGRP | S_IWOTH)) != 0)
        return refuse(path, "is writable by group or others " + modeText(info.st_mode));
    // Search alone would let anyone who can guess a socket's name post to it.
    if (rule.closedToOthers && (info.st_mode & (S_IRWXG | S_IRWXO)) != 0)
        return refuse(path, "is open to group or others " + modeText(info.st_mode));
    return result;
}

} // namespace quenby::os::posix
