// A whole settings round as the program runs it: the file read at start, saved at close.
#include "settings/private_profile.h"
#include "settings/settings_values.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// What a saved file looks like after some use: two rows of bands, sites filled in, a few lines
// added by hand.
std::string typicalFile()
{
    SettingsValues values = defaultSettingsValues(designBandLayout());
    values.Left = 120;
    values.Top = 80;
    values.Bands = designBandLayout();
    for (std::size_t i = 0; i < kSiteCount; ++i) {
        values.SiteURL[i] = "http://site" + std::to_string(i) + ".example/search?q=$KEY$&page=1";
        values.SiteName[i] = "\x83\x54\x83\x43\x83\x67 " + std::to_string(i);
    }
    PrivateProfile profile = PrivateProfile::parse("; kept by hand\r\n[Extra]\r\nNote=1\r\n\r\n");
    writeSettings(profile, values);
    return profile.toBytes();
}

void BM_SettingsLoadAndSave(benchmark::State& state)
{
    const std::string file = typicalFile();
    const BandLayout design = designBandLayout();
    for (auto _ : state) {
        PrivateProfile profile = PrivateProfile::parse(file);
        const SettingsValues values = readSettings(profile, design);
        writeSettings(profile, values);
        std::string bytes = profile.toBytes();
        benchmark::DoNotOptimize(bytes);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(file.size()));
}
BENCHMARK(BM_SettingsLoadAndSave);

void BM_SettingsFirstSave(benchmark::State& state)
{
    const SettingsValues values = defaultSettingsValues(designBandLayout());
    for (auto _ : state) {
        PrivateProfile profile;
        writeSettings(profile, values);
        std::string bytes = profile.toBytes();
        benchmark::DoNotOptimize(bytes);
    }
}
BENCHMARK(BM_SettingsFirstSave);

}  // namespace
