#pragma once
// What the fuzz targets share: a property that must hold, and bytes cut into pieces.
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

// Stops the run, so that libFuzzer keeps the input, when a property does not hold.
inline void require(bool holds)
{
    if (!holds)
        std::abort();
}

// The pieces of bytes between the separators at, each separator dropped.
inline std::vector<std::string> cut(std::string_view bytes, char at)
{
    std::vector<std::string> parts;
    for (;;) {
        const size_t end = bytes.find(at);
        parts.emplace_back(bytes.substr(0, end));
        if (end == std::string_view::npos)
            return parts;
        bytes.remove_prefix(end + 1);
    }
}
