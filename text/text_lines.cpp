#include "text/text_lines.h"

#include <cstring>

std::vector<std::string_view> splitLines(std::string_view bytes)
{
    if (const void* nul = std::memchr(bytes.data(), '\0', bytes.size()))
        bytes = bytes.substr(0, static_cast<size_t>(static_cast<const char*>(nul) - bytes.data()));

    std::vector<std::string_view> lines;
    size_t start = 0;
    const size_t size = bytes.size();
    for (size_t i = 0; i < size; ++i) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n')
            continue;
        lines.push_back(bytes.substr(start, i - start));
        if (c == '\r' && i + 1 < size && bytes[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < size)
        lines.push_back(bytes.substr(start));
    return lines;
}
