// libFuzzer harness: the settings read and written through the real Linux store
// over a registry file of arbitrary content, in a private folder of the
// harness's own (on /dev/shm where there is one, so that each write's flush to
// disk costs nothing).
//
// Besides not crashing, for any file:
// - every settings value the store hands back is the one the file's document
//   holds, through both kinds of query;
// - both programs' settings reads, the install folder reads and the engine path
//   complete;
// - the state write changes `Quenby_Stat` alone, and only where the key exists;
// - the panel's full write keeps every value it does not own.
#include "common/os/posix/regfile.h"
#include "tests/support/regfile_values.h"
#include "common/os/process.h"
#include "common/os/registry.h"
#include "common/settings.h"
#include "common/settings_schema.h"
#include "common/text.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
namespace reg = quenby::os::posix;
using namespace quenby;
using os::RegStatus;

constexpr std::u16string_view kRunKey = u"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

fs::path base;
fs::path file;

void check(bool holds, const char* property)
{
    if (holds)
        return;
    std::fprintf(stderr, "property broken: %s\n", property);
    std::abort();
}

void removeBase()
{
    std::error_code error;
    fs::remove_all(base, error);
}

void writeFile(const std::uint8_t* data, std::size_t size)
{
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    check(fd >= 0, "the harness can write its file");
    check(::write(fd, data, size) == static_cast<ssize_t>(size), "the harness can write its file");
    ::close(fd);
}

std::string readFile()
{
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Every value of every key in the file but those the write may change.
std::vector<quenby::test::RegKeyValue> valuesBut(const std::string& text, const std::vector<std::u16string>& owned)
{
    std::vector<quenby::test::RegKeyValue> kept;
    for (quenby::test::RegKeyValue& entry : quenby::test::valuesOf(reg::parseRegFile(text))) {
        bool isOwned = false;
        for (const std::u16string& name : owned) {
            isOwned = isOwned || (equalsIgnoreCase(entry.path, kSettingsKey) && equalsIgnoreCase(entry.value.name, name));
        }
        // The start-up entry, and Windows' switch for it that ticking the box turns on.
        isOwned = isOwned || ((equalsIgnoreCase(entry.path, kRunKey) || equalsIgnoreCase(entry.path, kStartupApprovedKey)) &&
                              equalsIgnoreCase(entry.value.name, u"Quenby"));
        if (!isOwned)
            kept.push_back(std::move(entry));
    }
    return kept;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    const char* shm = "/dev/shm";
    std::string pattern = (fs::is_directory(shm) ? std::string(shm) : fs::temp_directory_path().string()) +
                          "/quenby-fuzz-XXXXXX";
    check(::mkdtemp(pattern.data()) != nullptr, "the harness can make its folder");
    base = pattern;
    std::atexit(removeBase);
    const fs::path config = base / "config";
    fs::create_directories(config / "quenby");
    fs::permissions(config, fs::perms::owner_all);
    fs::permissions(config / "quenby", fs::perms::owner_all);
    file = config / "quenby" / "registry.reg";
    ::setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size > reg::kMaxRegistryFileSize)
        return -1;
    writeFile(data, size);
    const std::string text(reinterpret_cast<const char*>(data), size);
    const reg::RegDocument document = reg::parseRegFile(text);
    os::Registry& registry = os::currentUserRegistry();

    // What the store hands back is what the file holds.
    const auto key = registry.openKey(kSettingsKey, os::RegAccess::read);
    check((key != nullptr) == reg::keyExists(document, kSettingsKey), "the key is found where the file has it");
    std::vector<std::u16string> owned; // what the panel's full write writes
    for (const SettingField& field : kSettingsSchema)
        owned.emplace_back(field.name);
    std::vector<std::u16string> names = owned;
    names.emplace_back(kPathValue);
    for (const std::u16string& name : names) {
        const auto expected = reg::findValue(document, kSettingsKey, name);
        if (key) {
            std::uint8_t buffer[520];
            std::uint32_t length = sizeof buffer;
            os::RegType type = os::RegType::none;
            const RegStatus status = key->queryValue(name, buffer, length, &type);
            if (!expected) {
                check(status == RegStatus::notFound, "a missing value is not found");
            } else if (expected->data.size() > sizeof buffer) {
                check(status == RegStatus::moreData && length == expected->data.size(), "long data asks for more room");
            } else {
                check(status == RegStatus::ok && type == expected->type && length == expected->data.size() &&
                          std::equal(expected->data.begin(), expected->data.end(), buffer),
                      "a query hands back the stored data");
            }
        }
        std::uint32_t length = 0;
        const RegStatus status = registry.getValue(kSettingsKey, name, os::RegRestrict::sz, nullptr, &length);
        check((status == RegStatus::notFound) == !expected, "a restricted query finds what the file has");
    }

    // Both programs read their settings and work out what they would start.
    Settings engine;
    readSettings(registry, engine, 16384, Deliverable::engine);
    Settings panel;
    readSettings(registry, panel, 16384, Deliverable::panel);
    check(panel.enginePath.ends_with(os::engineFileName()), "the engine path names the engine");
    (void)readEngineInstallPath(registry, 32767);

    // The state write touches Quenby_Stat alone, and only in an existing key.
    writeState(registry, 1);
    const std::string afterState = readFile();
    if (!key) {
        check(afterState == text, "with no key, the state write writes nothing");
    } else {
        const auto stat = reg::findValue(reg::parseRegFile(afterState), kSettingsKey, u"Quenby_Stat");
        check(stat && stat->type == os::RegType::dword && stat->data == std::vector<std::uint8_t>{1, 0, 0, 0},
              "the state write stores the state");
        check(valuesBut(afterState, {u"Quenby_Stat"}) == valuesBut(text, {u"Quenby_Stat"}),
              "the state write keeps every other value");
    }

    // The panel's full write, now and then (it writes some twenty values).
    if (size % 8 == 0) {
        writeFile(data, size);
        writeSettings(registry, panel);
        const std::string afterSave = readFile();
        check(valuesBut(afterSave, owned) == valuesBut(text, owned), "the full write keeps the values it does not own");
        Settings reread;
        readSettings(registry, reread, 16384, Deliverable::panel);
        check(reread.TargetFreeRAM == panel.TargetFreeRAM && reread.Music == panel.Music &&
                  reread.Quenby_Stat == panel.Quenby_Stat,
              "the full write reads back");
    }
    return 0;
}
