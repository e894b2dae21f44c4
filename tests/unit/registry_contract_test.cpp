// The Windows read and write rules of the registry (types, sizes, the not-found,
// more-data and type codes), pinned once, against every registry this face has:
// the in-memory one of the logic suites, and the real backend (the settings file
// on Linux, the registry itself under Wine). Whatever one of them answers
// differently from the others is a fault in that one.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "common/settings_schema.h"
#include "common/text.h"
#include "tests/support/native_registry.h"
#include "tests/support/test_env.h"

using namespace quenby;
using os::RegAccess;
using os::RegRestrict;
using os::RegStatus;
using os::RegType;

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes text(std::u16string_view s, bool terminated = true)
{
    Bytes out;
    for (char16_t c : s)
        out.insert(out.end(), {static_cast<std::uint8_t>(c & 0xFF), static_cast<std::uint8_t>(c >> 8)});
    if (terminated)
        out.insert(out.end(), {0, 0});
    return out;
}

const struct {
    std::u16string_view name;
    RegType type;
    Bytes data;
} kStored[] = {
    {u"Text", RegType::sz, text(u"hello")},
    {u"Raw", RegType::sz, text(u"raw", false)}, // stored without its terminator
    {u"Empty", RegType::sz, {}},
    {u"Unset", RegType::expandSz, text(u"%QUENBY_NOT_SET%\\x")},
    {u"Number", RegType::dword, {42, 0, 0, 0}},
    {u"Half", RegType::dword, {1, 0}},
    {u"Blob", RegType::binary, {1, 2, 3, 4}},
};

enum class Call { query, getSz, getDword };
constexpr std::uint32_t kNullBuffer = 0xFFFFFFFF;

struct Read {
    Call call;
    std::u16string_view name;
    std::uint32_t room;            // bytes of buffer offered, or kNullBuffer
    RegStatus status;
    std::optional<std::uint32_t> size; // the size reported back, where Windows defines it
    Bytes data = {};               // what lands in the buffer, when given
};

// clang-format off
const Read kReads[] = {
    // RegQueryValueExW: the stored bytes as they are; a null buffer asks the size.
    {Call::query,    u"Text",    kNullBuffer, RegStatus::ok,              12},
    {Call::query,    u"text",    12,          RegStatus::ok,              12, text(u"hello")},
    {Call::query,    u"Text",    4,           RegStatus::moreData,        12},
    // (Whether it reports a terminator it adds to text stored without one is
    // left open: Wine does, and Windows is not known to.)
    {Call::query,    u"Raw",     16,          RegStatus::ok,              std::nullopt, text(u"raw", false)},
    {Call::query,    u"Empty",   kNullBuffer, RegStatus::ok,              0},
    {Call::query,    u"Number",  100,         RegStatus::ok,              4,  {42, 0, 0, 0}},
    {Call::query,    u"Half",    4,           RegStatus::ok,              2,  {1, 0}},
    {Call::query,    u"Missing", 4,           RegStatus::notFound,        std::nullopt},
    // RegGetValueW with RRF_RT_REG_SZ: text comes back terminated.
    {Call::getSz,    u"Text",    16,          RegStatus::ok,              12, text(u"hello")},
    {Call::getSz,    u"RAW",     16,          RegStatus::ok,              8,  text(u"raw")},
    {Call::getSz,    u"Raw",     6,           RegStatus::moreData,        8},
    // REG_EXPAND_SZ is expanded and handed back as text; a name that is not set
    // in the environment stays as it stands.
    {Call::getSz,    u"Unset",   64,          RegStatus::ok,              38, text(u"%QUENBY_NOT_SET%\\x")},
    {Call::getSz,    u"Number",  kNullBuffer, RegStatus::unsupportedType, std::nullopt},
    {Call::getSz,    u"Blob",    16,          RegStatus::unsupportedType, std::nullopt},
    {Call::getSz,    u"Missing", 16,          RegStatus::notFound,        std::nullopt},
    // RegGetValueW with RRF_RT_REG_DWORD: four bytes of REG_DWORD, nothing else.
    {Call::getDword, u"Number",  4,           RegStatus::ok,              4,  {42, 0, 0, 0}},
    {Call::getDword, u"Number",  kNullBuffer, RegStatus::ok,              4},
    {Call::getDword, u"Number",  2,           RegStatus::moreData,        4},
    {Call::getDword, u"Half",    4,           RegStatus::ok,              2,  {1, 0}}, // the length as stored
    {Call::getDword, u"Blob",    4,           RegStatus::unsupportedType, std::nullopt},
    {Call::getDword, u"Text",    4,           RegStatus::unsupportedType, std::nullopt},
    {Call::getDword, u"Missing", 4,           RegStatus::notFound,        std::nullopt},
};
// clang-format on

class RegistryContract : public testing::TestWithParam<test::RegistryBackend> {
protected:
    void SetUp() override
    {
        scope_ = GetParam().make();
        auto key = registry().createKey(kSettingsKey);
        ASSERT_NE(key, nullptr);
        for (const auto& v : kStored)
            ASSERT_EQ(key->setValue(v.name, v.type, v.data.data(), static_cast<std::uint32_t>(v.data.size())),
                      RegStatus::ok);
    }
    os::Registry& registry() { return scope_->registry(); }

    std::unique_ptr<test::NativeRegistryScope> scope_;
};

TEST_P(RegistryContract, ReadsFollowTheWindowsRules)
{
    auto key = registry().openKey(kSettingsKey, RegAccess::read);
    ASSERT_NE(key, nullptr);
    for (const Read& read : kReads) {
        const std::string what = std::to_string(static_cast<int>(read.call)) + " " + toUtf8(read.name) + " in " +
                                 (read.room == kNullBuffer ? std::string("no buffer") : std::to_string(read.room));
        Bytes buffer(read.room == kNullBuffer ? 0 : read.room, 0xCC);
        void* out = read.room == kNullBuffer ? nullptr : buffer.data();
        std::uint32_t size = read.room == kNullBuffer ? 0 : read.room;
        RegType type = RegType::none;
        const RegStatus status =
            read.call == Call::query
                ? key->queryValue(read.name, out, size, &type)
                : registry().getValue(kSettingsKey, read.name,
                                      read.call == Call::getSz ? RegRestrict::sz : RegRestrict::dword, out, &size);
        EXPECT_EQ(status, read.status) << what;
        if (read.size) {
            EXPECT_EQ(size, *read.size) << what;
        }
        if (!read.data.empty()) {
            EXPECT_EQ(Bytes(buffer.begin(), buffer.begin() + read.data.size()), read.data) << what;
        }
    }
    std::uint32_t size = 4;
    EXPECT_EQ(registry().getValue(u"Software\\Quenby\\Nobody", u"Number", RegRestrict::dword, nullptr, &size),
              RegStatus::notFound);
}

TEST_P(RegistryContract, ExpandableTextTakesTheEnvironmentsValues)
{
    const test::ScopedEnv variable("QUENBY_CONTRACT_DIR", "C:\\Quenby");
    auto key = registry().openKey(kSettingsKey, RegAccess::write);
    ASSERT_NE(key, nullptr);
    const Bytes stored = text(u"%QUENBY_CONTRACT_DIR%\\Alarm.wav");
    ASSERT_EQ(key->setValue(u"Music", RegType::expandSz, stored.data(), static_cast<std::uint32_t>(stored.size())),
              RegStatus::ok);
    const Bytes expanded = text(u"C:\\Quenby\\Alarm.wav");
    std::uint32_t size = 0;
    EXPECT_EQ(registry().getValue(kSettingsKey, u"Music", RegRestrict::sz, nullptr, &size), RegStatus::ok);
    EXPECT_EQ(size, expanded.size());
    Bytes buffer(64, 0xCC);
    size = static_cast<std::uint32_t>(buffer.size());
    ASSERT_EQ(registry().getValue(kSettingsKey, u"Music", RegRestrict::sz, buffer.data(), &size), RegStatus::ok);
    EXPECT_EQ(Bytes(buffer.begin(), buffer.begin() + size), expanded);
}

TEST_P(RegistryContract, KeysAndWritesFollowTheWindowsRules)
{
    RegStatus status = RegStatus::ok;
    EXPECT_EQ(registry().openKey(u"Software\\Quenby\\Missing", RegAccess::read, &status), nullptr);
    EXPECT_EQ(status, RegStatus::notFound);
    ASSERT_NE(registry().openKey(u"SOFTWARE\\quenby", RegAccess::read, &status), nullptr);
    EXPECT_EQ(status, RegStatus::ok);

    // A key opened for reading takes no changes.
    auto reader = registry().openKey(kSettingsKey, RegAccess::read);
    ASSERT_NE(reader, nullptr);
    const std::uint32_t one = 1;
    EXPECT_EQ(reader->setValue(u"Number", RegType::dword, &one, 4), RegStatus::accessDenied);
    EXPECT_EQ(reader->deleteValue(u"Number"), RegStatus::accessDenied);

    // A value replaced under another spelling of its name, then deleted once.
    auto writer = registry().openKey(kSettingsKey, RegAccess::write);
    ASSERT_NE(writer, nullptr);
    EXPECT_EQ(writer->setValue(u"NUMBER", RegType::dword, &one, 4), RegStatus::ok);
    std::uint32_t number = 0;
    std::uint32_t size = 4;
    EXPECT_EQ(registry().getValue(kSettingsKey, u"number", RegRestrict::dword, &number, &size), RegStatus::ok);
    EXPECT_EQ(number, 1u);
    EXPECT_EQ(writer->deleteValue(u"number"), RegStatus::ok);
    EXPECT_EQ(writer->deleteValue(u"Number"), RegStatus::notFound);
    EXPECT_EQ(reader->queryValue(u"Number", nullptr, size, nullptr), RegStatus::notFound);

    // createKey makes the missing parents and opens an existing key as it is.
    ASSERT_NE(registry().createKey(u"Software\\Quenby\\A\\B"), nullptr);
    EXPECT_NE(registry().openKey(u"Software\\Quenby\\A", RegAccess::read), nullptr);
    EXPECT_EQ(reader->queryValue(u"Text", nullptr, size, nullptr), RegStatus::ok);
}

INSTANTIATE_TEST_SUITE_P(Registries, RegistryContract, testing::ValuesIn(test::kRegistryBackends),
                         [](const testing::TestParamInfo<test::RegistryBackend>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
