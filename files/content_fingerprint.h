#pragma once
// A file's content told apart from another's by its size and a 64-bit digest: what a window last
// read from a companion file or wrote to it, kept without keeping the bytes. The digest is the
// program's own, the same in every run and every build, so a fingerprint written into a recovery
// record still means the same content when the next start reads it.
#include <cstdint>
#include <optional>
#include <string_view>

struct ContentFingerprint {
    bool present = false;  // false: no file at all
    std::uint64_t size = 0;
    std::uint64_t digest = 0;
    bool operator==(const ContentFingerprint&) const = default;
};

// nullopt stands for no file.
ContentFingerprint fingerprintOf(std::optional<std::string_view> content);

std::uint64_t contentDigest(std::string_view bytes);
