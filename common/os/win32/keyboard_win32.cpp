#include "common/os/keyboard.h"

#include <windows.h>

namespace quenby::os {
namespace {

// ToUnicodeEx flag: leave the keyboard state as it is (Windows 10 1607 and
// later). Without it the probe of a dead key would change what the user's
// next key press types.
constexpr UINT kKeepKeyboardState = 4;

} // namespace

HotKeyChoice ctrlAltHotKey(char16_t character)
{
    HotKeyChoice choice;
    const HKL layout = GetKeyboardLayout(0); // the calling thread's
    const SHORT scan = VkKeyScanExW(static_cast<WCHAR>(character), layout);
    // -1 in both bytes: no key of the layout types it.
    if (LOBYTE(scan) == 0xFF && HIBYTE(scan) == 0xFF)
        return choice;
    // The low byte is the key; the high byte the shift state the character
    // needs, which the hot key does not use: "a" and "A" are both the A key.
    choice.virtualKey = LOBYTE(scan);

    // What Ctrl+Alt on that key types, asked without touching the real state.
    BYTE state[256] = {};
    state[VK_CONTROL] = 0x80;
    state[VK_LCONTROL] = 0x80;
    state[VK_MENU] = 0x80;
    state[VK_RMENU] = 0x80;
    const UINT scanCode = MapVirtualKeyExW(choice.virtualKey, MAPVK_VK_TO_VSC, layout);
    WCHAR typed[8] = {};
    const int count = ToUnicodeEx(choice.virtualKey, scanCode, state, typed, 8, kKeepKeyboardState, layout);
    // A dead key (negative count) is taken from the user as much as a character.
    // Control characters (what Ctrl alone gives some keys) type nothing visible.
    const int length = count < 0 ? 1 : count;
    for (int i = 0; i < length && i < 8; ++i) {
        if (typed[i] >= 0x20 && typed[i] != 0x7F) {
            choice.verdict = HotKeyVerdict::typesCharacter;
            choice.typed.assign(typed, typed + length);
            return choice;
        }
    }
    choice.verdict = HotKeyVerdict::usable;
    return choice;
}

} // namespace quenby::os
