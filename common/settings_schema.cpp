#include "common/settings_schema.h"

#include "common/protected_programs.h"
#include "common/text.h"

namespace quenby {

using os::RegType;

std::uint32_t Amount::of(std::uint32_t totalMB) const
{
    switch (kind) {
    case Kind::constant:
        return value;
    case Kind::totalShift:
        return totalMB >> value;
    case Kind::totalThreeQuarters:
        return static_cast<std::uint32_t>((static_cast<std::uint64_t>(totalMB) * 3) / 4);
    }
    return value;
}

namespace {

constexpr SettingField number(std::u16string_view name, std::uint32_t Settings::*field,
                              ValueUnit unit, Amount def, Amount max, std::string_view label = {},
                              ChoiceNames choices = {})
{
    return {name, field, RegType::dword, unit, def, true, constant(0), max, true, label, choices};
}

constexpr SettingField unranged(std::u16string_view name, std::uint32_t Settings::*field,
                                ValueUnit unit, Amount def, bool read = true)
{
    return {name, field, RegType::dword, unit, def, false, constant(0), constant(0), read};
}

// The names the options dialog gives the two lists' entries.
constexpr std::array<std::string_view, 3> kTextColorNames = {"Black", "White", "Auto"};
constexpr std::array<std::string_view, 2> kIconInfoNames = {"Percentage of CPU Usage",
                                                            "Percentage of Free RAM"};

} // namespace

const std::array<SettingField, kSettingFieldCount> kSettingsSchema = {{
    number(u"TargetFreeRAM", &Settings::TargetFreeRAM, ValueUnit::megabytes, totalShiftedBy(2),
           threeQuartersOfTotal(), "Target free RAM (MB)"),
    number(u"MinimumFreeRAM", &Settings::MinimumFreeRAM, ValueUnit::megabytes, totalShiftedBy(4),
           totalShiftedBy(1), "Minimum free RAM (MB)"),
    number(u"FreeonStartup", &Settings::FreeonStartup, ValueUnit::flag, constant(0), constant(1),
           "Free up RAM on startup"),
    number(u"FreeonStartup_val1", &Settings::FreeonStartup_val1, ValueUnit::megabytes,
           totalShiftedBy(6), constant(999), "RAM to free on startup (MB)"),
    number(u"FreeonStartup_val2", &Settings::FreeonStartup_val2, ValueUnit::seconds, constant(60),
           constant(60), "Delay of the startup recovery (seconds)"),
    number(u"Freeeverymin_Val1", &Settings::Freeeverymin_Val1, ValueUnit::megabytes,
           totalShiftedBy(8), constant(999), "RAM to free periodically (MB)"),
    number(u"Freeeverymin_Val2", &Settings::Freeeverymin_Val2, ValueUnit::minutes, constant(4),
           constant(60), "Free up RAM every (minutes, 0 for never)"),
    number(u"Freeeverymin_Val3", &Settings::Freeeverymin_Val3, ValueUnit::percent, constant(50),
           constant(100), "Free RAM percentage shown with the periodic recovery"),
    number(u"Disable_CPU_detect", &Settings::Disable_CPU_detect, ValueUnit::flag, constant(0),
           constant(1), "Disable CPU usage detection"),
    unranged(u"WarnLowRecource", &Settings::WarnLowRecource, ValueUnit::fixed, constant(0), false),
    unranged(u"WarnLowRecource_Val1", &Settings::WarnLowRecource_Val1, ValueUnit::fixed,
             constant(15), false),
    {u"TrayIconTextColor", &Settings::TrayIconTextColor, RegType::dword, ValueUnit::choice,
     constant(0), true, constant(0), constant(2), true, "Tray icon text color", kTextColorNames},
    number(u"TrayIconInfo", &Settings::TrayIconInfo, ValueUnit::choice, constant(1), constant(1),
           "Tray icon shows", kIconInfoNames),
    unranged(u"HideTrayIcon", &Settings::HideTrayIcon, ValueUnit::flag, constant(0)),
    number(u"FreeupXMenu_Val1", &Settings::FreeupXMenu_Val1, ValueUnit::megabytes,
           totalShiftedBy(4), constant(999), "First recovery amount of the tray menu (MB)"),
    number(u"FreeupYMenu_Val1", &Settings::FreeupYMenu_Val1, ValueUnit::megabytes,
           totalShiftedBy(6), constant(999), "Second recovery amount of the tray menu (MB)"),
    number(u"FreeupZMenu_Val1", &Settings::FreeupZMenu_Val1, ValueUnit::megabytes,
           totalShiftedBy(8), constant(999), "Third recovery amount of the tray menu (MB)"),
    number(u"AutoclearClipboard", &Settings::AutoclearClipboard, ValueUnit::flag, constant(0),
           constant(1), "Also clear the clipboard when freeing up RAM"),
    number(u"PlaySound", &Settings::PlaySound, ValueUnit::flag, constant(0), constant(1),
           "Play alarm sound before freeing up RAM"),
    {u"Music", &Settings::Music, RegType::sz, ValueUnit::text, constant(0), false, constant(0),
     constant(kTextBufferChars - 1), true, "Alarm sound file"},
    number(u"Hotkey1", &Settings::Hotkey1, ValueUnit::keyCode, constant(0), constant(255),
           "Free up RAM hot key (Ctrl + Alt + the key of this code)"),
    number(u"Hotkey2", &Settings::Hotkey2, ValueUnit::keyCode, constant(0), constant(255),
           "Disable/enable hot key (Ctrl + Alt + the key of this code)"),
    unranged(u"Quenby_Stat", &Settings::Quenby_Stat, ValueUnit::state, constant(0)),
    number(u"NotifyRecovery", &Settings::NotifyRecovery, ValueUnit::flag, constant(0), constant(1),
           "Show how much RAM was recovered"),
    number(u"RecoveryBackoff", &Settings::RecoveryBackoff, ValueUnit::flag, constant(1), constant(1),
           "Pause automatic recovery while it cannot help"),
    number(u"PauseWhileFullScreen", &Settings::PauseWhileFullScreen, ValueUnit::flag, constant(1),
           constant(1), "Pause automatic recovery while a full-screen program runs"),
    {u"PauseWhileRunning", &Settings::PauseWhileRunning, RegType::sz, ValueUnit::programNames, constant(0), false,
     constant(0), constant(kProtectedListMaxChars), true, "Pause automatic recovery while one of these programs runs"},
}};

const SettingField* findSettingField(std::u16string_view name)
{
    for (const auto& field : kSettingsSchema) {
        if (equalsIgnoreCase(field.name, name))
            return &field;
    }
    return nullptr;
}

std::size_t schemaIndex(const SettingField& field)
{
    return static_cast<std::size_t>(&field - kSettingsSchema.data());
}

bool setByPolicy(const Settings& settings, std::u16string_view name)
{
    if (equalsIgnoreCase(name, kStartWithWindowsPolicy))
        return settings.setByPolicy.test(kStartWithWindowsBit);
    const SettingField* field = findSettingField(name);
    return field != nullptr && settings.setByPolicy.test(schemaIndex(*field));
}

std::uint32_t numericValue(const Settings& settings, const SettingField& field)
{
    if (const auto* wide = std::get_if<std::uint32_t Settings::*>(&field.field))
        return settings.*(*wide);
    if (const auto* narrow = std::get_if<std::uint16_t Settings::*>(&field.field))
        return settings.*(*narrow);
    return 0;
}

void setNumericValue(Settings& settings, const SettingField& field, std::uint32_t value)
{
    if (const auto* wide = std::get_if<std::uint32_t Settings::*>(&field.field))
        settings.*(*wide) = value;
    else if (const auto* narrow = std::get_if<std::uint16_t Settings::*>(&field.field))
        settings.*(*narrow) = static_cast<std::uint16_t>(value & 0xFFFF);
}

} // namespace quenby
