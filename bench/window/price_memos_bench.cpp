// The price memo file read at start, 10,000 memos of 200 keywords, and what the keyword tree
// asks of them for a node's tooltip.
#include "bench/window/silent_dialogs.h"
#include "files/file_io.h"
#include "memos/memo_file.h"
#include "memos/price_memos.h"
#include "text/sjis_text.h"
#include "widgets/conflict_notice.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <string>

namespace {

std::string keywordOf(int n) { return toSjis(QStringLiteral("腕時計 モデル%1").arg(n % 200)); }

// Memos as the pane menu keeps them: a Japanese title, an auction address, the selection as the
// note (with a comma, so quoted).
std::string sampleFile(int count)
{
    MemoFile file;
    const std::string title = toSjis(QStringLiteral("セイコー 腕時計 自動巻き 中古 美品"));
    const std::string note = toSjis(QStringLiteral("平均落札価格 12,345円"));
    for (int i = 0; i < count; ++i) {
        PriceMemo memo;
        memo.time = {2020 + i % 6, 1 + i % 12, 1 + i % 28, i % 24, i % 60, i % 60};
        memo.keyword = keywordOf(i);
        memo.price = 1000 + (i * 37) % 90000;
        memo.site = i % 3 ? "auction-stats.example" : toSjis(QStringLiteral("Yahoo!オークション"));
        memo.title = title;
        memo.address = "http://auction-stats.example/search?q=%CF%D3%BB%FE%B7%D7&t=-1&page=" + std::to_string(i);
        memo.note = note;
        file.memos.push_back(std::move(memo));
    }
    return writeMemoFile(file);
}

struct Memos {
    QTemporaryDir folder;
    SilentDialogs dialogs;
    QWidget window;
    ConflictNotice conflicts{dialogs, &window};
    SettingsValues settings;
    std::string exePath = QFile::encodeName(folder.path()).toStdString() + "/ribemo";
    PriceMemos memos{settings, HandlerGuard(dialogs, &window), conflicts, [this] { return exePath; }, exePath, &window};

    explicit Memos(int count) { writeFileAtomically(memos.filePath(), sampleFile(count)); }
};

void ReadMemoFileAtStart(benchmark::State& state)
{
    Memos program(static_cast<int>(state.range(0)));
    for (auto _ : state)
        program.memos.load();
    if (program.memos.memos().size() != static_cast<size_t>(state.range(0)))
        state.SkipWithError("memos not read");
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(ReadMemoFileAtStart)->Arg(10000)->Unit(benchmark::kMillisecond);

void KeywordNoteOfTenThousandMemos(benchmark::State& state)
{
    Memos program(10000);
    program.memos.load();
    const std::string keyword = keywordOf(7);
    for (auto _ : state)
        benchmark::DoNotOptimize(program.memos.summaryOf(keyword));
}
BENCHMARK(KeywordNoteOfTenThousandMemos)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
