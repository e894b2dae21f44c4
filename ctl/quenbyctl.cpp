// quenbyctl: the command-line client of Quenby. It talks to the engine and to the
// stored settings exactly as the control panel does, for scripts, tests and
// machines without a desktop.
//
//   quenbyctl recover MB        ask the engine to recover MB megabytes beyond what
//                               is free now (MB: 1 to 4294967295)
//   quenbyctl enable            switch the optimizer on; starts the engine if it is
//                               not running
//   quenbyctl disable           switch the optimizer off
//   quenbyctl close             end the engine
//   quenbyctl status            whether the engine runs, the live figures (takes
//                               one second) and every stored setting
//   quenbyctl watch [SECONDS]   print total and available RAM, the free share and
//                               the CPU usage once a second (for ever, or SECONDS times),
//                               and the engine's notice after each recovery that
//                               ran (the setting NotifyRecovery; Linux)
//   quenbyctl history           what the latest recoveries did and why others did
//                               not run, one line each, newest last
//   quenbyctl --help            this text
//
// Exit codes:
//   0  done
//   2  bad usage or a bad argument
//   3  the engine is not running (recover, close), or it is but did not take
//      the message (any command that posts one)
//   4  the engine could not be started (enable)
//   5  the setting could not be stored (enable, disable)
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <variant>

#include "common/engine_link.h"
#include "common/identity.h"
#include "common/os/process.h"
#include "common/os/recovery_feedback.h"
#include "common/os/registry.h"
#include "common/os/user_file.h"
#include "common/recovery_history.h"
#include "common/os/windowlink.h"
#include "common/sampling.h"
#include "common/settings.h"
#include "common/text.h"

namespace {

using namespace quenby;

constexpr int kDone = 0;
constexpr int kBadUsage = 2;
constexpr int kNotRunning = 3;
constexpr int kCannotStart = 4;
constexpr int kCannotStore = 5;

constexpr const char* kUsage =
    "usage: quenbyctl COMMAND\n"
    "  recover MB        recover MB megabytes beyond what is free now (1 to 4294967295)\n"
    "  enable            switch the optimizer on; start the engine if it is not running\n"
    "  disable           switch the optimizer off\n"
    "  close             end the engine\n"
    "  status            engine, live figures and every stored setting\n"
    "  watch [SECONDS]   live figures once a second (for ever, or SECONDS times),\n"
    "                    and the engine's recovery notices as they come\n"
    "  history           the latest recoveries and refusals, newest last\n"
    "exit codes: 0 done, 2 bad usage, 3 engine not running, 4 engine not started,\n"
    "            5 setting not stored\n";

// With a problem named, one line about it; without, the whole usage.
int badUsage(const std::string& problem = {})
{
    if (problem.empty())
        std::fputs(kUsage, stderr);
    else
        std::fprintf(stderr, "quenbyctl: %s (see quenbyctl --help)\n", problem.c_str());
    return kBadUsage;
}

int notRunning()
{
    std::fprintf(stderr, "quenbyctl: the engine is not running\n");
    return kNotRunning;
}

// A whole number from 1 to `maximum`, in plain decimal digits: no sign, no
// spaces, nothing after it.
bool parseWhole(std::string_view text, std::uint64_t maximum, std::uint64_t& value)
{
    if (text.empty() || text.size() > 20)
        return false;
    value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return false;
        const std::uint64_t digit = static_cast<std::uint64_t>(c - '0');
        if (value > (maximum - digit) / 10)
            return false;
        value = value * 10 + digit;
    }
    return value > 0;
}

std::uint32_t messageNumber(Message which)
{
    return os::registerMessage(messageName(which));
}

// The settings as the panel sees them: the interval in minutes, the engine's
// path and the start-with-Windows entry worked out.
Settings panelSettings(os::Registry& registry)
{
    Settings settings;
    readSettings(registry, settings, totalPhysicalMB(), Deliverable::panel, {},
                 &os::localMachineRegistry());
    return settings;
}

int recover(std::string_view amount)
{
    std::uint64_t megabytes = 0;
    if (!parseWhole(amount, UINT32_MAX, megabytes))
        return badUsage("recover takes a whole number of MB from 1 to 4294967295, not '" +
                        std::string(amount) + "'");
    if (!engineWindow())
        return notRunning();
    if (!postToEngine(messageNumber(Message::StartDefragRAM), megabytes)) {
        std::fprintf(stderr, "quenbyctl: the engine did not take the request\n");
        return kNotRunning;
    }
    std::printf("asked the engine to recover %llu MB\n", static_cast<unsigned long long>(megabytes));
    return kDone;
}

int setState(bool enable)
{
    os::Registry& registry = os::currentUserRegistry();
    Settings settings = panelSettings(registry);
    const SwitchOutcome outcome = switchOptimizer(registry, settings, enable, [](const std::u16string& path) {
        return os::startProgram({.program = path});
    });
    const std::string path = toUtf8(settings.enginePath);
    switch (outcome.switched) {
    case Switched::notStored:
        std::fprintf(stderr, "quenbyctl: the setting could not be stored\n");
        return kCannotStore;
    case Switched::told:
        std::printf("stored; the engine was told\n");
        return kDone;
    case Switched::notTold:
        std::fprintf(stderr, "quenbyctl: stored, but the engine did not take the message\n");
        return kNotRunning;
    case Switched::noEngine:
        std::printf("stored; the engine is not running\n");
        return kDone;
    case Switched::started:
        std::printf("stored; the engine was started (%s)\n", path.c_str());
        return kDone;
    case Switched::notStarted:
        break;
    }
    std::fprintf(stderr, "quenbyctl: the engine could not be started (%s): %s\n", path.c_str(),
                 outcome.start.detail.c_str());
    return kCannotStart;
}

int closeEngine()
{
    if (!engineWindow())
        return notRunning();
    if (!postToEngine(kCloseMessage, 0)) {
        std::fprintf(stderr, "quenbyctl: the engine did not take the request\n");
        return kNotRunning;
    }
    std::printf("asked the engine to end\n");
    return kDone;
}

int status()
{
    std::printf("Engine: %s\n", engineWindow() ? "running" : "not running");
    std::printf("Total RAM: %u MB\n", totalPhysicalMB());
    std::printf("Available RAM: %u MB (%u%% free)\n", availablePhysicalMB(), freeMemoryPercent());
    std::fflush(stdout);
    const double cpu = measureCpuUsage();
    if (cpu == kNoCpuSample)
        std::printf("CPU usage: unknown\n");
    else
        std::printf("CPU usage: %d%%\n", static_cast<int>(cpu));

    // A value that an administrator's policy sets says so at the end of its line.
    const Settings settings = panelSettings(os::currentUserRegistry());
    const auto mark = [&](std::u16string_view name) {
        return setByPolicy(settings, name) ? " (set by policy)" : "";
    };
    for (const SettingField& field : kSettingsSchema) {
        const std::string name = toUtf8(field.name);
        if (const auto* text = std::get_if<std::u16string Settings::*>(&field.field))
            std::printf("%s: %s%s\n", name.c_str(), toUtf8(settings.*(*text)).c_str(), mark(field.name));
        else
            std::printf("%s: %u%s\n", name.c_str(), numericValue(settings, field), mark(field.name));
    }
    // Read by the panel's rule: what Windows will do at logon, Task Manager's
    // switch included.
    std::printf("startWithWindows: %d%s%s\n", settings.startWithWindows ? 1 : 0,
                mark(kStartWithWindowsPolicy),
                settings.startedByMachine ? " (machine-wide entry)" : "");
    std::printf("enginePath: %s\n", toUtf8(settings.enginePath).c_str());
    return kDone;
}

// The stamp of the engine's latest recovery notice; empty when there is none.
std::string feedbackStamp(const std::optional<os::RecoveryFeedback>& feedback)
{
    return feedback ? feedback->stamp : std::string();
}

// Each line takes one second: the CPU figure is the usage over that second. A
// recovery notice that the engine published since the last line (or since the
// watch began: an older one is not news) follows on a line of its own.
int watch(std::uint64_t count)
{
    std::string seen = feedbackStamp(os::lastRecoveryFeedback());
    for (std::uint64_t i = 0; count == 0 || i < count; ++i) {
        const unsigned total = totalPhysicalMB();
        const unsigned available = availablePhysicalMB();
        const unsigned freePercent = freeMemoryPercent();
        const int cpu = static_cast<int>(measureCpuUsage());
        std::printf("Total RAM: %uMB  Available RAM: %uMB (%u%%)  CPU Usages: %d%%\n", total,
                    available, freePercent, cpu);
        const auto feedback = os::lastRecoveryFeedback();
        if (feedback && feedback->stamp != seen) {
            seen = feedback->stamp;
            std::printf("%s\n", toUtf8(feedback->text).c_str());
        }
        std::fflush(stdout);
    }
    return kDone;
}

// The engine's history file as it stands; a missing or damaged one is an empty
// history, which is said in words.
int history()
{
    const auto file = os::readUserFile(kHistoryFileName, kHistoryFileMaxBytes);
    const std::vector<HistoryEntry> entries = file ? parseHistoryFile(*file) : std::vector<HistoryEntry>{};
    if (entries.empty())
        std::printf("No recovery yet.\n");
    for (const HistoryEntry& entry : entries)
        std::printf("%s\n", describeInEnglish(entry).c_str());
    return kDone;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return badUsage();
    const std::string_view command = argv[1];
    const int extra = argc - 2; // arguments after the command

    if (command == "--help" || command == "-h" || command == "help") {
        std::fputs(kUsage, stdout);
        return kDone;
    }
    if (command == "recover") {
        if (extra != 1)
            return badUsage("recover takes one argument: the MB to recover");
        return recover(argv[2]);
    }
    if (command == "watch") {
        std::uint64_t count = 0;
        if (extra > 1 || (extra == 1 && !parseWhole(argv[2], UINT32_MAX, count)))
            return badUsage("watch takes at most one argument: a whole number of seconds");
        return watch(count);
    }
    if (extra != 0)
        return badUsage(std::string(command) + " takes no arguments");
    if (command == "enable")
        return setState(true);
    if (command == "disable")
        return setState(false);
    if (command == "close")
        return closeEngine();
    if (command == "status")
        return status();
    if (command == "history")
        return history();
    return badUsage("unknown command '" + std::string(command) + "'");
}
