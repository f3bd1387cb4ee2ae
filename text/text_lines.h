#pragma once
// Line splitting shared by the readers of the keyword tree and watched-auction files.
#include <string_view>
#include <vector>

// Walks bytes line by line without keeping the lines: a large file's lines need no list of their
// own. A line ends at CR LF, a lone CR or a lone LF; a NUL byte ends the text. A last line
// without a line end counts; a line end at the very end makes no further empty line. The lines
// point into bytes.
class LineReader {
public:
    explicit LineReader(std::string_view bytes);

    // The next line, or false after the last.
    bool next(std::string_view& line);
    // The lines not read yet.
    size_t remainingLineCount() const;

private:
    std::string_view bytes_;
    size_t position_ = 0;
};

// Every line of bytes, by the rules of LineReader.
std::vector<std::string_view> splitLines(std::string_view bytes);
