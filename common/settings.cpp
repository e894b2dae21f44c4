#include "common/settings.h"

#include <array>

#include "common/os/process.h"
#include "common/protected_programs.h"
#include "common/text.h"

namespace quenby {

using os::RegAccess;
using os::RegStatus;
using os::RegType;

namespace {

// The most of a list value that is read before it is cut: what no hand would
// type, and whatever is longer is not read at all.
constexpr std::size_t kLongListChars = 32768;

// One number: taken only when the query succeeds with at least one byte. Data of
// 1 to 3 bytes is zero-extended (the buffer is cleared first, and the data is
// little-endian); longer data does not fit and the default stays.
bool readNumber(os::RegistryKey& key, std::u16string_view name, std::uint32_t& value)
{
    std::array<unsigned char, 4> buffer{};
    std::uint32_t size = static_cast<std::uint32_t>(buffer.size());
    if (key.queryValue(name, buffer.data(), size, nullptr) != RegStatus::ok || size == 0)
        return false;
    value = static_cast<std::uint32_t>(buffer[0]) | static_cast<std::uint32_t>(buffer[1]) << 8 |
            static_cast<std::uint32_t>(buffer[2]) << 16 | static_cast<std::uint32_t>(buffer[3]) << 24;
    return true;
}

// A text into a buffer of `bufferChars` UTF-16 code units. Whatever is stored,
// the text never reaches past the data returned; text that fills the whole
// buffer leaves no room for the terminator and counts as too long.
bool readText(os::RegistryKey& key, std::u16string_view name, std::size_t bufferChars,
              std::u16string& text)
{
    std::basic_string<unsigned char> buffer(bufferChars * 2, 0);
    std::uint32_t size = static_cast<std::uint32_t>(buffer.size());
    if (key.queryValue(name, buffer.data(), size, nullptr) != RegStatus::ok || size == 0)
        return false;
    auto value = textFromRegistryData(buffer.data(), size, bufferChars);
    if (value.size() >= bufferChars)
        return false;
    text = std::move(value);
    return true;
}

void logLine(const DiagnosticLog& log, const std::string& line)
{
    if (log)
        log(line);
}

RegStatus writeNumber(os::RegistryKey& key, std::u16string_view name, std::uint32_t value)
{
    const std::array<unsigned char, 4> data = {
        static_cast<unsigned char>(value), static_cast<unsigned char>(value >> 8),
        static_cast<unsigned char>(value >> 16), static_cast<unsigned char>(value >> 24)};
    return key.setValue(name, RegType::dword, data.data(), 4);
}

RegStatus writeText(os::RegistryKey& key, std::u16string_view name, std::u16string_view text)
{
    const std::vector<std::uint8_t> data = registryDataFromText(text);
    return key.setValue(name, RegType::sz, data.data(), static_cast<std::uint32_t>(data.size()));
}

// Every readable value stored under an open key, by the read rules: a value
// that is missing or can't be used leaves the field as it was. With
// `policiesOnly`, only the values a policy may set. Returns the values taken.
PolicyMask readStoredValues(os::RegistryKey& key, Settings& settings, Deliverable who,
                            bool policiesOnly)
{
    PolicyMask taken;
    for (const auto& field : kSettingsSchema) {
        if (!field.read || (policiesOnly && !offeredAsPolicy(field)))
            continue;
        if (const auto* text = std::get_if<std::u16string Settings::*>(&field.field)) {
            // A list longer than the options take (written by hand or by a
            // script) is cut to what they take, not lost whole as a path would be.
            const bool list = field.unit == ValueUnit::programNames;
            std::u16string& value = settings.*(*text);
            if (readText(key, field.name, list ? kLongListChars : field.uiMaximum.value + 1, value)) {
                if (list)
                    value = std::u16string(boundedProtectedList(value));
                taken.set(schemaIndex(field));
            }
            continue;
        }
        std::uint32_t value = 0;
        if (!readNumber(key, field.name, value))
            continue;
        if (who == Deliverable::engine && field.unit == ValueUnit::minutes)
            value *= 60;
        setNumericValue(settings, field, value);
        taken.set(schemaIndex(field));
    }
    return taken;
}

void setDefaults(Settings& settings, std::uint32_t totalMB)
{
    for (const auto& field : kSettingsSchema) {
        if (std::holds_alternative<std::u16string Settings::*>(field.field))
            settings.*std::get<std::u16string Settings::*>(field.field) = std::u16string();
        else
            setNumericValue(settings, field, field.defaultValue.of(totalMB));
    }
}

// A start-up entry's text. The buffer leaves room for the two quotes around a
// path of the full 260 characters.
bool readRunEntry(os::Registry& root, std::u16string& entry)
{
    auto run = root.openKey(kRunKey, RegAccess::read);
    return run && readText(*run, kRunValue, kTextBufferChars + 3, entry);
}

// What Windows writes into StartupApproved for an entry that is switched on.
constexpr std::array<unsigned char, 12> kApprovedOn = {2};

} // namespace

void readSettings(os::Registry& registry, Settings& settings, std::uint32_t totalMB,
                  Deliverable who, const DiagnosticLog& log, os::Registry* machine)
{
    if (who == Deliverable::engine)
        readSystemTheme(registry, settings);

    if (who == Deliverable::panel) {
        settings.enginePath = enginePathFor(installPath(registry, log));
        logLine(log, "StartupCmd: " + toUtf8(settings.enginePath));
        logLine(log, "TotalRAM: " + std::to_string(totalMB));
    }

    setDefaults(settings, totalMB);
    if (who == Deliverable::engine)
        settings.Freeeverymin_Val2 *= 60;
    if (who == Deliverable::panel) {
        logLine(log, "TargetFreeRAM: " + std::to_string(settings.TargetFreeRAM));
        logLine(log, "MinimumFreeRAM: " + std::to_string(settings.MinimumFreeRAM));
        readStartWithWindows(registry, machine, settings);
    }

    settings.setByPolicy.reset();
    if (auto key = registry.openKey(kSettingsKey, RegAccess::read))
        readStoredValues(*key, settings, who, false);

    // Policies last, so that they win: the user's policy key, then the machine's.
    for (os::Registry* source : {&registry, machine}) {
        if (source == nullptr)
            continue;
        if (auto policies = source->openKey(kPolicyKey, RegAccess::read)) {
            settings.setByPolicy |= readStoredValues(*policies, settings, who, true);
            std::uint32_t start = 0;
            if (readNumber(*policies, kStartWithWindowsPolicy, start)) {
                settings.startWithWindows = start != 0;
                settings.setByPolicy.set(kStartWithWindowsBit);
            }
        }
    }
    // A policy can't stop what the machine's entry starts: show what happens.
    if (settings.startedByMachine)
        settings.startWithWindows = true;
}

bool readSystemTheme(os::Registry& registry, Settings& settings)
{
    std::array<unsigned char, 4> buffer{};
    std::uint32_t size = static_cast<std::uint32_t>(buffer.size());
    // Whatever the call reports, the buffer was zero beforehand: a missing or
    // unusable value leaves it so, which reads as a dark taskbar.
    if (registry.getValue(kPersonalizeKey, kLightThemeValue, os::RegRestrict::dword, buffer.data(),
                          &size) != RegStatus::ok)
        buffer = {};
    settings.darkTheme = buffer == std::array<unsigned char, 4>{};
    return settings.darkTheme;
}

bool appsUseDarkTheme(os::Registry& registry)
{
    std::array<unsigned char, 4> buffer{1, 0, 0, 0};
    std::uint32_t size = static_cast<std::uint32_t>(buffer.size());
    return registry.getValue(kPersonalizeKey, kAppsLightThemeValue, os::RegRestrict::dword, buffer.data(),
                             &size) == RegStatus::ok &&
           size == buffer.size() && buffer == std::array<unsigned char, 4>{};
}

bool writeSettings(os::Registry& registry, const Settings& settings, os::Registry* machine)
{
    applyStartWithWindows(registry, settings.startWithWindows, settings.enginePath, machine);
    return writeSettingsValues(registry, settings);
}

bool startupEntryApproved(os::Registry& root)
{
    auto approved = root.openKey(kStartupApprovedKey, RegAccess::read);
    if (!approved)
        return true;
    // The size first: Windows may add to the 12 bytes it writes today.
    std::uint32_t size = 0;
    if (approved->queryValue(kRunValue, nullptr, size, nullptr) != RegStatus::ok)
        return true;
    std::basic_string<unsigned char> data(size, 0);
    RegType type = RegType::none;
    if (approved->queryValue(kRunValue, data.data(), size, &type) != RegStatus::ok ||
        type != RegType::binary || size < kApprovedOn.size())
        return true;
    return data[0] % 2 == 0;
}

bool machineStartsEngine(os::Registry& machine)
{
    std::u16string entry;
    return readRunEntry(machine, entry) && !entry.empty() && startupEntryApproved(machine);
}

void readStartWithWindows(os::Registry& registry, os::Registry* machine, Settings& settings)
{
    settings.startedByMachine = machine != nullptr && machineStartsEngine(*machine);
    std::u16string entry;
    settings.startWithWindows =
        settings.startedByMachine || (readRunEntry(registry, entry) &&
                                      namesEngine(entry, settings.enginePath) &&
                                      startupEntryApproved(registry));
}

void applyStartWithWindows(os::Registry& registry, bool start, std::u16string_view enginePath,
                           os::Registry* machine)
{
    if (start && machine != nullptr && machineStartsEngine(*machine))
        return;
    auto run = registry.openKey(kRunKey, RegAccess::write);
    if (!run)
        return;
    if (start) {
        writeText(*run, kRunValue, startWithWindowsCommand(enginePath));
        if (auto approved = registry.createKey(kStartupApprovedKey))
            approved->setValue(kRunValue, RegType::binary, kApprovedOn.data(),
                               static_cast<std::uint32_t>(kApprovedOn.size()));
    } else {
        run->deleteValue(kRunValue);
        if (auto approved = registry.openKey(kStartupApprovedKey, RegAccess::write))
            approved->deleteValue(kRunValue);
    }
}

bool writeSettingsValues(os::Registry& registry, const Settings& settings)
{
    auto key = registry.createKey(kSettingsKey);
    if (!key)
        return false;
    bool all = true;
    for (const auto& field : kSettingsSchema) {
        // The user's own value stays as it is where a policy decides: the
        // policy's value must not become the user's, nor outlive the policy.
        if (settings.setByPolicy.test(schemaIndex(field)))
            continue;
        const auto* text = std::get_if<std::u16string Settings::*>(&field.field);
        const RegStatus status = text ? writeText(*key, field.name, settings.*(*text))
                                      : writeNumber(*key, field.name, numericValue(settings, field));
        all = all && status == RegStatus::ok;
    }
    return all;
}

bool writeState(os::Registry& registry, std::uint32_t state)
{
    auto key = registry.openKey(kSettingsKey, RegAccess::write);
    if (!key)
        return false;
    return writeNumber(*key, u"Quenby_Stat", state) == RegStatus::ok;
}

bool storeState(os::Registry& registry, Settings& settings, std::uint32_t state)
{
    settings.Quenby_Stat = state;
    if (registry.openKey(kSettingsKey, RegAccess::read))
        return writeState(registry, state);
    return writeSettingsValues(registry, settings);
}

bool readRegistryString(os::Registry& registry, std::u16string_view keyPath,
                        std::u16string_view name, std::u16string& output, const DiagnosticLog& log)
{
    output.clear();
    if (!registry.openKey(keyPath, RegAccess::read))
        return false;
    std::uint32_t size = 0;
    RegStatus status = registry.getValue(keyPath, name, os::RegRestrict::sz, nullptr, &size);
    if (status == RegStatus::ok && size > 0) {
        std::basic_string<unsigned char> buffer(size, 0);
        status = registry.getValue(keyPath, name, os::RegRestrict::sz, buffer.data(), &size);
        if (status == RegStatus::ok) {
            output = textFromRegistryData(buffer.data(), size, size / 2);
            // Keep the text without its terminating nulls; an inner null ends it.
            return true;
        }
    }
    logLine(log, "error");
    return false;
}

std::u16string installPath(os::Registry& registry, const DiagnosticLog& log)
{
    std::u16string path;
    if (!readRegistryString(registry, kSettingsKey, kPathValue, path, log)) {
        // With no key at all the read itself logs nothing; the missing install
        // folder is worth one line either way.
        if (!registry.openKey(kSettingsKey, RegAccess::read))
            logLine(log, "error");
        return {};
    }
    return path;
}

std::u16string enginePathFor(std::u16string_view installFolder)
{
    std::u16string path(installFolder.empty() ? os::executableDirectory()
                                              : std::u16string(installFolder));
    path += os::pathSeparator();
    path += os::engineFileName();
    return path;
}

std::optional<std::u16string> readEngineInstallPath(os::Registry& registry, std::size_t bufferChars)
{
    auto key = registry.openKey(kSettingsKey, RegAccess::read);
    if (!key)
        return std::nullopt;
    std::u16string path;
    if (!readText(*key, kPathValue, bufferChars, path))
        return std::nullopt;
    return path;
}

std::u16string startWithWindowsCommand(std::u16string_view enginePath)
{
    std::u16string command = u"\"";
    command += enginePath;
    command += u'"';
    return command;
}

bool namesEngine(std::u16string_view entry, std::u16string_view enginePath)
{
    if (enginePath.empty())
        return false;
    if (equalsIgnoreCase(entry, enginePath))
        return true;
    return entry.size() == enginePath.size() + 2 && entry.front() == u'"' && entry.back() == u'"' &&
           equalsIgnoreCase(entry.substr(1, enginePath.size()), enginePath);
}

} // namespace quenby
