#pragma once
// The watched-auction file: one comma-text line per entry, top entry first, CR LF after every
// line. An entry is its fields in order: title, address, then any further fields.
#include <string>
#include <string_view>
#include <vector>

using WatchedEntry = std::vector<std::string>;

// The entries of the file content. Lines end at CR LF, a lone CR or a lone LF; a NUL byte ends
// the text. A line that yields no field (empty, or blanks only) makes no entry.
std::vector<WatchedEntry> readWatchedList(std::string_view fileBytes);

// The file content for entries: each entry's comma text followed by CR LF; no entries give no
// bytes. Every entry takes exactly one line, whatever its fields hold: an entry without fields is
// written as one with an empty title, and CR, LF and NUL inside a field are written as blanks.
std::string writeWatchedList(const std::vector<WatchedEntry>& entries);
