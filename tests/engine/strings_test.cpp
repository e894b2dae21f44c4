// The engine's texts in every language we translate to: the same values in
// the same order as the English, and the tooltip still within what the shell
// shows; and which table a locale asks for. (That every entry is translated is
// checked with the panel's translations.)
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "common/text.h"
#include "engine/strings.h"

using namespace quenby;
using namespace quenby::engine;

namespace {

// The values a text takes (%1 to %9, in whatever order a language puts them)
// and whether it ends a line.
std::string shape(std::u16string_view text)
{
    std::string found;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == u'%' && text[i + 1] >= u'1' && text[i + 1] <= u'9')
            found += static_cast<char>(text[i + 1]);
    }
    std::sort(found.begin(), found.end());
    if (!text.empty() && text.back() == u'\n')
        found += "|newline";
    return found;
}

TEST(EngineStrings, EveryLanguageHasEveryTextWithTheSameValuesInTheSameOrder)
{
    ASSERT_EQ(translatedLanguages().size(), 29u); // every language of the table but English
    for (std::string_view language : translatedLanguages()) {
        for (const unsigned* id = stringIdsBegin(); id != stringIdsEnd(); ++id) {
            SCOPED_TRACE(std::string(language) + " " + std::to_string(*id));
            const std::u16string_view english = builtInString(*id);
            const std::u16string_view text = translatedString(*id, language);
            EXPECT_EQ(shape(text), shape(english));
            // Loaded into slots: a longer text would lose its end.
            EXPECT_LE(text.size(), kTextSlot - 1);
        }
        // The three lines of the tooltip at their longest still fit its 127 characters.
        const std::u16string tip = std::u16string(translatedString(IDS_TIP_TITLE, language)) +
                                   formatText(translatedString(IDS_TIP_FREE, language),
                                              {u"4294967295", u"100"}, 0) +
                                   formatText(translatedString(IDS_TIP_CPU, language), {u"100"}, 0);
        EXPECT_LE(tip.size(), 127u) << language;
    }
    // No such language: English.
    EXPECT_EQ(translatedString(IDS_CLOSE, "ca"), u"Close RAM Optimizer");
    EXPECT_EQ(translatedString(IDS_CLOSE, ""), u"Close RAM Optimizer");
}

TEST(EngineStrings, TheLocaleNamesTheTable)
{
    const std::pair<const char*, const char*> cases[] = {
        {"de_DE.UTF-8", "de"}, {"de_AT", "de"},       {"fr", "fr"},      {"pt_BR.UTF-8", "pt_BR"},
        {"pt_PT.UTF-8", "pt_PT"}, {"pt", "pt_BR"},    {"zh_CN.GB18030", "zh_CN"}, {"zh_TW.UTF-8", "zh_TW"},
        {"zh_HK.UTF-8", "zh_TW"}, {"zh_MO", "zh_TW"}, {"zh_SG", "zh_CN"}, {"zh", "zh_CN"}, {"pt_AO", "pt_PT"},
        {"ar_EG.UTF-8", "ar"}, {"fa_IR", "fa"},   {"ca_ES.UTF-8", ""},
        // Windows' names of its interface languages.
        {"es-MX", "es"}, {"fr-CA", "fr"}, {"de-AT", "de"}, {"zh-Hant-HK", "zh_TW"}, {"zh-Hans-CN", "zh_CN"},
        {"pt-BR", "pt_BR"}, {"en-GB", ""},
        {"ja_JP.eucJP", "ja"}, {"tr_TR@euro", "tr"},  {"ru_RU.KOI8-R", "ru"},     {"C", ""},
        {"C.UTF-8", ""},       {"POSIX", ""},         {"", ""},          {"en_US.UTF-8", ""},
        {"ded_DE", ""},        {"_DE", ""},
    };
    for (const auto& [locale, table] : cases)
        EXPECT_EQ(tableLanguageForLocale(locale), table) << locale;
}

} // namespace
