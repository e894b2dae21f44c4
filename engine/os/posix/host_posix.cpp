#include "engine/os/posix/host_posix.h"

#include <poll.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <system_error>
#include <thread>

#include "common/identity.h"
#include "common/os/memory.h"
#include "common/os/windowlink.h"
#include "common/sampling.h"
#include "common/text.h"
#include "engine/engine.h"
#include "engine/engine_state.h"
#include "engine/strings.h"

namespace quenby::engine {
namespace {

constexpr std::size_t kBlockSize = 1 << 20;

// Recovery must never wake the out-of-memory killer: blocks are refused while
// less than this would stay available.
std::uint64_t safetyReserve(std::uint64_t totalBytes)
{
    return std::max<std::uint64_t>(std::uint64_t{256} << 20, totalBytes / 20);
}

// Available memory is read again after this many blocks: often enough that a
// pass stops well before the reserve, seldom enough to cost nothing.
constexpr unsigned kBlocksPerCheck = 16;

void note(const std::string& line)
{
    std::fprintf(stderr, "Quenbytray: %s\n", line.c_str());
}

} // namespace

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
}

PosixEngineHost::~PosixEngineHost()
{
    if (signalFd_ >= 0)
        close(signalFd_);
}

bool PosixEngineHost::engineWindowExists()
{
    return static_cast<bool>(os::findWindow(kEngineWindowClass, kEngineWindowTitle));
}

bool PosixEngineHost::createEngineWindow()
{
    window_ = std::make_unique<os::posix::Endpoint>(kEngineWindowClass, kEngineWindowTitle);
    if (window_->isOpen())
        return true;
    std::string reason;
    os::posix::runtimeFolder(&reason);
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
    return std::u16string(builtInString(id));
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

void PosixEngineHost::postToPanel(std::uint32_t message)
{
    os::postToWindow(panelWindowClass(), kPanelWindowTitle, message);
}

std::uint32_t PosixEngineHost::totalPhysicalMB()
{
    return quenby::totalPhysicalMB();
}

std::uint32_t PosixEngineHost::availablePhysicalMB()
{
    return quenby::availablePhysicalMB();
}

std::uint32_t PosixEngineHost::freeMemoryPercent()
{
    return quenby::freeMemoryPercent();
}

bool PosixEngineHost::startCpuSampler()
{
    try {
        std::thread([] { engineState().cpuUsage = measureCpuUsage(); }).detach();
        return true;
    } catch (const std::system_error&) {
        return false;
    }
}

void* PosixEngineHost::obtainBlock()
{
    if (blocksUntilCheck_ == 0) {
        os::MemoryStatus status;
        if (!os::queryMemoryStatus(status) ||
            status.availPhys < safetyReserve(status.totalPhys) + kBlocksPerCheck * kBlockSize)
            return nullptr; // checked again at the next request
        blocksUntilCheck_ = kBlocksPerCheck;
    }
    --blocksUntilCheck_;
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

bool PosixEngineHost::destroyTrayImage()
{
    return true;
}

void PosixEngineHost::renderTrayImage(bool, std::uint16_t, std::int32_t) {}

void PosixEngineHost::notifyTray(TrayAction action, const std::u16string& tooltip)
{
    if (action == TrayAction::add)
        note("tray icon added: " + toUtf8(tooltip));
    else if (action == TrayAction::remove)
        note("tray icon removed");
}

void PosixEngineHost::buildTrayMenu() {}

void PosixEngineHost::setMenuItemText(unsigned, const std::u16string&) {}

void PosixEngineHost::destroyTrayMenu() {}

void PosixEngineHost::registerHotKey(std::uint32_t virtualKey)
{
    if (virtualKey != 0)
        note("hot key Ctrl+Alt+" + std::to_string(virtualKey) + " (no global hot keys here)");
}

void PosixEngineHost::unregisterHotKeys() {}

} // namespace quenby::engine
