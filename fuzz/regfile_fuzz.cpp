// libFuzzer harness: the REGEDIT4 text of the Linux registry, whatever it holds.
//
// Besides not crashing, for any text:
// - writing the document and reading it back loses nothing: the same values,
//   the same unreadable lines, and the same text when written again;
// - storing one value changes that value alone, and deleting one removes that
//   one alone: every other value reads as before.
#include "common/os/posix/regfile.h"
#include "tests/support/regfile_values.h"
#include "common/text.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using namespace quenby::os::posix;
using quenby::foldCase;

void check(bool holds, const char* property)
{
    if (holds)
        return;
    std::fprintf(stderr, "property broken: %s\n", property);
    std::abort();
}

bool sameName(std::u16string_view a, std::u16string_view b)
{
    return foldCase(a) == foldCase(b);
}

// Every value other than `path`\`name` reads in `after` as it does in `before`.
void expectOthersUnchanged(const std::vector<quenby::test::RegKeyValue>& values, const RegDocument& before,
                           const RegDocument& after, std::u16string_view path, std::u16string_view name,
                           const char* property)
{
    for (const quenby::test::RegKeyValue& entry : values) {
        if (sameName(entry.path, path) && sameName(entry.value.name, name))
            continue;
        check(keyExists(after, entry.path), property);
        check(findValue(after, entry.path, entry.value.name) == findValue(before, entry.path, entry.value.name),
              property);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const RegDocument document = parseRegFile(text);
    const std::vector<quenby::test::RegKeyValue> values = quenby::test::valuesOf(document);

    // Parse, write, parse again.
    const std::string written = serializeRegFile(document);
    const RegDocument back = parseRegFile(written);
    check(quenby::test::valuesOf(back) == values, "a rewrite keeps every value");
    check(back.malformedCount == document.malformedCount, "a rewrite keeps every unreadable line");
    check(serializeRegFile(back) == written, "a rewritten file is written the same again");

    // A write of one value: an existing name in another letter case, the default
    // value, or a new name; in the key of some value, or in the settings key.
    const std::u16string path = values.empty() ? u"Software\\Quenby" : values[size % values.size()].path;
    std::u16string name = u"Fuzz";
    if (size % 3 == 1 && !values.empty())
        name = foldCase(values[(size / 3) % values.size()].value.name);
    else if (size % 3 == 2)
        name.clear();
    RegValue value;
    value.name = name;
    value.type = static_cast<quenby::os::RegType>(size % 12);
    value.data.assign(data, data + size % 17);

    RegDocument changed = parseRegFile(text);
    createKey(changed, path);
    check(setValue(changed, path, value), "a value can be stored in an existing key");
    const RegDocument changedBack = parseRegFile(serializeRegFile(changed));
    const auto stored = findValue(changedBack, path, name);
    check(stored && stored->type == value.type && stored->data == value.data, "a stored value reads back");
    expectOthersUnchanged(values, document, changedBack, path, name, "a write keeps every other value");

    RegDocument removed = parseRegFile(text);
    deleteValue(removed, path, name);
    const RegDocument removedBack = parseRegFile(serializeRegFile(removed));
    check(!findValue(removedBack, path, name), "a deleted value is gone");
    expectOthersUnchanged(values, document, removedBack, path, name, "a delete keeps every other value");
    return 0;
}
