// Reading and writing keyword tree files: a large ordinary tree and a very deep chain.
#include "keywords/keyword_tree_file.h"

#include <benchmark/benchmark.h>

#include <random>

namespace {

// 100,000 nodes, depths up to 6, texts of 8 to 24 bytes mixing Shift-JIS pairs and ASCII:
// a file of about 2 MB.
KeywordForest largeTree()
{
    std::mt19937 random(20240601);
    KeywordForest nodes;
    nodes.reserve(100000);
    int depth = 0;
    for (int i = 0; i < 100000; ++i) {
        if (i > 0) {
            const int deepest = std::min(depth + 1, 6);
            depth = std::uniform_int_distribution<int>(1, deepest)(random);
        }
        std::string text;
        const int length = std::uniform_int_distribution<int>(4, 12)(random);
        for (int j = 0; j < length; ++j) {
            if (random() % 2) {
                text += static_cast<char>(0x82);
                text += static_cast<char>(0x9f + random() % 80);
            } else {
                text += static_cast<char>('a' + random() % 26);
                text += static_cast<char>('0' + random() % 10);
            }
        }
        nodes.push_back({i == 0 ? 0 : depth, std::move(text)});
    }
    return nodes;
}

KeywordForest chain(int levels)
{
    KeywordForest nodes;
    for (int depth = 0; depth < levels; ++depth)
        nodes.push_back({depth, "keyword"});
    return nodes;
}

void readBench(benchmark::State& state, const KeywordForest& nodes)
{
    const std::string bytes = writeKeywordTree(nodes);
    for (auto _ : state) {
        KeywordTreeReadResult result = readKeywordTree(bytes);
        benchmark::DoNotOptimize(result);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
    state.counters["file_bytes"] = static_cast<double>(bytes.size());
}

void writeBench(benchmark::State& state, const KeywordForest& nodes)
{
    size_t size = 0;
    for (auto _ : state) {
        std::string bytes = writeKeywordTree(nodes);
        size = bytes.size();
        benchmark::DoNotOptimize(bytes);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * size));
}

void ReadLargeTree(benchmark::State& state) { readBench(state, largeTree()); }
void WriteLargeTree(benchmark::State& state) { writeBench(state, largeTree()); }
void ReadTenThousandLevelChain(benchmark::State& state) { readBench(state, chain(10000)); }
void WriteTenThousandLevelChain(benchmark::State& state) { writeBench(state, chain(10000)); }

}  // namespace

BENCHMARK(ReadLargeTree)->Unit(benchmark::kMillisecond);
BENCHMARK(WriteLargeTree)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadTenThousandLevelChain)->Unit(benchmark::kMillisecond);
BENCHMARK(WriteTenThousandLevelChain)->Unit(benchmark::kMillisecond);
