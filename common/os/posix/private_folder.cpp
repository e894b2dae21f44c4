#include "common/os/posix/private_folder.h"

#include <cerrno>
#include <cstdio>
#include <cstdint>
#include <cstdlib>
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

// Why a folder or file is not private under the rule; empty when it is.
std::string notPrivate(const struct stat& info, FolderRule rule)
{
    if (info.st_uid != ::geteuid() && !(rule.rootMayOwn && info.st_uid == 0))
        return "is owned by another user (uid " + std::to_string(info.st_uid) + ")";
    if ((info.st_mode & (S_IWGRP | S_IWOTH)) != 0)
        return "is writable by group or others " + modeText(info.st_mode);
    // Search alone would let anyone who can guess a socket's name post to it.
    if (rule.closedToOthers && (info.st_mode & (S_IRWXG | S_IRWXO)) != 0)
        return "is open to group or others " + modeText(info.st_mode);
    return {};
}

} // namespace

std::optional<std::string> userSettingsFolder()
{
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr && xdg[0] == '/')
        return std::string(xdg) + "/quenby";
    if (const char* home = std::getenv("HOME"); home != nullptr && home[0] == '/')
        return std::string(home) + "/.config/quenby";
    return std::nullopt;
}

PrivateFolder openPrivateFolder(std::string path, FolderRule rule)
{
    PrivateFolder result;
    const auto refuse = [&](const std::string& what, const std::string& why) {
        result.fd.close();
        result.refusal = "folder " + what + " " + why;
        return std::move(result);
    };
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    result.path = path;
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
        if ((errno == ENOENT || errno == ENOTDIR) && !rule.create)
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
        if (errno == ENOENT && !rule.create)
            return result; // missing
        if (::fstatat(parent.get(), name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0)
            return refuse(path, S_ISLNK(info.st_mode) ? "is a symbolic link" : "is not a folder");
        return refuse(path, "cannot be opened: " + std::string(std::strerror(errno)));
    }
    if (::fstat(result.fd.get(), &info) != 0)
        return refuse(path, "cannot be read: " + std::string(std::strerror(errno)));
    if (const std::string why = notPrivate(info, rule); !why.empty())
        return refuse(path, why);
    return result;
}

PrivateFile readPrivateFile(int folder, const std::string& name, const std::string& what, std::size_t maxBytes,
                            FolderRule rule)
{
    PrivateFile file;
    const auto refuse = [&](const std::string& why, PrivateFile::State state = PrivateFile::State::refused) {
        file.state = state;
        file.refusal = what + " " + why;
        file.text.clear();
        return std::move(file);
    };
    const UniqueFd fd(::openat(folder, name.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY));
    struct stat info {};
    if (!fd.valid() && errno == ENOENT)
        return file;
    if (!fd.valid())
        return refuse(errno == ELOOP ? "is a symbolic link" : "cannot be opened: " + std::string(std::strerror(errno)));
    if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode))
        return refuse("is not a regular file");
    if (const std::string why = notPrivate(info, rule); !why.empty())
        return refuse(why);
    const std::string tooLarge = "is larger than " + std::to_string(maxBytes >> 10) + " KiB; not read and left alone";
    if (static_cast<std::uintmax_t>(info.st_size) > maxBytes)
        return refuse(tooLarge, PrivateFile::State::tooLarge);
    file.text.reserve(static_cast<std::size_t>(info.st_size));
    char buffer[65536];
    for (ssize_t n; (n = ::read(fd.get(), buffer, sizeof buffer)) != 0;) {
        if (n < 0 && errno != EINTR)
            return refuse("cannot be read: " + std::string(std::strerror(errno)));
        file.text.append(buffer, n > 0 ? static_cast<std::size_t>(n) : 0);
        if (file.text.size() > maxBytes) // it grew since it was looked at
            return refuse(tooLarge, PrivateFile::State::tooLarge);
    }
    file.state = PrivateFile::State::ok;
    return file;
}

bool replacePrivateFile(int folder, const std::string& name, const std::string& temporary, std::string_view text,
                        bool durable)
{
    ::unlinkat(folder, temporary.c_str(), 0);
    UniqueFd fd(::openat(folder, temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600));
    // The umask may have taken bits away, never added any. A failed close can be
    // the first news of a failed write.
    const bool written = fd.valid() && ::fchmod(fd.get(), 0600) == 0 && writeAll(fd.get(), text) &&
                         (!durable || ::fsync(fd.get()) == 0) && fd.close();
    // rename replaces whatever has the name, a link included, without following it.
    if (!written || ::renameat(folder, temporary.c_str(), folder, name.c_str()) != 0) {
        ::unlinkat(folder, temporary.c_str(), 0);
        return false;
    }
    if (durable)
        ::fsync(folder);
    return true;
}

} // namespace quenby::os::posix
