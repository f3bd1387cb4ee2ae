#include "watched/comma_text.h"

#include "text/code_page_932.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr bool isBlank(unsigned char c) { return c >= 0x01 && c <= 0x20; }
constexpr bool endsUnquotedField(unsigned char c) { return c <= 0x20 || c == ','; }
constexpr bool needsQuoting(unsigned char c) { return c <= 0x20 || c == '"' || c == ','; }

// The reader scans byte by byte, yet it never splits a double-byte character nor swallows a
// separator after a stray lead byte: no byte that ends a field or opens or closes a quote can be
// either half of a double-byte character, so every such byte begins a character of its own.
constexpr bool separatorsStandAlone()
{
    for (int b = 0; b < 256; ++b) {
        const auto c = static_cast<unsigned char>(b);
        if ((endsUnquotedField(c) || c == '"') && (isSjisLeadByte(c) || isSjisTrailByte(c)))
            return false;
    }
    return true;
}
static_assert(separatorsStandAlone());

const char* skipBlanks(const char* p, const char* end)
{
    while (p != end && isBlank(static_cast<unsigned char>(*p)))
        ++p;
    return p;
}

// Reads a quoted field's text from just after its opening quote into text and returns the
// position after the closing quote. An unclosed quote takes the rest of the line, so nothing the
// line holds is dropped.
const char* readQuotedField(const char* p, const char* end, std::string& text)
{
    for (;;) {
        const auto* quote = static_cast<const char*>(std::memchr(p, '"', static_cast<size_t>(end - p)));
        if (!quote) {
            text.append(p, end);
            return end;
        }
        text.append(p, quote);
        if (quote + 1 == end || quote[1] != '"')
            return quote + 1;
        text += '"';
        p = quote + 2;
    }
}

const char* readUnquotedField(const char* p, const char* end, std::string& text)
{
    const char* start = p;
    while (p != end && !endsUnquotedField(static_cast<unsigned char>(*p)))
        ++p;
    text.assign(start, p);
    return p;
}

// CR, LF and NUL would break the line or end the text where the reader sees it; a blank keeps
// the field in place and forces quoting, so the rest of the line reads back as written.
char lineSafe(char c) { return c == '\r' || c == '\n' || c == '\0' ? ' ' : c; }

void appendField(std::string& out, const std::string& field)
{
    const bool quoted =
        std::any_of(field.begin(), field.end(), [](char c) { return needsQuoting(static_cast<unsigned char>(c)); });
    if (!quoted) {
        out += field;
        return;
    }
    out += '"';
    for (const char c : field) {
        if (c == '"')
            out += '"';
        out += lineSafe(c);
    }
    out += '"';
}

}  // namespace

void appendCommaText(std::string& out, const std::vector<std::string>& fields)
{
    // A lone empty field written as nothing would be an empty line, which reads as no field.
    if (fields.size() == 1 && fields.front().empty()) {
        out += "\"\"";
        return;
    }
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out += ',';
        appendField(out, fields[i]);
    }
}

std::string writeCommaText(const std::vector<std::string>& fields)
{
    std::string line;
    appendCommaText(line, fields);
    return line;
}

std::vector<std::string> readCommaText(std::string_view line)
{
    if (line.empty())
        return {};
    if (const void* nul = std::memchr(line.data(), '\0', line.size()))
        line = line.substr(0, static_cast<size_t>(static_cast<const char*>(nul) - line.data()));

    const char* p = line.data();
    const char* const end = p + line.size();
    p = skipBlanks(p, end);
    std::vector<std::string> fields;
    if (p == end)
        return fields;
    fields.reserve(static_cast<size_t>(std::count(p, end, ',')) + 1);

    // With NUL gone, every pass takes at least one byte: a field that is not quoted and starts
    // with neither a blank nor a comma holds one.
    while (p != end) {
        std::string& field = fields.emplace_back();
        p = *p == '"' ? readQuotedField(p + 1, end, field) : readUnquotedField(p, end, field);
        p = skipBlanks(p, end);
        if (p != end && *p == ',') {
            if (p + 1 == end)
                fields.emplace_back();
            p = skipBlanks(p + 1, end);
        }
    }
    return fields;
}
