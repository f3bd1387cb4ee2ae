#pragma once
// The settings file held in memory as its lines. Each line keeps its own bytes and its own line
// end, so everything the program does not own (comments, unknown sections and keys, blank lines,
// odd letter case, LF-only line ends, stray bytes) goes back to disk exactly as it was read.
//
// What counts as what:
// - a line whose first non-blank byte is "[" and which holds a "]" starts a section; its name is
//   the text between them, blanks around it dropped;
// - a line whose first non-blank byte is ";" is a comment;
// - any other line holding "=" is an entry of the section above it: the key is the text before
//   the first "=", blanks around it dropped; entries above the first section belong to none;
// - every other line is kept and otherwise ignored.
// Blanks are SPACE and TAB. Section and key names match without regard to ASCII letter case, and
// a name may appear more than once: the first matching entry of any section of that name counts.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class PrivateProfile {
public:
    // A value read is cut at this many bytes (never inside a double-byte character).
    static constexpr std::size_t kMaxValueBytes = 2047;

    // Never fails: any bytes form a document, and toBytes() gives them back unchanged.
    static PrivateProfile parse(std::string_view bytes);
    std::string toBytes() const;

    // The value of the first matching entry: cut at a NUL byte, blanks around it dropped, then one
    // pair of enclosing double or single quotes dropped, then cut to kMaxValueBytes. A missing
    // section or key gives def; an empty value gives "".
    std::string readString(std::string_view section, std::string_view key, std::string_view def) const;
    // Decimal, or hexadecimal after "$", "x", "X", "0x" or "0X", with an optional sign. An empty
    // value, any other character, or a number past the signed 32-bit range (past 32 bits for
    // hexadecimal, which then wraps into the signed range) gives def.
    int readInteger(std::string_view section, std::string_view key, int def) const;
    // An integer read with the default 1 or 0; any non-zero number is true.
    bool readBool(std::string_view section, std::string_view key, bool def) const;

    // Sets a value. An entry that already reads as value is left byte for byte. Otherwise the first
    // matching entry gets the new value in place (its key spelling and the blanks after "=" stay);
    // a missing key goes in after the last entry of the first section of that name; a missing
    // section goes at the end. New lines end with CR LF.
    // The value is cut at its first CR, LF or NUL, which could not be read back and would break
    // the file; a value that would lose blanks or quotes on reading is written inside double
    // quotes, so that it reads back as written.
    void writeString(std::string_view section, std::string_view key, std::string_view value);
    // Decimal, "-" before negative numbers.
    void writeInteger(std::string_view section, std::string_view key, int value);
    // "1" or "0".
    void writeBool(std::string_view section, std::string_view key, bool value);

    // Writes into this document every value that reads differently in after than in before (or
    // is missing there): what changed between two versions goes onto a third, and what did not
    // change stays as this document has it. Meant for small documents of the program's own keys.
    void applyChangedValues(const PrivateProfile& before, const PrivateProfile& after);

private:
    enum class LineEnd : unsigned char { None, CrLf, Lf, Cr };
    enum class LineKind : unsigned char { Other, Section, Entry };

    struct Line {
        std::string text;
        LineEnd end = LineEnd::CrLf;
        LineKind kind = LineKind::Other;
        std::size_t nameBegin = 0;  // section name or key, blanks dropped
        std::size_t nameEnd = 0;
        std::size_t valueBegin = 0;  // entries: first byte after "=" and the blanks after it

        std::string_view name() const;
        std::string_view rawValue() const;
    };

    struct Location {
        static constexpr std::size_t npos = static_cast<std::size_t>(-1);
        std::size_t entry = npos;        // the first matching entry
        std::size_t insertAfter = npos;  // last entry (or the header) of the first matching section
    };

    static Line makeLine(std::string text, LineEnd end);
    static void classify(Line& line);
    Location locate(std::string_view section, std::string_view key) const;
    void insertLine(std::size_t position, std::string text);

    std::vector<Line> lines_;
};
