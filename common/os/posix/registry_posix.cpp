// HKEY_CURRENT_USER on Linux: one REGEDIT4 file per user,
// $XDG_CONFIG_HOME/quenby/registry.reg ($HOME/.config when XDG_CONFIG_HOME is
// unset), shared by every Quenby process of that user. HKEY_LOCAL_MACHINE, where
// an administrator's policies live, is a file of the same form in the first
// system configuration folder ($XDG_CONFIG_DIRS/quenby, else /etc/xdg/quenby),
// which root or this user may own and which is only ever read.
//
// The settings decide which program the engine and quenbyctl start (`Path`), so
// the folder must pass the private-folder rule and the file must be a regular
// file of the same owner that no one else can write, opened through the folder
// without following a link and no larger than the cap. A store that fails is
// refused whole, with one line on stderr: it reads as no settings at all and
// takes no writes, and a file that is there is never replaced.
//
// Every call reads the whole file again, so an open key sees what other
// processes did since, as on Windows. Readers take no lock: a writer never
// changes the file in place but renames a finished copy over it. Writers hold an
// exclusive flock on registry.lock, read the file under it, apply their one
// change and rename the result over it, so two writers never lose each other's
// values. The location is looked up on every call, so that a changed
// XDG_CONFIG_HOME takes effect at once.
#include "common/os/posix/private_folder.h"
#include "common/os/posix/regfile.h"
#include "common/os/registry.h"
#include "common/registry_rules.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstdint>
#include <vector>
#include <optional>
#include <string>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quenby::os {
namespace {

namespace reg = quenby::os::posix;

constexpr const char* kFileName = "registry.reg";
constexpr const char* kTemporaryName = "registry.reg.tmp";

enum class Scope { currentUser, localMachine };

// The store's folder, or nothing when there is no home to keep it in. Relative
// values are not valid for the XDG variables and are ignored.
std::optional<std::string> storeFolder(Scope scope)
{
    if (scope == Scope::localMachine) {
        std::string_view dirs = std::getenv("XDG_CONFIG_DIRS") != nullptr ? std::getenv("XDG_CONFIG_DIRS") : "";
        for (std::size_t colon = 0; !dirs.empty(); dirs.remove_prefix(std::min(colon + 1, dirs.size()))) {
            colon = dirs.find(':');
            if (dirs.starts_with('/'))
                return std::string(dirs.substr(0, colon)) + "/quenby";
        }
        return "/etc/xdg/quenby";
    }
    return reg::userSettingsFolder();
}

// One line on stderr, once per process, however many calls meet the same problem.
void reportOnce(const std::string& message)
{
    static std::atomic<bool> reported{false};
    if (!reported.exchange(true)) {
        std::fprintf(stderr, "quenby: %s\n", message.c_str());
        std::fflush(stderr);
    }
}

struct Store {
    using State = reg::PrivateFile::State; // missing, ok, refused or tooLarge
    State state = State::missing;
    UniqueFd folder;
    reg::RegDocument document;
};

// Opens the folder (writers make it and then take the writers' lock) and reads
// the file in it, reporting a refusal and a malformed file.
Store open(Scope scope, UniqueFd* writersLock = nullptr)
{
    Store store;
    const auto path = storeFolder(scope);
    if (!path)
        return store;
    const bool machine = scope == Scope::localMachine;
    reg::PrivateFolder folder = reg::openPrivateFolder(*path, {machine, false, writersLock != nullptr});
    const auto refuse = [&](const std::string& why, Store::State state = Store::State::refused) {
        reportOnce(why + (state == Store::State::refused ? "; settings are not read or written" : ""));
        store.state = state;
        return std::move(store);
    };
    if (!folder.refusal.empty())
        return refuse(folder.refusal);
    if (!folder.fd.valid())
        return store;
    store.folder = std::move(folder.fd);
    if (writersLock != nullptr) {
        // The lock belongs to the open lock file, so it goes when the descriptor
        // closes, even if the process dies.
        *writersLock = UniqueFd(
            ::openat(store.folder.get(), "registry.lock", O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600));
        int locked = -1;
        while (writersLock->valid() && ::fchmod(writersLock->get(), 0600) == 0 &&
               (locked = ::flock(writersLock->get(), LOCK_EX)) != 0 && errno == EINTR) {
        }
        if (locked != 0)
            return refuse("registry lock in " + *path + " cannot be taken");
    }
    const std::string name = "registry file " + *path + "/" + kFileName;
    reg::PrivateFile file = reg::readPrivateFile(store.folder.get(), kFileName, name, reg::kMaxRegistryFileSize,
                                                 {.rootMayOwn = machine});
    if (!file.refusal.empty())
        return refuse(file.refusal, file.state);
    store.document = reg::parseRegFile(file.text);
    if (const std::size_t count = store.document.malformedCount; count > 0) {
        const std::string first = std::to_string(store.document.firstMalformedLine);
        reportOnce(count == 1 ? name + " line " + first + " is malformed; kept as it is"
                              : name + " lines " + first + " and " + std::to_string(count - 1) +
                                    " more are malformed; kept as they are");
    }
    store.state = Store::State::ok;
    return store;
}

struct Change {
    RegStatus status = RegStatus::ok;
    bool changed = false;
};

class PosixRegistry final : public Registry {
public:
    explicit PosixRegistry(Scope scope) : scope_(scope) {}

    // The document as it is now; empty when there is none or it is refused.
    reg::RegDocument read() const { return open(scope_).document; }

    // Applies one change under the writers' lock. The machine's store is the
    // administrator's: no program of ours writes it.
    template <typename Apply>
    RegStatus modify(Apply apply)
    {
        if (scope_ == Scope::localMachine || !storeFolder(scope_))
            return RegStatus::accessDenied;
        UniqueFd lock;
        Store store = open(scope_, &lock);
        if (store.state != Store::State::ok)
            return store.state == Store::State::tooLarge ? RegStatus::invalidData : RegStatus::accessDenied;
        const Change change = apply(store.document);
        // The temporary file is ours to replace: only the lock's holder writes it.
        if (change.changed && !reg::replacePrivateFile(store.folder.get(), kFileName, kTemporaryName,
                                                        reg::serializeRegFile(store.document), true))
            return RegStatus::accessDenied;
        return change.status;
    }

    std::unique_ptr<RegistryKey> openKey(std::u16string_view path, RegAccess access, RegStatus* status) override;
    std::unique_ptr<RegistryKey> createKey(std::u16string_view path, RegStatus* status) override;
    RegStatus getValue(std::u16string_view path, std::u16string_view name, RegRestrict restrict, void* buffer,
                       std::uint32_t* size) override;

private:
    Scope scope_;
};

class PosixKey final : public RegistryKey {
public:
    PosixKey(PosixRegistry& owner, std::u16string_view path, RegAccess access)
        : owner_(owner), path_(path), access_(access)
    {
    }

    RegStatus queryValue(std::u16string_view name, void* buffer, std::uint32_t& size, RegType* type) override
    {
        const auto value = reg::findValue(owner_.read(), path_, name);
        if (!value)
            return RegStatus::notFound;
        if (type != nullptr)
            *type = value->type;
        return copyOut(value->data, buffer, size);
    }

    RegStatus setValue(std::u16string_view name, RegType type, const void* data, std::uint32_t size) override
    {
        if (access_ != RegAccess::write)
            return RegStatus::accessDenied;
        if (!reg::isValidValueName(name) || (size > 0 && data == nullptr))
            return RegStatus::invalidData;
        const auto* bytes = static_cast<const std::uint8_t*>(data);
        reg::RegValue value{std::u16string(name), type, std::vector<std::uint8_t>(bytes, bytes + size)};
        return owner_.modify([&](reg::RegDocument& document) {
            // The key may have been deleted by another process since it was opened.
            const bool set = reg::setValue(document, path_, std::move(value));
            return Change{set ? RegStatus::ok : RegStatus::notFound, set};
        });
    }

    RegStatus deleteValue(std::u16string_view name) override
    {
        if (access_ != RegAccess::write)
            return RegStatus::accessDenied;
        return owner_.modify([&](reg::RegDocument& document) {
            const reg::DeleteOutcome outcome = reg::deleteValue(document, path_, name);
            return Change{outcome.found ? RegStatus::ok : RegStatus::notFound, outcome.changed};
        });
    }

private:
    PosixRegistry& owner_;
    std::u16string path_;
    RegAccess access_;
};

std::unique_ptr<RegistryKey> PosixRegistry::openKey(std::u16string_view path, RegAccess access, RegStatus* status)
{
    const RegStatus outcome = !reg::isValidKeyPath(path)             ? RegStatus::invalidData
                              : !reg::keyExists(read(), path)        ? RegStatus::notFound
                                                                     : RegStatus::ok;
    if (status != nullptr)
        *status = outcome;
    return outcome == RegStatus::ok ? std::make_unique<PosixKey>(*this, path, access) : nullptr;
}

std::unique_ptr<RegistryKey> PosixRegistry::createKey(std::u16string_view path, RegStatus* status)
{
    const RegStatus outcome =
        !reg::isValidKeyPath(path) ? RegStatus::invalidData : modify([&](reg::RegDocument& document) {
            return Change{RegStatus::ok, reg::createKey(document, path)};
        });
    if (status != nullptr)
        *status = outcome;
    return outcome == RegStatus::ok ? std::make_unique<PosixKey>(*this, path, RegAccess::write) : nullptr;
}

RegStatus PosixRegistry::getValue(std::u16string_view path, std::u16string_view name, RegRestrict restrict,
                                  void* buffer, std::uint32_t* size)
{
    if (!reg::isValidKeyPath(path) || (buffer != nullptr && size == nullptr))
        return RegStatus::invalidData;
    auto value = reg::findValue(read(), path, name);
    return value ? getRestricted(restrict, value->type, std::move(value->data), buffer, size) : RegStatus::notFound;
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
