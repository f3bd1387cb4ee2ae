#include "watched/watched_list_file.h"

#include "text/text_lines.h"
#include "watched/comma_text.h"

#include <algorithm>

std::vector<WatchedEntry> readWatchedList(std::string_view fileBytes)
{
    std::vector<WatchedEntry> entries;
    entries.reserve(static_cast<size_t>(std::count(fileBytes.begin(), fileBytes.end(), '\n')) + 1);
    LineReader lines(fileBytes);
    for (std::string_view line; lines.next(line);) {
        // The program never writes a line without a field; such a line carries no entry.
        WatchedEntry fields = readCommaText(line);
        if (!fields.empty())
            entries.push_back(std::move(fields));
    }
    return entries;
}

std::string writeWatchedList(const std::vector<WatchedEntry>& entries)
{
    size_t estimate = 0;
    for (const WatchedEntry& entry : entries) {
        estimate += 4;
        for (const std::string& field : entry)
            estimate += field.size() + 3;
    }
    std::string bytes;
    bytes.reserve(estimate);
    for (const WatchedEntry& entry : entries) {
        // An entry without fields would give an empty line that reads as no entry; an empty
        // title keeps every entry on its own line.
        if (entry.empty())
            bytes += "\"\"";
        else
            appendCommaText(bytes, entry);
        bytes += "\r\n";
    }
    return bytes;
}
