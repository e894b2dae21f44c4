#include "common/os/posix/regfile.h"

#include "common/text.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <utility>

namespace quenby::os::posix {
namespace {

using Kind = RegLine::Kind;

constexpr std::string_view kHeader = "REGEDIT4";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
// Room for "xx," before a line would pass 80 columns with its trailing backslash.
constexpr std::size_t kHexWrapColumn = 76;

// ---- characters ---------------------------------------------------------------

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r';
}

std::string_view trim(std::string_view s)
{
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

std::size_t skipBlanks(std::string_view s, std::size_t pos)
{
    while (pos < s.size() && isBlank(s[pos]))
        ++pos;
    return pos;
}

bool startsWithNoCase(std::string_view s, std::string_view lowerPrefix)
{
    return s.size() >= lowerPrefix.size() &&
           std::equal(lowerPrefix.begin(), lowerPrefix.end(), s.begin(), [](char p, char c) {
               return p == (c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c);
           });
}

// Hex digits and nothing else (no sign, no prefix), between `fewest` and 8 of them.
std::optional<std::uint32_t> parseHex(std::string_view s, std::size_t fewest)
{
    std::uint32_t n = 0;
    if (s.size() < std::max<std::size_t>(fewest, 1) || s.size() > 8 ||
        std::from_chars(s.data(), s.data() + s.size(), n, 16).ptr != s.data() + s.size())
        return std::nullopt;
    return n;
}

// The converter patches what is not UTF-8 with U+FFFD, so only well-formed text
// comes back unchanged. Text that is not is kept as a line, never rewritten.
bool isWellFormedUtf8(std::string_view s)
{
    return toUtf8(fromUtf8(s)) == s;
}

bool hasUnpairedSurrogate(std::u16string_view s)
{
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] >= 0xD800 && s[i] <= 0xDBFF && i + 1 < s.size() && s[i + 1] >= 0xDC00 && s[i + 1] <= 0xDFFF)
            ++i;
        else if (s[i] >= 0xD800 && s[i] <= 0xDFFF)
            return true;
    }
    return false;
}

std::u16string folded(std::string_view utf8)
{
    return foldCase(fromUtf8(utf8));
}

// ---- reading a line -------------------------------------------------------------

// A quoted string at s[pos] == '"', with \\ and \" as its only escapes and no nul
// or line break in it. On success pos is past the closing quote.
std::optional<std::string> readQuoted(std::string_view s, std::size_t& pos)
{
    std::string out;
    for (std::size_t i = pos + 1; i < s.size(); ++i) {
        char c = s[i];
        if (c == '"') {
            pos = i + 1;
            return out;
        }
        if (c == '\0' || c == '\r' || c == '\n')
            return std::nullopt;
        if (c == '\\') {
            if (i + 1 >= s.size() || (s[i + 1] != '\\' && s[i + 1] != '"'))
                return std::nullopt;
            c = s[++i];
        }
        out += c;
    }
    return std::nullopt; // no closing quote
}

// @ or a quoted name, then '='; pos ends past the '=' and the blanks after it.
std::optional<std::string> readValueName(std::string_view s, std::size_t& pos)
{
    std::optional<std::string> name = std::string();
    pos = 0;
    if (s.starts_with('@'))
        pos = 1;
    else if (!s.starts_with('"') || !(name = readQuoted(s, pos)) || !isWellFormedUtf8(*name))
        return std::nullopt;
    pos = skipBlanks(s, pos);
    if (pos >= s.size() || s[pos] != '=')
        return std::nullopt;
    pos = skipBlanks(s, pos + 1);
    return name;
}

// The folded name of a value line, when it can be read (the name is always on
// its first physical line).
std::optional<std::u16string> foldedNameOf(std::string_view line)
{
    std::size_t pos = 0;
    const auto name = readValueName(trim(line.substr(0, line.find('\n'))), pos);
    return name ? std::optional(folded(*name)) : std::nullopt;
}

// Comma-separated bytes of two hex digits each; a trailing comma is tolerated.
// A byte of one digit is refused: it is what a file cut short leaves at its end,
// and taking "0" for 00 when it was 0f would change data without a word.
bool readHexBytes(std::string_view s, std::vector<std::uint8_t>& out)
{
    s = trim(s);
    while (!s.empty()) {
        const std::size_t comma = s.find(',');
        const std::string_view token = trim(s.substr(0, comma));
        const auto byte = token.size() == 2 ? parseHex(token, 2) : std::nullopt;
        if (!byte)
            return false;
        out.push_back(static_cast<std::uint8_t>(*byte));
        if (comma == std::string_view::npos)
            break;
        s = trim(s.substr(comma + 1));
    }
    return true;
}

// A value line with its continuations joined: each physical line trimmed, the
// backslash that continues it dropped.
std::optional<RegValue> readValue(std::string_view line)
{
    std::string joined;
    for (std::size_t end; (end = line.find('\n')) != std::string_view::npos; line.remove_prefix(end + 1)) {
        const std::string_view part = trim(line.substr(0, end));
        joined += part.substr(0, part.size() - 1);
    }
    joined += trim(line);

    std::size_t pos = 0;
    const auto name = readValueName(joined, pos);
    if (!name)
        return std::nullopt;
    const std::string_view data = std::string_view(joined).substr(pos);
    RegValue value{fromUtf8(*name), RegType::binary, {}};
    if (data.starts_with('"')) {
        std::size_t end = 0;
        const auto text = readQuoted(data, end);
        if (!text || end != data.size() || !isWellFormedUtf8(*text))
            return std::nullopt;
        value.type = RegType::sz;
        value.data = registryDataFromText(fromUtf8(*text));
    } else if (startsWithNoCase(data, "dword:")) {
        // All eight digits, as they are always written: fewer means a cut-off line.
        const auto n = parseHex(data.substr(6), 8);
        if (!n)
            return std::nullopt;
        value.type = RegType::dword;
        value.data = {static_cast<std::uint8_t>(*n), static_cast<std::uint8_t>(*n >> 8),
                      static_cast<std::uint8_t>(*n >> 16), static_cast<std::uint8_t>(*n >> 24)};
    } else if (startsWithNoCase(data, "hex:")) {
        if (!readHexBytes(data.substr(4), value.data))
            return std::nullopt;
    } else if (startsWithNoCase(data, "hex(")) {
        const std::size_t close = data.find("):");
        const auto type = close == std::string_view::npos ? std::nullopt : parseHex(data.substr(4, close - 4), 1);
        if (!type || !readHexBytes(data.substr(close + 2), value.data))
            return std::nullopt;
        value.type = static_cast<RegType>(*type);
    } else {
        return std::nullopt;
    }
    return value;
}

// [path] with a valid key path in well-formed UTF-8.
bool isSoundSection(std::string_view line)
{
    if (line.size() < 3 || line.front() != '[' || line.back() != ']')
        return false;
    const std::string_view path = line.substr(1, line.size() - 2);
    return isWellFormedUtf8(path) && isValidKeyPath(fromUtf8(path));
}

std::string_view sectionPath(const RegLine& line)
{
    return std::string_view(line.text).substr(1, line.text.size() - 2);
}

enum class Match { none, equal, inside };

// Whether a line is the section of the key, of one of its sub-keys, or neither.
Match matchSection(const RegLine& line, std::u16string_view foldedPath)
{
    if (line.kind != Kind::section)
        return Match::none;
    const std::u16string path = folded(sectionPath(line));
    if (path == foldedPath)
        return Match::equal;
    return path.size() > foldedPath.size() && path.starts_with(foldedPath) && path[foldedPath.size()] == u'\\'
               ? Match::inside
               : Match::none;
}

// ---- writing ---------------------------------------------------------------------

std::string quote(std::string_view utf8)
{
    std::string out = "\"";
    for (char c : utf8) {
        if (c == '\\' || c == '"')
            out += '\\';
        out += c;
    }
    return out + '"';
}

// The text of REG_SZ data that a quoted string carries exactly: whole UTF-16 code
// units, one terminating null at the end and none before it, no line breaks and
// no unpaired surrogates. Anything else is written as hex(1) so no byte changes.
std::optional<std::u16string> quotableText(const std::vector<std::uint8_t>& data)
{
    if (data.size() < 2 || data.size() % 2 != 0 || data[data.size() - 2] != 0 || data.back() != 0)
        return std::nullopt;
    std::u16string text;
    for (std::size_t i = 0; i + 2 < data.size(); i += 2) {
        const auto c = static_cast<char16_t>(data[i] | data[i + 1] << 8);
        if (c == 0 || c == u'\r' || c == u'\n')
            return std::nullopt;
        text += c;
    }
    return hasUnpairedSurrogate(text) ? std::nullopt : std::optional(text);
}

std::string formatValue(const RegValue& value)
{
    std::string out = (value.name.empty() ? std::string("@") : quote(toUtf8(value.name))) + '=';
    if (value.type == RegType::sz) {
        if (const auto text = quotableText(value.data))
            return out + quote(toUtf8(*text));
    }
    // The bytes by hand, not with printf: a file of hex data formats every byte
    // of it on each read, and printf made such reads three times slower.
    static constexpr char digits[] = "0123456789abcdef";
    const auto hex = [&](std::uint8_t byte) { out += {digits[byte >> 4], digits[byte & 0xF]}; };
    if (value.type == RegType::dword && value.data.size() == 4) {
        out += "dword:";
        std::for_each(value.data.rbegin(), value.data.rend(), hex);
        return out;
    }
    char type[16];
    std::snprintf(type, sizeof type, "hex(%x):", static_cast<unsigned>(value.type));
    out += value.type == RegType::binary ? "hex:" : type;
    std::size_t column = out.size();
    for (std::size_t i = 0; i < value.data.size(); ++i) {
        if (column + 3 > kHexWrapColumn) {
            out += "\\\n  ";
            column = 2;
        }
        hex(value.data[i]);
        if (i + 1 < value.data.size())
            out += ',';
        column += 3;
    }
    return out;
}

bool isSection(const RegLine& line)
{
    return line.kind == Kind::section || line.kind == Kind::brokenSection;
}

// Calls `each(index, line)` for every line of the key, its section lines
// included. Returns whether the key has a section.
template <typename Each>
bool forEachLineOfKey(const RegDocument& document, std::u16string_view foldedPath, Each each)
{
    bool inKey = false;
    bool found = false;
    for (std::size_t i = 0; i < document.lines.size(); ++i) {
        if (isSection(document.lines[i])) {
            inKey = matchSection(document.lines[i], foldedPath) == Match::equal;
            found = found || inKey;
        }
        if (inKey)
            each(i, document.lines[i]);
    }
    return found;
}

bool isNamed(const RegLine& line, std::u16string_view foldedName)
{
    return line.kind != Kind::section && foldedNameOf(line.text) == foldedName;
}

// Removes every line of that name from the key but the one at `except`.
DeleteOutcome removeNamed(RegDocument& document, std::u16string_view path, std::u16string_view name,
                          std::size_t except)
{
    DeleteOutcome outcome;
    std::vector<bool> drop(document.lines.size());
    const std::u16string foldedName = foldCase(name);
    forEachLineOfKey(document, foldCase(path), [&](std::size_t i, const RegLine& line) {
        drop[i] = i != except && isNamed(line, foldedName);
        outcome.found = outcome.found || (drop[i] && line.kind == Kind::value);
        outcome.changed = outcome.changed || drop[i];
    });
    std::size_t kept = 0;
    for (std::size_t i = 0; i < document.lines.size(); ++i) {
        if (!drop[i] && kept++ != i)
            document.lines[kept - 1] = std::move(document.lines[i]);
    }
    document.lines.resize(kept);
    return outcome;
}

} // namespace

bool isValidKeyPath(std::u16string_view path)
{
    return !path.empty() && path.front() != u'\\' && path.back() != u'\\' &&
           path.find(u"\\\\") == std::u16string_view::npos && isValidValueName(path);
}

bool isValidValueName(std::u16string_view name)
{
    return name.find_first_of(std::u16string_view(u"\0\r\n", 3)) == std::u16string_view::npos &&
           !hasUnpairedSurrogate(name);
}

RegDocument parseRegFile(std::string_view text)
{
    RegDocument document;
    const auto malformed = [&](std::size_t number) {
        if (document.malformedCount++ == 0)
            document.firstMalformedLine = number;
    };
    // Sized once: growing the list of a large file would hold two copies of it.
    std::size_t filled = 0;
    for (std::size_t pos = 0; pos < text.size(); pos = std::min(text.find('\n', pos), text.size()) + 1)
        filled += !trim(text.substr(pos, text.find('\n', pos) - pos)).empty();
    document.lines.reserve(filled);

    std::size_t pos = 0;
    std::size_t number = 1;
    const std::string_view first = text.substr(0, text.find('\n'));
    if (trim(first.starts_with(kByteOrderMark) ? first.substr(kByteOrderMark.size()) : first) == kHeader) {
        pos = std::min(first.size() + 1, text.size());
        number = 2;
    }
    enum class Head { prelude, key, broken } head = Head::prelude;
    while (pos < text.size()) {
        std::size_t end = std::min(text.find('\n', pos), text.size());
        std::size_t next = std::min(end + 1, text.size());
        std::size_t lines = 1;
        const std::string_view trimmed = trim(text.substr(pos, end - pos));
        std::size_t namePos = 0;
        if (trimmed.empty()) {
        } else if (trimmed.front() == ';') {
            document.lines.push_back({Kind::kept, std::string(text.substr(pos, end - pos))});
        } else if (trimmed.front() == '[') {
            const bool sound = isSoundSection(trimmed);
            head = sound ? Head::key : Head::broken;
            document.lines.push_back(
                {sound ? Kind::section : Kind::brokenSection, std::string(sound ? trimmed : text.substr(pos, end - pos))});
            if (!sound)
                malformed(number);
        } else {
            // Only hex data goes on over the indented lines that follow.
            if (readValueName(trimmed, namePos) && startsWithNoCase(trimmed.substr(namePos), "hex")) {
                for (std::string_view current = trimmed; current.ends_with('\\') && next < text.size(); ++lines) {
                    const std::size_t lineEnd = std::min(text.find('\n', next), text.size());
                    const std::string_view following = text.substr(next, lineEnd - next);
                    if (!following.starts_with(' ') && !following.starts_with('\t'))
                        break;
                    if ((current = trim(following)).empty())
                        break;
                    end = lineEnd;
                    next = std::min(end + 1, text.size());
                }
            }
            const std::string_view logical = text.substr(pos, end - pos);
            const auto value = readValue(logical);
            if (head == Head::key && value) {
                document.lines.push_back({Kind::value, formatValue(*value)});
            } else {
                document.lines.push_back({Kind::kept, std::string(logical)});
                // Under a broken section line a sound value is only kept: that
                // section line is what gets reported.
                if (head != Head::broken || !value)
                    malformed(number);
            }
        }
        pos = next;
        number += lines;
    }
    return document;
}

std::string serializeRegFile(const RegDocument& document)
{
    std::string out = std::string(kHeader) + "\n\n";
    bool inBlock = false; // a block has been started and wants its closing blank line
    for (const RegLine& line : document.lines) {
        if (isSection(line) && inBlock)
            out += '\n';
        out += line.text;
        out += '\n';
        // A kept line that ends in a backslash would swallow an indented line
        // written after it, which it never did where it came from: a blank line
        // stops it.
        const std::string_view last = trim(std::string_view(line.text).substr(line.text.rfind('\n') + 1));
        if (line.kind == Kind::kept && last.ends_with('\\'))
            out += '\n';
        inBlock = true;
    }
    if (inBlock)
        out += '\n';
    return out;
}

bool keyExists(const RegDocument& document, std::u16string_view path)
{
    const std::u16string key = foldCase(path);
    return std::any_of(document.lines.begin(), document.lines.end(),
                       [&](const RegLine& line) { return matchSection(line, key) != Match::none; });
}

std::optional<RegValue> findValue(const RegDocument& document, std::u16string_view path, std::u16string_view name)
{
    const RegLine* found = nullptr;
    const std::u16string foldedName = foldCase(name);
    forEachLineOfKey(document, foldCase(path), [&](std::size_t, const RegLine& line) {
        if (line.kind == Kind::value && isNamed(line, foldedName))
            found = &line;
    });
    return found != nullptr ? readValue(found->text) : std::nullopt;
}

bool createKey(RegDocument& document, std::u16string_view path)
{
    const std::u16string key = foldCase(path);
    if (!isValidKeyPath(path) || std::any_of(document.lines.begin(), document.lines.end(), [&](const RegLine& line) {
            return matchSection(line, key) == Match::equal;
        }))
        return false;
    document.lines.push_back({Kind::section, "[" + toUtf8(path) + "]"});
    return true;
}

bool setValue(RegDocument& document, std::u16string_view path, RegValue value)
{
    if (!isValidKeyPath(path) || !isValidValueName(value.name))
        return false;
    const std::u16string name = foldCase(value.name);
    std::optional<std::size_t> keep; // the line that takes the new data
    std::size_t end = 0;             // past the key's last line
    if (!forEachLineOfKey(document, foldCase(path), [&](std::size_t i, const RegLine& line) {
            if (line.kind == Kind::value && isNamed(line, name))
                keep = i;
            end = i + 1;
        })) {
        // A key so far known only by its sub-keys gets its section.
        return keyExists(document, path) && createKey(document, path) && setValue(document, path, std::move(value));
    }
    if (keep) {
        std::size_t pos = 0;
        value.name = fromUtf8(*readValueName(document.lines[*keep].text, pos)); // as it was spelled
        document.lines[*keep].text = formatValue(value);
    } else {
        document.lines.insert(document.lines.begin() + static_cast<std::ptrdiff_t>(end),
                              {Kind::value, formatValue(value)});
        keep = end;
    }
    removeNamed(document, path, value.name, *keep);
    return true;
}

DeleteOutcome deleteValue(RegDocument& document, std::u16string_view path, std::u16string_view name)
{
    return removeNamed(document, path, name, std::string_view::npos);
}

} // namespace quenby::os::posix
