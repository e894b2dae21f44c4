#include "common/registry_rules.h"

#include <cstdlib>
#include <cstring>
#include <string>

#include "common/text.h"

namespace quenby {
namespace {

std::u16string expandEnvironment(std::u16string_view text)
{
    std::u16string out;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t open = text.find(u'%', at);
        const std::size_t close = open == std::u16string_view::npos ? open : text.find(u'%', open + 1);
        if (close == std::u16string_view::npos) {
            out += text.substr(at);
            break;
        }
        out += text.substr(at, open - at);
        const char* value = close > open + 1 ? std::getenv(toUtf8(text.substr(open + 1, close - open - 1)).c_str())
                                             : nullptr;
        if (value != nullptr) {
            out += fromUtf8(value);
            at = close + 1;
        } else {
            // Not a variable: the first % stays, and the second may open one.
            out += text.substr(open, close - open);
            at = close;
        }
    }
    return out;
}

} // namespace

os::RegStatus getRestricted(os::RegRestrict restrict, os::RegType type, std::vector<std::uint8_t> data,
                            void* buffer, std::uint32_t* size)
{
    if (restrict == os::RegRestrict::dword) {
        if (type != os::RegType::dword)
            return os::RegStatus::unsupportedType;
    } else if (type != os::RegType::sz && type != os::RegType::expandSz) {
        return os::RegStatus::unsupportedType;
    } else {
        if (type == os::RegType::expandSz)
            data = registryDataFromText(expandEnvironment(
                textFromRegistryData(data.data(), static_cast<std::uint32_t>(data.size()), data.size())));
        // Handed back as a whole, terminated string even when stored without one.
        if (data.size() % 2 != 0)
            data.push_back(0);
        if (data.size() < 2 || data[data.size() - 2] != 0 || data.back() != 0)
            data.insert(data.end(), {0, 0});
    }
    return size != nullptr ? copyOut(data, buffer, *size) : os::RegStatus::ok;
}

os::RegStatus copyOut(std::span<const std::uint8_t> data, void* buffer, std::uint32_t& size)
{
    const auto needed = static_cast<std::uint32_t>(data.size());
    const bool fits = buffer == nullptr || size >= needed;
    if (buffer != nullptr && fits && needed > 0)
        std::memcpy(buffer, data.data(), needed);
    size = needed;
    return fits ? os::RegStatus::ok : os::RegStatus::moreData;
}

} // namespace quenby
