// Writes the administrative templates into a folder, as an administrator copies
// them into a Group Policy store: quenby.admx, and beside it one quenby.adml in
// a folder per language (en-US, de-DE, ...).
//
//   quenby_policy_templates FOLDER
//   quenby_policy_templates --texts     the English texts to translate, one a line
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <span>
#include <string>
#include <string_view>

#include "policies/policy_templates.h"
#include "quenby_version.h"

namespace {

bool writeFile(const std::filesystem::path& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    if (!out) {
        std::fprintf(stderr, "quenby_policy_templates: cannot write %s\n", path.string().c_str());
        return false;
    }
    return true;
}

struct Text {
    std::string_view english;
    std::string_view translated;
};

struct Language {
    std::string_view folder; // the locale name Group Policy looks for
    std::span<const Text> texts;
};

// The translations (made by the build from translations/quenby_*.ts), one table each, and
// kLanguages listing them; made by the build from the table of languages.
#include "policy_languages.inc"

quenby::PolicyTranslator translatorOf(std::span<const Text> texts)
{
    return [texts](std::string_view english) {
        for (const Text& text : texts) {
            if (text.english == english)
                return std::string(text.translated);
        }
        return std::string();
    };
}

bool writeLanguage(const std::filesystem::path& folder, std::string_view name, const quenby::PolicyTranslator& tr)
{
    const std::filesystem::path language = folder / std::string(name);
    std::error_code error;
    std::filesystem::create_directories(language, error);
    if (error) {
        std::fprintf(stderr, "quenby_policy_templates: cannot create %s: %s\n",
                     language.string().c_str(), error.message().c_str());
        return false;
    }
    return writeFile(language / std::string(quenby::kAdmlFileName), quenby::admlTemplate(QUENBY_VERSION_TEXT, tr));
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && std::strcmp(argv[1], "--texts") == 0) {
        // Every text asked for while writing the English templates, once each.
        std::set<std::string> asked;
        quenby::admlTemplate(QUENBY_VERSION_TEXT, [&asked](std::string_view english) {
            if (asked.insert(std::string(english)).second)
                std::printf("%s\n", std::string(english).c_str());
            return std::string();
        });
        return 0;
    }
    // An option it does not know is not a folder to write into.
    if (argc != 2 || argv[1][0] == '-') {
        std::fprintf(stderr, "usage: quenby_policy_templates FOLDER | --texts\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    bool written = writeLanguage(folder, quenby::kAdmlLanguage, {}) &&
                   writeFile(folder / std::string(quenby::kAdmxFileName), quenby::admxTemplate());
    for (const Language& language : kLanguages)
        written = written && writeLanguage(folder, language.folder, translatorOf(language.texts));
    return written ? 0 : 1;
}
