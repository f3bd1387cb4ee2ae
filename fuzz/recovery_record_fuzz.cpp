// Arbitrary bytes as a recovery record. A record is read whole or not at all, and whatever is read
// writes back to exactly the bytes it was read from (the form has one way of writing each thing).
// The record ends with a digest of everything before it, which random changes almost never match,
// so the input is also tried as a record's body with the right end line added: the reader's every
// path is then reached past the digest too.
#include "files/content_fingerprint.h"
#include "files/recovery_record.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void readBackExactly(std::string_view bytes)
{
    const auto entries = readRecoveryRecord(bytes);
    if (entries && writeRecoveryRecord(*entries) != bytes)
        std::abort();
}

std::string endLine(std::size_t count, std::string_view body)
{
    char digest[17];
    std::snprintf(digest, sizeof digest, "%016llx", static_cast<unsigned long long>(contentDigest(body)));
    return "end " + std::to_string(count) + " " + digest + "\n";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    readBackExactly(bytes);
    // No record holds more entries than "file " lines.
    std::size_t most = 0;
    for (auto at = bytes.find("file "); at != std::string_view::npos; at = bytes.find("file ", at + 1))
        ++most;
    for (std::size_t count = 0; count <= most; ++count)
        readBackExactly(std::string(bytes) + endLine(count, bytes));
    return 0;
}
