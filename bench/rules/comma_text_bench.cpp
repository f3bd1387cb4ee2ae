// Reading and writing the watched-auction file: a file of several MB, and a list of 10,000 entries.
#include "watched/watched_list_file.h"

#include <benchmark/benchmark.h>

#include <random>

namespace {

// Titles of 10 to 40 characters mixing Shift-JIS pairs (some ending in 0x5C), ASCII and an
// occasional blank or double quote, so about a third of them are written quoted; addresses of
// an auction page; every tenth entry carries a third field.
std::vector<WatchedEntry> entries(int count)
{
    std::mt19937 random(20240601);
    std::vector<WatchedEntry> list;
    list.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        std::string title;
        const int length = std::uniform_int_distribution<int>(10, 40)(random);
        for (int j = 0; j < length; ++j) {
            const unsigned pick = random() % 20;
            if (pick < 9) {
                title += static_cast<char>(0x82 + random() % 3);
                title += static_cast<char>(random() % 8 == 0 ? 0x5c : 0x9f + random() % 80);
            } else if (pick == 9 && j % 10 == 0) {
                title += random() % 2 ? ' ' : '"';
            } else {
                title += static_cast<char>('a' + random() % 26);
            }
        }
        WatchedEntry entry{std::move(title), "http://auction-stats.example/jp/auction/x" + std::to_string(random())};
        if (i % 10 == 0)
            entry.push_back("note " + std::to_string(i));
        list.push_back(std::move(entry));
    }
    return list;
}

void ReadLargeFile(benchmark::State& state)
{
    const std::string bytes = writeWatchedList(entries(static_cast<int>(state.range(0))));
    for (auto _ : state) {
        std::vector<WatchedEntry> list = readWatchedList(bytes);
        benchmark::DoNotOptimize(list);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
    state.counters["file_bytes"] = static_cast<double>(bytes.size());
}

void WriteList(benchmark::State& state)
{
    const std::vector<WatchedEntry> list = entries(static_cast<int>(state.range(0)));
    size_t size = 0;
    for (auto _ : state) {
        std::string bytes = writeWatchedList(list);
        size = bytes.size();
        benchmark::DoNotOptimize(bytes);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * size));
}

}  // namespace

BENCHMARK(ReadLargeFile)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(WriteList)->Arg(10000)->Unit(benchmark::kMillisecond);
