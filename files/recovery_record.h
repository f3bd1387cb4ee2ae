#pragma once
// The recovery record: what one running copy of the program holds that its files do not yet, kept
// on disk a moment after each change, so that a crash, a kill or a power cut loses at most that
// moment. The next start offers to take it back (files/recovery_files.h finds it).
//
// The record is text lines with each file's content inside as it stands:
//
//     Ribemo recovery record 1
//     file ribemo.ask2                     the companion file, by its name in the folder
//     base 2290 0f3a...                    the file as the copy last read or wrote it: its size and
//                                          digest (files/content_fingerprint.h); "base absent" for
//                                          no file, "base unknown" when the copy did not know it
//     content 2304                         that many bytes follow, then a line end; "delete" instead
//     <bytes>                              when the close would delete the file
//     ...                                  (further files)
//     end 1 5c1e...                        how many files, and the digest of every byte before
//
// Every line ends with LF. A record is read whole or not at all: anything cut short, changed or
// out of form gives nothing.
#include "files/content_fingerprint.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct RecoveryEntry {
    // The companion file's name, without its folder ("ribemo.fal"). For the settings file the
    // content is not the file but the program's own keys this copy changed (a private-profile
    // text), which go onto whatever the file holds then.
    std::string file;
    std::optional<ContentFingerprint> base;  // nullopt: not known
    std::optional<std::string> content;      // nullopt: the close would delete the file
    bool operator==(const RecoveryEntry&) const = default;
};

std::string writeRecoveryRecord(const std::vector<RecoveryEntry>& entries);

// The entries of a whole record, or nullopt when bytes are not one. A name that could lead out of
// the folder ("", ".", "..", a "/", a NUL or a line end in it) makes the record no record.
std::optional<std::vector<RecoveryEntry>> readRecoveryRecord(std::string_view bytes);
