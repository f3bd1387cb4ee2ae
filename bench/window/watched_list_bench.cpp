// Loading and showing a large watched-auction list in the main window, and writing it back.
#include "app/main_window.h"
#include "app/program_windows.h"
#include "browser/idle_browser.h"
#include "files/companion_paths.h"
#include "files/file_io.h"
#include "watched/auction_list_view.h"
#include "watched/watched_list_file.h"
#include "widgets/dialogs.h"
#include "widgets/launcher.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <string>

namespace {

class SilentDialogs : public Dialogs {
public:
    QMessageBox::StandardButton ask(QWidget*, QMessageBox::Icon, const QString&, const QString&,
                                    QMessageBox::StandardButtons, QMessageBox::StandardButton answer) override
    {
        return answer;
    }
    void inform(QWidget*, QMessageBox::Icon, const QString&, const QString&) override {}
};

class IdleLauncher : public Launcher {
public:
    void startProgram(const QString&, const QStringList&) override {}
    QString openWithDefaultHandler(const QString&) override { return {}; }
};

// Entries as a user collects them: a Japanese title with blanks (so quoted), an auction address,
// now and then a field beyond the address.
std::vector<WatchedEntry> sampleEntries(int count)
{
    std::vector<WatchedEntry> entries;
    for (int i = 0; i < count; ++i) {
        WatchedEntry entry{"\x83\x4a\x83\x81\x83\x89 EOS \x96\x7b\x91\xcc No." + std::to_string(i),
                           "http://auction.example/jp/auction/x" + std::to_string(100000000 + i)};
        if (i % 10 == 0)
            entry.push_back("memo " + std::to_string(i));
        entries.push_back(std::move(entry));
    }
    return entries;
}

struct Program {
    QTemporaryDir folder;
    SilentDialogs dialogs;
    IdleLauncher launcher;
    std::string exePath = QFile::encodeName(folder.path()).toStdString() + "/ribemo";
    TForm1 form{ProgramServices{new IdleBrowser, &dialogs, &launcher, exePath}};

    Program() { form.show(); }
    AuctionListView* list() const { return form.findChild<AuctionListView*>(QStringLiteral("FavAucList")); }
};

void LoadAndShowWatchedList(benchmark::State& state)
{
    Program program;
    const int count = static_cast<int>(state.range(0));
    writeFileAtomically(watchedListFilePath(program.exePath), writeWatchedList(sampleEntries(count)));
    for (auto _ : state) {
        state.PauseTiming();
        program.list()->setEntries({});
        QApplication::processEvents();
        state.ResumeTiming();
        program.form.watchedList().LoadWatchedList();
        QApplication::processEvents();  // the repaint of the filled list
    }
    if (program.list()->entryCount() != count)
        state.SkipWithError("list not filled");
    state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(LoadAndShowWatchedList)->Arg(10000)->Unit(benchmark::kMillisecond);

void SaveWatchedList(benchmark::State& state)
{
    Program program;
    program.list()->setEntries(sampleEntries(static_cast<int>(state.range(0))));
    for (auto _ : state)
        program.form.watchedList().SaveWatchedList();
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(SaveWatchedList)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    setUpApplication(app);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
