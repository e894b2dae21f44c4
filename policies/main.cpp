// Writes the administrative templates into a folder, as an administrator copies
// them into a Group Policy store: quenby.admx, and en-US/quenby.adml beside it.
//
//   quenby_policy_templates FOLDER
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "common/policy_templates.h"
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

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: quenby_policy_templates FOLDER\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    const std::filesystem::path language = folder / std::string(quenby::kAdmlLanguage);
    std::error_code error;
    std::filesystem::create_directories(language, error);
    if (error) {
        std::fprintf(stderr, "quenby_policy_templates: cannot create %s: %s\n",
                     language.string().c_str(), error.message().c_str());
        return 1;
    }
    const bool written =
        writeFile(folder / std::string(quenby::kAdmxFileName), quenby::admxTemplate()) &&
        writeFile(language / std::string(quenby::kAdmlFileName),
                  quenby::admlTemplate(QUENBY_VERSION_TEXT));
    return written ? 0 : 1;
}
