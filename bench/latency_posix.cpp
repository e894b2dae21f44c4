// The message path on Linux, measured against a real engine process:
//  - a post of "WM_UPDATEDATAMESSAGE" until the engine has reloaded its
//    settings, redrawn the icon and registered its hot keys again. The last
//    thing a reload does is register the second hot key, which the Linux host
//    reports on stderr ("hot key Ctrl+Alt+<key>"): that line is the end.
//  - reading the settings file of typical size in this process (readSettings
//    over the current user's registry), as the engine does on every reload.
//
//   quenby_bench_latency PATH-TO-Quenbytray [POSTS [READS]]   (defaults 200, 2000)
//
// XDG_CONFIG_HOME and XDG_RUNTIME_DIR must point at private folders: the
// settings written here replace whatever is stored there.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "bench/bench_stats.h"
#include "common/identity.h"
#include "common/os/memory.h"
#include "common/os/registry.h"
#include "common/os/windowlink.h"
#include "common/settings.h"

using namespace quenby;
using quenby::bench::Clock;

namespace {

// The keys whose registration closes a reload: Ctrl+Alt+F and Ctrl+Alt+E.
constexpr std::uint32_t kFirstKey = 70;
constexpr std::uint32_t kLastKey = 69;

pid_t g_engine = -1;

void endEngine()
{
    if (g_engine > 0) {
        kill(g_engine, SIGTERM);
        int status = 0;
        for (int i = 0; i < 100 && waitpid(g_engine, &status, WNOHANG) == 0; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        if (waitpid(g_engine, &status, WNOHANG) == 0) {
            kill(g_engine, SIGKILL);
            waitpid(g_engine, &status, 0);
        }
        g_engine = -1;
    }
}

// Lines of the engine's stderr, read as they come.
class LineReader {
public:
    explicit LineReader(int fd) : fd_(fd) {}

    // Waits up to `timeoutMs` for a line containing `needle`; false on timeout or end.
    bool waitFor(const std::string& needle, int timeoutMs)
    {
        const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
        for (;;) {
            std::size_t end;
            while ((end = buffer_.find('\n')) != std::string::npos) {
                const std::string line = buffer_.substr(0, end);
                buffer_.erase(0, end + 1);
                if (line.find(needle) != std::string::npos)
                    return true;
            }
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
            if (left <= 0)
                return false;
            pollfd p{fd_, POLLIN, 0};
            if (poll(&p, 1, static_cast<int>(left)) <= 0)
                continue;
            char chunk[4096];
            const ssize_t n = read(fd_, chunk, sizeof chunk);
            if (n <= 0)
                return false;
            buffer_.append(chunk, static_cast<std::size_t>(n));
        }
    }

private:
    int fd_;
    std::string buffer_;
};

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PATH-TO-Quenbytray [POSTS [READS]]\n", argv[0]);
        return 2;
    }
    const int posts = argc > 2 ? std::atoi(argv[2]) : 200;
    const int reads = argc > 3 ? std::atoi(argv[3]) : 2000;
    if (!std::getenv("XDG_CONFIG_HOME") || !std::getenv("XDG_RUNTIME_DIR")) {
        std::fprintf(stderr, "latency bench: set XDG_CONFIG_HOME and XDG_RUNTIME_DIR to private folders\n");
        return 2;
    }

    // Settings of typical size: every value, as the panel's Save writes them.
    os::MemoryStatus memory;
    os::queryMemoryStatus(memory);
    const auto totalMB = static_cast<std::uint32_t>(memory.totalPhys >> 20);
    os::Registry& registry = os::currentUserRegistry();
    Settings settings;
    readSettings(registry, settings, totalMB, Deliverable::panel);
    settings.Hotkey1 = kFirstKey;
    settings.Hotkey2 = kLastKey;
    if (!writeSettings(registry, settings)) {
        std::fprintf(stderr, "latency bench: the settings could not be written\n");
        return 1;
    }
    const std::string file = std::string(std::getenv("XDG_CONFIG_HOME")) + "/quenby/registry.reg";
    struct stat info{};
    const long long fileSize = stat(file.c_str(), &info) == 0 ? static_cast<long long>(info.st_size) : -1;

    // Reading the settings, in this process.
    std::vector<double> readMicros;
    for (int i = 0; i < reads; ++i) {
        Settings read;
        const auto start = Clock::now();
        readSettings(registry, read, totalMB, Deliverable::engine);
        readMicros.push_back(bench::secondsSince(start) * 1e6);
    }
    const bench::Summary r = bench::summarize(readMicros);
    std::printf("settings read (%lld-byte file, %d reads): median %.0f us  p99 %.0f us  min %.0f  max %.0f\n",
                fileSize, reads, r.median, r.p99, r.min, r.max);
    std::printf("RESULT settings.read median=%.0f p99=%.0f bytes=%lld\n", r.median, r.p99, fileSize);

    // The engine, with its stderr on a pipe.
    int pipeFds[2];
    if (pipe2(pipeFds, O_CLOEXEC) != 0)
        return 1;
    g_engine = fork();
    if (g_engine == 0) {
        dup2(pipeFds[1], STDERR_FILENO);
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        execl(argv[1], argv[1], static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipeFds[1]);
    if (g_engine < 0)
        return 1;
    LineReader lines(pipeFds[0]);
    const std::string lastLine = "Ctrl+Alt+" + std::to_string(kLastKey);
    if (!lines.waitFor(lastLine, 10000)) {
        std::fprintf(stderr, "latency bench: the engine did not start\n");
        endEngine();
        return 1;
    }

    const std::uint32_t message = os::registerMessage(u"WM_UPDATEDATAMESSAGE");
    const os::WindowRef window = os::findWindow(kEngineWindowClass, kEngineWindowTitle);
    if (!window) {
        std::fprintf(stderr, "latency bench: no engine window\n");
        endEngine();
        return 1;
    }
    std::vector<double> micros;
    for (int i = 0; i < posts; ++i) {
        const auto start = Clock::now();
        if (!os::postMessage(window, message, 0, 0) || !lines.waitFor(lastLine, 5000)) {
            std::fprintf(stderr, "latency bench: post %d got no reload\n", i);
            endEngine();
            return 1;
        }
        micros.push_back(bench::secondsSince(start) * 1e6);
        // Spread over the engine's second, so some posts meet its periodic tick.
        std::this_thread::sleep_for(std::chrono::milliseconds(7));
    }
    endEngine();
    close(pipeFds[0]);

    const bench::Summary l = bench::summarize(micros);
    std::printf("WM_UPDATEDATAMESSAGE to reloaded and redrawn (%d posts): median %.0f us  p99 %.0f us  min %.0f  max %.0f\n",
                posts, l.median, l.p99, l.min, l.max);
    std::printf("RESULT update.latency median=%.0f p99=%.0f min=%.0f max=%.0f\n", l.median, l.p99, l.min, l.max);
    return 0;
}
