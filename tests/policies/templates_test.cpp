// The administrative templates as the build wrote them, read through a real XML
// parser (xmllint): well-formed, one policy for each value a user chooses and
// for starting with Windows, and each policy's name, key, type and range those
// of the settings table.
#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>

#include "common/settings_schema.h"
#include "common/text.h"

using namespace quenby;

namespace {

const std::string kAdmx = std::string(QUENBY_POLICY_DIR) + "/quenby.admx";
const std::string kAdml = std::string(QUENBY_POLICY_DIR) + "/en-US/quenby.adml";

std::string run(const std::string& command)
{
    std::string out;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr)
        return out;
    char buffer[4096];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        out.append(buffer, n);
    ::pclose(pipe);
    return out;
}

// The string value of an XPath expression over a file; the templates' default
// namespace is left out of the names by matching on local-name().
std::string xpath(const std::string& file, const std::string& expression)
{
    std::string value = run("xmllint --xpath \"" + expression + "\" '" + file + "' 2>/dev/null");
    if (!value.empty() && value.back() == '\n')
        value.pop_back();
    return value;
}

std::string policy(const std::string& name)
{
    return "//*[local-name()='policy'][@name='" + name + "']";
}

TEST(PolicyTemplates, AreWellFormed)
{
    EXPECT_EQ(run("xmllint --noout '" + kAdmx + "' '" + kAdml + "' 2>&1 && echo ok"), "ok\n");
}

// Group Policy editors refuse a template that breaks Microsoft's schema. The
// schema must also refuse a template that breaks it, or the check proves nothing.
TEST(PolicyTemplates, PassMicrosoftsSchema)
{
    const std::string schema = std::string(QUENBY_SCHEMA_DIR) + "/admx/PolicyDefinitionFiles.xsd";
    const std::string broken = ::testing::TempDir() + "quenby_broken.admx";
    // A policy without the registry key it sets.
    run("sed '0,/ key=\"[^\"]*\"/s/// ' '" + kAdmx + "' >'" + broken + "'");
    const struct {
        std::string file;
        bool valid;
    } cases[] = {{kAdmx, true}, {kAdml, true}, {broken, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const std::string out =
            run("xmllint --noout --schema '" + schema + "' '" + c.file + "' 2>&1 && echo valid");
        EXPECT_EQ(out.ends_with("validates\nvalid\n"), c.valid) << out;
    }
    std::remove(broken.c_str());
}

TEST(PolicyTemplates, MatchTheSettingsTableOneToOne)
{
    std::size_t offered = 0;
    for (const SettingField& field : kSettingsSchema) {
        const std::string name = toUtf8(field.name);
        SCOPED_TRACE(name);
        const std::string p = policy(name);
        if (!offeredAsPolicy(field)) {
            EXPECT_EQ(xpath(kAdmx, "count(" + p + ")"), "0");
            continue;
        }
        ++offered;
        EXPECT_EQ(xpath(kAdmx, "count(" + p + ")"), "1");
        EXPECT_EQ(xpath(kAdmx, "string(" + p + "/@key)"), "Software\\Policies\\Quenby");
        EXPECT_EQ(xpath(kAdmx, "string(" + p + "/@class)"), "Both");
        EXPECT_EQ(xpath(kAdmx, "string(" + p + "/*[local-name()='parentCategory']/@ref)"), "Quenby");
        EXPECT_EQ(xpath(kAdml, "string(//*[@id='" + name + "'])"), std::string(field.policyLabel));

        const std::string element = p + "/*[local-name()='elements']/*";
        if (field.unit == ValueUnit::flag) {
            EXPECT_EQ(xpath(kAdmx, "string(" + p + "/@valueName)"), name);
            EXPECT_EQ(xpath(kAdmx, "concat(" + p + "//*[local-name()='enabledValue']/*/@value, '/', " + p +
                                       "//*[local-name()='disabledValue']/*/@value)"),
                      "1/0");
        } else if (!field.choices.empty()) {
            EXPECT_EQ(xpath(kAdmx, "string(" + element + "/@valueName)"), name);
            EXPECT_EQ(xpath(kAdmx, "count(" + element + "/*[local-name()='item'])"),
                      std::to_string(field.choices.size()));
            for (std::size_t i = 0; i < field.choices.size(); ++i) {
                const std::string item = element + "/*[local-name()='item'][" + std::to_string(i + 1) + "]";
                EXPECT_EQ(xpath(kAdmx, "string(" + item + "//@value)"), std::to_string(i));
                // The entry's name in the editor is the one the options dialog shows.
                const std::string id = xpath(kAdmx, "substring-before(substring-after(" + item +
                                                        "/@displayName, 'string.'), ')')");
                EXPECT_EQ(xpath(kAdml, "string(//*[@id='" + id + "'])"), std::string(field.choices[i]));
            }
        } else if (field.unit == ValueUnit::text || field.unit == ValueUnit::programNames) {
            EXPECT_EQ(xpath(kAdmx, "concat(local-name(" + element + "), ' ', " + element +
                                       "/@valueName, ' ', " + element + "/@maxLength)"),
                      "text " + name + " " + std::to_string(field.uiMaximum.value));
        } else {
            const std::uint32_t max = field.uiMaximum.kind == Amount::Kind::constant
                                          ? field.uiMaximum.value
                                          : 0xFFFFFFFFu;
            EXPECT_EQ(xpath(kAdmx, "concat(local-name(" + element + "), ' ', " + element +
                                       "/@valueName, ' ', " + element + "/@minValue, ' ', " +
                                       element + "/@maxValue)"),
                      "decimal " + name + " " + std::to_string(field.uiMinimum.value) + " " +
                          std::to_string(max));
        }
    }
    const std::string start = policy("StartWithWindows");
    EXPECT_EQ(xpath(kAdmx, "string(" + start + "/@valueName)"), "StartWithWindows");
    EXPECT_EQ(xpath(kAdmx, "count(//*[local-name()='policy'])"), std::to_string(offered + 1));
}

TEST(PolicyTemplates, EveryReferenceOfTheAdmxIsInTheAdml)
{
    // Each $(string.X) and $(presentation.X) the ADMX uses, once each.
    const std::string admx = run("cat '" + kAdmx + "'");
    std::set<std::string> strings, presentations;
    for (const auto& [prefix, found] : {std::pair{std::string("$(string."), &strings},
                                        std::pair{std::string("$(presentation."), &presentations}}) {
        for (std::size_t at = admx.find(prefix); at != std::string::npos; at = admx.find(prefix, at + 1)) {
            const std::size_t begin = at + prefix.size();
            found->insert(admx.substr(begin, admx.find(')', begin) - begin));
        }
    }
    EXPECT_GT(strings.size(), kSettingFieldCount);
    for (const std::string& id : strings)
        EXPECT_EQ(xpath(kAdml, "count(//*[local-name()='string'][@id='" + id + "'])"), "1") << id;
    for (const std::string& id : presentations) {
        EXPECT_EQ(xpath(kAdml, "count(//*[local-name()='presentation'][@id='" + id + "'])"), "1") << id;
        // The presentation's control points at the policy's own element.
        EXPECT_EQ(xpath(kAdml, "string(//*[local-name()='presentation'][@id='" + id + "']/*/@refId)"),
                  xpath(kAdmx, "string(" + policy(id) + "/*[local-name()='elements']/*/@id)"))
            << id;
    }
}

} // namespace

namespace {

// The ids of a template's strings and presentations, in order, and their
// reading ("id=text" per line), for comparing one language with another.
std::string ids(const std::string& file, const std::string& element)
{
    return run("xmllint --xpath \"//*[local-name()='" + element + "']/@id\" '" + file + "' 2>/dev/null");
}

} // namespace

// Every language's ADML: valid for Microsoft's schema, with exactly the string
// and presentation ids of en-US (an editor shows a policy whose string is
// missing as its raw id), and translated: not the English texts again.
TEST(PolicyTemplates, EveryLanguageHasTheEnglishIdsInItsLocalesFolder)
{
    const std::string schema = std::string(QUENBY_SCHEMA_DIR) + "/admx/PolicyDefinitionFiles.xsd";
    const std::string folders = run("cd '" + std::string(QUENBY_POLICY_DIR) + "' && ls -d *-*/");
    std::set<std::string> languages;
    for (std::size_t at = 0, end; (end = folders.find('\n', at)) != std::string::npos; at = end + 1)
        languages.insert(folders.substr(at, end - at - 1));
    // The table's thirty, each in a folder named as Windows names the locale.
    EXPECT_EQ(languages.size(), 30u);
    for (const std::string& language : languages) {
        SCOPED_TRACE(language);
        const std::string adml = std::string(QUENBY_POLICY_DIR) + "/" + language + "/quenby.adml";
        EXPECT_TRUE(run("xmllint --noout --schema '" + schema + "' '" + adml + "' 2>&1").ends_with("validates\n"));
        EXPECT_EQ(ids(adml, "string"), ids(kAdml, "string"));
        EXPECT_EQ(ids(adml, "presentation"), ids(kAdml, "presentation"));
        if (language != "en-US") {
            EXPECT_NE(xpath(adml, "string(//*[@id='TargetFreeRAM_Explain'])"),
                      xpath(kAdml, "string(//*[@id='TargetFreeRAM_Explain'])"));
        }
    }
}
