#include "common/os/keyboard.h"

namespace quenby::os {

// The Linux face has no global hot keys (its host only logs them), so there is
// no layout to ask and nothing that could be taken from another program.
HotKeyChoice ctrlAltHotKey(char16_t character)
{
    return {HotKeyVerdict::usable, character, {}};
}

} // namespace quenby::os
