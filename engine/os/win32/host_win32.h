// The engine host on Windows: the hidden engine window, its message loop and
// timers, and the Win32 calls behind every service the engine logic asks for.
#pragma once

#include <windows.h>

#include "engine/host.h"

namespace quenby::engine {

class Win32EngineHost final : public EngineHost {
public:
    explicit Win32EngineHost(HINSTANCE instance) : instance_(instance) {}

    void registerWindowClass() override;
    bool engineWindowExists() override;
    bool createEngineWindow() override;
    void outputDebugString(std::u16string_view text) override;
    int runMessageLoop() override;
    void postQuit(int code) override;
    std::u16string loadString(unsigned id) override;

    void setTimer(TimerId id, unsigned milliseconds, TimerCallback callback) override;
    void killTimer(TimerId id) override;

    void postToPanel(std::uint32_t message) override;

    std::uint32_t totalPhysicalMB() override;
    std::uint32_t availablePhysicalMB() override;
    std::uint32_t freeMemoryPercent() override;
    bool startCpuSampler() override;

    void* obtainBlock() override;
    void releaseBlock(void* block) override;
    void playSound(const std::u16string& sound) override;
    void clearClipboard() override;

    bool destroyTrayImage() override;
    void renderTrayImage(const TrayPicture& picture) override;
    void notifyTray(TrayAction action, const std::u16string& tooltip) override;

    void buildTrayMenu(const std::vector<MenuItem>& items) override;
    void setMenuItemText(unsigned commandId, const std::u16string& text) override;
    void showTrayMenu() override;
    void destroyTrayMenu() override;
    void registerHotKey(std::uint32_t virtualKey) override;
    void unregisterHotKeys() override;
    bool confirm(const std::u16string& text, const std::u16string& caption) override;
    void showError(const std::u16string& text, const std::u16string& caption) override;
    std::uint32_t setShutdownPrivilege(bool enable) override;
    void exitWindows(std::uint32_t flags, std::uint32_t reason) override;
    void suspend() override;
    std::uint32_t startProcess(const LaunchRequest& request) override;

private:
    HINSTANCE instance_;
    HWND window_ = nullptr;
};

} // namespace quenby::engine
