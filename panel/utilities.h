// Small helpers of the control panel: registry strings, the install folder, the
// Windows generation and folders.
#pragma once

#include <cstdint>

#include <QString>

namespace quenby::panel {

// A REG_SZ value of a key under HKEY_CURRENT_USER (the only root the panel
// reads). True and the text without its terminating nulls on success; false and
// an empty output otherwise, with the diagnostic line "error" when the key
// exists but the value can't be read.
bool readRegistryString(const QString& subKey, const QString& valueName, QString& output);

// The install folder `Path` of the settings key, or empty.
QString installPath();

// Build 22000 was the first of Windows 11.
constexpr bool isWindows11Build(std::uint32_t build)
{
    return build >= 22000;
}

// Whether the system is Windows 11; false on Windows 10, when the version can't
// be read, and off Windows.
bool isWindows11();

// "for Windows 11" or "for Windows 10", by build number.
QString windowsGenerationText(std::uint32_t build);

// The Windows folder, or empty (always empty off Windows).
QString windowsDirectory();

// Where the sound chooser starts: the Windows folder's "Media" folder (on Linux
// the shared sound folder) when it exists, else empty.
QString windowsMediaDirectory();

} // namespace quenby::panel
