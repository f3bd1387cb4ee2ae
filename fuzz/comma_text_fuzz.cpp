// Comma text and the watched-auction file on arbitrary bytes.
// 1. Reading the bytes as one line or as a file stays inside them (ASan watches the reads).
// 2. The bytes, cut at NUL into entries and at LF into fields, are written and read back: every
//    entry comes back with its fields, a CR inside a field as the blank the writer puts there.
// 3. Whatever a file reads as, written out it reads back as the same entries.
#include "fuzz/fuzz_checks.h"
#include "watched/comma_text.h"
#include "watched/watched_list_file.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    size_t fieldBytes = 0;
    for (const std::string& field : readCommaText(bytes))
        fieldBytes += field.size();
    require(fieldBytes <= size);

    std::vector<WatchedEntry> entries;
    std::vector<WatchedEntry> expected;
    for (const std::string& chunk : cut(bytes, '\0')) {
        WatchedEntry fields = cut(chunk, '\n');
        WatchedEntry cleaned = fields;
        for (std::string& field : cleaned)
            std::replace(field.begin(), field.end(), '\r', ' ');
        require(readCommaText(writeCommaText(fields)) == cleaned);
        entries.push_back(std::move(fields));
        expected.push_back(std::move(cleaned));
    }
    require(readWatchedList(writeWatchedList(entries)) == expected);

    const std::vector<WatchedEntry> read = readWatchedList(bytes);
    require(readWatchedList(writeWatchedList(read)) == read);
    return 0;
}
