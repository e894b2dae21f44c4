#include "common/recovery_history.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <ctime>

namespace quenby {
namespace {

constexpr std::string_view kHeader = "# Quenby recovery history 1\n";
// A line as written is at most 68 characters; anything longer is not ours.
constexpr std::size_t kLineMax = 96;

constexpr std::array<std::string_view, 6> kTriggerWords = {"low-memory", "interval", "startup",
                                                           "menu",       "hot-key",  "request"};
constexpr std::array<std::string_view, 7> kOutcomeWords = {
    "ran", "busy-processor", "another-session", "full-screen", "protected-program", "resting", "enough-free"};

template <std::size_t N>
std::optional<std::size_t> wordIndex(const std::array<std::string_view, N>& words, std::string_view word)
{
    for (std::size_t i = 0; i < N; ++i) {
        if (words[i] == word)
            return i;
    }
    return std::nullopt;
}

// The next space-separated field of the line.
std::string_view nextField(std::string_view& line)
{
    const std::size_t end = std::min(line.find(' '), line.size());
    const std::string_view field = line.substr(0, end);
    line.remove_prefix(std::min(end + 1, line.size()));
    return field;
}

template <typename Number>
bool parseNumber(std::string_view field, Number& value)
{
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    return !field.empty() && error == std::errc() && end == field.data() + field.size();
}

std::optional<HistoryEntry> parseLine(std::string_view line)
{
    if (line.size() > kLineMax)
        return std::nullopt;
    HistoryEntry entry;
    if (!parseNumber(nextField(line), entry.time))
        return std::nullopt;
    const auto trigger = wordIndex(kTriggerWords, nextField(line));
    const auto outcome = wordIndex(kOutcomeWords, nextField(line));
    if (!trigger || !outcome || !parseNumber(nextField(line), entry.freeBeforeMB) ||
        !parseNumber(nextField(line), entry.freeAfterMB) || !parseNumber(nextField(line), entry.takenMB) ||
        !parseNumber(nextField(line), entry.tenthsOfSecond) || !line.empty())
        return std::nullopt;
    entry.trigger = static_cast<RecoveryTrigger>(*trigger);
    entry.refusal = static_cast<RecoveryRefusal>(*outcome);
    return entry;
}

std::string_view triggerInEnglish(RecoveryTrigger trigger)
{
    constexpr std::array<std::string_view, 6> words = {"low memory", "interval", "start-up",
                                                       "tray menu",  "hot key",  "request"};
    return words[static_cast<std::size_t>(trigger)];
}

std::string_view refusalInEnglish(RecoveryRefusal refusal)
{
    constexpr std::array<std::string_view, 7> words = {
        "",
        "the processor was busy",
        "another session was recovering",
        "a full-screen program had the screen",
        "a protected program was running",
        "the rule was resting after a recovery that did not help",
        "more than three quarters of the RAM was free",
    };
    return words[static_cast<std::size_t>(refusal)];
}

} // namespace

bool RecoveryHistory::add(const HistoryEntry& entry)
{
    if (entry.refusal != RecoveryRefusal::none) {
        const auto last = std::find_if(entries_.rbegin(), entries_.rend(),
                                       [&](const HistoryEntry& e) { return e.trigger == entry.trigger; });
        if (last != entries_.rend() && last->refusal == entry.refusal)
            return false;
    }
    entries_.push_back(entry);
    while (entries_.size() > kHistoryLimit)
        entries_.pop_front();
    return true;
}

void RecoveryHistory::assign(std::vector<HistoryEntry> entries)
{
    const std::size_t skip = entries.size() > kHistoryLimit ? entries.size() - kHistoryLimit : 0;
    entries_.assign(entries.begin() + static_cast<std::ptrdiff_t>(skip), entries.end());
}

std::string historyFileText(const std::deque<HistoryEntry>& entries)
{
    std::string text(kHeader);
    for (const HistoryEntry& e : entries) {
        text += std::to_string(e.time) + ' ';
        text += kTriggerWords[static_cast<std::size_t>(e.trigger)];
        text += ' ';
        text += kOutcomeWords[static_cast<std::size_t>(e.refusal)];
        text += ' ' + std::to_string(e.freeBeforeMB) + ' ' + std::to_string(e.freeAfterMB) + ' ' +
                std::to_string(e.takenMB) + ' ' + std::to_string(e.tenthsOfSecond) + '\n';
    }
    return text;
}

std::vector<HistoryEntry> parseHistoryFile(std::string_view text)
{
    if (text.size() > kHistoryFileMaxBytes || !text.starts_with(kHeader))
        return {};
    text.remove_prefix(kHeader.size());
    std::vector<HistoryEntry> entries;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        // A last line without its end was cut short while being written.
        if (end == std::string_view::npos || entries.size() == kHistoryLimit)
            return {};
        const auto entry = parseLine(text.substr(0, end));
        if (!entry)
            return {};
        entries.push_back(*entry);
        text.remove_prefix(end + 1);
    }
    return entries;
}

std::string describeInEnglish(const HistoryEntry& e)
{
    const std::time_t time = static_cast<std::time_t>(e.time);
    char when[32] = "?";
    if (const std::tm* local = std::localtime(&time))
        std::strftime(when, sizeof when, "%Y-%m-%d %H:%M:%S", local);
    std::string line = std::string(when) + "  " + std::string(triggerInEnglish(e.trigger)) + ": ";
    if (e.refusal != RecoveryRefusal::none)
        return line + "did not run, " + std::string(refusalInEnglish(e.refusal)) + " (free RAM " +
               std::to_string(e.freeBeforeMB) + " MB)";
    return line + "took " + std::to_string(e.takenMB) + " MB in " + std::to_string(e.tenthsOfSecond / 10) + '.' +
           std::to_string(e.tenthsOfSecond % 10) + " s, free RAM " + std::to_string(e.freeBeforeMB) + " MB before, " +
           std::to_string(e.freeAfterMB) + " MB after";
}

} // namespace quenby
