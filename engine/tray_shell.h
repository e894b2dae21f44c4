// What the engine needs from the desktop's notification area: the icon (its
// picture and tooltip), the notices shown at it, and the menu it opens. On
// Windows it is the shell's tray; on Linux a stand-in that logs.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "engine/tray_picture.h"

namespace quenby::engine {

// What the shell is asked to do with the tray icon.
enum class TrayAction { add, modify, remove };

// One entry of the tray menu; id 0 is a separator.
struct MenuItem {
    unsigned id = 0;
    std::u16string text;
};

class TrayShell {
public:
    virtual ~TrayShell() = default;

    // --- The icon -------------------------------------------------------------------
    // Destroys the current icon image; false when that failed (the image stays).
    virtual bool destroyImage() = 0;
    // The screen's scale may have changed (a new scale, another monitor, a
    // remote session, a new taskbar): the scale of the taskbar's own monitor is
    // read afresh. True when the image must be drawn again at another size.
    virtual bool displayChanged() = 0;
    // The colours of the contrast theme in use; none without one.
    virtual std::optional<ContrastColours> contrastColours() = 0;
    // Renders a new current image from the picture.
    virtual void renderImage(const TrayPicture& picture) = 0;
    // Sends the icon record (image and tooltip) to the shell.
    // False when the shell refused: an add when the notification area is not
    // ready yet (at logon) or already holds the icon, a modify when it does not.
    virtual bool notify(TrayAction action, const std::u16string& tooltip) = 0;
    // Tells the user something worth knowing (what a recovery achieved, a hot key
    // that could not be had): a notice with this title and text at the icon
    // (a balloon on Windows). Nothing is reported back; a notice that can't be
    // shown is simply not seen, and the icon stays as it was.
    virtual void showNotice(const std::u16string& title, const std::u16string& text) = 0;

    // --- The menu -------------------------------------------------------------------
    virtual void buildMenu(const std::vector<MenuItem>& items) = 0;
    // Sets the text of the item with this command id; no effect when there is none.
    virtual void setMenuItemText(unsigned commandId, const std::u16string& text) = 0;
    // Shows the menu at the cursor, or for a keyboard at the icon's position
    // (screen coordinates); the chosen item comes back as a command.
    virtual void showMenu() = 0;
    virtual void showMenuAt(int x, int y) = 0;
    virtual void destroyMenu() = 0;
};

} // namespace quenby::engine
