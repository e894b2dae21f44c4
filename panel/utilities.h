// Small helpers of the control panel: registry strings, the install folder, the
// Windows generation and folders.
#pragma once

#include <cstdint>

#include <QSize>
#include <QString>

class QWidget;

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

// "for Windows 11" or "for Windows 10", by build number.
QString windowsGenerationText(std::uint32_t build);

// In a window whose widgets sit where its form put them (no layout), every
// label and button whose text needs more room than it has gets it, in place;
// a widget it would then run into on its right moves along, and the window
// grows to hold them. Where every text fits, nothing moves: the English texts
// on Windows fit the form as drawn; longer translations and wider fonts get room.
void giveTextsRoom(QWidget* window);

// The room a label's or button's text needs beyond what the widget has, in
// each direction; a null size when it fits.
QSize missingRoom(const QWidget* widget);

// A window whose children the form places (no layout) read right to left:
// each child goes to the mirror place, as a layout would put it. Call it once
// the window has its size.
void mirrorIfRightToLeft(QWidget* window);

// The Windows folder, or empty (always empty off Windows).
QString windowsDirectory();

// Where the sound chooser starts: the Windows folder's "Media" folder (on Linux
// the shared sound folder) when it exists, else empty.
QString windowsMediaDirectory();

} // namespace quenby::panel
