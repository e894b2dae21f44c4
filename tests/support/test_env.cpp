#include "tests/support/test_env.h"

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <map>
#include <random>
#include <system_error>
#include <thread>

#ifndef _WIN32
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;
#endif

namespace quenby::test {
namespace {

std::map<std::string, ChildRole::Main>& roles()
{
    static std::map<std::string, ChildRole::Main> table;
    return table;
}

std::string& selfPathStore()
{
    static std::string path;
    return path;
}

void setVariable(const char* name, const char* value)
{
#ifdef _WIN32
    std::string entry = std::string(name) + "=" + (value ? value : "");
    _putenv(entry.c_str());
#else
    if (value)
        setenv(name, value, 1);
    else
        unsetenv(name);
#endif
}

#ifndef _WIN32
// In the child between fork and exec: only async-signal-safe calls.
void writeText(int fd, const char* text)
{
    [[maybe_unused]] const ssize_t written = ::write(fd, text, std::strlen(text));
}

void joinGroupOrExit(const char* procsFile)
{
    char reversed[24];
    int length = 0;
    for (pid_t pid = ::getpid(); pid > 0; pid /= 10)
        reversed[length++] = static_cast<char>('0' + pid % 10);
    char digits[24];
    for (int i = 0; i < length; ++i)
        digits[i] = reversed[length - 1 - i];
    const int fd = ::open(procsFile, O_WRONLY | O_CLOEXEC);
    if (fd < 0 || ::write(fd, digits, static_cast<std::size_t>(length)) != length) {
        writeText(2, "test child: cannot join the memory cgroup\n");
        ::_exit(121);
    }
    ::close(fd);
}
#endif

} // namespace

TempDir::TempDir()
{
    static std::atomic<unsigned> serial{0};
    std::random_device device;
    const auto base = std::filesystem::temp_directory_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        auto candidate = base / ("quenby-test-" + std::to_string(device()) + "-" +
                                 std::to_string(serial++));
        std::error_code error;
        if (std::filesystem::create_directory(candidate, error)) {
            path_ = candidate;
            return;
        }
    }
    std::abort();
}

TempDir::~TempDir()
{
    std::error_code error;
    std::filesystem::remove_all(path_, error);
}

ScopedEnv::ScopedEnv(const char* name, const char* value) : name_(name)
{
    if (const char* old = std::getenv(name)) {
        hadOld_ = true;
        old_ = old;
    }
    setVariable(name, value);
}

ScopedEnv::~ScopedEnv()
{
    setVariable(name_.c_str(), hadOld_ ? old_.c_str() : nullptr);
}

ChildRole::ChildRole(const char* name, Main main)
{
    roles()[name] = main;
}

std::string selfPath()
{
    return selfPathStore();
}

bool runChildRole(int argc, char** argv, int& exitCode)
{
    if (argc > 0)
        selfPathStore() = std::filesystem::absolute(argv[0]).string();
    static const char prefix[] = "--quenby-child=";
    if (argc < 2 || std::strncmp(argv[1], prefix, sizeof prefix - 1) != 0)
        return false;
    const auto found = roles().find(argv[1] + sizeof prefix - 1);
    if (found == roles().end()) {
        exitCode = 100;
        return true;
    }
    exitCode = found->second(argc - 2, argv + 2);
    return true;
}

#ifndef _WIN32
int exitCodeOf(int status)
{
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

Process::Process(std::vector<std::string> argv, const std::string& cgroupProcs,
                 std::uint64_t addressSpaceMB)
{
    int outEnds[2];
    int errEnds[2];
    if (::pipe2(outEnds, O_CLOEXEC) != 0)
        return;
    Fd outRead(outEnds[0]), outWrite(outEnds[1]);
    if (::pipe2(errEnds, O_CLOEXEC) != 0)
        return;
    Fd errRead(errEnds[0]), errWrite(errEnds[1]);
    Fd null(::open("/dev/null", O_RDONLY | O_CLOEXEC));
    if (!null.valid() || argv.empty())
        return;

    std::vector<char*> args;
    for (auto& arg : argv)
        args.push_back(arg.data());
    args.push_back(nullptr);
    const char* procs = cgroupProcs.empty() ? nullptr : cgroupProcs.c_str();
    const rlimit addressSpace{addressSpaceMB << 20, addressSpaceMB << 20};
    const pid_t parent = ::getpid();

    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(null.get(), 0);
        ::dup2(outWrite.get(), 1);
        ::dup2(errWrite.get(), 2);
        // A suite that crashes or is killed must not leave its programs behind.
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (::getppid() != parent)
            ::_exit(126);
        if (addressSpaceMB != 0 && ::setrlimit(RLIMIT_AS, &addressSpace) != 0) {
            writeText(2, "test child: cannot cap the address space\n");
            ::_exit(122);
        }
        if (procs)
            joinGroupOrExit(procs);
        ::execve(args[0], args.data(), environ);
        writeText(2, "test child: exec failed\n");
        ::_exit(127);
    }
    if (pid < 0)
        return;
    pid_ = pid;
    out_.fd = std::move(outRead);
    err_.fd = std::move(errRead);
}

Process::~Process()
{
    kill();
}

void Process::reapIfEnded(bool block)
{
    if (pid_ <= 0 || exited_)
        return;
    int status = 0;
    pid_t done = 0;
    do {
        done = ::waitpid(pid_, &status, block ? 0 : WNOHANG);
    } while (done < 0 && errno == EINTR);
    if (done == pid_) {
        exited_ = true;
        exitCode_ = exitCodeOf(status);
    }
}

bool Process::running()
{
    reapIfEnded(false);
    return pid_ > 0 && !exited_;
}

bool Process::pump(int timeoutMs)
{
    pollfd fds[2];
    Stream* streams[2];
    nfds_t count = 0;
    for (Stream* stream : {&out_, &err_}) {
        if (stream->fd.valid()) {
            fds[count] = {stream->fd.get(), POLLIN, 0};
            streams[count++] = stream;
        }
    }
    if (count == 0) {
        if (timeoutMs > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(std::min(timeoutMs, 20)));
        return false;
    }
    if (::poll(fds, count, timeoutMs) <= 0)
        return false;
    bool progress = false;
    for (nfds_t i = 0; i < count; ++i) {
        if (!(fds[i].revents & (POLLIN | POLLHUP | POLLERR)))
            continue;
        char chunk[4096];
        const ssize_t got = ::read(fds[i].fd, chunk, sizeof chunk);
        if (got > 0)
            streams[i]->text.append(chunk, static_cast<std::size_t>(got));
        else if (got == 0 || errno != EINTR)
            streams[i]->fd.close();
        progress = true;
    }
    return progress;
}

bool Process::waitFor(Stream& stream, std::string_view text, int timeoutMs)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        const auto found = stream.text.find(text, stream.matched);
        if (found != std::string::npos) {
            stream.matched = found + text.size();
            return true;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                              deadline - std::chrono::steady_clock::now())
                              .count();
        if (left <= 0)
            return false;
        if (!stream.fd.valid() && !running())
            return false; // nothing more will come
        pump(static_cast<int>(std::min<long long>(left, 50)));
    }
}

std::string Process::nextLine(int timeoutMs)
{
    const std::size_t start = out_.matched;
    if (!waitFor(out_, "\n", timeoutMs))
        return {};
    return out_.text.substr(start, out_.matched - 1 - start);
}

bool Process::waitForError(std::string_view text, int timeoutMs)
{
    return waitFor(err_, text, timeoutMs);
}

bool Process::waitForOutput(std::string_view text, int timeoutMs)
{
    return waitFor(out_, text, timeoutMs);
}

int Process::waitExit(int timeoutMs)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        reapIfEnded(false);
        if (exited_) {
            // What it wrote before it ended is still in the pipes.
            while (pump(0)) {
            }
            return exitCode_;
        }
        if (pid_ <= 0 || std::chrono::steady_clock::now() > deadline)
            return -1;
        pump(20);
    }
}

bool Process::signal(int number)
{
    return running() && ::kill(pid_, number) == 0;
}

void Process::kill()
{
    if (pid_ > 0 && !exited_) {
        ::kill(pid_, SIGKILL);
        reapIfEnded(true);
    }
}
#endif

} // namespace quenby::test
