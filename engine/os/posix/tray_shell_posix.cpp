#include "engine/os/posix/tray_shell_posix.h"

#include "common/os/recovery_feedback.h"
#include "common/text.h"
#include "engine/os/posix/host_posix.h"

namespace quenby::engine {

bool PosixTrayShell::destroyImage()
{
    return true;
}

void PosixTrayShell::renderImage(const TrayPicture& picture)
{
    image_ = renderTrayPicture(picture);
}

// There is no notification area to talk to: the stand-in says when the icon
// comes and goes, and keeps its image and tooltip.
bool PosixTrayShell::notify(TrayAction action, const std::u16string& tooltip)
{
    if (action == TrayAction::add && !shown_)
        note("tray icon added: " + toUtf8(tooltip));
    else if (action == TrayAction::remove && shown_)
        note("tray icon removed");
    if (action != TrayAction::modify)
        shown_ = action == TrayAction::add;
    return true;
}

// The notice goes where the engine's other lines go, and to the runtime folder,
// where `quenbyctl watch` picks it up. Neither can fail in a way that matters.
void PosixTrayShell::showNotice(const std::u16string&, const std::u16string& text)
{
    note(toUtf8(text));
    (void)os::publishRecoveryFeedback(text);
}

void PosixTrayShell::buildMenu(const std::vector<MenuItem>& items)
{
    menu_ = items;
}

void PosixTrayShell::setMenuItemText(unsigned commandId, const std::u16string& text)
{
    for (auto& item : menu_) {
        if (item.id == commandId)
            item.text = text;
    }
}

void PosixTrayShell::showMenu()
{
    std::string entries;
    for (const auto& item : menu_)
        entries += item.id == 0 ? std::string(" |") : " [" + toUtf8(item.text) + "]";
    note("tray menu:" + entries);
}

void PosixTrayShell::showMenuAt(int, int)
{
    showMenu(); // a list in the log has no position
}

void PosixTrayShell::destroyMenu()
{
    menu_.clear();
}

} // namespace quenby::engine
