// The automatic recovery policy: once a second, and once after start-up.
#pragma once

namespace quenby::engine {

// Every second: refresh the icon (and the free-RAM figure); then, while the
// optimizer is enabled and less than the ceiling is free, recover when free RAM
// is below both the minimum and the target, or when the interval has passed.
void onPeriodicTimer();

// Once, the configured delay after start-up, whether or not the optimizer is enabled.
void onStartupTimer();

} // namespace quenby::engine
