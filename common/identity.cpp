#include "common/identity.h"

#include "common/os/windowlink.h"

namespace quenby {

std::u16string_view panelWindowClass()
{
    return QUENBY_PANEL_WINDOW_CLASS;
}

bool MessageNumbers::identify(std::uint32_t number, Message& which) const
{
    if (number == 0)
        return false;
    for (std::size_t i = 0; i < kMessageCount; ++i) {
        if (numbers[i] == number) {
            which = static_cast<Message>(i);
            return true;
        }
    }
    return false;
}

MessageNumbers registerMessages()
{
    MessageNumbers result;
    for (std::size_t i = 0; i < kMessageCount; ++i)
        result.numbers[i] = os::registerMessage(kMessageNames[i]);
    return result;
}

std::u16string_view messageName(Message m)
{
    return kMessageNames[static_cast<std::size_t>(m)];
}

} // namespace quenby
