#include "common/os/posix/regfile.h"

#include "common/text.h"

#include <algorithm>

namespace quenby::os::posix {
namespace {

constexpr std::string_view header = "REGEDIT4";
constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";

// Room for "xx," before the line would pass 80 columns with its trailing backslash.
constexpr std::size_t hexWrapColumn = 76;

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r';
}

std::string_view trimLeft(std::string_view s)
{
    std::size_t i = 0;
    while (i < s.size() && isBlank(s[i]))
        ++i;
    return s.substr(i);
}

std::string_view trimRight(std::string_view s)
{
    std::size_t n = s.size();
    while (n > 0 && isBlank(s[n - 1]))
        --n;
    return s.substr(0, n);
}

std::string_view trim(std::string_view s)
{
    return trimRight(trimLeft(s));
}

bool startsWithIgnoreCase(std::string_view s, std::string_view prefix)
{
    if (s.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        char c = s[i];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (c != prefix[i])
            return false;
    }
    return true;
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Hex digits and nothing else, between `fewest` and 8 of them.
std::optional<std::uint32_t> parseHexNumber(std::string_view s, std::size_t fewest)
{
    if (s.size() < fewest || s.size() > 8 || s.empty())
        return std::nullopt;
    std::uint32_t n = 0;
    for (char c : s) {
        const int d = hexDigit(c);
        if (d < 0)
            return std::nullopt;
        n = (n << 4) | static_cast<std::uint32_t>(d);
    }
    return n;
}

bool hasUnpairedSurrogate(std::u16string_view s)
{
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char16_t c = s[i];
        if (c >= 0xD800 && c <= 0xDBFF) {
            if (i + 1 >= s.size() || s[i + 1] < 0xDC00 || s[i + 1] > 0xDFFF)
                return true;
            ++i;
        } else if (c >= 0xDC00 && c <= 0xDFFF) {
            return true;
        }
    }
    return false;
}

// The UTF-16 of well-formed UTF-8. Text that the lenient converter would have to
// patch with U+FFFD is refused, because writing it back would change its bytes.
std::optional<std::u16string> strictFromUtf8(std::string_view s)
{
    std::u16string wide = fromUtf8(s);
    if (toUtf8(wide) != s)
        return std::nullopt;
    return wide;
}

// A quoted string starting at s[pos] == '"', with \\ and \" as its only escapes.
// On success pos is just past the closing quote.
std::optional<std::string> parseQuoted(std::string_view s, std::size_t& pos)
{
    std::string out;
    std::size_t i = pos + 1;
    while (i < s.size()) {
        const char c = s[i];
        if (c == '"') {
            pos = i + 1;
            return out;
        }
        if (c == '\0' || c == '\r' || c == '\n')
            return std::nullopt;
        if (c == '\\') {
            if (i + 1 >= s.size() || (s[i + 1] != '\\' && s[i + 1] != '"'))
                return std::nullopt;
            out += s[i + 1];
            i += 2;
            continue;
        }
        out += c;
        ++i;
    }
    return std::nullopt; // no closing quote
}

std::string quote(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size() + 2);
    out += '"';
    for (char c : utf8) {
        if (c == '\\' || c == '"')
            out += '\\';
        out += c;
    }
    out += '"';
    return out;
}

// Comma-separated bytes of two hex digits each; a trailing comma is tolerated.
// A byte of one digit is refused: it is what a file cut short leaves at its end,
// and taking "0" for 00 when it was 0f would change data without a word.
std::optional<std::vector<std::uint8_t>> parseHexBytes(std::string_view s)
{
    std::vector<std::uint8_t> out;
    s = trim(s);
    if (s.empty())
        return out;
    out.reserve(s.size() / 3 + 1);
    std::size_t pos = 0;
    while (true) {
        const std::size_t comma = s.find(',', pos);
        const std::string_view token =
            trim(s.substr(pos, comma == std::string_view::npos ? std::string_view::npos : comma - pos));
        if (token.empty()) {
            // Only the empty token after a final comma is allowed.
            if (comma == std::string_view::npos && !out.empty())
                return out;
            return std::nullopt;
        }
        if (token.size() != 2)
            return std::nullopt;
        int byte = 0;
        for (char c : token) {
            const int d = hexDigit(c);
            if (d < 0)
                return std::nullopt;
            byte = (byte << 4) | d;
        }
        out.push_back(static_cast<std::uint8_t>(byte));
        if (comma == std::string_view::npos)
            return out;
        pos = comma + 1;
    }
}

std::vector<std::uint8_t> utf16Data(std::u16string_view text)
{
    std::vector<std::uint8_t> out;
    out.reserve(text.size() * 2 + 2);
    for (char16_t c : text) {
        out.push_back(static_cast<std::uint8_t>(c & 0xFF));
        out.push_back(static_cast<std::uint8_t>(c >> 8));
    }
    out.push_back(0);
    out.push_back(0);
    return out;
}

// The text of REG_SZ data that a quoted string can carry exactly: whole UTF-16
// code units, one terminating null at the end and none before it, no line breaks
// and no unpaired surrogates. Anything else is written as hex(1) so no byte changes.
std::optional<std::u16string> quotableText(const std::vector<std::uint8_t>& data)
{
    if (data.size() < 2 || data.size() % 2 != 0)
        return std::nullopt;
    const std::size_t units = data.size() / 2;
    std::u16string text;
    text.reserve(units - 1);
    for (std::size_t i = 0; i < units; ++i) {
        const auto c = static_cast<char16_t>(data[2 * i] | (data[2 * i + 1] << 8));
        if (i + 1 == units)
            return c == 0 && !hasUnpairedSurrogate(text) ? std::optional(text) : std::nullopt;
        if (c == 0 || c == u'\r' || c == u'\n')
            return std::nullopt;
        text += c;
    }
    return std::nullopt;
}

// A value name: @ or a quoted name, then '='. On success pos is past the '='.
std::optional<std::u16string> parseValueName(std::string_view s, std::size_t& pos)
{
    std::u16string name;
    pos = 0;
    if (s.empty())
        return std::nullopt;
    if (s[0] == '@') {
        pos = 1;
    } else if (s[0] == '"') {
        const auto bytes = parseQuoted(s, pos);
        if (!bytes)
            return std::nullopt;
        const auto wide = strictFromUtf8(*bytes);
        if (!wide || !isValidValueName(*wide))
            return std::nullopt;
        name = *wide;
    } else {
        return std::nullopt;
    }
    while (pos < s.size() && isBlank(s[pos]))
        ++pos;
    if (pos >= s.size() || s[pos] != '=')
        return std::nullopt;
    ++pos;
    while (pos < s.size() && isBlank(s[pos]))
        ++pos;
    return name;
}

struct ParsedValueLine {
    std::optional<std::u16string> name; // the name could be read
    std::optional<RegValue> value;      // and so could the data
};

ParsedValueLine parseValueLine(std::string_view s)
{
    ParsedValueLine result;
    std::size_t pos = 0;
    result.name = parseValueName(s, pos);
    if (!result.name)
        return result;
    const std::string_view data = trimRight(s.substr(pos));

    RegValue value;
    value.name = *result.name;
    if (!data.empty() && data[0] == '"') {
        std::size_t end = 0;
        const auto bytes = parseQuoted(data, end);
        if (!bytes || end != data.size())
            return result;
        const auto wide = strictFromUtf8(*bytes);
        if (!wide)
            return result;
        value.type = RegType::sz;
        value.data = utf16Data(*wide);
    } else if (startsWithIgnoreCase(data, "dword:")) {
        // All eight digits, as they are always written: fewer means a cut-off line.
        const auto n = parseHexNumber(data.substr(6), 8);
        if (!n)
            return result;
        value.type = RegType::dword;
        value.data = {static_cast<std::uint8_t>(*n & 0xFF), static_cast<std::uint8_t>((*n >> 8) & 0xFF),
                      static_cast<std::uint8_t>((*n >> 16) & 0xFF), static_cast<std::uint8_t>(*n >> 24)};
    } else if (startsWithIgnoreCase(data, "hex:")) {
        auto bytes = parseHexBytes(data.substr(4));
        if (!bytes)
            return result;
        value.type = RegType::binary;
        value.data = std::move(*bytes);
    } else if (startsWithIgnoreCase(data, "hex(")) {
        const std::size_t close = data.find(')', 4);
        if (close == std::string_view::npos || close + 1 >= data.size() || data[close + 1] != ':')
            return result;
        const auto type = parseHexNumber(data.substr(4, close - 4), 1);
        auto bytes = type ? parseHexBytes(data.substr(close + 2)) : std::nullopt;
        if (!bytes)
            return result;
        value.type = static_cast<RegType>(*type);
        value.data = std::move(*bytes);
    } else {
        return result;
    }
    result.value = std::move(value);
    return result;
}

// Whether a value line holds hex data, the only kind that may go on over
// following lines.
bool isHexValueLine(std::string_view s)
{
    std::size_t pos = 0;
    return parseValueName(s, pos) && startsWithIgnoreCase(s.substr(pos), "hex");
}

// A continued line goes on with the next line when that one is indented.
bool isContinuation(std::string_view next)
{
    return !next.empty() && (next[0] == ' ' || next[0] == '\t') && !trim(next).empty();
}

std::optional<std::u16string> parseSectionLine(std::string_view trimmed)
{
    if (trimmed.size() < 2 || trimmed.front() != '[' || trimmed.back() != ']')
        return std::nullopt;
    const auto path = strictFromUtf8(trimmed.substr(1, trimmed.size() - 2));
    if (!path || !isValidKeyPath(*path))
        return std::nullopt;
    return path;
}

void appendHexData(std::string& out, std::size_t lineStart, const std::vector<std::uint8_t>& data)
{
    static constexpr char digits[] = "0123456789abcdef";
    out.reserve(out.size() + data.size() * 3 + data.size() / 20 * 4 + 8);
    std::size_t column = out.size() - lineStart;
    for (std::size_t i = 0; i < data.size(); ++i) {
        if (column + 3 > hexWrapColumn) {
            out += "\\\n  ";
            column = 2;
        }
        out += digits[data[i] >> 4];
        out += digits[data[i] & 0xF];
        column += 2;
        if (i + 1 < data.size()) {
            out += ',';
            ++column;
        }
    }
}

void appendValue(std::string& out, const RegValue& value)
{
    const std::size_t lineStart = out.size();
    if (value.name.empty())
        out += '@';
    else
        out += quote(toUtf8(value.name));
    out += '=';
    if (value.type == RegType::sz) {
        if (const auto text = quotableText(value.data)) {
            out += quote(toUtf8(*text));
            out += '\n';
            return;
        }
    }
    if (value.type == RegType::dword && value.data.size() == 4) {
        static constexpr char digits[] = "0123456789abcdef";
        const std::uint32_t n = value.data[0] | (value.data[1] << 8) | (value.data[2] << 16) |
                                (static_cast<std::uint32_t>(value.data[3]) << 24);
        out += "dword:";
        for (int shift = 28; shift >= 0; shift -= 4)
            out += digits[(n >> shift) & 0xF];
        out += '\n';
        return;
    }
    if (value.type == RegType::binary) {
        out += "hex:";
    } else {
        static constexpr char digits[] = "0123456789abcdef";
        auto n = static_cast<std::uint32_t>(value.type);
        std::string number;
        do {
            number.insert(number.begin(), digits[n & 0xF]);
            n >>= 4;
        } while (n != 0);
        out += "hex(" + number + "):";
    }
    appendHexData(out, lineStart, value.data);
    out += '\n';
}

void appendKeptLine(std::string& out, const std::string& text)
{
    out += text;
    out += '\n';
    // A kept line that ends in a backslash would swallow an indented line written
    // after it, which it never did in the file it came from: a blank line stops it.
    const std::size_t lastBreak = text.rfind('\n');
    const std::string_view lastLine =
        lastBreak == std::string::npos ? std::string_view(text) : std::string_view(text).substr(lastBreak + 1);
    const std::string_view end = trimRight(lastLine);
    if (!end.empty() && end.back() == '\\')
        out += '\n';
}

bool isKeyBlockOf(const RegBlock& block, std::u16string_view foldedPath)
{
    return block.head == RegBlock::Head::key && foldCase(block.path) == foldedPath;
}

bool isInTree(const RegBlock& block, std::u16string_view foldedPath)
{
    if (block.head != RegBlock::Head::key)
        return false;
    const std::u16string folded = foldCase(block.path);
    return folded == foldedPath || (folded.size() > foldedPath.size() && folded.starts_with(foldedPath) &&
                                    folded[foldedPath.size()] == u'\\');
}

bool lineNames(const RegLine& line, std::u16string_view foldedName)
{
    if (line.isValue)
        return foldCase(line.value.name) == foldedName;
    return line.namedValue && foldCase(*line.namedValue) == foldedName;
}

} // namespace

bool isValidKeyPath(std::u16string_view path)
{
    if (path.empty() || path.front() == u'\\' || path.back() == u'\\' ||
        path.find(u"\\\\") != std::u16string_view::npos)
        return false;
    return isValidValueName(path);
}

bool isValidValueName(std::u16string_view name)
{
    return name.find_first_of(std::u16string_view(u"\0\r\n", 3)) == std::u16string_view::npos &&
           !hasUnpairedSurrogate(name);
}

RegDocument parseRegFile(std::string_view text)
{
    RegDocument doc;

    std::vector<std::string_view> lines;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }

    std::size_t i = 0;
    if (!lines.empty()) {
        std::string_view first = lines[0];
        if (first.starts_with(byteOrderMark))
            first.remove_prefix(byteOrderMark.size());
        if (trim(first) == header)
            i = 1;
    }

    std::size_t current = 0; // the block that lines go to
    while (i < lines.size()) {
        const std::size_t lineNumber = i + 1;
        const std::string_view physical = lines[i];
        const std::string_view trimmed = trim(physical);
        if (trimmed.empty()) {
            ++i;
            continue;
        }
        if (trimmed.front() == ';') {
            RegLine comment;
            comment.text = std::string(physical);
            doc.blocks[current].lines.push_back(std::move(comment));
            ++i;
            continue;
        }
        if (trimmed.front() == '[') {
            RegBlock block;
            if (auto path = parseSectionLine(trimmed)) {
                block.head = RegBlock::Head::key;
                block.path = std::move(*path);
            } else {
                block.head = RegBlock::Head::broken;
                block.headText = std::string(physical);
                doc.malformedLines.push_back(lineNumber);
            }
            doc.blocks.push_back(std::move(block));
            current = doc.blocks.size() - 1;
            ++i;
            continue;
        }

        // A value line, which hex data may continue over indented lines.
        std::size_t last = i;
        std::string logical(trim(physical));
        if (isHexValueLine(logical)) {
            while (!logical.empty() && logical.back() == '\\' && last + 1 < lines.size() &&
                   isContinuation(lines[last + 1])) {
                logical.pop_back();
                ++last;
                logical += trim(lines[last]);
            }
        }
        ParsedValueLine parsed = parseValueLine(logical);

        RegBlock& block = doc.blocks[current];
        RegLine line;
        if (block.head == RegBlock::Head::key && parsed.value) {
            line.isValue = true;
            line.value = std::move(*parsed.value);
        } else {
            const char* begin = lines[i].data();
            const char* end = lines[last].data() + lines[last].size();
            line.text.assign(begin, static_cast<std::size_t>(end - begin));
            line.namedValue = std::move(parsed.name);
            // Under a broken section line a sound value is only kept: that
            // section line is what gets reported.
            line.malformed = block.head != RegBlock::Head::broken || !parsed.value;
            if (line.malformed)
                doc.malformedLines.push_back(lineNumber);
        }
        block.lines.push_back(std::move(line));
        i = last + 1;
    }
    return doc;
}

std::string serializeRegFile(const RegDocument& document)
{
    std::string out(header);
    out += "\n\n";
    for (const RegBlock& block : document.blocks) {
        switch (block.head) {
        case RegBlock::Head::prelude:
            if (block.lines.empty())
                continue;
            break;
        case RegBlock::Head::key:
            out += '[';
            out += toUtf8(block.path);
            out += "]\n";
            break;
        case RegBlock::Head::broken:
            out += block.headText;
            out += '\n';
            break;
        }
        for (const RegLine& line : block.lines) {
            if (line.isValue)
                appendValue(out, line.value);
            else
                appendKeptLine(out, line.text);
        }
        out += '\n';
    }
    return out;
}

bool keyExists(const RegDocument& document, std::u16string_view path)
{
    const std::u16string folded = foldCase(path);
    return std::any_of(document.blocks.begin(), document.blocks.end(),
                       [&](const RegBlock& block) { return isInTree(block, folded); });
}

const RegValue* findValue(const RegDocument& document, std::u16string_view path, std::u16string_view name)
{
    const std::u16string foldedPath = foldCase(path);
    const std::u16string foldedName = foldCase(name);
    const RegValue* found = nullptr;
    for (const RegBlock& block : document.blocks) {
        if (!isKeyBlockOf(block, foldedPath))
            continue;
        for (const RegLine& line : block.lines) {
            if (line.isValue && foldCase(line.value.name) == foldedName)
                found = &line.value;
        }
    }
    return found;
}

bool createKey(RegDocument& document, std::u16string_view path)
{
    if (!isValidKeyPath(path))
        return false;
    bool changed = false;
    std::u16string spelled; // the path so far, in the letter case already in the file
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find(u'\\', start);
        if (end == std::u16string_view::npos)
            end = path.size();
        const std::u16string_view prefix = path.substr(0, end);
        const std::u16string folded = foldCase(prefix);

        bool hasSection = false;
        std::optional<std::u16string> existing;
        for (const RegBlock& block : document.blocks) {
            if (!isInTree(block, folded))
                continue;
            existing = block.path.substr(0, prefix.size());
            if (block.path.size() == prefix.size()) {
                hasSection = true;
                break;
            }
        }
        if (existing) {
            spelled = *existing;
        } else {
            if (!spelled.empty())
                spelled += u'\\';
            spelled += path.substr(start, end - start);
        }
        if (!hasSection) {
            RegBlock block;
            block.head = RegBlock::Head::key;
            block.path = spelled;
            document.blocks.push_back(std::move(block));
            changed = true;
        }
        start = end + 1;
    }
    return changed;
}

bool setValue(RegDocument& document, std::u16string_view path, RegValue value)
{
    if (!isValidKeyPath(path) || !isValidValueName(value.name))
        return false;
    const std::u16string foldedPath = foldCase(path);
    const std::u16string foldedName = foldCase(value.name);

    std::optional<std::pair<std::size_t, std::size_t>> keep; // the line that takes the new data
    std::optional<std::size_t> lastSection;
    for (std::size_t b = 0; b < document.blocks.size(); ++b) {
        const RegBlock& block = document.blocks[b];
        if (!isKeyBlockOf(block, foldedPath))
            continue;
        lastSection = b;
        for (std::size_t l = 0; l < block.lines.size(); ++l) {
            const RegLine& line = block.lines[l];
            if (line.isValue && foldCase(line.value.name) == foldedName)
                keep = std::pair(b, l);
        }
    }
    if (!lastSection) {
        if (!keyExists(document, path))
            return false;
        createKey(document, path); // a key so far known only by its sub-keys gets its section
        return setValue(document, path, std::move(value));
    }

    if (keep) {
        RegLine& line = document.blocks[keep->first].lines[keep->second];
        value.name = line.value.name;
        line.value = std::move(value);
    }
    for (std::size_t b = 0; b < document.blocks.size(); ++b) {
        RegBlock& block = document.blocks[b];
        if (!isKeyBlockOf(block, foldedPath))
            continue;
        std::vector<RegLine> lines;
        lines.reserve(block.lines.size());
        for (std::size_t l = 0; l < block.lines.size(); ++l) {
            const bool isKept = keep && keep->first == b && keep->second == l;
            if (isKept || !lineNames(block.lines[l], foldedName))
                lines.push_back(std::move(block.lines[l]));
        }
        block.lines = std::move(lines);
    }
    if (!keep) {
        RegLine line;
        line.isValue = true;
        line.value = std::move(value);
        document.blocks[*lastSection].lines.push_back(std::move(line));
    }
    return true;
}

DeleteOutcome deleteValue(RegDocument& document, std::u16string_view path, std::u16string_view name)
{
    const std::u16string foldedPath = foldCase(path);
    const std::u16string foldedName = foldCase(name);
    DeleteOutcome outcome;
    for (RegBlock& block : document.blocks) {
        if (!isKeyBlockOf(block, foldedPath))
            continue;
        const auto removed = std::remove_if(block.lines.begin(), block.lines.end(), [&](const RegLine& line) {
            if (!lineNames(line, foldedName))
                return false;
            outcome.found = outcome.found || line.isValue;
            return true;
        });
        outcome.changed = outcome.changed || removed != block.lines.end();
        block.lines.erase(removed, block.lines.end());
    }
    return outcome;
}

bool deleteTree(RegDocument& document, std::u16string_view path)
{
    if (document.blocks.empty())
        return false;
    const std::u16string folded = foldCase(path);
    const auto first = document.blocks.begin() + 1; // the prelude is never part of a key
    const auto removed =
        std::remove_if(first, document.blocks.end(), [&](const RegBlock& block) { return isInTree(block, folded); });
    const bool existed = removed != document.blocks.end();
    document.blocks.erase(removed, document.blocks.end());
    return existed;
}

} // namespace quenby::os::posix
