#include "files/content_fingerprint.h"

#include <bit>
#include <cstring>

namespace {

// The finalizer of MurmurHash3: every bit of the input reaches every bit of the result.
std::uint64_t mix(std::uint64_t h)
{
    h ^= h >> 33;
    h *= 0xff51afd7ed558ccdULL;
    h ^= h >> 33;
    h *= 0xc4ceb9fe1a85ec53ULL;
    h ^= h >> 33;
    return h;
}

// Up to eight bytes as a little-endian word, whatever the machine.
std::uint64_t wordAt(const char* bytes, size_t count)
{
    std::uint64_t word = 0;
    std::memcpy(&word, bytes, count);
    if constexpr (std::endian::native == std::endian::big)
        word = __builtin_bswap64(word);
    return word;
}

}  // namespace

std::uint64_t contentDigest(std::string_view bytes)
{
    // Eight bytes at a time; a changed byte anywhere changes the digest but for a chance of one in
    // 2^64. Not meant to stand up to someone making two files alike on purpose: it only tells
    // whether a file changed.
    constexpr std::uint64_t kMultiplier = 0x9e3779b97f4a7c15ULL;
    std::uint64_t h = mix(bytes.size() + kMultiplier);
    size_t i = 0;
    for (; i + 8 <= bytes.size(); i += 8) {
        h = (h ^ wordAt(bytes.data() + i, 8)) * kMultiplier;
        h ^= h >> 29;
    }
    if (i < bytes.size())
        h ^= wordAt(bytes.data() + i, bytes.size() - i);
    return mix(h);
}

ContentFingerprint fingerprintOf(std::optional<std::string_view> content)
{
    if (!content)
        return {};
    return {true, content->size(), contentDigest(*content)};
}
