#include "settings/private_profile.h"

#include "text/code_page_932.h"

#include <cstdint>
#include <optional>
#include <utility>

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimBlanks(std::string_view s)
{
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

char asciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool equalsIgnoreCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (asciiLower(a[i]) != asciiLower(b[i]))
            return false;
    return true;
}

// The longest prefix of at most max bytes that does not end between the two bytes of a
// double-byte character; a dangling lead byte would turn the last character into garbage.
std::string_view cutAtCharBoundary(std::string_view s, std::size_t max)
{
    if (s.size() <= max)
        return s;
    std::size_t end = 0;
    while (end < max) {
        const std::size_t step = isSjisLeadByte(static_cast<unsigned char>(s[end])) ? 2 : 1;
        if (end + step > max)
            break;
        end += step;
    }
    return s.substr(0, end);
}

bool isEnclosedInQuotes(std::string_view s)
{
    return s.size() >= 2 && s.front() == s.back() && (s.front() == '"' || s.front() == '\'');
}

std::string decodeValue(std::string_view raw)
{
    if (const std::size_t nul = raw.find('\0'); nul != std::string_view::npos)
        raw = raw.substr(0, nul);
    raw = trimBlanks(raw);
    if (isEnclosedInQuotes(raw))
        raw = raw.substr(1, raw.size() - 2);
    return std::string(cutAtCharBoundary(raw, PrivateProfile::kMaxValueBytes));
}

// What of a value to be written can live on one line and be read back.
std::string_view storableValue(std::string_view value)
{
    return value.substr(0, value.find_first_of(std::string_view("\r\n\0", 3)));
}

std::string encodeValue(std::string_view value)
{
    const bool wouldLoseBlanks = !value.empty() && (isBlank(value.front()) || isBlank(value.back()));
    if (wouldLoseBlanks || isEnclosedInQuotes(value))
        return "\"" + std::string(value) + "\"";
    return std::string(value);
}

std::optional<std::uint32_t> parseHexDigits(std::string_view digits)
{
    if (digits.empty())
        return std::nullopt;
    std::uint64_t value = 0;
    for (const char c : digits) {
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            return std::nullopt;
        value = value * 16 + static_cast<std::uint64_t>(digit);
        if (value > 0xFFFFFFFFu)
            return std::nullopt;
    }
    return static_cast<std::uint32_t>(value);
}

std::optional<std::uint64_t> parseDecimalDigits(std::string_view digits, std::uint64_t limit)
{
    if (digits.empty())
        return std::nullopt;
    std::uint64_t value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
        if (value > limit)
            return std::nullopt;
    }
    return value;
}

std::optional<std::string_view> hexDigitsAfterPrefix(std::string_view s)
{
    for (const std::string_view prefix : {"0x", "0X", "$", "x", "X"})
        if (s.starts_with(prefix))
            return s.substr(prefix.size());
    return std::nullopt;
}

std::optional<int> parseInteger(std::string_view s)
{
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    bool negative = false;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    if (const auto hexDigits = hexDigitsAfterPrefix(s)) {
        const auto bits = parseHexDigits(*hexDigits);
        if (!bits)
            return std::nullopt;
        // Hexadecimal covers all 32 bits, so "0xFFFFFFFF" is -1; unsigned arithmetic wraps.
        return static_cast<std::int32_t>(negative ? 0u - *bits : *bits);
    }
    const std::uint64_t limit = negative ? 2147483648u : 2147483647u;
    const auto magnitude = parseDecimalDigits(s, limit);
    if (!magnitude)
        return std::nullopt;
    const auto value = static_cast<std::int64_t>(*magnitude);
    return static_cast<int>(negative ? -value : value);
}

}  // namespace

std::string_view PrivateProfile::Line::name() const
{
    return std::string_view(text).substr(nameBegin, nameEnd - nameBegin);
}

std::string_view PrivateProfile::Line::rawValue() const { return std::string_view(text).substr(valueBegin); }

PrivateProfile::Line PrivateProfile::makeLine(std::string text, LineEnd end)
{
    Line line;
    line.text = std::move(text);
    line.end = end;
    classify(line);
    return line;
}

void PrivateProfile::classify(Line& line)
{
    const std::string_view text = line.text;
    std::size_t first = 0;
    while (first < text.size() && isBlank(text[first]))
        ++first;
    line.kind = LineKind::Other;
    if (first == text.size() || text[first] == ';')
        return;

    if (text[first] == '[') {
        const std::size_t close = text.find(']', first + 1);
        if (close != std::string_view::npos) {
            const std::string_view inner = text.substr(first + 1, close - first - 1);
            const std::string_view name = trimBlanks(inner);
            line.kind = LineKind::Section;
            line.nameBegin = static_cast<std::size_t>(name.data() - text.data());
            line.nameEnd = line.nameBegin + name.size();
            return;
        }
    }

    const std::size_t equals = text.find('=', first);
    if (equals == std::string_view::npos)
        return;
    const std::string_view key = trimBlanks(text.substr(first, equals - first));
    line.kind = LineKind::Entry;
    line.nameBegin = static_cast<std::size_t>(key.data() - text.data());
    line.nameEnd = line.nameBegin + key.size();
    std::size_t value = equals + 1;
    while (value < text.size() && isBlank(text[value]))
        ++value;
    line.valueBegin = value;
}

PrivateProfile PrivateProfile::parse(std::string_view bytes)
{
    PrivateProfile profile;
    std::size_t start = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n')
            continue;
        LineEnd end = c == '\n' ? LineEnd::Lf : LineEnd::Cr;
        const std::size_t textEnd = i;
        if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
            end = LineEnd::CrLf;
            ++i;
        }
        profile.lines_.push_back(makeLine(std::string(bytes.substr(start, textEnd - start)), end));
        start = i + 1;
    }
    if (start < bytes.size())
        profile.lines_.push_back(makeLine(std::string(bytes.substr(start)), LineEnd::None));
    return profile;
}

std::string PrivateProfile::toBytes() const
{
    std::size_t size = 0;
    for (const Line& line : lines_)
        size += line.text.size() + 2;
    std::string bytes;
    bytes.reserve(size);
    for (const Line& line : lines_) {
        bytes += line.text;
        switch (line.end) {
            case LineEnd::None:
                break;
            case LineEnd::CrLf:
                bytes += "\r\n";
                break;
            case LineEnd::Lf:
                bytes += '\n';
                break;
            case LineEnd::Cr:
                bytes += '\r';
                break;
        }
    }
    return bytes;
}

// One pass finds both what a read needs (the first matching entry in any section of that name)
// and what a write of a new key needs (where the first section of that name ends its entries).
PrivateProfile::Location PrivateProfile::locate(std::string_view section, std::string_view key) const
{
    Location found;
    bool inWantedSection = false;
    bool inFirstWantedSection = false;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const Line& line = lines_[i];
        if (line.kind == LineKind::Section) {
            const bool wanted = equalsIgnoreCase(line.name(), section);
            inFirstWantedSection = wanted && found.insertAfter == Location::npos;
            inWantedSection = wanted;
            if (inFirstWantedSection)
                found.insertAfter = i;
        } else if (line.kind == LineKind::Entry && inWantedSection) {
            if (equalsIgnoreCase(line.name(), key)) {
                found.entry = i;
                return found;
            }
            if (inFirstWantedSection)
                found.insertAfter = i;
        }
    }
    return found;
}

std::string PrivateProfile::readString(std::string_view section, std::string_view key, std::string_view def) const
{
    const Location at = locate(section, key);
    if (at.entry == Location::npos)
        return std::string(def);
    return decodeValue(lines_[at.entry].rawValue());
}

int PrivateProfile::readInteger(std::string_view section, std::string_view key, int def) const
{
    const Location at = locate(section, key);
    if (at.entry == Location::npos)
        return def;
    return parseInteger(decodeValue(lines_[at.entry].rawValue())).value_or(def);
}

bool PrivateProfile::readBool(std::string_view section, std::string_view key, bool def) const
{
    return readInteger(section, key, def ? 1 : 0) != 0;
}

void PrivateProfile::insertLine(std::size_t position, std::string text)
{
    // Only the last line can lack a line end; a line placed after it needs one there.
    if (position > 0 && lines_[position - 1].end == LineEnd::None)
        lines_[position - 1].end = LineEnd::CrLf;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(position), makeLine(std::move(text), LineEnd::CrLf));
}

void PrivateProfile::writeString(std::string_view section, std::string_view key, std::string_view value)
{
    value = storableValue(value);
    const Location at = locate(section, key);
    if (at.entry != Location::npos) {
        Line& line = lines_[at.entry];
        if (decodeValue(line.rawValue()) == value)
            return;
        line.text.resize(line.valueBegin);
        line.text += encodeValue(value);
        return;
    }
    std::string entry = std::string(key) + "=" + encodeValue(value);
    if (at.insertAfter != Location::npos) {
        insertLine(at.insertAfter + 1, std::move(entry));
        return;
    }
    insertLine(lines_.size(), "[" + std::string(section) + "]");
    insertLine(lines_.size(), std::move(entry));
}

void PrivateProfile::writeInteger(std::string_view section, std::string_view key, int value)
{
    writeString(section, key, std::to_string(value));
}

void PrivateProfile::writeBool(std::string_view section, std::string_view key, bool value)
{
    writeString(section, key, value ? "1" : "0");
}

void PrivateProfile::applyChangedValues(const PrivateProfile& before, const PrivateProfile& after)
{
    std::string section;
    for (std::size_t i = 0; i < after.lines_.size(); ++i) {
        const Line& line = after.lines_[i];
        if (line.kind == LineKind::Section)
            section = line.name();
        // Only the entry a read would find counts; entries above the first section belong to none.
        if (line.kind != LineKind::Entry || after.locate(section, line.name()).entry != i)
            continue;
        const std::string value = decodeValue(line.rawValue());
        const Location was = before.locate(section, line.name());
        if (was.entry == Location::npos || decodeValue(before.lines_[was.entry].rawValue()) != value)
            writeString(section, line.name(), value);
    }
}
