// The engine's last recovery notice as the file "recovery-feedback" in the
// per-user runtime folder:
//
//   QNBY-FEEDBACK <stamp>
//   <the notice, UTF-8>
//
// The engine writes a fresh file beside it and renames it over the old one, so
// a reader sees the old notice or the new one, never a mixture. The stamp (the
// engine's pid, a count of its notices and the time) tells watchers that a new
// notice came. A reader takes the file only when it is a regular file of this
// user, open to nobody else, small, and well formed; a symbolic link is not
// followed.
#include "common/os/recovery_feedback.h"

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <ctime>

#include "common/os/posix/unique_fd.h"
#include "common/os/posix/endpoint.h"
#include "common/os/posix/private_folder.h"
#include "common/text.h"

namespace quenby::os {
namespace {

const std::string kFileName = "recovery-feedback";
constexpr std::string_view kHeader = "QNBY-FEEDBACK ";
// Header, stamp and a notice of kMaxFeedbackChars fit easily; more is not ours.
constexpr std::size_t kMaxFileBytes = 4096;

std::string newStamp()
{
    static std::atomic<unsigned long long> count{0};
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    char stamp[96];
    std::snprintf(stamp, sizeof stamp, "%ld-%llu-%lld.%09ld", static_cast<long>(::getpid()),
                  ++count, static_cast<long long>(now.tv_sec), now.tv_nsec);
    return stamp;
}

// A stamp as newStamp writes it: digits, dashes and a dot.
bool plausibleStamp(std::string_view stamp)
{
    return !stamp.empty() && stamp.size() <= 64 &&
           stamp.find_first_not_of("0123456789-.") == std::string_view::npos;
}

// Control characters (line breaks, terminal escapes) have no place in a notice:
// it is one line that goes to terminals as it stands. U+FFFD stands for bytes
// that were no UTF-8.
bool unfit(char16_t c)
{
    return c < 0x20 || (c >= 0x7F && c < 0xA0) || c == 0xFFFD;
}

} // namespace

bool publishRecoveryFeedback(std::u16string_view text)
{
    std::u16string notice(text.substr(0, kMaxFeedbackChars));
    if (!notice.empty() && notice.back() >= 0xD800 && notice.back() < 0xDC00)
        notice.pop_back(); // the cut went through a character
    std::replace_if(notice.begin(), notice.end(), unfit, u' '); // one line, whatever the text held
    const std::string content =
        std::string(kHeader) + newStamp() + "\n" + toUtf8(notice) + "\n";

    // A fresh file of this engine's own beside it; one left by an engine that
    // ended half-way (same pid) is cleared.
    const posix::PrivateFolder folder = posix::openRuntimeFolder();
    return folder.fd.valid() &&
           posix::replacePrivateFile(folder.fd.get(), kFileName, kFileName + "." + std::to_string(::getpid()) + ".new",
                                     content, false);
}

std::optional<RecoveryFeedback> lastRecoveryFeedback()
{
    const posix::PrivateFolder folder = posix::openRuntimeFolder();
    if (!folder.fd.valid())
        return std::nullopt;
    const posix::PrivateFile file =
        posix::readPrivateFile(folder.fd.get(), kFileName, kFileName, kMaxFileBytes, {.closedToOthers = true});
    if (file.state != posix::PrivateFile::State::ok)
        return std::nullopt;
    const std::string& content = file.text;

    // Exactly two lines: the header with the stamp, and the notice.
    const std::size_t firstEnd = content.find('\n');
    if (content.rfind(kHeader, 0) != 0 || firstEnd == std::string::npos || content.back() != '\n' ||
        content.find('\n', firstEnd + 1) != content.size() - 1)
        return std::nullopt;
    RecoveryFeedback feedback;
    feedback.stamp = content.substr(kHeader.size(), firstEnd - kHeader.size());
    feedback.text = fromUtf8(std::string_view(content).substr(firstEnd + 1, content.size() - firstEnd - 2));
    if (!plausibleStamp(feedback.stamp) || feedback.text.empty() ||
        feedback.text.size() > kMaxFeedbackChars || std::any_of(feedback.text.begin(), feedback.text.end(), unfit))
        return std::nullopt;
    return feedback;
}

} // namespace quenby::os
