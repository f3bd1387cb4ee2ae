#include "text/text_lines.h"

#include <cstring>

LineReader::LineReader(std::string_view bytes) : bytes_(bytes)
{
    if (const void* nul = std::memchr(bytes_.data(), '\0', bytes_.size()))
        bytes_ = bytes_.substr(0, static_cast<size_t>(static_cast<const char*>(nul) - bytes_.data()));
}

bool LineReader::next(std::string_view& line)
{
    const size_t size = bytes_.size();
    if (position_ >= size)
        return false;
    const size_t start = position_;
    size_t end = start;
    while (end < size && bytes_[end] != '\r' && bytes_[end] != '\n')
        ++end;
    line = bytes_.substr(start, end - start);
    position_ = end + (end + 1 < size && bytes_[end] == '\r' && bytes_[end + 1] == '\n' ? 2 : 1);
    return true;
}

size_t LineReader::remainingLineCount() const
{
    LineReader rest = *this;
    size_t count = 0;
    for (std::string_view line; rest.next(line);)
        ++count;
    return count;
}

std::vector<std::string_view> splitLines(std::string_view bytes)
{
    std::vector<std::string_view> lines;
    LineReader reader(bytes);
    for (std::string_view line; reader.next(line);)
        lines.push_back(line);
    return lines;
}
