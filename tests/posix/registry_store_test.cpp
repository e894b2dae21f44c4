// The Linux registry: the REGEDIT4 text itself (on strings), then the store in
// $XDG_CONFIG_HOME/quenby/registry.reg through currentUserRegistry(), with other
// processes writing at the same time and with damaged files.
#include "common/os/posix/regfile.h"
#include "tests/support/regfile_values.h"
#include "common/os/registry.h"
#include "common/text.h"
#include "tests/posix/heap_meter.h"
#include "tests/support/test_env.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <ostream>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <tuple>
#include <vector>


namespace quenby::os::posix {

// Readable failure messages for values.
void PrintTo(const RegValue& value, std::ostream* out)
{
    *out << "{\"" << toUtf8(value.name) << "\" type " << static_cast<std::uint32_t>(value.type) << ", "
         << value.data.size() << " bytes:";
    for (std::size_t i = 0; i < value.data.size() && i < 32; ++i)
        *out << ' ' << static_cast<int>(value.data[i]);
    *out << (value.data.size() > 32 ? " ...}" : "}");
}

} // namespace quenby::os::posix

namespace {

using namespace quenby::os;
using namespace quenby::os::posix;
using quenby::foldCase;
using quenby::toUtf8;
using Bytes = std::vector<std::uint8_t>;
namespace fs = std::filesystem;

constexpr std::u16string_view quenbyKey = u"Software\\Quenby";

// ---- data helpers -----------------------------------------------------------

Bytes utf16(std::u16string_view text, bool terminated = true)
{
    Bytes out;
    for (char16_t c : text) {
        out.push_back(static_cast<std::uint8_t>(c & 0xFF));
        out.push_back(static_cast<std::uint8_t>(c >> 8));
    }
    if (terminated)
        out.insert(out.end(), {0, 0});
    return out;
}

Bytes dword(std::uint32_t n)
{
    return {static_cast<std::uint8_t>(n), static_cast<std::uint8_t>(n >> 8), static_cast<std::uint8_t>(n >> 16),
            static_cast<std::uint8_t>(n >> 24)};
}

Bytes multiSz(std::initializer_list<std::u16string_view> items)
{
    Bytes out;
    for (auto item : items) {
        const Bytes one = utf16(item);
        out.insert(out.end(), one.begin(), one.end());
    }
    out.insert(out.end(), {0, 0});
    return out;
}

RegValue value(std::u16string name, RegType type, Bytes data)
{
    RegValue v;
    v.name = std::move(name);
    v.type = type;
    v.data = std::move(data);
    return v;
}

// Every kind of data the settings and the tools store, with the awkward cases,
// and the start of its line in the file: the forms that people read and that
// other tools import. Text a quoted string cannot carry exactly goes as hex(1),
// a short dword as hex(4).
struct Kind {
    RegValue value;
    const char* line;
};

std::vector<Kind> everyKind()
{
    return {
        {value(u"Music", RegType::sz, utf16(u"C:\\path with \"quotes\"\\")),
         "\"Music\"=\"C:\\\\path with \\\"quotes\\\"\\\\\"\n"},
        {value(u"Unicode", RegType::sz, utf16(u"Mémoire vive — 内存 😀")), "\"Unicode\"=\"Mémoire vive — 内存 😀\"\n"},
        {value(u"Empty", RegType::sz, utf16(u"")), "\"Empty\"=\"\"\n"},
        {value(u"NoTerminator", RegType::sz, utf16(u"abc", false)), "\"NoTerminator\"=hex(1):61,00,62,00,63,00\n"},
        {value(u"InnerNull", RegType::sz, utf16(std::u16string(u"a\0b", 3))),
         "\"InnerNull\"=hex(1):61,00,00,00,62,00,00,00\n"},
        {value(u"TwoLines", RegType::sz, utf16(u"one\r\ntwo")), "\"TwoLines\"=hex(1):"},
        {value(u"OddLength", RegType::sz, Bytes{'a', 0, 'b'}), "\"OddLength\"=hex(1):61,00,62\n"},
        {value(u"LoneHalf", RegType::sz, utf16(std::u16string{u'a', char16_t(0xD800), u'b'})),
         "\"LoneHalf\"=hex(1):61,00,00,d8,62,00,00,00\n"},
        {value(u"ZeroLengthSz", RegType::sz, Bytes{}), "\"ZeroLengthSz\"=hex(1):\n"},
        {value(u"TargetFreeRAM", RegType::dword, dword(0x1000)), "\"TargetFreeRAM\"=dword:00001000\n"},
        {value(u"Highest", RegType::dword, dword(0xFFFFFFFF)), "\"Highest\"=dword:ffffffff\n"},
        {value(u"ShortDword", RegType::dword, Bytes{0x34, 0x12}), "\"ShortDword\"=hex(4):34,12\n"},
        {value(u"Blob", RegType::binary, Bytes{0x00, 0x01, 0x7F, 0x80, 0xFF}), "\"Blob\"=hex:00,01,7f,80,ff\n"},
        {value(u"EmptyBlob", RegType::binary, Bytes{}), "\"EmptyBlob\"=hex:\n"},
        {value(u"Expand", RegType::expandSz, utf16(u"%USERPROFILE%\\Music")), "\"Expand\"=hex(2):25,00,55,00"},
        {value(u"List", RegType::multiSz, multiSz({u"first", u"second", u""})), "\"List\"=hex(7):66,00"},
        {value(u"Big64", RegType::qword, Bytes{1, 2, 3, 4, 5, 6, 7, 0x80}), "\"Big64\"=hex(b):01,02,03,04,05,06,07,80\n"},
        {value(u"Nothing", RegType::none, Bytes{}), "\"Nothing\"=hex(0):\n"},
        {value(u"Odd type", static_cast<RegType>(0x12345678), Bytes{0xAB}), "\"Odd type\"=hex(12345678):ab\n"},
        {value(u"Name \\ with \"quotes\" and = sign", RegType::dword, dword(7)),
         "\"Name \\\\ with \\\"quotes\\\" and = sign\"=dword:00000007\n"},
        {value(u"", RegType::sz, utf16(u"the default value")), "@=\"the default value\"\n"},
    };
}

std::optional<Bytes> dataIn(const RegDocument& doc, std::u16string_view path, std::u16string_view name)
{
    const auto found = findValue(doc, path, name);
    return found ? std::optional<Bytes>(found->data) : std::nullopt;
}

// Two documents that hold the same: the same values under the same keys, and
// the same text when written.
void expectSameDocument(const RegDocument& a, const RegDocument& b)
{
    EXPECT_EQ(quenby::test::valuesOf(a), quenby::test::valuesOf(b));
    EXPECT_EQ(serializeRegFile(a), serializeRegFile(b));
}

std::string fileText(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeText(const fs::path& path, const std::string& text)
{
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
}

// ---- the file format, on strings ---------------------------------------------

TEST(RegFileText, EveryValueTypeRoundTripsThroughTheText)
{
    RegDocument doc;
    ASSERT_TRUE(createKey(doc, quenbyKey));
    for (const Kind& kind : everyKind())
        ASSERT_TRUE(setValue(doc, quenbyKey, kind.value));

    const std::string text = serializeRegFile(doc);
    const RegDocument back = parseRegFile(text);
    EXPECT_TRUE(back.malformedCount == 0);
    expectSameDocument(back, doc);
    EXPECT_EQ(serializeRegFile(back), text);
    EXPECT_TRUE(text.starts_with("REGEDIT4\n\n[Software\\Quenby]\n")) << text;
    std::vector<quenby::test::RegKeyValue> expected;
    for (const Kind& kind : everyKind()) {
        EXPECT_EQ(findValue(back, quenbyKey, kind.value.name), kind.value) << toUtf8(kind.value.name);
        EXPECT_NE(text.find(std::string("\n") + kind.line), std::string::npos) << kind.line << " not in\n" << text;
        expected.push_back({std::u16string(quenbyKey), kind.value});
    }
    // What the other suites and the fuzzers compare documents by.
    EXPECT_EQ(quenby::test::valuesOf(back), expected);
}

TEST(RegFileText, ReadsWhatPeopleAndOtherToolsWrite)
{
    // Comments, blank lines, CRLF line ends, upper-case hex, spaces around '=',
    // hex continued over indented lines, "" for the default value.
    const std::string text = "REGEDIT4\r\n"
                             "\r\n"
                             "; settings of Quenby\r\n"
                             "[Software\\Quenby]\r\n"
                             "\"TargetFreeRAM\" = DWORD:0000100A\r\n"
                             "; a comment between values\n"
                             "   \t\n"
                             "\"Long\"=hex:01,02,\\\r\n"
                             "  03,04,\\\n"
                             "\t05,FF\r\n"
                             "\"Typed\"=HEX(B):01,02,03,04,05,06,07,08\n"
                             "\"\"=\"default\"\n"
                             "\"Last\"=\"no newline at the end\"";
    const RegDocument doc = parseRegFile(text);
    EXPECT_TRUE(doc.malformedCount == 0);
    EXPECT_EQ(findValue(doc, quenbyKey, u"TargetFreeRAM"), value(u"TargetFreeRAM", RegType::dword, dword(0x100A)));
    EXPECT_EQ(dataIn(doc, quenbyKey, u"Long"), (Bytes{1, 2, 3, 4, 5, 0xFF}));
    EXPECT_EQ(findValue(doc, quenbyKey, u"Typed").value_or(RegValue{}).type, RegType::qword);
    EXPECT_EQ(dataIn(doc, quenbyKey, u""), utf16(u"default"));
    EXPECT_EQ(dataIn(doc, quenbyKey, u"Last"), utf16(u"no newline at the end"));

    // The comments survive a rewrite, in place.
    const std::string written = serializeRegFile(doc);
    EXPECT_NE(written.find("REGEDIT4\n\n; settings of Quenby\r\n\n[Software\\Quenby]\n\"TargetFreeRAM\"=dword:0000100a\n"
                           "; a comment between values\n\"Long\"=hex:01,02,03,04,05,ff\n"),
              std::string::npos)
        << written;
    expectSameDocument(parseRegFile(written), doc);
}

TEST(RegFileText, NamesIgnoreLetterCaseButKeepTheirOwn)
{
    RegDocument doc = parseRegFile("REGEDIT4\n\n[Software\\Quenby]\n\"TargetFreeRAM\"=dword:00000001\n");
    EXPECT_TRUE(keyExists(doc, u"SOFTWARE\\quenby"));
    EXPECT_TRUE(keyExists(doc, u"software")); // a parent exists through its sub-key
    EXPECT_FALSE(keyExists(doc, u"Software\\Quen"));
    ASSERT_TRUE(findValue(doc, u"software\\QUENBY", u"targetfreeram"));

    ASSERT_TRUE(setValue(doc, u"SOFTWARE\\QUENBY", value(u"TARGETFREERAM", RegType::dword, dword(2))));
    ASSERT_TRUE(createKey(doc, u"software\\quenby\\Sub"));
    ASSERT_TRUE(setValue(doc, u"Software\\Quenby\\SUB", value(u"Ωmega", RegType::dword, dword(3))));
    EXPECT_EQ(dataIn(doc, u"software\\quenby\\sub", u"ωMEGA"), dword(3));

    const std::string text = serializeRegFile(doc);
    EXPECT_NE(text.find("\"TargetFreeRAM\"=dword:00000002\n"), std::string::npos) << text;
    EXPECT_EQ(text.find("TARGETFREERAM"), std::string::npos) << text;
    EXPECT_NE(text.find("[software\\quenby\\Sub]\n\"Ωmega\"=dword:00000003\n"), std::string::npos) << text;
    EXPECT_FALSE(createKey(doc, u"SOFTWARE\\QUENBY\\SUB")) << "an existing key is not added again";
    EXPECT_EQ(serializeRegFile(doc), text);
}

TEST(RegFileText, DuplicatesReadAsTheLastAndAWriteReplacesThemAll)
{
    const std::string text = "REGEDIT4\n\n"
                             "[Software\\Quenby]\n\"A\"=dword:00000001\n\"Keep\"=\"k\"\n\"a\"=dword:00000002\n\n"
                             "[software\\quenby]\n\"A\"=dword:00000003\n\"Other\"=\"o\"\n";
    RegDocument doc = parseRegFile(text);
    EXPECT_EQ(dataIn(doc, quenbyKey, u"A"), dword(3));
    EXPECT_EQ(dataIn(doc, quenbyKey, u"Other"), utf16(u"o")) << "both sections are the same key";

    ASSERT_TRUE(setValue(doc, quenbyKey, value(u"a", RegType::dword, dword(9))));
    std::string written = serializeRegFile(doc);
    EXPECT_EQ(written, "REGEDIT4\n\n[Software\\Quenby]\n\"Keep\"=\"k\"\n\n"
                       "[software\\quenby]\n\"A\"=dword:00000009\n\"Other\"=\"o\"\n\n");

    const DeleteOutcome gone = deleteValue(doc, quenbyKey, u"A");
    EXPECT_TRUE(gone.found);
    EXPECT_FALSE(findValue(doc, quenbyKey, u"A"));
    const DeleteOutcome again = deleteValue(doc, quenbyKey, u"A");
    EXPECT_FALSE(again.found);
    EXPECT_FALSE(again.changed);
}

TEST(RegFileText, UnreadableLinesAreKeptVerbatimInPlace)
{
    static constexpr char raw[] = "\x00\x01\xFF\xFE binary \x80\x00 junk\r";
    const std::string garbage(raw, sizeof raw - 1);
    const std::string text = "REGEDIT4\n\n"
                             "[Software\\Quenby]\n"
                             "\"A\"=dword:00000001\n"
                             "\"BadDword\"=dword:0000100\n"    // line 5: cut short
                             "\"BadHex\"=hex:01,,02\n"         // line 6
                             + garbage + "\n"                   // line 7
                             "\"Escape\"=\"tab\\t\"\n"         // line 8: not an escape of ours
                             "\"Latin1\"=\"caf\xE9\"\n"        // line 9: not UTF-8
                             "\"Deleted\"=-\n"                 // line 10
                             "\"B\"=\"b\"\n";
    RegDocument doc = parseRegFile(text);
    EXPECT_EQ(doc.malformedCount, 6u);
    EXPECT_EQ(doc.firstMalformedLine, 5u);
    EXPECT_EQ(dataIn(doc, quenbyKey, u"A"), dword(1));
    EXPECT_EQ(dataIn(doc, quenbyKey, u"B"), utf16(u"b"));
    EXPECT_FALSE(findValue(doc, quenbyKey, u"BadDword"));
    EXPECT_FALSE(findValue(doc, quenbyKey, u"Latin1"));

    ASSERT_TRUE(setValue(doc, quenbyKey, value(u"C", RegType::dword, dword(3))));
    const std::string written = serializeRegFile(doc);
    EXPECT_NE(written.find("\"A\"=dword:00000001\n\"BadDword\"=dword:0000100\n\"BadHex\"=hex:01,,02\n" + garbage +
                           "\n\"Escape\"=\"tab\\t\"\n\"Latin1\"=\"caf\xE9\"\n\"Deleted\"=-\n\"B\"=\"b\"\n"
                           "\"C\"=dword:00000003\n"),
              std::string::npos);
    expectSameDocument(parseRegFile(written), doc);

    // A value written under the name of an unreadable line takes its place.
    ASSERT_TRUE(setValue(doc, quenbyKey, value(u"baddword", RegType::dword, dword(4))));
    EXPECT_TRUE(deleteValue(doc, quenbyKey, u"Latin1").changed);
    const std::string rewritten = serializeRegFile(doc);
    EXPECT_EQ(rewritten.find("dword:0000100\n"), std::string::npos);
    EXPECT_EQ(rewritten.find("caf\xE9"), std::string::npos);
    EXPECT_NE(rewritten.find("\"baddword\"=dword:00000004\n"), std::string::npos);
    EXPECT_NE(rewritten.find(garbage), std::string::npos);

}

TEST(RegFileText, ABrokenSectionLineOwnsTheLinesUnderIt)
{
    const std::string text = "REGEDIT4\n\n"
                             "\"Orphan\"=dword:00000001\n" // line 3: before any section
                             "[Software\\Quenby]\n"
                             "\"A\"=dword:00000001\n"
                             "[Software\\Quenby\\Broken\n" // line 6: no closing bracket
                             "\"B\"=dword:00000002\n"
                             "\"C\"=zzz\n"                 // line 8
                             "[Software\\\\Twice]\n"       // line 9: an empty key name
                             "[Software\\Other]\n"
                             "\"D\"=\"d\"\n";
    RegDocument doc = parseRegFile(text);
    EXPECT_EQ(doc.malformedCount, 4u); // lines 3, 6, 8 and 9
    EXPECT_EQ(doc.firstMalformedLine, 3u);
    EXPECT_EQ(dataIn(doc, quenbyKey, u"A"), dword(1));
    EXPECT_FALSE(findValue(doc, quenbyKey, u"B")) << "B belongs to no key anyone can name";
    EXPECT_FALSE(keyExists(doc, u"Software\\Quenby\\Broken"));
    EXPECT_EQ(dataIn(doc, u"Software\\Other", u"D"), utf16(u"d"));

    ASSERT_TRUE(setValue(doc, quenbyKey, value(u"New", RegType::dword, dword(5))));
    const std::string written = serializeRegFile(doc);
    EXPECT_EQ(written, "REGEDIT4\n\n\"Orphan\"=dword:00000001\n\n"
                       "[Software\\Quenby]\n\"A\"=dword:00000001\n\"New\"=dword:00000005\n\n"
                       "[Software\\Quenby\\Broken\n\"B\"=dword:00000002\n\"C\"=zzz\n\n"
                       "[Software\\\\Twice]\n\n"
                       "[Software\\Other]\n\"D\"=\"d\"\n\n");
    const RegDocument back = parseRegFile(written);
    expectSameDocument(back, doc);
}

TEST(RegFileText, TruncatedAndContinuedLinesStayAsTheyWere)
{
    // A hex value cut off right after its continuation backslash, then an
    // indented line that is not a continuation (a blank line comes between).
    const std::string text = "REGEDIT4\n\n[Software\\Quenby]\n\"H\"=hex:01,02,\\\n\n  ; indented note\n"
                             "\"S\"=\"C:\\\\dir\\\\\n"     // unterminated string ending in backslashes
                             "  \"not a continuation\"\n"; // of a string value
    RegDocument doc = parseRegFile(text);
    EXPECT_EQ(doc.malformedCount, 3u); // lines 4, 7 and 8
    EXPECT_EQ(doc.firstMalformedLine, 4u);
    ASSERT_TRUE(setValue(doc, quenbyKey, value(u"X", RegType::binary, Bytes(100, 0x5A))));
    const std::string written = serializeRegFile(doc);
    EXPECT_NE(written.find("\"H\"=hex:01,02,\\\n"), std::string::npos);
    EXPECT_NE(written.find("  ; indented note\n"), std::string::npos);
    const RegDocument back = parseRegFile(written);
    expectSameDocument(back, doc);
    EXPECT_EQ(serializeRegFile(back), written);

    // Long data is wrapped the way regedit does, within 80 columns.
    Bytes big(5000);
    for (std::size_t i = 0; i < big.size(); ++i)
        big[i] = static_cast<std::uint8_t>(i * 7);
    RegDocument wrapped;
    createKey(wrapped, quenbyKey);
    setValue(wrapped, quenbyKey, value(u"A rather long value name for the first line", RegType::multiSz, big));
    const std::string wrappedText = serializeRegFile(wrapped);
    std::istringstream lines(wrappedText);
    std::size_t count = 0;
    for (std::string line; std::getline(lines, line); ++count)
        EXPECT_LE(line.size(), 80u) << line;
    EXPECT_GT(count, 5000u / 26);
    EXPECT_EQ(dataIn(parseRegFile(wrappedText), quenbyKey, u"a rather long value name for the first line"),
              big);
}

// ---- the store ------------------------------------------------------------------

struct Query {
    RegStatus status = RegStatus::ok;
    RegType type = RegType::none;
    Bytes data;
};

Query query(RegistryKey& key, std::u16string_view name)
{
    Query q;
    std::uint32_t size = 0;
    q.status = key.queryValue(name, nullptr, size, &q.type);
    if (q.status != RegStatus::ok)
        return q;
    q.data.resize(size);
    q.status = key.queryValue(name, q.data.data(), size, &q.type);
    q.data.resize(size);
    return q;
}

RegStatus set(RegistryKey& key, const RegValue& v)
{
    return key.setValue(v.name, v.type, v.data.data(), static_cast<std::uint32_t>(v.data.size()));
}

class RegistryStore : public ::testing::Test {
protected:
    quenby::test::TempDir dir;
    quenby::test::ScopedEnv xdg{"XDG_CONFIG_HOME", (dir.path() / "config").c_str()};
    Registry& registry = currentUserRegistry();

    fs::path folder() const { return dir.path() / "config" / "quenby"; }
    fs::path file() const { return folder() / "registry.reg"; }

    std::unique_ptr<RegistryKey> create(std::u16string_view path = quenbyKey)
    {
        RegStatus status = RegStatus::notFound;
        auto key = registry.createKey(path, &status);
        EXPECT_EQ(status, RegStatus::ok);
        EXPECT_NE(key, nullptr);
        return key;
    }

    // What a write must leave: a file that reads back exactly as written, and
    // nothing else in the folder but the lock file.
    void expectCleanFile()
    {
        const std::string text = fileText(file());
        EXPECT_TRUE(text.starts_with("REGEDIT4\n\n"));
        EXPECT_EQ(serializeRegFile(parseRegFile(text)), text);
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder()))
            names.insert(entry.path().filename().string());
        EXPECT_EQ(names, (std::set<std::string>{"registry.reg", "registry.lock"}));
    }
};

TEST_F(RegistryStore, EveryValueTypeRoundTripsThroughTheFile)
{
    EXPECT_FALSE(fs::exists(folder())) << "reading alone creates nothing";
    EXPECT_EQ(registry.openKey(quenbyKey, RegAccess::read), nullptr);
    EXPECT_FALSE(fs::exists(folder()));

    auto key = create();
    ASSERT_NE(key, nullptr);
    for (const Kind& kind : everyKind())
        ASSERT_EQ(set(*key, kind.value), RegStatus::ok) << toUtf8(kind.value.name);

    expectCleanFile(); // (and private: StoreHardening.WhatTheStoreCreatesIsPrivateWhateverTheUmask)

    // Through a newly opened key (the file is read again), with names in another case.
    auto reader = registry.openKey(u"SOFTWARE\\QUENBY", RegAccess::read);
    ASSERT_NE(reader, nullptr);
    for (const auto& [v, line] : everyKind()) {
        const Query q = query(*reader, foldCase(v.name));
        EXPECT_EQ(q.status, RegStatus::ok) << toUtf8(v.name);
        EXPECT_EQ(q.type, v.type) << toUtf8(v.name);
        EXPECT_EQ(q.data, v.data) << toUtf8(v.name);
    }
    // And by a fresh parse of the file, as another program would see it.
    const RegDocument doc = parseRegFile(fileText(file()));
    for (const auto& [v, line] : everyKind())
        EXPECT_EQ(findValue(doc, quenbyKey, v.name), v) << toUtf8(v.name);

    // Overwriting keeps one line per value and the name's first spelling.
    ASSERT_EQ(set(*key, value(u"targetfreeram", RegType::dword, dword(0x2000))), RegStatus::ok);
    const std::string text = fileText(file());
    EXPECT_NE(text.find("\"TargetFreeRAM\"=dword:00002000\n"), std::string::npos);
    EXPECT_EQ(text.find("00001000"), std::string::npos);
    expectCleanFile();
}

// The Windows status codes are pinned for every registry by the contract suite;
// here, what they mean for the file.
TEST_F(RegistryStore, RefusedCallsLeaveTheFileAlone)
{
    auto key = create();
    ASSERT_NE(key, nullptr);
    ASSERT_EQ(set(*key, value(u"Text", RegType::sz, utf16(u"hello"))), RegStatus::ok);
    ASSERT_EQ(set(*key, value(u"Number", RegType::dword, dword(42))), RegStatus::ok);

    // A path no section could be written for.
    RegStatus status = RegStatus::ok;
    EXPECT_EQ(registry.openKey(u"Software\\Quenby\\", RegAccess::read, &status), nullptr);
    EXPECT_EQ(status, RegStatus::invalidData);
    EXPECT_EQ(registry.createKey(u"Software\\\\Quenby", &status), nullptr);
    EXPECT_EQ(status, RegStatus::invalidData);
    // Names no line can carry: a line break, half of a surrogate pair.
    const std::u16string lone{u'x', char16_t(0xDC00)};
    EXPECT_EQ(set(*key, value(lone, RegType::dword, dword(1))), RegStatus::invalidData);
    EXPECT_EQ(set(*key, value(u"two\nlines", RegType::dword, dword(1))), RegStatus::invalidData);
    EXPECT_EQ(registry.createKey(u"Software\\" + lone, &status), nullptr);
    EXPECT_EQ(status, RegStatus::invalidData);

    // A key opened for reading refuses changes and leaves the file alone.
    const std::string before = fileText(file());
    auto reader = registry.openKey(quenbyKey, RegAccess::read);
    ASSERT_NE(reader, nullptr);
    EXPECT_EQ(set(*reader, value(u"Text", RegType::sz, utf16(u"changed"))), RegStatus::accessDenied);
    EXPECT_EQ(reader->deleteValue(u"Text"), RegStatus::accessDenied);
    EXPECT_EQ(fileText(file()), before);

    EXPECT_EQ(key->deleteValue(u"Missing"), RegStatus::notFound);
    EXPECT_EQ(fileText(file()), before);

    // The key goes from the file (its sections removed by hand, a sibling whose
    // name merely starts alike kept): the key object outlived its key, and reads
    // and writes say so.
    auto sibling = create(u"Software\\QuenbyTools");
    ASSERT_EQ(set(*sibling, value(u"Kept", RegType::dword, dword(2))), RegStatus::ok);
    writeText(file(), "REGEDIT4\n\n[Software\\QuenbyTools]\n\"Kept\"=dword:00000002\n\n");
    EXPECT_EQ(registry.openKey(quenbyKey, RegAccess::read, &status), nullptr);
    EXPECT_EQ(status, RegStatus::notFound);
    EXPECT_EQ(query(*sibling, u"Kept").data, dword(2));
    EXPECT_EQ(query(*key, u"Number").status, RegStatus::notFound);
    EXPECT_EQ(set(*key, value(u"Number", RegType::dword, dword(1))), RegStatus::notFound);
    EXPECT_EQ(registry.openKey(quenbyKey, RegAccess::read), nullptr) << "a write does not bring it back";
    expectCleanFile();
}

TEST_F(RegistryStore, TheLocationIsLookedUpOnEveryCall)
{
    auto key = create();
    ASSERT_EQ(set(*key, value(u"Where", RegType::sz, utf16(u"first"))), RegStatus::ok);
    ASSERT_TRUE(fs::exists(file()));

    // Without XDG_CONFIG_HOME (or with a relative one) the folder is ~/.config.
    for (const char* xdgValue : {static_cast<const char*>(nullptr), "relative/config"}) {
        quenby::test::TempDir home;
        quenby::test::ScopedEnv homeVariable("HOME", home.path().c_str());
        quenby::test::ScopedEnv other("XDG_CONFIG_HOME", xdgValue);
        EXPECT_EQ(query(*key, u"Where").status, RegStatus::notFound) << "the same key object, another file";
        auto second = create();
        ASSERT_EQ(set(*second, value(u"Where", RegType::sz, utf16(u"second"))), RegStatus::ok);
        EXPECT_TRUE(fs::exists(home.path() / ".config" / "quenby" / "registry.reg"));
        EXPECT_FALSE(fs::exists(fs::current_path() / "relative"));
    }
    EXPECT_EQ(query(*key, u"Where").data, utf16(u"first"));
}

TEST_F(RegistryStore, ATemporaryFileLeftByACrashedWriterIsNoObstacle)
{
    auto key = create();
    ASSERT_NE(key, nullptr);
    writeText(file().string() + ".tmp", "REGEDIT4\n\n[Software\\Quenby]\n\"Half\"=dword:0000");
    ASSERT_EQ(set(*key, value(u"After", RegType::dword, dword(1))), RegStatus::ok);
    EXPECT_EQ(query(*key, u"After").data, dword(1));
    EXPECT_EQ(query(*key, u"Half").status, RegStatus::notFound);
    expectCleanFile();
}

// ---- other processes ---------------------------------------------------------------

// A child copy of this suite in one of the roles below.
std::unique_ptr<quenby::test::Process> startChild(std::vector<std::string> args)
{
    args.insert(args.begin(), quenby::test::selfPath());
    return std::make_unique<quenby::test::Process>(args);
}

constexpr int writesPerChild = 500;

std::u16string childValueName(const std::string& tag, int i)
{
    return quenby::fromUtf8(tag + "-" + std::to_string(i));
}

std::uint32_t childValueData(const std::string& tag, int i)
{
    return static_cast<std::uint32_t>(i) * 2654435761u + static_cast<std::uint32_t>(tag.size() + tag[0]);
}

// writer <tag> <start file>: waits for the start file, then writes its values.
quenby::test::ChildRole writerRole("registry-writer", [](int argc, char** argv) -> int {
    if (argc < 2)
        return 10;
    const std::string tag = argv[0];
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (!fs::exists(argv[1])) {
        if (std::chrono::steady_clock::now() > deadline)
            return 11;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    auto key = currentUserRegistry().openKey(quenbyKey, RegAccess::write);
    if (!key)
        return 12;
    for (int i = 0; i < writesPerChild; ++i) {
        // Every value twice: first a placeholder, then its last data.
        const std::uint32_t placeholder = 0xDEADBEEF;
        const std::uint32_t data = childValueData(tag, i);
        const std::u16string name = childValueName(tag, i);
        if (key->setValue(name, RegType::dword, &placeholder, 4) != RegStatus::ok ||
            key->setValue(name, RegType::dword, &data, 4) != RegStatus::ok)
            return 13;
    }
    return 0;
});

// reader: reads a few values twice, to show how often a damaged file is reported.
quenby::test::ChildRole readerRole("registry-reader", [](int, char**) -> int {
    auto& registry = currentUserRegistry();
    for (int round = 0; round < 2; ++round) {
        auto key = registry.openKey(quenbyKey, RegAccess::read);
        if (!key)
            return 20;
        std::uint32_t size = 0;
        if (key->queryValue(u"A", nullptr, size, nullptr) != RegStatus::ok ||
            key->queryValue(u"Bad", nullptr, size, nullptr) != RegStatus::notFound)
            return 21;
        std::uint32_t number = 0;
        size = 4;
        if (registry.getValue(quenbyKey, u"A", RegRestrict::dword, &number, &size) != RegStatus::ok || number != 1)
            return 22;
    }
    return 0;
});

TEST_F(RegistryStore, TwoProcessesWritingAtOnceLoseNothing)
{
    auto key = create();
    ASSERT_NE(key, nullptr);
    ASSERT_EQ(set(*key, value(u"Sentinel", RegType::sz, utf16(u"always here"))), RegStatus::ok);

    const fs::path start = dir.path() / "start";
    const auto first = startChild({"--quenby-child=registry-writer", "first", start.string()});
    const auto second = startChild({"--quenby-child=registry-writer", "second", start.string()});
    ASSERT_TRUE(first->started() && second->started());
    writeText(start, "go");

    // Meanwhile a reader never sees a half-written file.
    int reads = 0;
    int badReads = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(150);
    while ((first->running() || second->running()) && std::chrono::steady_clock::now() < deadline) {
        const Query q = query(*key, u"Sentinel");
        ++reads;
        if (q.status != RegStatus::ok || q.data != utf16(u"always here"))
            ++badReads;
    }
    // Still running by now: stuck, most likely on the lock, and killed.
    EXPECT_EQ(first->waitExit(0), 0);
    EXPECT_EQ(second->waitExit(0), 0);
    EXPECT_EQ(badReads, 0) << "of " << reads << " reads";

    const RegDocument doc = parseRegFile(fileText(file()));
    EXPECT_TRUE(doc.malformedCount == 0);
    int present = 0;
    int reported = 0;
    for (const std::string& tag : {std::string("first"), std::string("second")}) {
        for (int i = 0; i < writesPerChild; ++i) {
            const auto v = findValue(doc, quenbyKey, childValueName(tag, i));
            if (v && v->data == dword(childValueData(tag, i)))
                ++present;
            else if (++reported <= 5)
                ADD_FAILURE() << tag << " value " << i << (v ? " has old data" : " is missing");
        }
    }
    EXPECT_EQ(present, 2 * writesPerChild);
    EXPECT_EQ(dataIn(doc, quenbyKey, u"Sentinel"), utf16(u"always here"));
    expectCleanFile();
}

TEST_F(RegistryStore, AKeyRemovedFromTheFileIsGoneForAnOpenKey)
{
    auto key = create(u"Software\\Quenby\\Session");
    ASSERT_NE(key, nullptr);
    ASSERT_EQ(set(*key, value(u"Value", RegType::dword, dword(1))), RegStatus::ok);
    auto reader = registry.openKey(u"Software\\Quenby\\Session", RegAccess::read);
    ASSERT_NE(reader, nullptr);
    EXPECT_EQ(query(*reader, u"Value").status, RegStatus::ok);

    // Whoever rewrites the file (another process, the user's editor) leaves the
    // key out.
    writeText(file(), "REGEDIT4\n\n[Software\\Other]\n");

    EXPECT_EQ(query(*reader, u"Value").status, RegStatus::notFound);
    EXPECT_EQ(set(*key, value(u"Value", RegType::dword, dword(2))), RegStatus::notFound);
    EXPECT_EQ(registry.openKey(u"Software\\Quenby\\Session", RegAccess::read), nullptr);
}

// ---- damaged files ------------------------------------------------------------------

struct Damaged {
    std::string content;                // the file as found
    std::vector<RegValue> sound;        // values in Software\Quenby that must still be read
    std::vector<std::string> kept;      // bytes that must survive a write, verbatim
    std::vector<std::u16string> unread; // names that cannot be read
};

class DamagedFile : public RegistryStore {
protected:
    // The store reads what is sound, refuses nothing, and a write keeps all of it.
    void check(const Damaged& damaged)
    {
        writeText(file(), damaged.content);
        const auto began = std::chrono::steady_clock::now();
        auto key = create(); // for a file of nothing but garbage this is the first write
        ASSERT_NE(key, nullptr);
        for (const RegValue& v : damaged.sound)
            EXPECT_EQ(query(*key, v.name).data, v.data) << toUtf8(v.name);
        for (const auto& name : damaged.unread)
            EXPECT_EQ(query(*key, name).status, RegStatus::notFound) << toUtf8(name);

        ASSERT_EQ(set(*key, value(u"Written", RegType::dword, dword(77))), RegStatus::ok);
        const std::string after = fileText(file());
        for (const std::string& bytes : damaged.kept)
            EXPECT_NE(after.find(bytes), std::string::npos) << "lost: " << bytes.substr(0, 60);
        for (const RegValue& v : damaged.sound)
            EXPECT_EQ(query(*key, v.name).data, v.data) << toUtf8(v.name) << " after the write";
        EXPECT_EQ(query(*key, u"Written").data, dword(77));
        for (const auto& name : damaged.unread)
            EXPECT_EQ(query(*key, name).status, RegStatus::notFound) << toUtf8(name);
        expectCleanFile();
        EXPECT_LT(std::chrono::steady_clock::now() - began, std::chrono::seconds(20));
    }
};

TEST_F(DamagedFile, TruncatedInTheMiddleOfALine)
{
    const std::string head = "REGEDIT4\n\n[Software\\Quenby]\n\"A\"=dword:00000001\n";
    // The tail cut short, what of it a write must keep, and the value it fails to give.
    const std::tuple<std::string, std::string, std::u16string> tails[] = {
        {"\"Music\"=\"C:\\\\Mus", "\"Music\"=\"C:\\\\Mus", u"Music"},
        {"\"Blob\"=hex:01,02,03,\\\n  04,0", "\"Blob\"=hex:01,02,03,\\\n  04,0\n", u"Blob"},
        {"\"TargetFreeRAM\"=dword:000010", "\"TargetFreeRAM\"=dword:000010\n", u"TargetFreeRAM"},
        {"\"Blob\"=hex:01,02,03,\\", "\"Blob\"=hex:01,02,03,\\", u"Blob"},
        {"[Software\\Que", "\n[Software\\Que\n", u""},
    };
    for (const auto& [tail, kept, unread] : tails) {
        SCOPED_TRACE(tail);
        std::vector<std::u16string> unreadable;
        if (!unread.empty())
            unreadable.push_back(unread);
        check({head + tail, {value(u"A", RegType::dword, dword(1))}, {kept}, unreadable});
    }
}

TEST_F(DamagedFile, BinaryGarbageWithNulBytes)
{
    std::mt19937 random(12345);
    std::string noise(4096, '\0');
    for (char& c : noise) {
        c = static_cast<char>(random() & 0xFF);
        if (c == '\n')
            c = '\0';
    }
    noise[0] = '\0'; // neither a section nor a comment nor blank
    const std::string nul("\0\0\0\0", 4);
    check({"REGEDIT4\n\n[Software\\Quenby]\n\"A\"=dword:00000001\n" + noise + "\n\"B\"=\"text\"\n" + nul +
               "\n\"Bad\"=\"\xFF\xFE\xC0\x80\"\n\"C\"=hex:" + nul + "\n\"D\"=dword:00000004",
           {value(u"A", RegType::dword, dword(1)), value(u"B", RegType::sz, utf16(u"text")),
            value(u"D", RegType::dword, dword(4))},
           {noise, "\n" + nul + "\n", "\"Bad\"=\"\xFF\xFE\xC0\x80\"", "\"C\"=hex:" + nul},
           {u"Bad", u"C"}});

    // A file that is nothing but garbage is kept whole, under a header of ours.
    check({noise, {}, {noise}, {}});
}

TEST_F(DamagedFile, LinesNearlyAsLongAsTheWholeFileMayBe)
{
    const std::string hugeGarbage = "\"Huge\"=\"" + std::string(600 << 10, 'x'); // never closed
    Bytes bigData(100 << 10);
    std::string bigHex = "\"Big\"=hex:";
    for (std::size_t i = 0; i < bigData.size(); ++i) {
        bigData[i] = static_cast<std::uint8_t>(i % 251);
        static const char digits[] = "0123456789abcdef";
        bigHex += digits[bigData[i] >> 4];
        bigHex += digits[bigData[i] & 15];
        if (i + 1 < bigData.size())
            bigHex += ',';
    }
    check({"REGEDIT4\n\n[Software\\Quenby]\n\"A\"=dword:00000001\n" + hugeGarbage + "\n" + bigHex +
               "\n\"B\"=dword:00000002\n",
           {value(u"A", RegType::dword, dword(1)), value(u"Big", RegType::binary, bigData),
            value(u"B", RegType::dword, dword(2))},
           {hugeGarbage + "\n"},
           {u"Huge"}});
}

TEST_F(DamagedFile, UnreadableValueData)
{
    const std::vector<std::string> bad = {
        "\"X\"=dword:zz", "\"Y\"=hex:1,2,xyz", "\"Z\"=unknown:1", "\"W\"=\"unterminated", "\"V\"=\"a\" trailing",
        "\"U\"=hex(2x):00", "\"T\"=", "Not a value line at all", "\"S\"", "\"R\"=dword:1000", "\"Q\"=hex:1,2",
    };
    std::string content = "REGEDIT4\n\n[Software\\Quenby]\n";
    for (const auto& line : bad)
        content += line + "\n\"Between\"=dword:00000009\n";
    check({content,
           {value(u"Between", RegType::dword, dword(9))},
           bad,
           {u"X", u"Y", u"Z", u"W", u"V", u"U", u"T", u"S", u"R", u"Q"}});
}

TEST_F(DamagedFile, IsReportedOncePerProcess)
{
    writeText(file(), "REGEDIT4\n\n[Software\\Quenby]\n\"A\"=dword:00000001\n\"Bad\"=dword:xyz\n\"Worse\"=\n");
    const auto child = startChild({"--quenby-child=registry-reader"});
    EXPECT_EQ(child->waitExit(), 0);
    const std::string text = child->error();
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1) << text;
    EXPECT_NE(text.find("quenby: registry file " + file().string() + " lines 5 and 1 more are malformed"),
              std::string::npos)
        << text;
}

// Reading or writing costs memory in proportion to the file, whatever its lines
// look like: a file of many tiny lines once took 165 times its size.
// One byte more, or a folder in its place, is refused and never written over:
// StoreHardening.SettingsSomeoneElseCouldHaveWrittenAreRefusedWhole.
TEST_F(DamagedFile, AFileOfTheLargestSizeTakenIsRead)
{
    writeText(file(), "REGEDIT4\n\n[Software\\Quenby]\n\"A\"=dword:00000001\n");
    fs::resize_file(file(), kMaxRegistryFileSize);
    auto key = registry.openKey(quenbyKey, RegAccess::read);
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(query(*key, u"A").data, dword(1));
}

} // namespace
