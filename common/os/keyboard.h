// Which key of the user's keyboard layout a hot-key character stands for, and
// whether Ctrl+Alt on that key is free to take. The engine registers only what
// this allows, and the control panel refuses to save anything else: on many
// layouts (German, French, Polish...) Ctrl+Alt is AltGr, and a global hot key
// on an AltGr combination takes that character ("€", "@") from every program.
#pragma once

#include <cstdint>
#include <string>

namespace quenby::os {

enum class HotKeyVerdict {
    usable,         // Ctrl+Alt on `virtualKey` types nothing: it can be a hot key
    notOnLayout,    // no key of the layout types the character
    typesCharacter, // Ctrl+Alt (AltGr) on the key types `typed`: taking it would steal that
};

struct HotKeyChoice {
    HotKeyVerdict verdict = HotKeyVerdict::notOnLayout;
    std::uint32_t virtualKey = 0; // the key, when the layout has one
    std::u16string typed;         // what Ctrl+Alt on the key types, for typesCharacter
};

// The key for a Ctrl+Alt hot key given as a character (the stored Latin-1 code),
// on the keyboard layout of the calling thread. Both cases of a letter give the
// letter's key. Where there are no global hot keys (the Linux face) every
// character is accepted as its own key.
HotKeyChoice ctrlAltHotKey(char16_t character);

} // namespace quenby::os
