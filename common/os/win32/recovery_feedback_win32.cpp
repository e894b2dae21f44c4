// On Windows a recovery's notice is a balloon at the tray icon, shown by the
// shell; nothing is published for watchers.
#include "common/os/recovery_feedback.h"

namespace quenby::os {

bool publishRecoveryFeedback(std::u16string_view)
{
    return false;
}

std::optional<RecoveryFeedback> lastRecoveryFeedback()
{
    return std::nullopt;
}

} // namespace quenby::os
