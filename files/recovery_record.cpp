#include "files/recovery_record.h"

#include <charconv>
#include <cstdint>

namespace {

constexpr std::string_view kFirstLine = "Ribemo recovery record 1\n";
constexpr std::size_t kMostNameBytes = 255;  // the longest file name a Linux file system takes

std::string hex16(std::uint64_t value)
{
    std::string text(16, '0');
    for (int i = 15; i >= 0; --i, value >>= 4)
        text[static_cast<std::size_t>(i)] = "0123456789abcdef"[value & 0xF];
    return text;
}

bool isSafeName(std::string_view name)
{
    return !name.empty() && name.size() <= kMostNameBytes && name != "." && name != ".." &&
           name.find_first_of(std::string_view("/\n\r\0", 4)) == std::string_view::npos;
}

// Reads the record front to back; each step takes what it expects or fails.
class Reader {
public:
    explicit Reader(std::string_view bytes) : rest_(bytes) {}

    bool literal(std::string_view text)
    {
        if (!rest_.starts_with(text))
            return false;
        rest_.remove_prefix(text.size());
        return true;
    }
    // Up to (not including) the next LF, which is taken too.
    bool line(std::string_view& text)
    {
        const std::size_t end = rest_.find('\n');
        if (end == std::string_view::npos)
            return false;
        text = rest_.substr(0, end);
        rest_.remove_prefix(end + 1);
        return true;
    }
    // Decimal digits as the writer makes them: no sign, no leading zero.
    bool number(std::uint64_t& value)
    {
        const auto [end, error] = std::from_chars(rest_.data(), rest_.data() + rest_.size(), value);
        const auto length = static_cast<std::size_t>(end - rest_.data());
        if (error != std::errc() || (length > 1 && rest_.front() == '0'))
            return false;
        rest_.remove_prefix(length);
        return true;
    }
    bool digest(std::uint64_t& value)
    {
        if (rest_.size() < 16 || rest_.substr(0, 16).find_first_not_of("0123456789abcdef") != std::string_view::npos)
            return false;
        std::from_chars(rest_.data(), rest_.data() + 16, value, 16);
        rest_.remove_prefix(16);
        return true;
    }
    bool bytes(std::uint64_t count, std::string& text)
    {
        if (count > rest_.size())
            return false;
        text.assign(rest_.substr(0, count));
        rest_.remove_prefix(count);
        return true;
    }
    std::string_view rest() const { return rest_; }

private:
    std::string_view rest_;
};

bool readBase(Reader& in, std::optional<ContentFingerprint>& base)
{
    if (!in.literal("base "))
        return false;
    if (in.literal("unknown\n")) {
        base.reset();
        return true;
    }
    if (in.literal("absent\n")) {
        base = ContentFingerprint{};
        return true;
    }
    ContentFingerprint known{true, 0, 0};
    if (!in.number(known.size) || !in.literal(" ") || !in.digest(known.digest) || !in.literal("\n"))
        return false;
    base = known;
    return true;
}

bool readEntry(Reader& in, RecoveryEntry& entry)
{
    std::string_view name;
    if (!in.literal("file ") || !in.line(name) || !isSafeName(name))
        return false;
    entry.file = name;
    if (!readBase(in, entry.base))
        return false;
    if (in.literal("delete\n")) {
        entry.content.reset();
        return true;
    }
    std::uint64_t size = 0;
    entry.content.emplace();
    return in.literal("content ") && in.number(size) && in.literal("\n") && in.bytes(size, *entry.content) &&
           in.literal("\n");
}

}  // namespace

std::string writeRecoveryRecord(const std::vector<RecoveryEntry>& entries)
{
    std::size_t estimate = kFirstLine.size() + 64;
    for (const RecoveryEntry& entry : entries)
        estimate += entry.file.size() + 96 + (entry.content ? entry.content->size() : 0);
    std::string record;
    record.reserve(estimate);
    record += kFirstLine;
    for (const RecoveryEntry& entry : entries) {
        record += "file " + entry.file + "\n";
        if (!entry.base)
            record += "base unknown\n";
        else if (!entry.base->present)
            record += "base absent\n";
        else
            record += "base " + std::to_string(entry.base->size) + " " + hex16(entry.base->digest) + "\n";
        if (entry.content) {
            record += "content " + std::to_string(entry.content->size()) + "\n";
            record += *entry.content;
            record += '\n';
        } else {
            record += "delete\n";
        }
    }
    const std::uint64_t digest = contentDigest(record);
    record += "end " + std::to_string(entries.size()) + " " + hex16(digest) + "\n";
    return record;
}

std::optional<std::vector<RecoveryEntry>> readRecoveryRecord(std::string_view bytes)
{
    Reader in(bytes);
    if (!in.literal(kFirstLine))
        return std::nullopt;
    std::vector<RecoveryEntry> entries;
    while (!in.rest().starts_with("end ")) {
        RecoveryEntry entry;
        if (!readEntry(in, entry))
            return std::nullopt;
        entries.push_back(std::move(entry));
    }
    const std::string_view body = bytes.substr(0, bytes.size() - in.rest().size());
    std::uint64_t count = 0;
    std::uint64_t digest = 0;
    if (!in.literal("end ") || !in.number(count) || !in.literal(" ") || !in.digest(digest) || !in.literal("\n") ||
        !in.rest().empty() || count != entries.size() || digest != contentDigest(body))
        return std::nullopt;
    return entries;
}
