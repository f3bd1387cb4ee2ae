#include "search/keyword_expansion.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// 127 double-byte characters: the longest Japanese keyword that still converts in full.
std::string longJapaneseKeyword()
{
    const std::string phrase = "\x8E\x9E\x8C\x76\x83\x65\x83\x8C\x83\x72";  // 時計テレビ
    std::string keyword;
    while (keyword.size() < 254)
        keyword += phrase;
    keyword.resize(254);
    return keyword;
}

void ExpandLongJapaneseKeyword(benchmark::State& state)
{
    const std::string keyword = longJapaneseKeyword();
    for (auto _ : state) {
        std::string address = ExpandKeyword("search?q=$KEY$&t=-1", keyword);
        benchmark::DoNotOptimize(address);
    }
}
BENCHMARK(ExpandLongJapaneseKeyword);

void ExpandShortMixedKeyword(benchmark::State& state)
{
    const std::string keyword = "\x8E\x9E\x8C\x76 abc";  // 時計 abc
    for (auto _ : state) {
        std::string address = ExpandKeyword("search?q=$KEY$&t=-1", keyword);
        benchmark::DoNotOptimize(address);
    }
}
BENCHMARK(ExpandShortMixedKeyword);

void ExpandLongJapaneseKeywordAsUtf8(benchmark::State& state)
{
    const std::string keyword = longJapaneseKeyword();
    for (auto _ : state) {
        std::string address = ExpandKeyword("u?k=$KEY:UTF-8$", keyword);
        benchmark::DoNotOptimize(address);
    }
}
BENCHMARK(ExpandLongJapaneseKeywordAsUtf8);

void ConvertLongJapaneseKeyword(benchmark::State& state)
{
    const std::string keyword = longJapaneseKeyword();
    char target[256];
    for (auto _ : state) {
        benchmark::DoNotOptimize(SjisToEucJp(keyword.c_str(), target, 255));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(ConvertLongJapaneseKeyword);

// Throughput over text where every byte is encoded (high bytes) and where most are kept.
void UrlEncodeBytes(benchmark::State& state, unsigned char first, unsigned char span)
{
    std::string text(static_cast<size_t>(state.range(0)), '\0');
    for (size_t i = 0; i < text.size(); ++i)
        text[i] = static_cast<char>(first + i % span);
    for (auto _ : state) {
        std::string encoded = UrlEncode(text);
        benchmark::DoNotOptimize(encoded);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
}
BENCHMARK_CAPTURE(UrlEncodeBytes, eucJp, 0xA1, 0x5E)->Arg(254)->Arg(64 << 10);
BENCHMARK_CAPTURE(UrlEncodeBytes, letters, 'a', 26)->Arg(254)->Arg(64 << 10);

}  // namespace
