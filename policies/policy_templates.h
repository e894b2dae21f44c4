// The administrative templates (ADMX, and its English ADML) by which Group
// Policy and Intune set Quenby's settings on many computers at once. They are
// made from the settings table, so no value name, type or range is written down
// a second time: one policy for every value a user chooses, and one for
// starting with Windows, all in the category "Quenby" and all writing under
// Software\Policies\Quenby, for the computer and for the user.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace quenby {

// `version` is the product version ("1.0.0"); it names the supported platform.
std::string admxTemplate();
// The translation of one English text of the templates, or an empty text where
// there is none (the English then stands).
using PolicyTranslator = std::function<std::string(std::string_view english)>;

// The language resources: in English without a translator.
std::string admlTemplate(std::string_view version, const PolicyTranslator& translate = {});

// The file names Windows expects: quenby.admx beside en-US\quenby.adml.
inline constexpr std::string_view kAdmxFileName = "quenby.admx";
inline constexpr std::string_view kAdmlFileName = "quenby.adml";
inline constexpr std::string_view kAdmlLanguage = "en-US";

} // namespace quenby
