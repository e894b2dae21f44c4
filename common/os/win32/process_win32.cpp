#include "common/os/process.h"

#include <windows.h>

#include <vector>

#include "common/os/win32/handles.h"

namespace quenby::os {

std::u16string executableDirectory()
{
    // Long paths are possible, so grow the buffer until the name fits.
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0)
            return u".";
        if (length < buffer.size())
            break;
        buffer.resize(buffer.size() * 2);
    }
    std::u16string path = win32::utf16(buffer.data());
    const auto slash = path.find_last_of(u"\\/");
    return slash == std::u16string::npos ? u"." : path.substr(0, slash);
}

char16_t pathSeparator()
{
    return u'\\';
}

std::u16string engineFileName()
{
    return u"Quenbytray.exe";
}

std::u16string panelFileName()
{
    return u"Quenby.exe";
}

} // namespace quenby::os
