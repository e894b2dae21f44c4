#include "policies/policy_templates.h"

#include <initializer_list>
#include <variant>
#include <vector>

#include "common/settings_schema.h"
#include "common/text.h"

namespace quenby {
namespace {

// A policy as the templates present it: a value of the settings table, or the
// start-with-Windows entry, which has no row there.
struct Policy {
    std::string name;  // the registry value name, also the policy's and its strings' id
    std::string label; // what the editor shows
    const SettingField* field = nullptr; // null for the start-with-Windows policy
};

std::string escaped(std::string_view text)
{
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

std::vector<Policy> policies()
{
    std::vector<Policy> list;
    for (const SettingField& field : kSettingsSchema) {
        if (offeredAsPolicy(field))
            list.push_back({toUtf8(field.name), std::string(field.policyLabel), &field});
    }
    list.push_back({toUtf8(kStartWithWindowsPolicy), "Start Quenby automatically at Windows startup",
                    nullptr});
    return list;
}

bool isFlag(const Policy& policy)
{
    return policy.field == nullptr || policy.field->unit == ValueUnit::flag;
}

bool isText(const Policy& policy)
{
    return policy.field != nullptr &&
           std::holds_alternative<std::u16string Settings::*>(policy.field->field);
}

bool isChoice(const Policy& policy)
{
    return policy.field != nullptr && !policy.field->choices.empty();
}

// A text of the templates in the language being written: `english` is looked
// up whole (a sentence with its placeholders), then %1, %2 are filled in.
std::string say(const PolicyTranslator& translate, std::string_view english,
                std::initializer_list<std::string> values = {})
{
    std::string text = translate ? translate(english) : std::string();
    if (text.empty())
        text = english;
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t n = i + 1 < text.size() ? std::size_t(text[i + 1] - '1') : values.size();
        if (text[i] == '%' && n < values.size()) {
            out += values.begin()[n];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

// An amount in words: a number, or the share of the installed RAM it stands for.
std::string amountText(const PolicyTranslator& tr, const Amount& amount)
{
    switch (amount.kind) {
    case Amount::Kind::constant:
        return std::to_string(amount.value);
    case Amount::Kind::totalShift:
        return amount.value == 0 ? say(tr, "the installed RAM in MB")
                                 : say(tr, "the installed RAM in MB divided by %1",
                                       {std::to_string(1u << amount.value)});
    case Amount::Kind::totalThreeQuarters:
        return say(tr, "three quarters of the installed RAM in MB");
    }
    return {};
}

std::string explainText(const PolicyTranslator& tr, const Policy& policy)
{
    std::string text = say(tr, "Sets \"%1\" of Quenby.", {policy.name}) + " ";
    if (policy.field == nullptr) {
        text += say(tr, "Enabled: the tray engine starts when the user signs in to Windows. Disabled: it "
                        "does not. The engine brings the user's start-up entry in line when it starts.");
    } else if (isFlag(policy)) {
        text += say(tr, "Enabled: on (1). Disabled: off (0).");
    } else if (isChoice(policy)) {
        std::string list;
        for (std::size_t i = 0; i < policy.field->choices.size(); ++i) {
            const std::string item =
                std::to_string(i) + " " + say(tr, policy.field->choices[i]);
            list = i == 0 ? item : say(tr, "%1, %2", {list, item});
        }
        text += say(tr, "One of: %1.", {list});
    } else if (isText(policy) && policy.field->unit == ValueUnit::programNames) {
        text += say(tr, "Program file names separated by semicolons, such as game.exe;obs64.exe, at most %1 "
                        "characters.",
                    {amountText(tr, policy.field->uiMaximum)});
    } else if (isText(policy)) {
        text += say(tr, "A full path, at most %1 characters.",
                    {amountText(tr, policy.field->uiMaximum)});
    } else {
        text += say(tr, "From %1 to %2.",
                    {amountText(tr, policy.field->uiMinimum), amountText(tr, policy.field->uiMaximum)});
    }
    if (policy.field != nullptr && !isText(policy))
        text += " " + say(tr, "Without a policy: %1, unless the user chose otherwise.",
                          {amountText(tr, policy.field->defaultValue)});
    text += " " + say(tr, "A computer policy wins over a user policy, and both over the user's own "
                          "choice, which the control panel then shows as \"Set by your "
                          "administrator\". When the policy is not configured, the user's own "
                          "choice applies.");
    return text;
}

// The largest number a policy may store: the table's maximum where it is a
// plain number; where it depends on the installed RAM, anything the value can
// hold (the explanation gives the real bound).
std::uint32_t admxMaximum(const SettingField& field)
{
    return field.uiMaximum.kind == Amount::Kind::constant ? field.uiMaximum.value : 0xFFFFFFFFu;
}

void appendPolicy(std::string& out, const Policy& policy)
{
    const std::string& id = policy.name;
    out += "    <policy name=\"" + id + "\" class=\"Both\" displayName=\"$(string." + id +
           ")\" explainText=\"$(string." + id + "_Explain)\" key=\"" + toUtf8(kPolicyKey) + "\"";
    if (isFlag(policy))
        out += " valueName=\"" + id + "\">\n";
    else
        out += " presentation=\"$(presentation." + id + ")\">\n";
    out += "      <parentCategory ref=\"Quenby\" />\n"
           "      <supportedOn ref=\"SUPPORTED_Quenby\" />\n";
    if (isFlag(policy)) {
        out += "      <enabledValue>\n        <decimal value=\"1\" />\n      </enabledValue>\n"
               "      <disabledValue>\n        <decimal value=\"0\" />\n      </disabledValue>\n";
    } else {
        out += "      <elements>\n";
        if (isChoice(policy)) {
            out += "        <enum id=\"" + id + "\" valueName=\"" + id + "\" required=\"true\">\n";
            for (std::size_t i = 0; i < policy.field->choices.size(); ++i)
                out += "          <item displayName=\"$(string." + id + "_" + std::to_string(i) +
                       ")\">\n            <value>\n              <decimal value=\"" +
                       std::to_string(i) + "\" />\n            </value>\n          </item>\n";
            out += "        </enum>\n";
        } else if (isText(policy)) {
            out += "        <text id=\"" + id + "\" valueName=\"" + id + "\" maxLength=\"" +
                   std::to_string(policy.field->uiMaximum.value) + "\" required=\"true\" />\n";
        } else {
            out += "        <decimal id=\"" + id + "\" valueName=\"" + id + "\" minValue=\"" +
                   std::to_string(policy.field->uiMinimum.value) + "\" maxValue=\"" +
                   std::to_string(admxMaximum(*policy.field)) + "\" required=\"true\" />\n";
        }
        out += "      </elements>\n";
    }
    out += "    </policy>\n";
}

constexpr std::string_view kNamespaces =
    "xmlns:xsd=\"http://www.w3.org/2001/XMLSchema\" "
    "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" revision=\"1.0\" "
    "schemaVersion=\"1.0\" xmlns=\"http://schemas.microsoft.com/GroupPolicy/2006/07/PolicyDefinitions\"";

} // namespace

std::string admxTemplate()
{
    std::string out = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<policyDefinitions ";
    out += kNamespaces;
    out += ">\n"
           "  <policyNamespaces>\n"
           "    <target prefix=\"quenby\" namespace=\"Quenby.Policies.Quenby\" />\n"
           "  </policyNamespaces>\n"
           "  <resources minRequiredRevision=\"1.0\" />\n"
           "  <supportedOn>\n    <definitions>\n"
           "      <definition name=\"SUPPORTED_Quenby\" displayName=\"$(string.SUPPORTED_Quenby)\" />\n"
           "    </definitions>\n  </supportedOn>\n"
           "  <categories>\n"
           "    <category name=\"Quenby\" displayName=\"$(string.Quenby)\" />\n"
           "  </categories>\n"
           "  <policies>\n";
    for (const Policy& policy : policies())
        appendPolicy(out, policy);
    out += "  </policies>\n</policyDefinitions>\n";
    return out;
}

std::string admlTemplate(std::string_view version, const PolicyTranslator& tr)
{
    std::string strings;
    std::string presentations;
    const auto string = [&](const std::string& id, std::string_view text) {
        strings += "      <string id=\"" + id + "\">" + escaped(text) + "</string>\n";
    };
    string("Quenby", "Quenby");
    string("SUPPORTED_Quenby", say(tr, "Quenby %1 on Windows 10 and Windows 11", {std::string(version)}));
    for (const Policy& policy : policies()) {
        const std::string& id = policy.name;
        const std::string label = say(tr, policy.label);
        string(id, label);
        string(id + "_Explain", explainText(tr, policy));
        if (isFlag(policy))
            continue;
        presentations += "      <presentation id=\"" + id + "\">\n";
        if (isChoice(policy)) {
            for (std::size_t i = 0; i < policy.field->choices.size(); ++i)
                string(id + "_" + std::to_string(i), say(tr, policy.field->choices[i]));
            presentations += "        <dropdownList refId=\"" + id + "\" noSort=\"true\">" +
                             escaped(label) + "</dropdownList>\n";
        } else if (isText(policy)) {
            presentations += "        <textBox refId=\"" + id + "\">\n          <label>" +
                             escaped(label) + "</label>\n        </textBox>\n";
        } else {
            presentations += "        <decimalTextBox refId=\"" + id + "\">" +
                             escaped(label) + "</decimalTextBox>\n";
        }
        presentations += "      </presentation>\n";
    }

    std::string out = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<policyDefinitionResources ";
    out += kNamespaces;
    out += ">\n  <displayName>Quenby</displayName>\n"
           "  <description>" + escaped(say(tr, "Settings of the Quenby RAM optimizer")) + "</description>\n"
           "  <resources>\n    <stringTable>\n";
    out += strings;
    out += "    </stringTable>\n    <presentationTable>\n";
    out += presentations;
    out += "    </presentationTable>\n  </resources>\n</policyDefinitionResources>\n";
    return out;
}

} // namespace quenby
