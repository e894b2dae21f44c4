#include "engine/os/posix/host_posix.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstdio>
#include <system_error>
#include <thread>

#include "common/identity.h"
#include "common/os/memory.h"
#include "common/os/process.h"
#include "common/os/windowlink.h"
#include "common/text.h"
#include "engine/engine.h"
#include "engine/engine_state.h"
#include "engine/strings.h"
#include "engine/tray.h"

namespace quenby::engine {
namespace {

constexpr std::size_t kBlockSize = std::size_t{1} << 20;

// The system's error code for a request this platform does not carry out.
constexpr std::uint32_t kNotSupported = 50; // ERROR_NOT_SUPPORTED

} // namespace

void note(const std::string& line)
{
    std::fprintf(stderr, "Quenbytray: %s\n", line.c_str());
}

PosixEngineHost::PosixEngineHost()
{
    // SIGINT and SIGTERM end the engine the way WM_CLOSE does, through the loop.
    // Blocked here, before any sampler thread exists, so that every thread
    // inherits the mask and the signals arrive only through the descriptor.
    sigset_t ending;
    sigemptyset(&ending);
    sigaddset(&ending, SIGINT);
    sigaddset(&ending, SIGTERM);
    sigaddset(&ending, SIGHUP);
    pthread_sigmask(SIG_BLOCK, &ending, nullptr);
    signalFd_ = signalfd(-1, &ending, SFD_CLOEXEC | SFD_NONBLOCK);
    signal(SIGPIPE, SIG_IGN);
    // Panels started from the tray are not waited for: let the system reap them.
    signal(SIGCHLD, SIG_IGN);
}

PosixEngineHost::~PosixEngineHost()
{
    if (signalFd_ >= 0)
        close(signalFd_);
}

bool PosixEngineHost::claimEngineLock()
{
    // No lock to be had (no runtime folder: creating the window will say why):
    // the window check alone decides, as it did before there was a lock.
    engineLock_.emplace(kEngineLockName);
    return engineLock_->tryTake() != os::SessionLock::State::heldElsewhere;
}

bool PosixEngineHost::createEngineWindow()
{
    window_ = std::make_unique<os::posix::Endpoint>(kEngineWindowClass, kEngineWindowTitle);
    if (window_->isOpen())
        return true;
    const std::string reason = os::posix::openRuntimeFolder().refusal;
    note("cannot open the engine window" + (reason.empty() ? std::string() : ": " + reason));
    window_.reset();
    return false;
}

void PosixEngineHost::outputDebugString(std::u16string_view text)
{
    note(toUtf8(text));
}

int PosixEngineHost::runMessageLoop()
{
    while (!quit_) {
        pollfd fds[2] = {{window_ ? window_->fd() : -1, POLLIN, 0}, {signalFd_, POLLIN, 0}};
        const int ready = poll(fds, 2, pollTimeout());
        if (ready > 0 && (fds[1].revents & POLLIN)) {
            signalfd_siginfo info{};
            while (read(signalFd_, &info, sizeof info) == sizeof info) {
            }
            dispatch({kCloseMessage, 0, 0});
        }
        // Posted messages come before timer ticks, as in a Windows message queue.
        while (!quit_ && window_) {
            const auto message = window_->receive();
            if (!message)
                break;
            dispatch(*message);
        }
        if (!quit_)
            runDueTimers();
    }
    return quitCode_;
}

void PosixEngineHost::dispatch(const os::posix::PostedMessage& message)
{
    if (message.message == kCloseMessage) {
        // Default processing destroys the window, and its end ends the loop.
        window_.reset();
        postQuit(0);
        return;
    }
    handleEngineMessage(message.message, message.wParam, message.lParam);
}

void PosixEngineHost::runDueTimers()
{
    for (const TimerId id : {TimerId::periodic, TimerId::startup}) {
        auto timer = timers_.find(id);
        if (timer == timers_.end() || Clock::now() < timer->second.due)
            continue;
        const Timer fired = timer->second;
        timer->second.due = fired.due + fired.period;
        fired.callback();
        if (quit_)
            return;
        // A tick that fell due while the callback ran (a recovery can take long)
        // is delivered once, promptly; the rest do not pile up.
        timer = timers_.find(id);
        if (timer != timers_.end() && timer->second.due < Clock::now())
            timer->second.due = Clock::now();
    }
}

int PosixEngineHost::pollTimeout() const
{
    if (timers_.empty())
        return -1;
    Clock::time_point next = Clock::time_point::max();
    for (const auto& [id, timer] : timers_)
        next = std::min(next, timer.due);
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(next - Clock::now());
    return static_cast<int>(std::clamp<long long>(wait.count(), 0, 60'000));
}

void PosixEngineHost::postQuit(int code)
{
    quit_ = true;
    quitCode_ = code;
}

std::u16string PosixEngineHost::loadString(unsigned id)
{
    // The language of messages as POSIX finds it: LC_ALL, then LC_MESSAGES,
    // then LANG, the first that is set and not empty.
    std::string_view locale;
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value && *value) {
            locale = value;
            break;
        }
    }
    return std::u16string(translatedString(id, tableLanguageForLocale(locale)));
}

void PosixEngineHost::setTimer(TimerId id, unsigned milliseconds, TimerCallback callback)
{
    const std::chrono::milliseconds period(std::max(milliseconds, 10u));
    timers_[id] = Timer{period, Clock::now() + period, callback};
}

void PosixEngineHost::killTimer(TimerId id)
{
    timers_.erase(id);
}

bool PosixEngineHost::startCpuSampler()
{
    try {
        std::thread(runCpuSampler).detach();
        return true;
    } catch (const std::system_error&) {
        return false;
    }
}

void* PosixEngineHost::obtainBlock()
{
    // Our own mapping, committed by the kernel in one call: faster than touching
    // each page, and never served from heap memory that is already resident.
    void* block = mmap(nullptr, kBlockSize, PROT_READ | PROT_WRITE,
                       MAP_PRIVATE | MAP_ANONYMOUS | MAP_POPULATE, -1, 0);
    return block == MAP_FAILED ? nullptr : block;
}

void PosixEngineHost::releaseBlock(void* block)
{
    munmap(block, kBlockSize);
}

void PosixEngineHost::playSound(const std::u16string& sound)
{
    note("alarm sound " + toUtf8(sound));
}

void PosixEngineHost::clearClipboard()
{
    note("clipboard cleared");
}

TrayShell& PosixEngineHost::tray()
{
    return tray_;
}

bool PosixEngineHost::registerHotKey(std::uint32_t virtualKey)
{
    note("hot key Ctrl+Alt+" + std::to_string(virtualKey) + " (no global hot keys here)");
    return true;
}

void PosixEngineHost::unregisterHotKeys() {}

// Nobody can be asked here, and a development machine must never be restarted
// or suspended by a stray command: every question is answered No.
bool PosixEngineHost::confirm(const std::u16string& text, const std::u16string& caption)
{
    note(toUtf8(caption) + ": " + toUtf8(text) + " (answered No)");
    return false;
}

void PosixEngineHost::showError(const std::u16string& text, const std::u16string& caption)
{
    note(toUtf8(caption) + ": " + toUtf8(text));
}

void PosixEngineHost::inform(const std::u16string& text, const std::u16string& caption)
{
    showError(text, caption); // both are a line in the log here
}

std::uint32_t PosixEngineHost::setShutdownPrivilege(bool)
{
    return 1627; // there is no such privilege to adjust here
}

// Never reached while every question is answered No; should it be, the request
// is refused as one this platform does not carry out.
std::uint32_t PosixEngineHost::exitWindows(std::uint32_t flags, std::uint32_t)
{
    note("power request " + std::to_string(flags) + " not carried out on this platform");
    return kNotSupported;
}

std::uint32_t PosixEngineHost::suspend()
{
    note("suspend request not carried out on this platform");
    return kNotSupported;
}

std::u16string PosixEngineHost::errorText(std::uint32_t)
{
    return {}; // the code alone is said
}

std::uint32_t PosixEngineHost::startProcess(const LaunchRequest& request)
{
    // The launcher every program of ours uses: the panel starts with default
    // signals and streams of its own, not the engine's ignored SIGPIPE and
    // its log.
    const os::StartOutcome outcome = os::startProgram(
        {.program = request.program, .arguments = {request.argument}, .folder = request.workingDirectory});
    return outcome.started() ? 0 : static_cast<std::uint32_t>(outcome.code);
}

} // namespace quenby::engine
