#include "common/os/user_file.h"

#include "common/os/posix/private_folder.h"
#include "common/text.h"

#include <unistd.h>

namespace quenby::os {

std::optional<std::string> readUserFile(std::u16string_view name, std::size_t maxBytes)
{
    const auto path = posix::userSettingsFolder();
    if (!path)
        return std::nullopt;
    const posix::PrivateFolder folder = posix::openPrivateFolder(*path, {});
    if (!folder.fd.valid())
        return std::nullopt;
    const std::string file = toUtf8(name);
    posix::PrivateFile read = posix::readPrivateFile(folder.fd.get(), file, file, maxBytes, {});
    if (read.state != posix::PrivateFile::State::ok)
        return std::nullopt;
    return std::move(read.text);
}

bool replaceUserFile(std::u16string_view name, std::string_view text)
{
    const auto path = posix::userSettingsFolder();
    if (!path)
        return false;
    const posix::PrivateFolder folder = posix::openPrivateFolder(*path, {.create = true});
    const std::string file = toUtf8(name);
    return folder.fd.valid() &&
           posix::replacePrivateFile(folder.fd.get(), file, file + "." + std::to_string(::getpid()) + ".new", text,
                                     false);
}

} // namespace quenby::os
