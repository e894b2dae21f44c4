// The engine host on Windows: the hidden engine window, its message loop and
// timers, and the Win32 calls behind every service the engine logic asks for.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <optional>

#include "engine/host.h"
#include "engine/system_host.h"
#include "common/os/session_lock.h"
#include "common/os/win32/handles.h"
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

// The exit code of a message loop whose GetMessageW failed (-1): the wParam of
// the last message it got says nothing about how it ended.
inline constexpr int kMessageLoopFailed = -1;

// Gets and dispatches messages with `getMessage` (GetMessageW's contract) until
// it returns 0, giving WM_QUIT's code, or -1, giving kMessageLoopFailed.
int runMessageLoopWith(BOOL (*getMessage)(MSG* message));

// A monochrome mask of the bitmap: 1 (transparent) where a pixel has the key
// colour, 0 elsewhere. Those pixels of the bitmap itself are turned black, as an
// icon's colour bitmap needs them under a set mask bit. Null when a step fails.
HBITMAP buildIconMask(HBITMAP colour);

class Win32EngineHost final : public SystemEngineHost {
public:
    // `instance` holds the resources (texts and images) and owns the window class.
    explicit Win32EngineHost(HINSTANCE instance);
    ~Win32EngineHost() override;

    void registerWindowClass() override;
    bool claimEngineLock() override;
    bool createEngineWindow() override;
    void outputDebugString(std::u16string_view text) override;
    int runMessageLoop() override;
    void postQuit(int code) override;
    std::u16string loadString(unsigned id) override;

    void setTimer(TimerId id, unsigned milliseconds, TimerCallback callback) override;
    void killTimer(TimerId id) override;


    bool startCpuSampler() override;

    bool sessionInUse() override;
    bool fullScreenProgramRuns() override;
    bool lockRecoveries() override;
    void unlockRecoveries() override;

    void* obtainBlock() override;
    void releaseBlock(void* block) override;
    void playSound(const std::u16string& sound) override;
    void clearClipboard() override;

    bool destroyTrayImage() override;
    void renderTrayImage(const TrayPicture& picture) override;
    bool notifyTray(TrayAction action, const std::u16string& tooltip) override;
    bool displayChanged() override;
    std::optional<ContrastColours> contrastColours() override;
    void showNotice(const std::u16string& title, const std::u16string& text) override;

    void buildTrayMenu(const std::vector<MenuItem>& items) override;
    void setMenuItemText(unsigned commandId, const std::u16string& text) override;
    void showTrayMenu() override;
    void showTrayMenuAt(int x, int y) override;
    void destroyTrayMenu() override;
    bool registerHotKey(std::uint32_t virtualKey) override;
    void unregisterHotKeys() override;
    bool confirm(const std::u16string& text, const std::u16string& caption) override;
    void showError(const std::u16string& text, const std::u16string& caption) override;
    void inform(const std::u16string& text, const std::u16string& caption) override;
    std::uint32_t setShutdownPrivilege(bool enable) override;
    std::uint32_t exitWindows(std::uint32_t flags, std::uint32_t reason) override;
    SleepSupport sleepSupport() override;
    std::uint32_t suspend() override;
    std::u16string errorText(std::uint32_t code) override;
    std::uint32_t startProcess(const LaunchRequest& request) override;

    // The tray image and the record the shell is sent, which no notification
    // area hands back: the tests read them through these with the Win32 API.
    HICON trayIcon() const { return icon_.get(); }
    const NOTIFYICONDATAW& trayIconData() const { return trayIconData_; }

private:
    // Whether the texts picked for the user read right to left.
    bool rightToLeft();
    // MessageBoxW with the reading order of the texts.
    int messageBox(const std::u16string& text, const std::u16string& caption, UINT style);
    // The tray menu at a point; opened by keyboard, the focus goes back to the
    // icon when it is left without a choice.
    void trackTrayMenu(int x, int y, bool byKeyboard);

    HINSTANCE instance_;
    // The language of the string table's block the texts come from, chosen
    // at the first text; English until then and where no other fits.
    std::optional<LANGID> textLanguage_;
    std::optional<os::SessionLock> engineLock_; // held while this engine runs
    os::win32::UniqueHandle recoveryLock_; // machine-wide, owned while a recovery runs
    bool sessionNotices_ = false; // registered for the session's changes
    HWND window_ = nullptr;
    UINT iconDpi_ = 0; // the scale the tray image is drawn for; 0: the system's
    win32::UniqueIcon icon_;  // the one current tray image
    win32::UniqueMenu menu_;  // the tray menu, built once at start-up
    NOTIFYICONDATAW trayIconData_{};
};

} // namespace quenby::engine
