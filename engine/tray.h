// The tray icon: what it shows, its tooltip, and the traffic with the shell.
#pragma once

#include <cstdint>
#include <string>

namespace quenby::engine {

// Sampler threads alive at most: one a second, each living about a second.
inline constexpr int kMaxSamplersAlive = 2;

// The body of a CPU sampler thread: one measurement of about a second, stored as
// the latest CPU usage; then the thread counts as finished.
void runCpuSampler();

// One sample for the icon: stores the free MB, free percent and CPU percent in the
// outputs, starts a new CPU sampler thread (unless two are still measuring), and
// returns the number the icon is to show for this mode (0: CPU; 1: free percent
// on machines above 1023 MB, else free MB; anything else: free MB).
std::int32_t sampleStatus(std::uint32_t mode, std::uint32_t& freeMB, std::uint32_t& freePercent,
                          std::int32_t& cpu);

// Samples, redraws the image when the number changed (or when forced), rebuilds
// the tooltip and adds, modifies or removes the icon as the settings say.
void updateTray(bool force);

// A notice at the icon; while the icon is not there, kept (the latest one) and
// given when the icon has been added.
void tellUser(const std::u16string& title, const std::u16string& text);

// Replaces the icon image for the current number when it changed or when forced.
void refreshTrayImage(bool recovering, std::uint16_t textColor, bool force);

// The three tooltip lines for these figures, cut to what the icon record holds.
std::u16string buildTooltip(std::uint32_t freeMB, std::uint32_t freePercent, std::int32_t cpu);


} // namespace quenby::engine
