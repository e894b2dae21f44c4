#include "tests/support/memory_registry.h"
#include "tests/support/native_registry.h"


#include "common/registry_rules.h"
#include "common/text.h"

namespace quenby::test {

using os::RegAccess;
using os::RegStatus;
using os::RegType;

namespace {

void report(RegStatus* out, RegStatus value)
{
    if (out)
        *out = value;
}

class MemoryKey final : public os::RegistryKey {
public:
    MemoryKey(MemoryRegistry& owner, std::u16string path, bool writable)
        : owner_(owner), path_(std::move(path)), writable_(writable)
    {
    }

    RegStatus queryValue(std::u16string_view name, void* buffer, std::uint32_t& size,
                         RegType* type) override
    {
        const auto* value = find(name);
        if (!value)
            return RegStatus::notFound;
        if (type)
            *type = value->type;
        return copyOut(value->data, buffer, size);
    }

    RegStatus setValue(std::u16string_view name, RegType type, const void* data,
                       std::uint32_t size) override
    {
        if (!writable_)
            return RegStatus::accessDenied;
        auto key = owner_.keys.find(path_);
        if (key == owner_.keys.end())
            return RegStatus::notFound;
        const auto* bytes = static_cast<const unsigned char*>(data);
        // No data may come as a null pointer.
        key->second.values[foldCase(name)] = {type, size > 0 ? std::basic_string<unsigned char>(bytes, bytes + size)
                                                             : std::basic_string<unsigned char>()};
        owner_.record("set " + toUtf8(name));
        return RegStatus::ok;
    }

    RegStatus deleteValue(std::u16string_view name) override
    {
        if (!writable_)
            return RegStatus::accessDenied;
        auto key = owner_.keys.find(path_);
        if (key == owner_.keys.end() || key->second.values.erase(foldCase(name)) == 0)
            return RegStatus::notFound;
        owner_.record("delete " + toUtf8(name));
        return RegStatus::ok;
    }

private:
    const MemoryRegistry::Value* find(std::u16string_view name) const
    {
        const auto key = owner_.keys.find(path_);
        if (key == owner_.keys.end())
            return nullptr;
        const auto value = key->second.values.find(foldCase(name));
        return value == key->second.values.end() ? nullptr : &value->second;
    }

    MemoryRegistry& owner_;
    std::u16string path_;
    bool writable_;
};

} // namespace

std::unique_ptr<os::RegistryKey> MemoryRegistry::openKey(std::u16string_view path,
                                                         RegAccess access, RegStatus* status)
{
    const auto folded = foldCase(path);
    if (!keys.count(folded)) {
        report(status, RegStatus::notFound);
        return nullptr;
    }
    if (access == RegAccess::write && refuseWrites) {
        report(status, RegStatus::accessDenied);
        return nullptr;
    }
    report(status, RegStatus::ok);
    return std::make_unique<MemoryKey>(*this, folded, access == RegAccess::write);
}

std::unique_ptr<os::RegistryKey> MemoryRegistry::createKey(std::u16string_view path,
                                                           RegStatus* status)
{
    if (refuseWrites) {
        report(status, RegStatus::accessDenied);
        return nullptr;
    }
    const auto folded = foldCase(path);
    // Its parents too, as RegCreateKeyExW makes them.
    for (std::size_t end = 0; (end = folded.find(u'\\', end)) != std::u16string::npos; ++end)
        keys[folded.substr(0, end)];
    keys[folded];
    report(status, RegStatus::ok);
    return std::make_unique<MemoryKey>(*this, folded, true);
}

RegStatus MemoryRegistry::getValue(std::u16string_view path, std::u16string_view name,
                                   os::RegRestrict restrict, void* buffer, std::uint32_t* size)
{
    const auto key = keys.find(foldCase(path));
    if (key == keys.end())
        return RegStatus::notFound;
    const auto found = key->second.values.find(foldCase(name));
    if (found == key->second.values.end())
        return RegStatus::notFound;
    return getRestricted(restrict, found->second.type, {found->second.data.begin(), found->second.data.end()}, buffer,
                         size);
}

namespace {

class MemoryScope final : public NativeRegistryScope {
public:
    os::Registry& registry() override { return registry_; }

private:
    MemoryRegistry registry_;
};

} // namespace

std::unique_ptr<NativeRegistryScope> makeMemoryRegistry()
{
    return std::make_unique<MemoryScope>();
}

RegStatus MemoryRegistry::deleteTree(std::u16string_view path)
{
    const auto folded = foldCase(path);
    bool found = false;
    for (auto it = keys.begin(); it != keys.end();) {
        if (it->first == folded || it->first.rfind(folded + u"\\", 0) == 0) {
            it = keys.erase(it);
            found = true;
        } else {
            ++it;
        }
    }
    return found ? RegStatus::ok : RegStatus::notFound;
}

} // namespace quenby::test
