// The engine's last recovery notice, where a watcher (`quenbyctl watch`) can
// read it.
//
// On Windows the notice is a balloon at the tray icon and nothing is published
// here. On Linux there is no notification area: the engine publishes the notice
// as a small file in the per-user runtime folder, which it replaces as a whole
// for each notice; watchers read it when they like. A file rather than a message
// to a watcher's window: any number of watchers see the same notice, the engine
// never waits for or depends on one, no new message or socket is opened to
// other processes, and the folder's protection (the user's own, 0700) already
// covers it.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace quenby::os {

struct RecoveryFeedback {
    // Tells one notice from the next, also across restarts of the engine.
    std::string stamp;
    std::u16string text;
};

// The longest notice kept, in UTF-16 code units (what a balloon holds); longer
// ones are cut.
inline constexpr std::size_t kMaxFeedbackChars = 255;

// Publishes the notice, replacing the one before; false when it could not be
// stored (or, on Windows, where nothing is published).
bool publishRecoveryFeedback(std::u16string_view text);

// The notice last published; none when there is none, or when what is there is
// not a notice that this user's engine wrote (a link, another owner, a file open
// to others, malformed or oversized content).
std::optional<RecoveryFeedback> lastRecoveryFeedback();

} // namespace quenby::os
