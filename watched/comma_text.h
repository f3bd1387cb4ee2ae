#pragma once
// Comma text: the one-line field format of the watched-auction file. Fields are Shift-JIS bytes.
#include <string>
#include <string_view>
#include <vector>

// One line for fields, without a line end. A lone empty field is written as two double quotes;
// a field holding a byte 0x00-0x20, a double quote or a comma is quoted with its double quotes
// doubled; other fields are written as they stand (an empty one as nothing); commas separate
// them with no blanks. The line is always a single line: CR, LF and NUL inside a field, which the
// format cannot carry, are written as blanks. No fields give the empty line.
std::string writeCommaText(const std::vector<std::string>& fields);

// Appends the line for fields to out; the same bytes writeCommaText returns.
void appendCommaText(std::string& out, const std::vector<std::string>& fields);

// The fields of one line. Blanks and control bytes (0x01-0x20) around fields are skipped; a
// quoted field reads pairs of double quotes as one and ends at the next lone double quote, and
// when that quote is missing the rest of the line is its text; an unquoted field ends before a
// byte 0x20 or less or a comma. A comma that is the line's last byte adds an empty field, and a
// byte straight after a field starts the next one (a b and "a"b are two fields each). A NUL byte
// ends the line. An empty line, or one of blanks only, gives no field.
std::vector<std::string> readCommaText(std::string_view line);
