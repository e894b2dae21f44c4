// HKEY_CURRENT_USER on Linux: one REGEDIT4 file per user,
// $XDG_CONFIG_HOME/quenby/registry.reg ($HOME/.config when XDG_CONFIG_HOME is
// unset), shared by every Quenby process of that user.
//
// Readers take no lock and read the whole file on every call: a writer never
// changes the file in place but renames a finished copy over it, so a reader
// sees either the old file or the new one, never half of one. Reading on every
// call also means an open key sees what other processes did since it was opened,
// as on Windows: a key deleted elsewhere answers notFound. The file is small, so
// the cost is a few microseconds per value.
//
// Writers hold an exclusive flock on registry.lock next to the file, read the
// current file under it, apply their one change and write the result to
// registry.reg.tmp, which is flushed to disk and renamed over the file. Two
// writers therefore never lose each other's values.
//
// The location is looked up on every call rather than once, so that changing
// XDG_CONFIG_HOME (as the tests do) takes effect at once.
#include "common/os/posix/regfile.h"
#include "common/os/registry.h"
#include "common/text.h"

#include <atomic>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
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

// A file far larger than any set of settings is not read at all, so that a
// stray huge file cannot eat the machine's memory; it is left alone, not replaced.
constexpr std::size_t maxFileSize = std::size_t{64} << 20;

class FileDescriptor {
public:
    explicit FileDescriptor(int fd = -1) : fd_(fd) {}
    ~FileDescriptor() { reset(); }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    bool valid() const { return fd_ >= 0; }
    int get() const { return fd_; }

    void reset()
    {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = -1;
    }

    // Closes the descriptor and says whether the close succeeded, which for a
    // written file is the last chance to hear of a failed write.
    bool close()
    {
        const int fd = fd_;
        fd_ = -1;
        return fd < 0 || ::close(fd) == 0;
    }

private:
    int fd_;
};

// Exclusive among writers for as long as it lives. The lock belongs to the open
// lock file, so it goes when the descriptor closes, even if the process dies.
class WriterLock {
public:
    explicit WriterLock(const std::string& path)
        : fd_(::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600))
    {
        if (!fd_.valid())
            return;
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
    FileDescriptor fd_;
    bool locked_ = false;
};

struct StorePaths {
    std::string configHome; // $XDG_CONFIG_HOME or $HOME/.config
    std::string folder;     // <configHome>/quenby
    std::string file;       // <folder>/registry.reg
    std::string lock;       // <folder>/registry.lock
};

std::optional<StorePaths> storePaths()
{
    StorePaths paths;
    // Relative values are not valid for XDG_CONFIG_HOME and are ignored.
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg != nullptr && xdg[0] == '/') {
        paths.configHome = xdg;
    } else {
        const char* home = std::getenv("HOME");
        if (home == nullptr || home[0] != '/')
            return std::nullopt;
        paths.configHome = std::string(home) + "/.config";
    }
    paths.folder = paths.configHome + "/quenby";
    paths.file = paths.folder + "/registry.reg";
    paths.lock = paths.folder + "/registry.lock";
    return paths;
}

bool makeFolder(const std::string& path)
{
    if (::mkdir(path.c_str(), 0700) == 0)
        return true;
    if (errno != EEXIST)
        return false;
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// Creates the config folder (with any missing parents) and our folder in it, 0700
// as for every folder made on the user's behalf.
bool ensureFolders(const StorePaths& paths)
{
    std::size_t slash = 0;
    while ((slash = paths.configHome.find('/', slash + 1)) != std::string::npos) {
        const std::string parent = paths.configHome.substr(0, slash);
        struct stat info {};
        if (::stat(parent.c_str(), &info) != 0 && !makeFolder(parent))
            return false;
    }
    return makeFolder(paths.configHome) && makeFolder(paths.folder);
}

enum class ReadResult { ok, missing, failed, tooLarge };

struct FileText {
    ReadResult result = ReadResult::missing;
    int error = 0; // the errno of a failed read
    std::string text;
};

ReadResult readInto(const std::string& path, std::string& text, int& error)
{
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd.valid()) {
        error = errno;
        return error == ENOENT || error == ENOTDIR ? ReadResult::missing : ReadResult::failed;
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) {
        error = errno;
        return ReadResult::failed;
    }
    if (!S_ISREG(info.st_mode)) {
        error = EISDIR;
        return ReadResult::failed;
    }
    if (static_cast<std::uintmax_t>(info.st_size) > maxFileSize)
        return ReadResult::tooLarge;
    text.reserve(static_cast<std::size_t>(info.st_size));
    char buffer[65536];
    while (true) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            error = errno;
            return ReadResult::failed;
        }
        if (n == 0)
            return ReadResult::ok;
        if (text.size() + static_cast<std::size_t>(n) > maxFileSize)
            return ReadResult::tooLarge; // it grew since fstat
        text.append(buffer, static_cast<std::size_t>(n));
    }
}

FileText readWholeFile(const std::string& path)
{
    FileText file;
    file.result = readInto(path, file.text, file.error);
    if (file.result != ReadResult::ok)
        file.text.clear();
    return file;
}

bool writeAll(int fd, std::string_view text)
{
    while (!text.empty()) {
        const ssize_t n = ::write(fd, text.data(), text.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        text.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// Where the new file goes: the file itself, or what it links to when it is a
// symbolic link (kept settings in a dotfiles repository), so the link survives.
std::string writeTarget(const std::string& file)
{
    struct stat info {};
    if (::lstat(file.c_str(), &info) == 0 && S_ISLNK(info.st_mode)) {
        std::error_code error;
        auto resolved = std::filesystem::canonical(file, error);
        if (!error)
            return resolved.string();
    }
    return file;
}

// Writes the text to a temporary file in the target's folder, flushes it to disk
// and renames it over the target, so that the target holds either all of the old
// text or all of the new one, even across a crash.
bool replaceFile(const std::string& target, std::string_view text)
{
    const std::string temporary = target + ".tmp";
    // A crashed writer may have left one behind; under the lock it is ours to remove.
    ::unlink(temporary.c_str());
    FileDescriptor fd(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
    if (!fd.valid())
        return false;
    const bool written = writeAll(fd.get(), text) && ::fsync(fd.get()) == 0 && fd.close();
    if (!written || ::rename(temporary.c_str(), target.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    const std::string folder = std::filesystem::path(target).parent_path().string();
    FileDescriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.valid())
        ::fsync(dir.get()); // makes the rename itself durable; the data is safe either way
    return true;
}

// One line on stderr, once per process, however many calls meet the same file.
void reportOnce(const std::string& message)
{
    static std::atomic<bool> reported{false};
    if (reported.exchange(true))
        return;
    std::fprintf(stderr, "quenby: %s\n", message.c_str());
    std::fflush(stderr);
}

void reportMalformed(const std::string& path, const reg::RegDocument& document)
{
    const auto& lines = document.malformedLines;
    if (lines.empty())
        return;
    if (lines.size() == 1) {
        reportOnce("registry file " + path + " line " + std::to_string(lines.front()) +
                   " is malformed; kept as it is");
    } else {
        reportOnce("registry file " + path + " lines " + std::to_string(lines.front()) + " and " +
                   std::to_string(lines.size() - 1) + " more are malformed; kept as they are");
    }
}

void reportUnreadable(const std::string& path, const FileText& file)
{
    if (file.result == ReadResult::tooLarge)
        reportOnce("registry file " + path + " is larger than " + std::to_string(maxFileSize >> 20) +
                   " MiB; not read and left alone");
    else
        reportOnce("registry file " + path + " cannot be read (" +
                   std::system_category().message(file.error) + "); left alone");
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
    // The file as it is now; an absent or unreadable file reads as empty.
    reg::RegDocument load()
    {
        const auto paths = storePaths();
        if (!paths)
            return {};
        const FileText file = readWholeFile(paths->file);
        if (file.result == ReadResult::missing)
            return {};
        if (file.result != ReadResult::ok) {
            reportUnreadable(paths->file, file);
            return {};
        }
        reg::RegDocument document = reg::parseRegFile(file.text);
        reportMalformed(paths->file, document);
        return document;
    }

    // Applies one change to the file under the writers' lock. A file that exists
    // but cannot be read is never replaced: that would lose what it holds.
    template <typename Apply>
    RegStatus modify(Apply apply)
    {
        const auto paths = storePaths();
        if (!paths || !ensureFolders(*paths))
            return RegStatus::accessDenied;
        WriterLock lock(paths->lock);
        if (!lock.locked())
            return RegStatus::accessDenied;

        const std::string target = writeTarget(paths->file);
        const FileText file = readWholeFile(target);
        if (file.result == ReadResult::failed || file.result == ReadResult::tooLarge) {
            reportUnreadable(target, file);
            return file.result == ReadResult::tooLarge ? RegStatus::invalidData : RegStatus::accessDenied;
        }
        reg::RegDocument document;
        if (file.result == ReadResult::ok) {
            document = reg::parseRegFile(file.text);
            reportMalformed(target, document);
        }
        const Change change = apply(document);
        if (change.changed && !replaceFile(target, reg::serializeRegFile(document)))
            return RegStatus::accessDenied;
        return change.status;
    }

    std::unique_ptr<RegistryKey> openKey(std::u16string_view path, RegAccess access, RegStatus* status) override
    {
        RegStatus outcome = RegStatus::ok;
        if (!reg::isValidKeyPath(path))
            outcome = RegStatus::invalidData;
        else if (!reg::keyExists(load(), path))
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
        const reg::RegDocument document = load();
        const reg::RegValue* value = reg::findValue(document, path, name);
        if (value == nullptr)
            return RegStatus::notFound;

        std::vector<std::uint8_t> data = value->data;
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
};

RegStatus PosixKey::queryValue(std::u16string_view name, void* buffer, std::uint32_t& size, RegType* type)
{
    const reg::RegDocument document = owner_.load();
    const reg::RegValue* value = reg::findValue(document, path_, name);
    if (value == nullptr)
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
    static PosixRegistry registry;
    return registry;
}

} // namespace quenby::os
