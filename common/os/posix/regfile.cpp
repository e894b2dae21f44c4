#include "common/os/posix/regfile.h"

#include "common/text.h"

#include <algorithm>
#include <stdexcept>

namespace quenby::os::posix {
namespace {

using Entry = RegDocument::Entry;

constexpr std::string_view header = "REGEDIT4";
constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";

// Room for "xx," before the line would pass 80 columns with its trailing backslash.
constexpr std::size_t hexWrapColumn = 76;

// Entries that a change may add without the list having to grow: the sections
// of a new key path and one new value. The list is sized exactly at parse time,
// so that growing it never holds two copies of a large one.
constexpr std::size_t spareEntries = 8;

// How much text the streaming serializer gathers before handing it on.
constexpr std::size_t outputChunk = 16 << 10;

// ---- entries ------------------------------------------------------------------------

enum class Kind : std::uint32_t {
    keySection,    // a sound section line: [path], the span is the trimmed line
    brokenSection, // a section line that could not be read: the physical line verbatim
    addedSection,  // a section added by createKey: offset indexes addedPaths
    value,         // a sound value line under a key section: its logical line
    addedValue,    // a value set since parsing: offset indexes addedValues
    kept,          // one or more logical lines carried through verbatim (blank lines between them are dropped)
};

constexpr unsigned sizeBits = 29;
constexpr std::uint32_t sizeMask = (std::uint32_t{1} << sizeBits) - 1;

Kind kindOf(const Entry& entry)
{
    return static_cast<Kind>(entry.sizeAndKind >> sizeBits);
}

std::size_t sizeOf(const Entry& entry)
{
    return entry.sizeAndKind & sizeMask;
}

Entry makeEntry(Kind kind, std::size_t offset, std::size_t size = 0)
{
    return Entry{static_cast<std::uint32_t>(offset),
                 static_cast<std::uint32_t>(size) | (static_cast<std::uint32_t>(kind) << sizeBits)};
}

bool isSection(Kind kind)
{
    return kind == Kind::keySection || kind == Kind::brokenSection || kind == Kind::addedSection;
}

bool isValue(Kind kind)
{
    return kind == Kind::value || kind == Kind::addedValue;
}

// ---- characters -------------------------------------------------------------------

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

// Whether bytes fed one at a time are well-formed UTF-8: text that the lenient
// converter would have to patch with U+FFFD is refused, because writing it back
// would change its bytes.
class Utf8Check {
public:
    void feed(unsigned char b)
    {
        if (!sound_)
            return;
        if (pending_ == 0) {
            if (b < 0x80)
                return;
            if ((b & 0xE0) == 0xC0)
                start(1, b & 0x1F, 0x80);
            else if ((b & 0xF0) == 0xE0)
                start(2, b & 0x0F, 0x800);
            else if ((b & 0xF8) == 0xF0)
                start(3, b & 0x07, 0x10000);
            else
                sound_ = false;
            return;
        }
        if ((b & 0xC0) != 0x80) {
            sound_ = false;
            return;
        }
        code_ = (code_ << 6) | (b & 0x3F);
        if (--pending_ == 0)
            sound_ = code_ >= least_ && code_ <= 0x10FFFF && (code_ < 0xD800 || code_ > 0xDFFF);
    }
    bool complete() const { return sound_ && pending_ == 0; }

private:
    void start(int pending, char32_t code, char32_t least)
    {
        pending_ = pending;
        code_ = code;
        least_ = least;
    }
    int pending_ = 0;
    char32_t code_ = 0;
    char32_t least_ = 0;
    bool sound_ = true;
};

bool isWellFormedUtf8(std::string_view s)
{
    Utf8Check check;
    for (char c : s)
        check.feed(static_cast<unsigned char>(c));
    return check.complete();
}

// Calls `unit` with each UTF-16 code unit of well-formed UTF-8 until it returns false.
template <typename Unit>
void forEachUnit(std::string_view s, Unit unit)
{
    std::size_t i = 0;
    while (i < s.size()) {
        const auto lead = static_cast<unsigned char>(s[i]);
        int extra = 0;
        char32_t c = lead;
        if (lead >= 0xF0)
            extra = 3, c = lead & 0x07;
        else if (lead >= 0xE0)
            extra = 2, c = lead & 0x0F;
        else if (lead >= 0xC0)
            extra = 1, c = lead & 0x1F;
        for (int k = 1; k <= extra && i + k < s.size(); ++k)
            c = (c << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
        i += static_cast<std::size_t>(extra) + 1;
        if (c >= 0x10000) {
            c -= 0x10000;
            if (!unit(static_cast<char16_t>(0xD800 + (c >> 10))) || !unit(static_cast<char16_t>(0xDC00 + (c & 0x3FF))))
                return;
        } else if (!unit(static_cast<char16_t>(c))) {
            return;
        }
    }
}

enum class Match { none, equal, inside };

// How a name or path compares with a case-folded one: equal, or (for paths) a
// sub-key of it. `units` calls its argument with each code unit of the name.
template <typename Units>
Match matchFolded(Units units, std::u16string_view folded)
{
    std::size_t i = 0;
    bool differs = false;
    bool longer = false;
    char16_t following = 0;
    units([&](char16_t unit) {
        if (i == folded.size()) {
            longer = true;
            following = foldCase(unit);
            return false;
        }
        if (foldCase(unit) != folded[i]) {
            differs = true;
            return false;
        }
        ++i;
        return true;
    });
    if (differs || i < folded.size())
        return Match::none;
    if (!longer)
        return Match::equal;
    return following == u'\\' ? Match::inside : Match::none;
}

Match matchUtf8(std::string_view utf8, std::u16string_view folded)
{
    return matchFolded([&](auto unit) { forEachUnit(utf8, unit); }, folded);
}

Match matchUtf16(std::u16string_view text, std::u16string_view folded)
{
    return matchFolded(
        [&](auto unit) {
            for (char16_t c : text) {
                if (!unit(c))
                    return;
            }
        },
        folded);
}

// ---- reading a line -------------------------------------------------------------------

// A quoted string starting at s[pos] == '"', with \\ and \" as its only escapes
// and no nul, CR or LF in it. On success pos is just past the closing quote,
// `utf8` tells whether the unescaped text is well-formed UTF-8, and `out` (when
// given) has received that text.
bool readQuoted(std::string_view s, std::size_t& pos, bool& utf8, std::string* out)
{
    Utf8Check check;
    std::size_t i = pos + 1;
    while (i < s.size()) {
        char c = s[i];
        if (c == '"') {
            pos = i + 1;
            utf8 = check.complete();
            return true;
        }
        if (c == '\0' || c == '\r' || c == '\n')
            return false;
        if (c == '\\') {
            if (i + 1 >= s.size() || (s[i + 1] != '\\' && s[i + 1] != '"'))
                return false;
            c = s[i + 1];
            ++i;
        }
        ++i;
        check.feed(static_cast<unsigned char>(c));
        if (out != nullptr)
            *out += c;
    }
    return false; // no closing quote
}

// A value name: @ or a quoted name, then '='. On success pos is past the '=' and
// the blanks after it, and `name` (when given) holds the name's UTF-8.
bool readValueName(std::string_view s, std::size_t& pos, std::string* name)
{
    pos = 0;
    if (name != nullptr)
        name->clear();
    if (s.empty())
        return false;
    if (s[0] == '@') {
        pos = 1;
    } else if (s[0] == '"') {
        bool utf8 = false;
        if (!readQuoted(s, pos, utf8, name) || !utf8)
            return false;
    } else {
        return false;
    }
    while (pos < s.size() && isBlank(s[pos]))
        ++pos;
    if (pos >= s.size() || s[pos] != '=')
        return false;
    ++pos;
    while (pos < s.size() && isBlank(s[pos]))
        ++pos;
    return true;
}

// Comma-separated bytes of two hex digits each; a trailing comma is tolerated.
// A byte of one digit is refused: it is what a file cut short leaves at its end,
// and taking "0" for 00 when it was 0f would change data without a word.
bool readHexBytes(std::string_view s, std::vector<std::uint8_t>* out)
{
    s = trim(s);
    if (s.empty())
        return true;
    if (out != nullptr)
        out->reserve(s.size() / 3 + 1);
    std::size_t pos = 0;
    bool any = false;
    while (true) {
        const std::size_t comma = s.find(',', pos);
        const std::string_view token =
            trim(s.substr(pos, comma == std::string_view::npos ? std::string_view::npos : comma - pos));
        if (token.empty()) {
            // Only the empty token after a final comma is allowed.
            return comma == std::string_view::npos && any;
        }
        if (token.size() != 2)
            return false;
        const int high = hexDigit(token[0]);
        const int low = hexDigit(token[1]);
        if (high < 0 || low < 0)
            return false;
        if (out != nullptr)
            out->push_back(static_cast<std::uint8_t>((high << 4) | low));
        any = true;
        if (comma == std::string_view::npos)
            return true;
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

enum class LineRead {
    unnamed, // not even the name could be read
    named,   // the name could, the data could not
    sound,
};

// Reads a value line (trimmed, continuations joined). With `out` it also fills
// the value; `scratch` is then used for the text on its way, so that a caller
// reading many lines reuses one buffer.
LineRead readValueLine(std::string_view s, RegValue* out, std::string* scratch)
{
    std::size_t pos = 0;
    if (!readValueName(s, pos, out != nullptr ? scratch : nullptr))
        return LineRead::unnamed;
    const std::string_view data = trimRight(s.substr(pos));
    if (out != nullptr) {
        out->name = fromUtf8(*scratch);
        out->data.clear();
    }

    if (!data.empty() && data[0] == '"') {
        std::size_t end = 0;
        bool utf8 = false;
        if (out != nullptr)
            scratch->clear();
        if (!readQuoted(data, end, utf8, out != nullptr ? scratch : nullptr) || end != data.size() || !utf8)
            return LineRead::named;
        if (out != nullptr) {
            out->type = RegType::sz;
            out->data = utf16Data(fromUtf8(*scratch));
        }
    } else if (startsWithIgnoreCase(data, "dword:")) {
        // All eight digits, as they are always written: fewer means a cut-off line.
        const auto n = parseHexNumber(data.substr(6), 8);
        if (!n)
            return LineRead::named;
        if (out != nullptr) {
            out->type = RegType::dword;
            out->data = {static_cast<std::uint8_t>(*n & 0xFF), static_cast<std::uint8_t>((*n >> 8) & 0xFF),
                         static_cast<std::uint8_t>((*n >> 16) & 0xFF), static_cast<std::uint8_t>(*n >> 24)};
        }
    } else if (startsWithIgnoreCase(data, "hex:")) {
        if (!readHexBytes(data.substr(4), out != nullptr ? &out->data : nullptr))
            return LineRead::named;
        if (out != nullptr)
            out->type = RegType::binary;
    } else if (startsWithIgnoreCase(data, "hex(")) {
        const std::size_t close = data.find(')', 4);
        if (close == std::string_view::npos || close + 1 >= data.size() || data[close + 1] != ':')
            return LineRead::named;
        const auto type = parseHexNumber(data.substr(4, close - 4), 1);
        if (!type || !readHexBytes(data.substr(close + 2), out != nullptr ? &out->data : nullptr))
            return LineRead::named;
        if (out != nullptr)
            out->type = static_cast<RegType>(*type);
    } else {
        return LineRead::named;
    }
    return LineRead::sound;
}

// Whether a value line holds hex data, the only kind that may go on over
// following lines.
bool isHexValueLine(std::string_view s)
{
    std::size_t pos = 0;
    return readValueName(s, pos, nullptr) && startsWithIgnoreCase(s.substr(pos), "hex");
}

// A continued line goes on with the next line when that one is indented.
bool isContinuation(std::string_view next)
{
    return !next.empty() && (next[0] == ' ' || next[0] == '\t') && !trim(next).empty();
}

// The path inside a section line is a valid key path in well-formed UTF-8.
bool isSoundSection(std::string_view trimmed)
{
    if (trimmed.size() < 2 || trimmed.front() != '[' || trimmed.back() != ']')
        return false;
    const std::string_view path = trimmed.substr(1, trimmed.size() - 2);
    return !path.empty() && path.front() != '\\' && path.back() != '\\' &&
           path.find("\\\\") == std::string_view::npos &&
           path.find_first_of(std::string_view("\0\r\n", 3)) == std::string_view::npos && isWellFormedUtf8(path);
}

// ---- logical lines ----------------------------------------------------------------------

std::size_t endOfLine(std::string_view text, std::size_t pos)
{
    const std::size_t end = text.find('\n', pos);
    return end == std::string_view::npos ? text.size() : end;
}

// One line as the format sees it: a physical line, or a hex value line with the
// indented lines that continue it.
struct Logical {
    enum class Type { blank, comment, section, value } type = Type::blank;
    std::size_t begin = 0; // its first byte
    std::size_t end = 0;   // past its last byte, before the line break
    std::size_t next = 0;  // where the following line begins
    std::size_t lines = 1; // physical lines
    std::string_view first; // its first physical line, trimmed
};

Logical readLogical(std::string_view text, std::size_t pos)
{
    Logical line;
    line.begin = pos;
    line.end = endOfLine(text, pos);
    line.next = std::min(line.end + 1, text.size());
    line.first = trim(text.substr(pos, line.end - pos));
    if (line.first.empty())
        return line;
    if (line.first.front() == ';') {
        line.type = Logical::Type::comment;
        return line;
    }
    if (line.first.front() == '[') {
        line.type = Logical::Type::section;
        return line;
    }
    line.type = Logical::Type::value;
    if (!isHexValueLine(line.first))
        return line;
    std::string_view current = line.first;
    while (!current.empty() && current.back() == '\\' && line.next < text.size()) {
        const std::size_t end = endOfLine(text, line.next);
        const std::string_view following = text.substr(line.next, end - line.next);
        if (!isContinuation(following))
            break;
        current = trim(following);
        line.end = end;
        line.next = std::min(end + 1, text.size());
        ++line.lines;
    }
    return line;
}

// The value line as one string: each physical line trimmed, the backslash that
// continues it dropped. A single line needs no copy.
std::string_view joined(std::string_view text, const Logical& line, std::string& scratch)
{
    if (line.lines == 1)
        return line.first;
    scratch.clear();
    std::size_t pos = line.begin;
    for (std::size_t i = 0; i < line.lines; ++i) {
        const std::size_t end = endOfLine(text, pos);
        std::string_view part = trim(text.substr(pos, end - pos));
        if (i + 1 < line.lines)
            part.remove_suffix(1); // the backslash
        scratch += part;
        pos = end + 1;
    }
    return scratch;
}

// Walks the text once, telling the visitor of each section line, each sound value
// under a sound section, and each other non-blank logical line (kept verbatim).
template <typename Visitor>
void walk(std::string_view text, Visitor& visitor)
{
    std::string scratch;
    std::size_t pos = 0;
    std::size_t lineNumber = 1;
    if (!text.empty()) {
        const std::size_t end = endOfLine(text, 0);
        std::string_view first = text.substr(0, end);
        if (first.starts_with(byteOrderMark))
            first.remove_prefix(byteOrderMark.size());
        if (trim(first) == header) {
            pos = std::min(end + 1, text.size());
            lineNumber = 2;
        }
    }
    enum class Head { prelude, key, broken } head = Head::prelude;
    while (pos < text.size()) {
        const Logical line = readLogical(text, pos);
        switch (line.type) {
        case Logical::Type::blank:
            break;
        case Logical::Type::comment:
            visitor.kept(line, false, lineNumber);
            break;
        case Logical::Type::section: {
            const bool sound = isSoundSection(line.first);
            head = sound ? Head::key : Head::broken;
            visitor.section(line, sound, lineNumber);
            break;
        }
        case Logical::Type::value: {
            const LineRead read = readValueLine(joined(text, line, scratch), nullptr, nullptr);
            if (head == Head::key && read == LineRead::sound)
                visitor.value(line);
            else
                // Under a broken section line a sound value is only kept: that
                // section line is what gets reported.
                visitor.kept(line, head != Head::broken || read != LineRead::sound, lineNumber);
            break;
        }
        }
        pos = line.next;
        lineNumber += line.lines;
    }
}

// Tallies the unreadable lines.
struct MalformedTally {
    std::size_t count = 0;
    std::vector<std::size_t>* listed = nullptr;
    std::size_t first = 0;

    void note(std::size_t lineNumber)
    {
        if (count++ == 0)
            first = lineNumber;
        if (listed != nullptr && listed->size() < kListedMalformedLines)
            listed->push_back(lineNumber);
    }
};

// Builds the entries; without a document it only counts them.
struct EntryBuilder {
    RegDocument* document = nullptr;
    std::string_view text;
    std::size_t count = 0;
    bool afterKept = false;
    MalformedTally malformed;

    void add(Entry entry)
    {
        ++count;
        if (document != nullptr)
            document->entries.push_back(entry);
    }
    void section(const Logical& line, bool sound, std::size_t lineNumber)
    {
        if (sound)
            add(makeEntry(Kind::keySection, static_cast<std::size_t>(line.first.data() - text.data()),
                          line.first.size()));
        else
            add(makeEntry(Kind::brokenSection, line.begin, line.end - line.begin));
        if (!sound)
            malformed.note(lineNumber);
        afterKept = false;
    }
    void value(const Logical& line)
    {
        add(makeEntry(Kind::value, line.begin, line.end - line.begin));
        afterKept = false;
    }
    void kept(const Logical& line, bool isMalformed, std::size_t lineNumber)
    {
        if (isMalformed)
            malformed.note(lineNumber);
        if (!afterKept) {
            add(makeEntry(Kind::kept, line.begin, line.end - line.begin));
            afterKept = true;
        } else if (document != nullptr) {
            Entry& run = document->entries.back();
            run = makeEntry(Kind::kept, run.offset, line.end - run.offset);
        }
    }
};

// ---- reading entries --------------------------------------------------------------------

std::string_view spanOf(const RegDocument& document, const Entry& entry)
{
    return std::string_view(document.text).substr(entry.offset, sizeOf(entry));
}

// The key path of a sound section line, in UTF-8.
std::string_view sectionPathUtf8(const RegDocument& document, const Entry& entry)
{
    const std::string_view line = spanOf(document, entry);
    return line.substr(1, line.size() - 2);
}

Match matchSection(const RegDocument& document, const Entry& entry, std::u16string_view foldedPath)
{
    switch (kindOf(entry)) {
    case Kind::keySection:
        return matchUtf8(sectionPathUtf8(document, entry), foldedPath);
    case Kind::addedSection:
        return matchUtf16(document.addedPaths[entry.offset], foldedPath);
    default:
        return Match::none;
    }
}

std::u16string sectionPath(const RegDocument& document, const Entry& entry)
{
    if (kindOf(entry) == Kind::addedSection)
        return document.addedPaths[entry.offset];
    return fromUtf8(sectionPathUtf8(document, entry));
}

// The name of a value entry as UTF-8 in `scratch` (a value line's name is always
// on its first physical line).
void valueNameUtf8(const RegDocument& document, const Entry& entry, std::string& scratch)
{
    const std::string_view line = document.text;
    const std::string_view first = trim(line.substr(entry.offset, endOfLine(line, entry.offset) - entry.offset));
    std::size_t pos = 0;
    readValueName(first, pos, &scratch);
}

bool valueNamed(const RegDocument& document, const Entry& entry, std::u16string_view foldedName,
                std::string& scratch)
{
    if (kindOf(entry) == Kind::addedValue)
        return matchUtf16(document.addedValues[entry.offset].name, foldedName) == Match::equal;
    valueNameUtf8(document, entry, scratch);
    return matchUtf8(scratch, foldedName) == Match::equal;
}

RegValue decodeValue(const RegDocument& document, const Entry& entry)
{
    if (kindOf(entry) == Kind::addedValue)
        return document.addedValues[entry.offset];
    RegValue value;
    std::string joinScratch;
    std::string textScratch;
    const Logical line = readLogical(document.text, entry.offset);
    readValueLine(joined(document.text, line, joinScratch), &value, &textScratch);
    return value;
}

// Calls `each` with every logical line of a kept run that has not been removed.
template <typename Each>
void forEachKeptLine(const RegDocument& document, const Entry& entry, Each each)
{
    const std::size_t end = entry.offset + sizeOf(entry);
    for (std::size_t pos = entry.offset; pos < end;) {
        const Logical line = readLogical(document.text, pos);
        if (line.type != Logical::Type::blank &&
            !std::binary_search(document.removedLines.begin(), document.removedLines.end(),
                                static_cast<std::uint32_t>(line.begin)))
            each(line);
        pos = line.next;
    }
}

// Adds to `found` the lines of a kept run whose value name could be read and is
// the one given. Returns whether there were any.
bool findNamedKeptLines(const RegDocument& document, const Entry& entry, std::u16string_view foldedName,
                        std::vector<std::uint32_t>& found)
{
    std::string joinScratch;
    std::string name;
    const std::size_t before = found.size();
    forEachKeptLine(document, entry, [&](const Logical& line) {
        if (line.type != Logical::Type::value)
            return;
        std::size_t pos = 0;
        if (readValueName(joined(document.text, line, joinScratch), pos, &name) &&
            matchUtf8(name, foldedName) == Match::equal)
            found.push_back(static_cast<std::uint32_t>(line.begin));
    });
    return found.size() > before;
}

// ---- writing -------------------------------------------------------------------------

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
    static constexpr char digits[] = "0123456789abcdef";
    if (value.type == RegType::dword && value.data.size() == 4) {
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

void appendKeptLine(std::string& out, std::string_view text)
{
    out += text;
    out += '\n';
    // A kept line that ends in a backslash would swallow an indented line written
    // after it, which it never did in the file it came from: a blank line stops it.
    const std::size_t lastBreak = text.rfind('\n');
    const std::string_view lastLine = lastBreak == std::string_view::npos ? text : text.substr(lastBreak + 1);
    const std::string_view end = trimRight(lastLine);
    if (!end.empty() && end.back() == '\\')
        out += '\n';
}

// Writes the document into `out`, handing it to the sink (when there is one)
// whenever a chunk has gathered.
bool writeDocument(const RegDocument& document, std::string& out,
                   const std::function<bool(std::string_view)>* sink)
{
    const auto pass = [&](bool last) {
        if (sink == nullptr || (!last && out.size() < outputChunk))
            return true;
        const bool taken = (*sink)(out);
        out.clear();
        return taken;
    };

    out += header;
    out += "\n\n";
    bool inBlock = false; // a block has been started and wants its closing blank line
    RegValue scratchValue;
    std::string joinScratch;
    std::string textScratch;
    for (const Entry& entry : document.entries) {
        const Kind kind = kindOf(entry);
        if (isSection(kind)) {
            if (inBlock)
                out += '\n';
            inBlock = true;
            if (kind == Kind::addedSection) {
                out += '[';
                out += toUtf8(document.addedPaths[entry.offset]);
                out += ']';
            } else {
                out += spanOf(document, entry);
            }
            out += '\n';
        } else if (kind == Kind::addedValue) {
            appendValue(out, document.addedValues[entry.offset]);
            inBlock = true;
        } else if (kind == Kind::value) {
            const Logical line = readLogical(document.text, entry.offset);
            readValueLine(joined(document.text, line, joinScratch), &scratchValue, &textScratch);
            appendValue(out, scratchValue);
            inBlock = true;
        } else {
            forEachKeptLine(document, entry, [&](const Logical& line) {
                appendKeptLine(out, std::string_view(document.text).substr(line.begin, line.end - line.begin));
                inBlock = true;
            });
        }
        if (!pass(false))
            return false;
    }
    if (inBlock)
        out += '\n';
    return pass(true);
}

// Rewrites the entries in place, keeping those for which `keep` says so.
template <typename Keep>
void filterEntries(RegDocument& document, Keep keep)
{
    std::size_t kept = 0;
    for (std::size_t i = 0; i < document.entries.size(); ++i) {
        if (keep(i, document.entries[i]))
            document.entries[kept++] = document.entries[i];
    }
    document.entries.resize(kept);
}


struct Removal {
    bool found = false;   // a sound value went
    bool changed = false; // anything went
};

// Removes from the key every line of that name but the entry `spare` (an index,
// updated to where that entry ends up).
Removal removeNamed(RegDocument& document, std::u16string_view foldedPath, std::u16string_view foldedName,
                    std::optional<std::size_t>& spare)
{
    Removal removal;
    bool inKey = false;
    std::size_t kept = 0;
    std::string scratch;
    std::optional<std::size_t> spareAfter;
    std::vector<std::uint32_t> removedLines; // added to the document's list once it is no longer searched
    filterEntries(document, [&](std::size_t index, const Entry& entry) {
        const Kind kind = kindOf(entry);
        bool drop = false;
        if (isSection(kind)) {
            inKey = matchSection(document, entry, foldedPath) == Match::equal;
        } else if (inKey && isValue(kind)) {
            drop = index != spare && valueNamed(document, entry, foldedName, scratch);
            removal.found = removal.found || drop;
        } else if (inKey && kind == Kind::kept) {
            removal.changed = findNamedKeptLines(document, entry, foldedName, removedLines) || removal.changed;
        }
        if (drop) {
            removal.changed = true;
            return false;
        }
        if (index == spare)
            spareAfter = kept;
        ++kept;
        return true;
    });
    spare = spareAfter;
    if (!removedLines.empty()) {
        auto& lines = document.removedLines;
        lines.insert(lines.end(), removedLines.begin(), removedLines.end());
        std::sort(lines.begin(), lines.end());
    }
    return removal;
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

RegDocument parseRegFile(std::string text)
{
    if (text.size() > kMaxDocumentSize)
        throw std::length_error("registry text larger than a document can address");
    RegDocument document;
    document.text = std::move(text);

    // Counted first, so that the list is made once at its final size.
    EntryBuilder counter;
    counter.text = document.text;
    walk(document.text, counter);
    document.entries.reserve(counter.count + spareEntries);

    EntryBuilder builder;
    builder.document = &document;
    builder.text = document.text;
    builder.malformed.listed = &document.malformedLines;
    walk(document.text, builder);
    document.malformedCount = builder.malformed.count;
    return document;
}

std::string serializeRegFile(const RegDocument& document)
{
    std::string out;
    out.reserve(document.text.size() + 64);
    writeDocument(document, out, nullptr);
    return out;
}

bool serializeRegFile(const RegDocument& document, const std::function<bool(std::string_view)>& sink)
{
    std::string out;
    out.reserve(outputChunk + 256);
    return writeDocument(document, out, &sink);
}

RegLookup lookUp(std::string_view text, std::u16string_view path, std::optional<std::u16string_view> name)
{
    struct Finder {
        std::u16string foldedPath;
        std::optional<std::u16string> foldedName;
        bool inKey = false;
        std::optional<Logical> found;
        std::string scratch;
        RegLookup result;
        MalformedTally malformed;

        void section(const Logical& line, bool sound, std::size_t lineNumber)
        {
            inKey = false;
            if (!sound) {
                malformed.note(lineNumber);
                return;
            }
            const Match match = matchUtf8(line.first.substr(1, line.first.size() - 2), foldedPath);
            inKey = match == Match::equal;
            result.keyExists = result.keyExists || match != Match::none;
        }
        void value(const Logical& line)
        {
            if (!inKey || !foldedName)
                return;
            std::size_t pos = 0;
            readValueName(line.first, pos, &scratch);
            if (matchUtf8(scratch, *foldedName) == Match::equal)
                found = line;
        }
        void kept(const Logical&, bool isMalformed, std::size_t lineNumber)
        {
            if (isMalformed)
                malformed.note(lineNumber);
        }
    };

    Finder finder;
    finder.foldedPath = foldCase(path);
    if (name)
        finder.foldedName = foldCase(*name);
    if (isValidKeyPath(path))
        walk(text, finder);
    RegLookup result = std::move(finder.result);
    result.malformedCount = finder.malformed.count;
    result.firstMalformedLine = finder.malformed.first;
    if (finder.found) {
        RegValue value;
        std::string joinScratch;
        readValueLine(joined(text, *finder.found, joinScratch), &value, &finder.scratch);
        result.value = std::move(value);
    }
    return result;
}

bool keyExists(const RegDocument& document, std::u16string_view path)
{
    const std::u16string folded = foldCase(path);
    return std::any_of(document.entries.begin(), document.entries.end(),
                       [&](const Entry& entry) { return matchSection(document, entry, folded) != Match::none; });
}

std::optional<RegValue> findValue(const RegDocument& document, std::u16string_view path, std::u16string_view name)
{
    const std::u16string foldedPath = foldCase(path);
    const std::u16string foldedName = foldCase(name);
    const Entry* found = nullptr;
    bool inKey = false;
    std::string scratch;
    for (const Entry& entry : document.entries) {
        const Kind kind = kindOf(entry);
        if (isSection(kind))
            inKey = matchSection(document, entry, foldedPath) == Match::equal;
        else if (inKey && isValue(kind) && valueNamed(document, entry, foldedName, scratch))
            found = &entry;
    }
    if (found == nullptr)
        return std::nullopt;
    return decodeValue(document, *found);
}

std::vector<RegKeyValue> allValues(const RegDocument& document)
{
    std::vector<RegKeyValue> out;
    std::u16string path;
    for (const Entry& entry : document.entries) {
        const Kind kind = kindOf(entry);
        if (kind == Kind::keySection || kind == Kind::addedSection)
            path = sectionPath(document, entry);
        else if (isValue(kind))
            out.push_back({path, decodeValue(document, entry)});
    }
    return out;
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

        // The section of exactly this key, else the last one of a key below it.
        bool hasSection = false;
        const Entry* spelling = nullptr;
        for (const Entry& entry : document.entries) {
            const Match match = matchSection(document, entry, folded);
            if (match == Match::none)
                continue;
            spelling = &entry;
            if (match == Match::equal) {
                hasSection = true;
                break;
            }
        }
        if (spelling != nullptr) {
            spelled = sectionPath(document, *spelling).substr(0, prefix.size());
        } else {
            if (!spelled.empty())
                spelled += u'\\';
            spelled += path.substr(start, end - start);
        }
        if (!hasSection) {
            document.addedPaths.push_back(spelled);
            document.entries.push_back(makeEntry(Kind::addedSection, document.addedPaths.size() - 1));
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

    std::optional<std::size_t> keep; // the line that takes the new data
    bool hasSection = false;
    bool inKey = false;
    std::string scratch;
    for (std::size_t i = 0; i < document.entries.size(); ++i) {
        const Entry& entry = document.entries[i];
        const Kind kind = kindOf(entry);
        if (isSection(kind)) {
            inKey = matchSection(document, entry, foldedPath) == Match::equal;
            hasSection = hasSection || inKey;
        } else if (inKey && isValue(kind) && valueNamed(document, entry, foldedName, scratch)) {
            keep = i;
        }
    }
    if (!hasSection) {
        if (!keyExists(document, path))
            return false;
        createKey(document, path); // a key so far known only by its sub-keys gets its section
        return setValue(document, path, std::move(value));
    }

    removeNamed(document, foldedPath, foldedName, keep);
    if (keep) {
        Entry& entry = document.entries[*keep];
        if (kindOf(entry) == Kind::addedValue) {
            value.name = document.addedValues[entry.offset].name;
        } else {
            valueNameUtf8(document, entry, scratch);
            value.name = fromUtf8(scratch);
        }
        document.addedValues.push_back(std::move(value));
        entry = makeEntry(Kind::addedValue, document.addedValues.size() - 1);
        return true;
    }

    // At the end of the key's last section.
    std::size_t at = 0;
    inKey = false;
    for (std::size_t i = 0; i < document.entries.size(); ++i) {
        const Entry& entry = document.entries[i];
        if (isSection(kindOf(entry)))
            inKey = matchSection(document, entry, foldedPath) == Match::equal;
        if (inKey)
            at = i + 1;
    }
    document.addedValues.push_back(std::move(value));
    document.entries.insert(document.entries.begin() + static_cast<std::ptrdiff_t>(at),
                            makeEntry(Kind::addedValue, document.addedValues.size() - 1));
    return true;
}

DeleteOutcome deleteValue(RegDocument& document, std::u16string_view path, std::u16string_view name)
{
    std::optional<std::size_t> none;
    const Removal removal = removeNamed(document, foldCase(path), foldCase(name), none);
    return DeleteOutcome{removal.found, removal.changed};
}

bool deleteTree(RegDocument& document, std::u16string_view path)
{
    const std::u16string folded = foldCase(path);
    bool existed = false;
    bool dropping = false; // inside a section of the tree; the prelude never is
    filterEntries(document, [&](std::size_t, const Entry& entry) {
        if (isSection(kindOf(entry))) {
            dropping = matchSection(document, entry, folded) != Match::none;
            existed = existed || dropping;
        }
        return !dropping;
    });
    return existed;
}

} // namespace quenby::os::posix
