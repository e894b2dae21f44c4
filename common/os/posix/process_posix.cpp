#include "common/os/process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <initializer_list>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "common/os/posix/unique_fd.h"
#include "common/text.h"

extern char** environ;

namespace quenby::os {
namespace {

// Between fork and exec only async-signal-safe calls are allowed, since the
// caller may have other threads (the panel does). A failure there is reported to
// the caller as the errno value, through a pipe that exec closes.
[[noreturn]] void failInChild(int reportFd, int error)
{
    [[maybe_unused]] const ssize_t written = ::write(reportFd, &error, sizeof error);
    ::_exit(127);
}

// The started program: no streams of ours, default signal handling and an
// empty signal mask (a caller that ignores SIGPIPE or blocks SIGTERM must not
// pass that on), and none of our other descriptors beyond exec.
[[noreturn]] void becomeProgram(const char* file, char* const argv[], const char* folder, int reportFd)
{
    if (*folder != '\0' && ::chdir(folder) != 0)
        failInChild(reportFd, errno);
    sigset_t none;
    sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
    struct sigaction standard {};
    standard.sa_handler = SIG_DFL;
    for (int signal = 1; signal < NSIG; ++signal)
        ::sigaction(signal, &standard, nullptr); // refused for SIGKILL and SIGSTOP; harmless

    const int null = ::open("/dev/null", O_RDWR);
    if (null < 0)
        failInChild(reportFd, errno);
    for (int stream = 0; stream <= 2; ++stream) {
        if (::dup2(null, stream) < 0)
            failInChild(reportFd, errno);
    }
    if (null > 2)
        ::close(null);
    // Descriptors the caller left inheritable (a pipe whose reader waits for its
    // end, say) must not stay open for the whole life of the program. Older
    // kernels refuse the call; then they stay, as they would on any spawn.
    ::close_range(3, ~0U, CLOSE_RANGE_CLOEXEC);

    ::execve(file, argv, environ);
    failInChild(reportFd, errno);
}

} // namespace

std::u16string executableDirectory()
{
    std::string buffer(4096, '\0');
    const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    if (length <= 0)
        return u".";
    buffer.resize(static_cast<std::size_t>(length));
    const auto slash = buffer.rfind('/');
    if (slash == std::string::npos)
        return u".";
    return fromUtf8(slash == 0 ? std::string("/") : buffer.substr(0, slash));
}

char16_t pathSeparator()
{
    return u'/';
}

std::u16string engineFileName()
{
    return u"Quenbytray";
}

std::u16string panelFileName()
{
    return u"Quenby";
}

StartOutcome startProgram(const Launch& launch)
{
    const auto fail = [](int error, const std::string& why = {}) {
        const auto among = [error](std::initializer_list<int> codes) {
            return std::find(codes.begin(), codes.end(), error) != codes.end();
        };
        StartOutcome outcome;
        outcome.code = error;
        outcome.detail = why.empty() ? std::strerror(error) : why;
        outcome.failure = among({ENOENT, ENOTDIR, ELOOP, ENAMETOOLONG}) ? StartFailure::notFound
                          : among({EACCES, EPERM})                     ? StartFailure::accessDenied
                          : among({ENOEXEC, ELIBBAD, EISDIR})          ? StartFailure::notAProgram
                          : among({ENOMEM, EAGAIN, EMFILE, ENFILE})    ? StartFailure::noResources
                                                                       : StartFailure::other;
        return outcome;
    };
    std::string file = toUtf8(launch.program);
    if (file.empty())
        return fail(ENOENT, "no program named");
    // Everything the child needs is made before the fork: after it, nothing
    // may allocate.
    std::vector<std::string> arguments{file};
    for (const std::u16string& argument : launch.arguments)
        arguments.push_back(toUtf8(argument));
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    const std::string folder = toUtf8(launch.folder);

    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) != 0)
        return fail(errno);
    UniqueFd reportRead(ends[0]);
    UniqueFd reportWrite(ends[1]);

    // Two forks: the program is the grandchild, so that its parent is gone at
    // once and the system reaps it when it ends. A long-lived caller thus never
    // collects zombies, and the program is in a session of its own, out of reach
    // of our terminal's hang-up and Ctrl+C.
    const pid_t middle = ::fork();
    if (middle < 0)
        return fail(errno);
    if (middle == 0) {
        ::setsid();
        const pid_t program = ::fork();
        if (program < 0)
            failInChild(reportWrite.get(), errno);
        if (program > 0)
            ::_exit(0);
        becomeProgram(file.c_str(), argv.data(), folder.c_str(), reportWrite.get());
    }

    reportWrite.close();
    int status = 0;
    while (::waitpid(middle, &status, 0) < 0 && errno == EINTR) {
    }
    // End of file: exec succeeded and closed the pipe. Otherwise the errno of
    // whatever failed on the way.
    int error = 0;
    ssize_t got = 0;
    do {
        got = ::read(reportRead.get(), &error, sizeof error);
    } while (got < 0 && errno == EINTR);
    if (got == static_cast<ssize_t>(sizeof error))
        return fail(error);
    if (got != 0)
        return fail(EIO, "the program's start could not be confirmed");
    return {};
}

} // namespace quenby::os
