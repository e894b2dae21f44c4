// The notification area's stand-in on Linux: there is no shell to show an
// icon or a menu, so it logs what it is asked to show (a notice also goes to
// the runtime folder, where `quenbyctl watch` reads it) and keeps the picture,
// drawn as the Windows icon is.
#pragma once

#include <vector>

#include "engine/tray_shell.h"

namespace quenby::engine {

class PosixTrayShell final : public TrayShell {
public:
    bool destroyImage() override;
    bool displayChanged() override { return false; } // the stand-in's picture has one size
    std::optional<ContrastColours> contrastColours() override { return std::nullopt; }
    void renderImage(const TrayPicture& picture) override;
    bool notify(TrayAction action, const std::u16string& tooltip) override;
    void showNotice(const std::u16string& title, const std::u16string& text) override;
    void buildMenu(const std::vector<MenuItem>& items) override;
    void setMenuItemText(unsigned commandId, const std::u16string& text) override;
    void showMenu() override;
    void showMenuAt(int x, int y) override;
    void destroyMenu() override;

private:
    TrayImage image_;
    bool shown_ = false;
    std::vector<MenuItem> menu_;
};

} // namespace quenby::engine
