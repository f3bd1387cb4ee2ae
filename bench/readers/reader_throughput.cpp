// Reader throughput on real files, for comparison with `cat FILE > /dev/null` on the same file.
//   reader_throughput generate DIR     writes sample.ask (100,000 nodes), sample.fal (100,000
//                                      entries), sample.ini (a settings file) and sample.csv
//                                      (10,000 price memos) into DIR
//   reader_throughput tree|list|ini|memo FILE
//                                      reads FILE from disk and parses it 20 times; prints MB/s
#include "files/file_io.h"
#include "keywords/keyword_tree_file.h"
#include "memos/memo_file.h"
#include "settings/private_profile.h"
#include "watched/watched_list_file.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

std::string sampleTree()
{
    KeywordForest nodes;
    nodes.push_back({0, "\x8c\x9f\x8d\xf5\x83\x4c\x81\x5b\x83\x8f\x81\x5b\x83\x68"});
    for (int i = 1; i < 100000; ++i)
        nodes.push_back({1 + ((i - 1) % 6), "\x8e\x9e\x8c\x76 keyword " + std::to_string(i)});
    // Depths must never jump by more than one level: a run 1,2,...,6,1,2,... does not.
    return writeKeywordTree(nodes);
}

std::string sampleList()
{
    std::vector<WatchedEntry> entries;
    for (int i = 0; i < 100000; ++i)
        entries.push_back({"\x8e\x9e\x8c\x76 auction title, number " + std::to_string(i),
                           "http://auctions.example/item/" + std::to_string(i)});
    return writeWatchedList(entries);
}

std::string sampleIni()
{
    std::string text;
    for (int s = 0; s < 2000; ++s) {
        text += "[Section" + std::to_string(s) + "]\r\n";
        for (int k = 0; k < 20; ++k)
            text += "Key" + std::to_string(k) + "=value " + std::to_string(s * k) + "\r\n";
    }
    return text;
}

// Memos as the pane menu keeps them: a Japanese keyword, title and note (with a comma, so quoted).
std::string sampleMemos()
{
    MemoFile file;
    for (int i = 0; i < 10000; ++i) {
        PriceMemo memo;
        memo.time = {2020 + i % 6, 1 + i % 12, 1 + i % 28, i % 24, i % 60, i % 60};
        memo.keyword = "\x98\x72\x8e\x9e\x8c\x76 model " + std::to_string(i % 200);
        memo.price = 1000 + (i * 37) % 90000;
        memo.site = "auction-stats.example";
        memo.title = "\x98\x72\x8e\x9e\x8c\x76 auction title, number " + std::to_string(i);
        memo.address = "http://auction-stats.example/search?q=%CF%D3%BB%FE%B7%D7&t=-1&page=" + std::to_string(i);
        memo.note = "\x95\xbd\x8b\xcf 12,345\x89\x7e";
        file.memos.push_back(std::move(memo));
    }
    return writeMemoFile(file);
}

size_t parse(const std::string& kind, const std::string& bytes)
{
    if (kind == "tree")
        return readKeywordTree(bytes).nodes.size();
    if (kind == "list")
        return readWatchedList(bytes).size();
    if (kind == "memo")
        return readMemoFile(bytes).memos.size();
    return PrivateProfile::parse(bytes).toBytes().size();
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "generate") == 0) {
        const std::string dir = argv[2];
        const bool ok = writeFileAtomically(dir + "/sample.ask", sampleTree()) &&
                        writeFileAtomically(dir + "/sample.fal", sampleList()) &&
                        writeFileAtomically(dir + "/sample.ini", sampleIni()) &&
                        writeFileAtomically(dir + "/sample.csv", sampleMemos());
        return ok ? 0 : 1;
    }
    if (argc != 3)
        return 2;
    const std::string kind = argv[1], path = argv[2];
    constexpr int kRounds = 20;
    size_t total = 0, checksum = 0;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kRounds; ++i) {
        const std::string bytes = readWholeFile(path);
        total += bytes.size();
        checksum += parse(kind, bytes);
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%.1f MB/s (%zu items)\n", static_cast<double>(total) / seconds / 1e6, checksum / kRounds);
    return 0;
}
