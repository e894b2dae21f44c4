#include "common/text.h"

#include <cstring>

namespace quenby {

std::string toUtf8(std::u16string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = 0xFFFD;
        }
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::u16string fromUtf8(std::string_view text)
{
    std::u16string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        int extra = 0;
        char32_t c = 0;
        char32_t minimum = 0;
        if (lead < 0x80) {
            c = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            extra = 1, c = lead & 0x1F, minimum = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            extra = 2, c = lead & 0x0F, minimum = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            extra = 3, c = lead & 0x07, minimum = 0x10000;
        } else {
            out += u'\xFFFD';
            ++i;
            continue;
        }
        bool valid = i + static_cast<std::size_t>(extra) < text.size();
        for (int k = 1; valid && k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80)
                valid = false;
            else
                c = (c << 6) | (next & 0x3F);
        }
        if (!valid || (extra > 0 && c < minimum) || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
            out += u'\xFFFD';
            ++i;
            continue;
        }
        i += static_cast<std::size_t>(extra) + 1;
        if (c >= 0x10000) {
            c -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (c >> 10));
            out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
        } else {
            out += static_cast<char16_t>(c);
        }
    }
    return out;
}

char16_t foldCase(char16_t c)
{
    if (c >= u'A' && c <= u'Z')
        return static_cast<char16_t>(c + 32);
    if (c < 0x80)
        return c;
    if ((c >= 0xC0 && c <= 0xDE && c != 0xD7))
        return static_cast<char16_t>(c + 32); // Latin-1 capitals
    if (c >= 0x100 && c <= 0x17F && c != 0x130 && c != 0x131 && c != 0x138 && c != 0x149 &&
        c != 0x17F) {
        // Latin Extended-A pairs: even capitals below 0x138, odd capitals from 0x139.
        const bool oddCapitals = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
        if (oddCapitals)
            return (c & 1) ? static_cast<char16_t>(c + 1) : c;
        return (c & 1) ? c : static_cast<char16_t>(c + 1);
    }
    if (c >= 0x391 && c <= 0x3AB && c != 0x3A2)
        return static_cast<char16_t>(c + 32); // Greek capitals
    if (c >= 0x410 && c <= 0x42F)
        return static_cast<char16_t>(c + 32); // Cyrillic capitals
    if (c >= 0x400 && c <= 0x40F)
        return static_cast<char16_t>(c + 80); // Cyrillic capitals with marks
    return c;
}

bool equalsIgnoreCase(std::u16string_view a, std::u16string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (foldCase(a[i]) != foldCase(b[i]))
            return false;
    }
    return true;
}

std::u16string foldCase(std::u16string_view text)
{
    std::u16string out(text);
    for (auto& c : out)
        c = foldCase(c);
    return out;
}

std::u16string textFromRegistryData(const void* data, std::uint32_t size, std::size_t maxChars)
{
    const auto* bytes = static_cast<const unsigned char*>(data);
    std::u16string out;
    const std::size_t units = size / 2;
    for (std::size_t i = 0; i < units && out.size() < maxChars; ++i) {
        const auto c = static_cast<char16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
        if (c == 0)
            break;
        out += c;
    }
    return out;
}

std::vector<std::uint8_t> registryDataFromText(std::u16string_view text)
{
    std::vector<std::uint8_t> data;
    data.reserve((text.size() + 1) * 2);
    for (char16_t c : text)
        data.insert(data.end(), {static_cast<std::uint8_t>(c & 0xFF), static_cast<std::uint8_t>(c >> 8)});
    data.insert(data.end(), {0, 0});
    return data;
}

} // namespace quenby
