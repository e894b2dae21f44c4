#include "common/os/process.h"

#include <unistd.h>

#include <string>

#include "common/text.h"

namespace quenby::os {

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

} // namespace quenby::os
