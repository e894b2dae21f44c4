// What the shipped executables carry for Windows itself, read back from the
// built files with the loader and the version API: one version number (the
// project's) in both programs' version blocks, the panel's icon group and its
// manifest that keeps it at the user's ordinary rights.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "engine/strings.h"
#include "quenby_version.h"
#include "tests/win32/win32_helpers.h"

namespace {

struct ModuleDeleter {
    void operator()(HMODULE module) const { FreeLibrary(module); }
};
using DataModule = std::unique_ptr<std::remove_pointer_t<HMODULE>, ModuleDeleter>;

DataModule openAsData(const std::wstring& program)
{
    return DataModule(LoadLibraryExW(program.c_str(), nullptr,
                                     LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
}

std::string resourceBytes(HMODULE module, LPCWSTR type, LPCWSTR name)
{
    HRSRC found = FindResourceW(module, name, type);
    if (!found)
        return {};
    HGLOBAL loaded = LoadResource(module, found);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data)
        return {};
    return std::string(static_cast<const char*>(data), SizeofResource(module, found));
}

struct VersionBlock {
    bool read = false;
    DWORD fileMS = 0, fileLS = 0, productMS = 0, productLS = 0;
    std::wstring fileVersion, productVersion, originalName;
};

VersionBlock versionOf(const std::wstring& program)
{
    VersionBlock block;
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(program.c_str(), &ignored);
    if (size == 0)
        return block;
    std::vector<unsigned char> data(size);
    if (!GetFileVersionInfoW(program.c_str(), 0, size, data.data()))
        return block;
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) || !fixed)
        return block;
    block.fileMS = fixed->dwFileVersionMS;
    block.fileLS = fixed->dwFileVersionLS;
    block.productMS = fixed->dwProductVersionMS;
    block.productLS = fixed->dwProductVersionLS;
    const auto text = [&](const wchar_t* name) {
        wchar_t* value = nullptr;
        UINT chars = 0;
        const std::wstring path = std::wstring(L"\\StringFileInfo\\040904b0\\") + name;
        if (!VerQueryValueW(data.data(), path.c_str(), reinterpret_cast<void**>(&value), &chars) || !value)
            return std::wstring();
        return std::wstring(value);
    };
    block.fileVersion = text(L"FileVersion");
    block.productVersion = text(L"ProductVersion");
    block.originalName = text(L"OriginalFilename");
    block.read = true;
    return block;
}

// An engine-only build (no Qt) has no panel to read.
#ifdef QUENBY_BUILDS_PANEL
#define REQUIRE_PANEL()
#else
#define REQUIRE_PANEL() GTEST_SKIP() << "this build makes no control panel"
#endif

std::wstring wideText(const char* text)
{
    return std::wstring(text, text + std::char_traits<char>::length(text));
}

} // namespace

TEST(ShippedResources, BothProgramsCarryTheProjectVersion)
{
    REQUIRE_PANEL();
    const DWORD ms = MAKELONG(QUENBY_VERSION_MINOR, QUENBY_VERSION_MAJOR);
    const DWORD ls = MAKELONG(0, QUENBY_VERSION_PATCH);
    for (const std::wstring name : {L"Quenby.exe", L"Quenbytray.exe"}) {
        SCOPED_TRACE(std::string(name.begin(), name.end()));
        const VersionBlock block = versionOf(quenby::test::programBeside(name));
        ASSERT_TRUE(block.read);
        EXPECT_EQ(block.fileMS, ms);
        EXPECT_EQ(block.fileLS, ls);
        EXPECT_EQ(block.productMS, ms);
        EXPECT_EQ(block.productLS, ls);
        EXPECT_EQ(block.fileVersion, wideText(QUENBY_FILE_VERSION_TEXT));
        EXPECT_EQ(block.productVersion, wideText(QUENBY_PRODUCT_VERSION_TEXT));
        EXPECT_EQ(block.originalName, name);
    }
}

TEST(ShippedResources, ThePanelAsksForTheUsersOwnRights)
{
    REQUIRE_PANEL();
    const DataModule panel = openAsData(quenby::test::programBeside(L"Quenby.exe"));
    ASSERT_TRUE(panel);
    const std::string manifest =
        resourceBytes(panel.get(), RT_MANIFEST, CREATEPROCESS_MANIFEST_RESOURCE_ID);
    EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string::npos) << manifest;
    EXPECT_NE(manifest.find("uiAccess=\"false\""), std::string::npos) << manifest;
}

// The images of an icon group as (size, bits per pixel), sorted; empty when the
// group is missing or malformed.
std::vector<std::pair<unsigned, unsigned>> iconImages(HMODULE module, LPCWSTR name)
{
    const std::string group = resourceBytes(module, RT_GROUP_ICON, name);
    // GRPICONDIR: reserved, type 1, count; then 14-byte entries of width,
    // height, colours, reserved, planes, bit count, size, id.
    if (group.size() < 6)
        return {};
    const auto byte = [&](std::size_t at) { return static_cast<unsigned char>(group[at]); };
    const unsigned count = byte(4) | byte(5) << 8;
    if (group.size() != 6u + 14u * count)
        return {};
    std::vector<std::pair<unsigned, unsigned>> images;
    for (unsigned i = 0; i < count; ++i) {
        const std::size_t at = 6 + 14 * i;
        const unsigned width = byte(at) == 0 ? 256 : byte(at);
        images.emplace_back(width, byte(at + 6) | byte(at + 7) << 8);
    }
    std::sort(images.begin(), images.end());
    return images;
}

const std::vector<std::pair<unsigned, unsigned>> kApplicationIcon = {
    {16, 8}, {16, 32}, {32, 8}, {32, 32}, {48, 8}, {48, 32}, {256, 32}};

TEST(ShippedResources, ThePanelsIconGroupHoldsTheSevenImages)
{
    REQUIRE_PANEL();
    const DataModule panel = openAsData(quenby::test::programBeside(L"Quenby.exe"));
    ASSERT_TRUE(panel);
    EXPECT_EQ(iconImages(panel.get(), L"IDI_ICON1"), kApplicationIcon);
}

TEST(ShippedResources, TheEnginesFirstIconIsQuenbysOwn)
{
    // Explorer, the Start menu, Task Manager and the notification settings show
    // a program by the first icon group of its resource directory.
    const DataModule engine = openAsData(quenby::test::programBeside(L"Quenbytray.exe"));
    ASSERT_TRUE(engine);
    std::vector<std::wstring> names;
    EnumResourceNamesW(
        engine.get(), RT_GROUP_ICON,
        [](HMODULE, LPCWSTR, LPWSTR name, LONG_PTR found) -> BOOL {
            auto& list = *reinterpret_cast<std::vector<std::wstring>*>(found);
            list.push_back(IS_INTRESOURCE(name) ? L"#" + std::to_wstring(reinterpret_cast<ULONG_PTR>(name))
                                                : std::wstring(name));
            return TRUE;
        },
        reinterpret_cast<LONG_PTR>(&names));
    ASSERT_FALSE(names.empty());
    EXPECT_EQ(names.front(), L"QUENBY");
    EXPECT_EQ(iconImages(engine.get(), names.front().c_str()), kApplicationIcon);
    // The state picture stays for the tray, behind it.
    EXPECT_NE(std::find(names.begin(), names.end(), L"WIWIED"), names.end());
}

namespace {

// The string table's block of 16 entries that holds `id`, in one language:
// each entry its length and its UTF-16 text.
std::u16string stringOf(LANGID language, unsigned id)
{
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceExW(module, MAKEINTRESOURCEW(6) /* RT_STRING */,
                                  MAKEINTRESOURCEW(id / 16 + 1), language);
    if (!found)
        return u"(no block)";
    const auto* entry = static_cast<const char16_t*>(LockResource(LoadResource(module, found)));
    for (unsigned i = 0; i < id % 16; ++i)
        entry += 1 + *entry;
    return std::u16string(entry + 1, *entry);
}

} // namespace

TEST(ShippedResources, TheStringTableHasABlockForEveryLanguageWithItsTexts)
{
    // The engine carries the same resource script; this program its copy.
    const std::pair<const char*, LANGID> languages[] = {
        {"de", MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN)},
        {"fr", MAKELANGID(LANG_FRENCH, SUBLANG_FRENCH)},
        {"es", MAKELANGID(LANG_SPANISH, SUBLANG_SPANISH_MODERN)},
        {"it", MAKELANGID(LANG_ITALIAN, SUBLANG_ITALIAN)},
        {"pt_BR", MAKELANGID(LANG_PORTUGUESE, SUBLANG_PORTUGUESE_BRAZILIAN)},
        {"pl", MAKELANGID(LANG_POLISH, SUBLANG_DEFAULT)},
        {"ru", MAKELANGID(LANG_RUSSIAN, SUBLANG_DEFAULT)},
        {"tr", MAKELANGID(LANG_TURKISH, SUBLANG_DEFAULT)},
        {"zh_CN", MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED)},
        {"ja", MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT)},
        {"pt_PT", MAKELANGID(LANG_PORTUGUESE, SUBLANG_PORTUGUESE)},
        {"zh_TW", MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_TRADITIONAL)},
        {"ko", MAKELANGID(LANG_KOREAN, SUBLANG_KOREAN)},
        {"ar", MAKELANGID(LANG_ARABIC, SUBLANG_ARABIC_SAUDI_ARABIA)},
        {"he", MAKELANGID(LANG_HEBREW, SUBLANG_HEBREW_ISRAEL)},
        {"fa", MAKELANGID(LANG_PERSIAN, SUBLANG_PERSIAN_IRAN)},
        {"bg", MAKELANGID(LANG_BULGARIAN, SUBLANG_BULGARIAN_BULGARIA)},
        {"cs", MAKELANGID(LANG_CZECH, SUBLANG_CZECH_CZECH_REPUBLIC)},
        {"da", MAKELANGID(LANG_DANISH, SUBLANG_DANISH_DENMARK)},
        {"nl", MAKELANGID(LANG_DUTCH, SUBLANG_DUTCH)},
        {"fi", MAKELANGID(LANG_FINNISH, SUBLANG_FINNISH_FINLAND)},
        {"el", MAKELANGID(LANG_GREEK, SUBLANG_GREEK_GREECE)},
        {"hu", MAKELANGID(LANG_HUNGARIAN, SUBLANG_HUNGARIAN_HUNGARY)},
        {"id", MAKELANGID(LANG_INDONESIAN, SUBLANG_INDONESIAN_INDONESIA)},
        {"ro", MAKELANGID(LANG_ROMANIAN, SUBLANG_ROMANIAN_ROMANIA)},
        {"sk", MAKELANGID(LANG_SLOVAK, SUBLANG_SLOVAK_SLOVAKIA)},
        {"sv", MAKELANGID(LANG_SWEDISH, SUBLANG_SWEDISH)},
        {"uk", MAKELANGID(LANG_UKRAINIAN, SUBLANG_UKRAINIAN_UKRAINE)},
        {"vi", MAKELANGID(LANG_VIETNAMESE, SUBLANG_VIETNAMESE_VIETNAM)},
    };
    ASSERT_EQ(std::size(languages), quenby::engine::translatedLanguages().size());
    for (const auto& [name, language] : languages) {
        for (const unsigned* id = quenby::engine::stringIdsBegin(); id != quenby::engine::stringIdsEnd(); ++id)
            EXPECT_EQ(stringOf(language, *id), quenby::engine::translatedString(*id, name)) << name << " " << *id;
        // Which way the block's language reads: what the menu and the boxes follow.
        const bool rtl = std::string_view(name) == "ar" || std::string_view(name) == "he" ||
                         std::string_view(name) == "fa";
        EXPECT_EQ(stringOf(language, quenby::engine::IDS_READING_DIRECTION), rtl ? u"RTL" : u"LTR") << name;
    }
    EXPECT_EQ(stringOf(MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), quenby::engine::IDS_READING_DIRECTION),
              u"LTR");
}
