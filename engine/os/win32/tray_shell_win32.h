// The notification area on Windows: the icon's record and the shell calls
// (Shell_NotifyIconW under the version 4 protocol), the icon drawn with GDI,
// balloons, and the popup menu.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <functional>

#include "engine/host.h"
#include "engine/tray_shell.h"
#include "engine/os/win32/gdi_handles.h"

namespace quenby::engine {

// The tray icon's id within the engine window.
inline constexpr UINT kTrayIconId = 1010;

// The icon for a number at the small-icon size of `dpi` (0: the system's): the
// text and the bar drawn with GDI, placed by smallIconGeometry(), onto the
// DEFAULTBMP canvas of `resources` loaded at that size, everything left in the
// key colour transparent. Null when a step fails. The caller owns the icon.
HICON renderTrayIcon(HINSTANCE resources, const TrayPicture& picture, UINT dpi = 0);

// The font the number is drawn in, `height` as CreateFontW takes it (negative: the
// character height in pixels); the caller owns it.
HFONT createTrayFont(int height = kFontHeight);

// Where the number and the bar go on an icon of the small-icon size at `dpi`
// (SM_CXSMICON by SM_CYSMICON), the size of every tray image. A dpi of 0, or one
// no screen has, gives the system's size.
TrayGeometry smallIconGeometry(UINT dpi = 0);

// The WIWIED icon of `resources` at the small-icon size; the caller owns it.
HICON loadDisabledIcon(HINSTANCE resources, UINT dpi = 0);

// The record that shows a recovery's notice as a balloon at the icon: a copy of
// the icon's record that also carries NIF_INFO, the information icon without a
// sound and outside the quiet time of a new account (NIIF_INFO | NIIF_NOSOUND |
// NIIF_RESPECT_QUIET_TIME), and the title and text, each cut to what the
// record holds (63 and 255 characters and a terminator).
NOTIFYICONDATAW balloonRecord(const NOTIFYICONDATAW& icon, std::u16string_view title,
                              std::u16string_view text);

// A monochrome mask of the bitmap: 1 (transparent) where a pixel has the key
// colour, 0 elsewhere. Those pixels of the bitmap itself are turned black, as an
// icon's colour bitmap needs them under a set mask bit. Null when a step fails.
HBITMAP buildIconMask(HBITMAP colour);

class Win32TrayShell final : public TrayShell {
public:
    // `instance` holds the images; `rightToLeft` says whether the texts the
    // menu is built from read right to left.
    Win32TrayShell(HINSTANCE instance, std::function<bool()> rightToLeft);
    // The window the shell sends the icon's messages to and the menu belongs
    // to; the icon is drawn for the scale of the taskbar's monitor from now on.
    void attach(HWND window);

    bool destroyImage() override;
    bool displayChanged() override;
    std::optional<ContrastColours> contrastColours() override;
    void renderImage(const TrayPicture& picture) override;
    bool notify(TrayAction action, const std::u16string& tooltip) override;
    void showNotice(const std::u16string& title, const std::u16string& text) override;
    void buildMenu(const std::vector<MenuItem>& items) override;
    void setMenuItemText(unsigned commandId, const std::u16string& text) override;
    void showMenu() override;
    void showMenuAt(int x, int y) override;
    void destroyMenu() override;

    // The image and the record the shell is sent, which no notification area
    // hands back: the tests read them through these with the Win32 API.
    HICON icon() const { return icon_.get(); }
    const NOTIFYICONDATAW& record() const { return record_; }

private:
    // The menu at a point; opened by keyboard, the focus goes back to the icon
    // when it is left without a choice.
    void trackMenu(int x, int y, bool byKeyboard);

    HINSTANCE instance_;
    std::function<bool()> rightToLeft_;
    HWND window_ = nullptr;
    UINT iconDpi_ = 0;       // the scale the image is drawn for; 0: the system's
    win32::UniqueIcon icon_; // the one current image
    win32::UniqueMenu menu_; // the menu, built once at start-up
    NOTIFYICONDATAW record_{};
};

} // namespace quenby::engine
