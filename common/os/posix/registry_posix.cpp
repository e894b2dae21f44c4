// HKEY_CURRENT_USER on Linux: one REGEDIT4 file per user,
// $XDG_CONFIG_HOME/quenby/registry.reg ($HOME/.config when XDG_CONFIG_HOME is
// unset), shared by every Quenby process of that user.
//
// The settings decide which program the engine and quenbyctl start (the install
// folder `Path`), so the store trusts only a folder and a file that no one else
// can have written: the folder and the file must belong to this user and must not
// be writable by group or others, the folder's parent must not let others swap
// the folder, and the file is opened through the checked folder's descriptor
// without following a symbolic link. A store that fails these checks is refused
// as a whole, with one line on stderr saying why: it reads as no settings at all
// (every value at its default, no `Path`) and takes no writes.
//
// Readers take no lock and read the whole file on every call: a writer never
// changes the file in place but renames a finished copy over it, so a reader
// sees either the old file or the new one, never half of one. Reading on every
// call also means an open key sees what other processes did since it was opened,
// as on Windows: a key deleted elsewhere answers notFound. A read walks the text
// once and keeps nothing of it but the value asked for.
//
// Writers hold an exclusive flock on registry.lock next to the file, read the
// current file under it, apply their one change and write the result to
// registry.reg.tmp, which is flushed to disk and renamed over the file. Two
// writers therefore never lose each other's values.
//
// The location is looked up on every call rather than once, so that changing
// XDG_CONFIG_HOME (as the tests do) takes effect at once.
//
// HKEY_LOCAL_MACHINE, where an administrator's policies live, is a file of the
// same form in the first system configuration folder, $XDG_CONFIG_DIRS/quenby/
// registry.reg (/etc/xdg when XDG_CONFIG_DIRS is unset). It may belong to root
// or to this user, must not be writable by anyone else, and is only ever read.
#include "common/os/posix/unique_fd.h"
#include "common/os/posix/regfile.h"
#include "common/os/registry.h"
#include "common/text.h"

#include <atomic>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quenby::os {
namespace {

namespace reg = quenby::os::posix;

constexpr const char* fileName = "registry.reg";
constexpr const char* lockName = "registry.lock";
constexpr const char* temporaryName = "registry.reg.tmp";

std::string errorText(int error)
{
    return std::system_category().message(error);
}

std::string modeText(mode_t mode)
{
    char text[8];
    std::snprintf(text, sizeof text, "%04o", static_cast<unsigned>(mode & 07777));
    return text;
}

// Why something the store would use is not safe for it, or empty when it is:
// it must be this user's, and no one else may write to it.
std::string ownershipProblem(const struct stat& info, bool rootMayOwn = false)
{
    if (info.st_uid != ::geteuid() && !(rootMayOwn && info.st_uid == 0))
        return "is owned by another user (uid " + std::to_string(info.st_uid) + ")";
    if ((info.st_mode & (S_IWGRP | S_IWOTH)) != 0)
        return "is writable by group or others (mode " + modeText(info.st_mode) + ")";
    return {};
}

enum class Scope { currentUser, localMachine };

struct StorePaths {
    std::string configHome; // $XDG_CONFIG_HOME or $HOME/.config (the machine's: see above)
    std::string folder;     // <configHome>/quenby
    std::string file;       // <folder>/registry.reg
    bool machine = false;   // the machine's store: root may own it
};

// The first absolute folder of XDG_CONFIG_DIRS, or /etc/xdg.
std::string systemConfigFolder()
{
    const char* dirs = std::getenv("XDG_CONFIG_DIRS");
    std::string_view rest = dirs != nullptr ? dirs : "";
    while (!rest.empty()) {
        const std::size_t colon = rest.find(':');
        const std::string_view entry = rest.substr(0, colon);
        if (!entry.empty() && entry.front() == '/')
            return std::string(entry);
        if (colon == std::string_view::npos)
            break;
        rest.remove_prefix(colon + 1);
    }
    return "/etc/xdg";
}

std::optional<StorePaths> storePaths(Scope scope)
{
    StorePaths paths;
    // Relative values are not valid for XDG_CONFIG_HOME and are ignored.
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (scope == Scope::localMachine) {
        paths.configHome = systemConfigFolder();
        paths.machine = true;
    } else if (xdg != nullptr && xdg[0] == '/') {
        paths.configHome = xdg;
    } else {
        const char* home = std::getenv("HOME");
        if (home == nullptr || home[0] != '/')
            return std::nullopt;
        paths.configHome = std::string(home) + "/.config";
    }
    while (paths.configHome.size() > 1 && paths.configHome.back() == '/')
        paths.configHome.pop_back();
    paths.folder = (paths.configHome == "/" ? std::string() : paths.configHome) + "/quenby";
    paths.file = paths.folder + "/" + fileName;
    return paths;
}

// One line on stderr, once per process, however many calls meet the same problem.
void reportOnce(const std::string& message)
{
    static std::atomic<bool> reported{false};
    if (reported.exchange(true))
        return;
    std::fprintf(stderr, "quenby: %s\n", message.c_str());
    std::fflush(stderr);
}

// A folder made on the user's behalf: 0700 whatever the umask.
bool makeFolder(const std::string& path)
{
    if (::mkdir(path.c_str(), 0700) == 0)
        return ::chmod(path.c_str(), 0700) == 0;
    if (errno != EEXIST)
        return false;
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

enum class Outcome {
    ok,
    missing,  // nothing there yet: no settings
    refused,  // there, but not safe or not settings: no settings, no writes
    tooLarge, // refused for its size alone
};

struct Opened {
    Outcome outcome = Outcome::missing;
    std::string why; // for refused and tooLarge: the line to report
};

// The store's folder, checked through a descriptor on it so that what was checked
// is what gets used, even if a name is swapped meanwhile. With `create`, the
// config folder and ours are made when missing.
Opened openFolder(const StorePaths& paths, bool create, UniqueFd& folder)
{
    Opened result;
    const auto refuse = [&](const std::string& why) {
        result.outcome = Outcome::refused;
        result.why = why;
        return result;
    };

    if (create) {
        std::size_t slash = 0;
        while ((slash = paths.configHome.find('/', slash + 1)) != std::string::npos) {
            const std::string parent = paths.configHome.substr(0, slash);
            struct stat info {};
            if (::stat(parent.c_str(), &info) != 0 && !makeFolder(parent))
                return refuse("cannot create " + parent + ": " + errorText(errno));
        }
        if (!makeFolder(paths.configHome))
            return refuse("cannot create " + paths.configHome + ": " + errorText(errno));
    }

    // The folder that holds ours must not let just anyone rename or replace ours:
    // owned by us or by root, and not writable by all unless the sticky bit
    // protects each entry (as on /tmp). Write for the group is common there (a
    // user's private group under umask 002) and harmless: whatever a member put
    // in our folder's place would be theirs, and the check of our folder below
    // refuses it.
    struct stat parent {};
    if (::stat(paths.configHome.c_str(), &parent) != 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return result; // missing
        return refuse("config folder " + paths.configHome + " cannot be read (" + errorText(errno) + ")");
    }
    if (parent.st_uid != ::geteuid() && parent.st_uid != 0)
        return refuse("config folder " + paths.configHome + " is owned by another user (uid " +
                      std::to_string(parent.st_uid) + "); settings are not read or written");
    if ((parent.st_mode & S_IWOTH) != 0 && (parent.st_mode & S_ISVTX) == 0)
        return refuse("config folder " + paths.configHome + " is writable by others (mode " +
                      modeText(parent.st_mode) + "); settings are not read or written");

    bool created = false;
    if (create) {
        if (::mkdir(paths.folder.c_str(), 0700) == 0)
            created = true;
        else if (errno != EEXIST)
            return refuse("cannot create " + paths.folder + ": " + errorText(errno));
    }
    // A link to a folder is followed: the folder it leads to is checked below, and
    // no one else can change what is inside a folder that passes.
    folder = UniqueFd(::open(paths.folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folder.valid()) {
        if (errno == ENOENT)
            return result; // missing
        return refuse("registry folder " + paths.folder + " cannot be opened (" + errorText(errno) +
                      "); settings are not read or written");
    }
    if (created)
        (void)::fchmod(folder.get(), 0700); // mkdir's mode went through the umask
    struct stat info {};
    if (::fstat(folder.get(), &info) != 0)
        return refuse("registry folder " + paths.folder + " cannot be read (" + errorText(errno) + ")");
    if (const std::string problem = ownershipProblem(info, paths.machine); !problem.empty())
        return refuse("registry folder " + paths.folder + " " + problem + "; settings are not read or written");
    result.outcome = Outcome::ok;
    return result;
}

// The settings file in the checked folder: a regular file of ours that no one
// else can write, opened without following a link, not larger than the cap.
Opened openFile(int folder, const std::string& path, bool rootMayOwn, UniqueFd& file,
                struct stat& info)
{
    Opened result;
    const auto refuse = [&](const std::string& why, Outcome outcome = Outcome::refused) {
        result.outcome = outcome;
        result.why = "registry file " + path + " " + why;
        return result;
    };
    // Non-blocking, so that a FIFO in its place cannot hold the caller.
    file = UniqueFd(::openat(folder, fileName, O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY));
    if (!file.valid()) {
        if (errno == ENOENT)
            return result; // missing
        if (errno == ELOOP)
            return refuse("is a symbolic link; settings are not read or written");
        return refuse("cannot be opened (" + errorText(errno) + "); settings are not read or written");
    }
    if (::fstat(file.get(), &info) != 0)
        return refuse("cannot be read (" + errorText(errno) + "); left alone");
    if (!S_ISREG(info.st_mode))
        return refuse("is not a regular file; settings are not read or written");
    if (const std::string problem = ownershipProblem(info, rootMayOwn); !problem.empty())
        return refuse(problem + "; settings are not read or written");
    if (static_cast<std::uintmax_t>(info.st_size) > reg::kMaxRegistryFileSize)
        return refuse("is larger than " + std::to_string(reg::kMaxRegistryFileSize >> 10) +
                          " KiB; not read and left alone",
                      Outcome::tooLarge);
    result.outcome = Outcome::ok;
    return result;
}

// Reads the opened file whole, refusing it if it grew past the cap since it was
// checked.
Opened readText(int fd, const std::string& path, const struct stat& info, std::string& text)
{
    Opened result;
    text.clear();
    text.reserve(static_cast<std::size_t>(info.st_size));
    char buffer[65536];
    while (true) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            result.outcome = Outcome::refused;
            result.why = "registry file " + path + " cannot be read (" + errorText(errno) + "); left alone";
            return result;
        }
        if (n == 0)
            break;
        if (text.size() + static_cast<std::size_t>(n) > reg::kMaxRegistryFileSize) {
            result.outcome = Outcome::tooLarge;
            result.why = "registry file " + path + " is larger than " +
                         std::to_string(reg::kMaxRegistryFileSize >> 10) + " KiB; not read and left alone";
            return result;
        }
        text.append(buffer, static_cast<std::size_t>(n));
    }
    result.outcome = Outcome::ok;
    return result;
}

// The text of the store's file: ok with the text, missing (no settings yet), or
// refused with the reason already reported. With a folder descriptor given, the
// folder is not opened again.
Opened loadText(const StorePaths& paths, int folder, std::string& text)
{
    UniqueFd file;
    struct stat info {};
    Opened opened = openFile(folder, paths.file, paths.machine, file, info);
    if (opened.outcome == Outcome::ok)
        opened = readText(file.get(), paths.file, info, text);
    if (opened.outcome == Outcome::refused || opened.outcome == Outcome::tooLarge)
        reportOnce(opened.why);
    if (opened.outcome != Outcome::ok)
        text.clear();
    return opened;
}

// Exclusive among writers for as long as it lives. The lock belongs to the open
// lock file, so it goes when the descriptor closes, even if the process dies.
class WriterLock {
public:
    explicit WriterLock(int folder)
        : fd_(::openat(folder, lockName, O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600))
    {
        if (!fd_.valid())
            return;
        (void)::fchmod(fd_.get(), 0600); // whatever the umask took away or left
        while (::flock(fd_.get(), LOCK_EX) != 0) {
            if (errno != EINTR) {
                fd_.reset();
                return;
            }
        }
        locked_ = true;
    }

    bool locked() const { return locked_; }

private:
    UniqueFd fd_;
    bool locked_ = false;
};

// Writes the document to a temporary file in the folder, 0600 whatever the umask,
// flushes it to disk and renames it over the file, so that the file holds either
// all of the old text or all of the new one, even across a crash.
bool replaceFile(int folder, const reg::RegDocument& document)
{
    // A crashed writer may have left one behind; under the lock it is ours to remove.
    ::unlinkat(folder, temporaryName, 0);
    UniqueFd fd(::openat(folder, temporaryName, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600));
    if (!fd.valid())
        return false;
    const bool written = ::fchmod(fd.get(), 0600) == 0 &&
                         reg::serializeRegFile(document, [&](std::string_view text) { return writeAll(fd.get(), text); }) &&
                         ::fsync(fd.get()) == 0 && fd.close();
    if (!written || ::renameat(folder, temporaryName, folder, fileName) != 0) {
        ::unlinkat(folder, temporaryName, 0);
        return false;
    }
    ::fsync(folder); // makes the rename itself durable; the data is safe either way
    return true;
}

void reportMalformed(const std::string& path, std::size_t count, std::size_t first)
{
    if (count == 0)
        return;
    if (count == 1) {
        reportOnce("registry file " + path + " line " + std::to_string(first) + " is malformed; kept as it is");
    } else {
        reportOnce("registry file " + path + " lines " + std::to_string(first) + " and " +
                   std::to_string(count - 1) + " more are malformed; kept as they are");
    }
}

struct Change {
    RegStatus status = RegStatus::ok;
    bool changed = false;
};

class PosixRegistry;

class PosixKey final : public RegistryKey {
public:
    PosixKey(PosixRegistry& owner, std::u16string path, RegAccess access)
        : owner_(owner), path_(std::move(path)), access_(access)
    {
    }

    RegStatus queryValue(std::u16string_view name, void* buffer, std::uint32_t& size, RegType* type) override;
    RegStatus setValue(std::u16string_view name, RegType type, const void* data, std::uint32_t size) override;
    RegStatus deleteValue(std::u16string_view name) override;

private:
    PosixRegistry& owner_;
    std::u16string path_;
    RegAccess access_;
};

class PosixRegistry final : public Registry {
public:
    explicit PosixRegistry(Scope scope) : scope_(scope) {}

    // What the file says of a key and one of its values. A missing or refused
    // store, or an unreadable file, says nothing: no key, no value.
    reg::RegLookup lookUp(std::u16string_view path, std::optional<std::u16string_view> name = std::nullopt)
    {
        const auto paths = storePaths(scope_);
        if (!paths)
            return {};
        UniqueFd folder;
        const Opened opened = openFolder(*paths, false, folder);
        if (opened.outcome != Outcome::ok) {
            if (opened.outcome == Outcome::refused)
                reportOnce(opened.why);
            return {};
        }
        std::string text;
        if (loadText(*paths, folder.get(), text).outcome != Outcome::ok)
            return {};
        reg::RegLookup found = reg::lookUp(text, path, name);
        reportMalformed(paths->file, found.malformedCount, found.firstMalformedLine);
        return found;
    }

    // Applies one change to the file under the writers' lock. A file that exists
    // but is refused is never replaced: that would lose what it holds.
    template <typename Apply>
    RegStatus modify(Apply apply)
    {
        // The machine's store is the administrator's: no program of ours writes it.
        const auto paths = storePaths(scope_);
        if (!paths || scope_ == Scope::localMachine)
            return RegStatus::accessDenied;
        UniqueFd folder;
        const Opened opened = openFolder(*paths, true, folder);
        if (opened.outcome != Outcome::ok) {
            reportOnce(opened.why.empty() ? "registry folder " + paths->folder + " cannot be created" : opened.why);
            return RegStatus::accessDenied;
        }
        WriterLock lock(folder.get());
        if (!lock.locked())
            return RegStatus::accessDenied;

        std::string text;
        const Opened file = loadText(*paths, folder.get(), text);
        if (file.outcome == Outcome::tooLarge)
            return RegStatus::invalidData;
        if (file.outcome == Outcome::refused)
            return RegStatus::accessDenied;
        reg::RegDocument document = reg::parseRegFile(std::move(text));
        reportMalformed(paths->file, document.malformedCount,
                        document.malformedLines.empty() ? 0 : document.malformedLines.front());
        const Change change = apply(document);
        if (change.changed && !replaceFile(folder.get(), document))
            return RegStatus::accessDenied;
        return change.status;
    }

    std::unique_ptr<RegistryKey> openKey(std::u16string_view path, RegAccess access, RegStatus* status) override
    {
        RegStatus outcome = RegStatus::ok;
        if (!reg::isValidKeyPath(path))
            outcome = RegStatus::invalidData;
        else if (!lookUp(path).keyExists)
            outcome = RegStatus::notFound;
        if (status != nullptr)
            *status = outcome;
        if (outcome != RegStatus::ok)
            return nullptr;
        return std::make_unique<PosixKey>(*this, std::u16string(path), access);
    }

    std::unique_ptr<RegistryKey> createKey(std::u16string_view path, RegStatus* status) override
    {
        RegStatus outcome = RegStatus::invalidData;
        if (reg::isValidKeyPath(path)) {
            outcome = modify([&](reg::RegDocument& document) {
                return Change{RegStatus::ok, reg::createKey(document, path)};
            });
        }
        if (status != nullptr)
            *status = outcome;
        if (outcome != RegStatus::ok)
            return nullptr;
        return std::make_unique<PosixKey>(*this, std::u16string(path), RegAccess::write);
    }

    RegStatus getValue(std::u16string_view path, std::u16string_view name, RegRestrict restrict, void* buffer,
                       std::uint32_t* size) override
    {
        if (!reg::isValidKeyPath(path) || (buffer != nullptr && size == nullptr))
            return RegStatus::invalidData;
        std::optional<reg::RegValue> value = lookUp(path, name).value;
        if (!value)
            return RegStatus::notFound;

        std::vector<std::uint8_t>& data = value->data;
        if (restrict == RegRestrict::sz) {
            if (value->type != RegType::sz)
                return RegStatus::unsupportedType;
            // Handed back as a whole, terminated string even when stored without one.
            if (data.size() % 2 != 0)
                data.push_back(0);
            if (data.size() < 2 || data[data.size() - 2] != 0 || data[data.size() - 1] != 0)
                data.insert(data.end(), {0, 0});
        } else if (value->type != RegType::dword || data.size() != 4) {
            return RegStatus::unsupportedType;
        }

        const auto needed = static_cast<std::uint32_t>(data.size());
        if (buffer == nullptr) {
            if (size != nullptr)
                *size = needed;
            return RegStatus::ok;
        }
        if (*size < needed) {
            *size = needed;
            return RegStatus::moreData;
        }
        std::memcpy(buffer, data.data(), data.size());
        *size = needed;
        return RegStatus::ok;
    }

    RegStatus deleteTree(std::u16string_view path) override
    {
        if (!reg::isValidKeyPath(path))
            return RegStatus::invalidData;
        return modify([&](reg::RegDocument& document) {
            const bool existed = reg::deleteTree(document, path);
            return Change{existed ? RegStatus::ok : RegStatus::notFound, existed};
        });
    }

private:
    Scope scope_;
};

RegStatus PosixKey::queryValue(std::u16string_view name, void* buffer, std::uint32_t& size, RegType* type)
{
    const std::optional<reg::RegValue> value = owner_.lookUp(path_, name).value;
    if (!value)
        return RegStatus::notFound;
    if (type != nullptr)
        *type = value->type;
    const auto needed = static_cast<std::uint32_t>(value->data.size());
    if (buffer == nullptr) {
        size = needed;
        return RegStatus::ok;
    }
    if (size < needed) {
        size = needed;
        return RegStatus::moreData;
    }
    if (needed > 0)
        std::memcpy(buffer, value->data.data(), needed);
    size = needed;
    return RegStatus::ok;
}

RegStatus PosixKey::setValue(std::u16string_view name, RegType type, const void* data, std::uint32_t size)
{
    if (access_ != RegAccess::write)
        return RegStatus::accessDenied;
    if (!reg::isValidValueName(name) || (size > 0 && data == nullptr))
        return RegStatus::invalidData;
    reg::RegValue value;
    value.name = std::u16string(name);
    value.type = type;
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    value.data.assign(bytes, bytes + size);
    return owner_.modify([&](reg::RegDocument& document) {
        // The key may have been deleted by another process since it was opened.
        if (!reg::setValue(document, path_, std::move(value)))
            return Change{RegStatus::notFound, false};
        return Change{RegStatus::ok, true};
    });
}

RegStatus PosixKey::deleteValue(std::u16string_view name)
{
    if (access_ != RegAccess::write)
        return RegStatus::accessDenied;
    return owner_.modify([&](reg::RegDocument& document) {
        const reg::DeleteOutcome outcome = reg::deleteValue(document, path_, name);
        return Change{outcome.found ? RegStatus::ok : RegStatus::notFound, outcome.changed};
    });
}

} // namespace

Registry& currentUserRegistry()
{
    static PosixRegistry registry(Scope::currentUser);
    return registry;
}

Registry& localMachineRegistry()
{
    static PosixRegistry registry(Scope::localMachine);
    return registry;
}

} // namespace quenby::os
