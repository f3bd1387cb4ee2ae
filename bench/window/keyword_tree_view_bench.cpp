// The keyword tree on show: reading a large file into the view and drawing it, saving it again,
// a tab switch in the main window between two large tabs, keeping the recovery record after one
// edit, and a chain ten thousand levels deep loaded, moved and saved. Runs on the offscreen
// platform.
#include "app/main_window.h"
#include "app/program_windows.h"
#include "browser/idle_browser.h"
#include "files/companion_paths.h"
#include "files/file_io.h"
#include "keywords/keyword_tree_file.h"
#include "keywords/keyword_tree_view.h"
#include "keywords/tree_view_forest.h"
#include "recovery/recovery_keeper.h"
#include "widgets/dialogs.h"
#include "widgets/launcher.h"
#include "widgets/picture_lists.h"
#include "widgets/tab_control.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <malloc.h>
#include <random>
#include <stdexcept>
#include <string>

namespace {

// 100,000 nodes, depths up to 6, texts of 8 to 24 bytes mixing Shift-JIS pairs and ASCII: a file
// of about 2 MB.
KeywordForest largeTree(unsigned seed = 20240601)
{
    std::mt19937 random(seed);
    KeywordForest nodes;
    nodes.reserve(100000);
    int depth = 0;
    for (int i = 0; i < 100000; ++i) {
        if (i > 0)
            depth = std::uniform_int_distribution<int>(1, std::min(depth + 1, 6))(random);
        std::string text;
        const int pairs = std::uniform_int_distribution<int>(4, 12)(random);
        for (int j = 0; j < pairs; ++j) {
            if (random() % 2) {
                text += static_cast<char>(0x82);
                text += static_cast<char>(0x9f + random() % 80);
            } else {
                text += static_cast<char>('a' + random() % 26);
                text += static_cast<char>('0' + random() % 10);
            }
        }
        nodes.push_back({depth, std::move(text)});
    }
    return nodes;
}

// One top-level node with a chain below it, levels deep in all, then a second top-level node.
KeywordForest chainAndOneMore(int levels)
{
    KeywordForest nodes;
    for (int depth = 0; depth < levels; ++depth)
        nodes.push_back({depth, "keyword"});
    nodes.push_back({0, "target"});
    return nodes;
}

// Bytes the program has taken from the heap and not given back.
double heapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return static_cast<double>(info.uordblks + info.hblkhd);
}

struct Fixture {
    QTemporaryDir dir;
    KeywordTreeView view;

    Fixture()
    {
        view.setPictures(keywordTreePictures());
        view.resize(200, 600);
        view.show();
        QApplication::processEvents();
    }
    std::string path() const { return dir.filePath(QStringLiteral("ribemo.ask")).toStdString(); }

    // What a tab switch does to show a tab's file, through to the first drawing of the tree.
    void readAndShow()
    {
        showTreeFile(view, readWholeFile(path()));
        view.viewport()->repaint();
    }

    void save()
    {
        if (!writeFileAtomically(path(), fileBytesOfView(view).bytes))
            throw std::runtime_error("save failed");
    }
};

// From a view that holds the fresh tree, as at start-up or after a tab without a file.
void BM_ReadAndShow100000Nodes(benchmark::State& state)
{
    Fixture fixture;
    const std::string bytes = writeKeywordTree(largeTree());
    writeFileAtomically(fixture.path(), bytes);
    for (auto _ : state) {
        state.PauseTiming();
        showForest(fixture.view, {{0, "fresh"}});
        fixture.view.viewport()->repaint();
        state.ResumeTiming();
        fixture.readAndShow();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
    const auto nodes = static_cast<double>(forestOfView(fixture.view).size());
    state.counters["nodes"] = nodes;
    // What the tree on show holds on the heap, per node: everything the view and its items keep
    // once the tree is drawn (the file's bytes and the read forest are freed by then).
    showForest(fixture.view, {{0, "fresh"}});
    fixture.view.viewport()->repaint();
    const double before = heapInUse();
    fixture.readAndShow();
    state.counters["heap_bytes_per_node"] = (heapInUse() - before) / nodes;
}
BENCHMARK(BM_ReadAndShow100000Nodes)->Unit(benchmark::kMillisecond);

// A tab switch between two large tabs: the 100,000 nodes on show are freed first.
void BM_ReplaceAndShow100000Nodes(benchmark::State& state)
{
    Fixture fixture;
    writeFileAtomically(fixture.path(), writeKeywordTree(largeTree()));
    fixture.readAndShow();
    for (auto _ : state)
        fixture.readAndShow();
}
BENCHMARK(BM_ReplaceAndShow100000Nodes)->Unit(benchmark::kMillisecond);

void BM_Save100000Nodes(benchmark::State& state)
{
    Fixture fixture;
    const std::string bytes = writeKeywordTree(largeTree());
    writeFileAtomically(fixture.path(), bytes);
    fixture.readAndShow();
    for (auto _ : state)
        fixture.save();
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_Save100000Nodes)->Unit(benchmark::kMillisecond);

// The user's tab switch in the main window, from the tab bar moving to the other tab's tree drawn:
// the tree on show saved (unchanged, as when the user only looks), the other tab's file read and
// shown. Both tabs hold 100,000 nodes.
void BM_TabSwitch100000Nodes(benchmark::State& state)
{
    QTemporaryDir folder;
    const std::string executable = folder.filePath(QStringLiteral("ribemo")).toStdString();
    writeFileAtomically(keywordTreeFilePath(executable, 0), writeKeywordTree(largeTree(1)));
    writeFileAtomically(keywordTreeFilePath(executable, 1), writeKeywordTree(largeTree(2)));
    MessageBoxDialogs dialogs;
    DesktopLauncher launcher;
    ProgramWindows windows = createProgramWindows({new IdleBrowser, &dialogs, &launcher, executable});
    windows.form->show();
    QApplication::processEvents();
    auto* tabs = windows.form->findChild<TabControl*>(QStringLiteral("TabControl2"));
    auto* tree = windows.form->findChild<KeywordTreeView*>(QStringLiteral("TreeView1"));
    int tab = 0;
    for (auto _ : state) {
        tab = 1 - tab;
        tabs->setTabIndex(tab);
        tree->viewport()->repaint();
    }
    if (forestOfView(*tree) != largeTree(1 + static_cast<unsigned>(tab)))
        state.SkipWithError("the tab's tree is not the one shown");
}
BENCHMARK(BM_TabSwitch100000Nodes)->Unit(benchmark::kMillisecond);

// One edit of a node's text in the main window's 100,000-node tree (what an in-place edit
// commits), and all the window's thread then does to keep the recovery record: the change's
// notice, and what the keeper's wait ends in, the tree's file bytes taken and handed over. The
// write, the sync and the rename on the keeper's own thread are left out of the time and shown as
// the counter writer_ms.
void BM_KeepRecordAfterOneEdit100000Nodes(benchmark::State& state)
{
    QTemporaryDir folder;
    const std::string executable = folder.filePath(QStringLiteral("ribemo")).toStdString();
    writeFileAtomically(keywordTreeFilePath(executable, 0), writeKeywordTree(largeTree()));
    MessageBoxDialogs dialogs;
    DesktopLauncher launcher;
    ProgramWindows windows = createProgramWindows({new IdleBrowser, &dialogs, &launcher, executable});
    auto* tree = windows.form->findChild<KeywordTreeView*>(QStringLiteral("TreeView1"));
    RecoveryKeeper& keeper = windows.form->recoveryKeeper();
    const QModelIndex edited = tree->indexFromItem(tree->topLevelItem(0)->child(0));
    double writerMs = 0;
    int edits = 0;
    for (auto _ : state) {
        tree->model()->setData(edited, QStringLiteral("edit %1").arg(++edits));
        keeper.takeSnapshot();
        state.PauseTiming();
        QElapsedTimer writing;
        writing.start();
        if (keeper.waitUntilWritten() != 0)
            state.SkipWithError("the record was not written");
        writerMs += static_cast<double>(writing.nsecsElapsed()) / 1e6;
        state.ResumeTiming();
    }
    state.counters["writer_ms"] = writerMs / static_cast<double>(state.iterations());
}
BENCHMARK(BM_KeepRecordAfterOneEdit100000Nodes)->Unit(benchmark::kMillisecond);

// Load, move the whole chain below its first level to the other top-level node, save.
void BM_TenThousandLevelChain(benchmark::State& state)
{
    Fixture fixture;
    const KeywordForest nodes = chainAndOneMore(10000);
    for (auto _ : state) {
        writeFileAtomically(fixture.path(), writeKeywordTree(nodes));
        fixture.readAndShow();
        KeywordNode* first = fixture.view.topLevelItem(0);
        moveNodeUnder(fixture.view, first->child(0), fixture.view.topLevelItem(1));
        fixture.view.viewport()->repaint();
        fixture.save();
    }
    const KeywordForest saved = readKeywordTree(readWholeFile(fixture.path())).nodes;
    if (saved.size() != nodes.size() || saved.back().depth != 9999)
        state.SkipWithError("the chain did not survive the move");
}
BENCHMARK(BM_TenThousandLevelChain)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
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
