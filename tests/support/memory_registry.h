// An in-memory registry with the status codes of the real one, for tests of the
// settings procedures that need no backend, and to record what was written.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "common/os/registry.h"

namespace quenby::test {

class MemoryRegistry final : public os::Registry {
public:
    struct Value {
        os::RegType type = os::RegType::none;
        std::basic_string<unsigned char> data;
    };
    struct Key {
        std::map<std::u16string, Value> values; // by case-folded name
    };

    std::unique_ptr<os::RegistryKey> openKey(std::u16string_view path, os::RegAccess access,
                                             os::RegStatus* status = nullptr) override;
    std::unique_ptr<os::RegistryKey> createKey(std::u16string_view path,
                                               os::RegStatus* status = nullptr) override;
    os::RegStatus getValue(std::u16string_view path, std::u16string_view name,
                           os::RegRestrict restrict, void* buffer, std::uint32_t* size) override;
    // RegDeleteTreeW: the key, its values and its sub-keys, for tests that start
    // from a clean key.
    os::RegStatus deleteTree(std::u16string_view path);

    // Every successful setValue and deleteValue, as "set <name>" / "delete <name>".
    std::vector<std::string> journal;
    // When set, the same entries also go here, as "registry set <name>", in order
    // with whatever else the owner of that list records.
    std::vector<std::string>* events = nullptr;

    void record(std::string entry)
    {
        if (events)
            events->push_back("registry " + entry);
        journal.push_back(std::move(entry));
    }

    // When set, opening any key for writing fails with access denied.
    bool refuseWrites = false;

    std::map<std::u16string, Key> keys; // by case-folded path
};

} // namespace quenby::test
