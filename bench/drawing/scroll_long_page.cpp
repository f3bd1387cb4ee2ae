// Scrolling a long result page (a table of 2,000 auctions) in the program's window, with pages
// drawn in software (the program's way) or composed through OpenGL (--opengl):
//     scroll_long_page [--opengl] [--scale=N] [benchmark options]
// The window is the program's own, built as the program entry builds it, with the engine's module
// loaded from beside the executable. Once the page is on show it scrolls itself, one step a frame
// as a smooth wheel would, for kFrames animation frames. A row reports the frames the window
// showed per second, and the processor time the whole process tree (the engine's processes
// included) spent on each of them and in all, as a share of one core.
#include "app/main_window.h"
#include "app/program_windows.h"
#include "bench/startup/resident_memory.h"
#include "browser/deferred_browser.h"
#include "browser/engine_environment.h"
#include "browser/engine_loader.h"
#include "widgets/dialogs.h"
#include "widgets/launcher.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <cstring>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int kRows = 2000;
constexpr int kFrames = 240;

// Rows as a statistics site lists closed auctions: a picture cell, the title as a link, prices,
// bids and the end, on alternating backgrounds. The page scrolls itself once asked by its
// address's #scroll, and marks the start and end of the run in its address.
QByteArray longResultPage()
{
    QByteArray html =
        "<!DOCTYPE html><html><head><meta charset='utf-8'><title>落札相場</title><style>"
        "body{font-family:sans-serif;margin:8px} table{border-collapse:collapse;width:100%}"
        "td,th{border:1px solid #bbb;padding:4px 6px} tr:nth-child(even){background:#eef4ff}"
        ".pic{width:48px;height:36px;background:linear-gradient(#fc8,#c64)} .price{text-align:right;color:#b00}"
        "</style></head><body><h1>落札相場の検索結果</h1><table><tr><th></th><th>商品名</th><th>落札価格</th>"
        "<th>入札</th><th>終了日時</th></tr>";
    for (int i = 0; i < kRows; ++i)
        html += QStringLiteral(
                    "<tr><td><div class='pic'></div></td><td><a href='#item%1'>腕時計 セイコー 自動巻き "
                    "No.%1 動作品 美品</a></td><td class='price'>%2円</td><td>%3</td><td>2/%4 21:%5</td></tr>")
                    .arg(i)
                    .arg(1000 + (i * 37) % 90000)
                    .arg(i % 40)
                    .arg(1 + i % 28)
                    .arg(i % 60, 2, 10, QLatin1Char('0'))
                    .toUtf8();
    html +=
        "</table><script>"
        "function run(){let left=" +
        QByteArray::number(kFrames) +
        ";location.hash='start';"
        "function step(){window.scrollBy(0,40);if(--left>0)requestAnimationFrame(step);"
        "else location.hash='done';}requestAnimationFrame(step);}"
        "window.addEventListener('hashchange',()=>{if(location.hash=='#scroll')run();});"
        "</script></body></html>";
    return html;
}

double processTreeCpuSeconds()
{
    const auto children = resident_memory_detail::childrenByParent();
    const double tick = static_cast<double>(::sysconf(_SC_CLK_TCK));
    double total = 0;
    std::vector<long> pending{static_cast<long>(::getpid())};
    while (!pending.empty()) {
        const long pid = pending.back();
        pending.pop_back();
        std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
        std::string line;
        std::getline(stat, line);
        std::istringstream rest(line.substr(line.rfind(')') + 2));
        std::string field;
        for (int i = 0; i < 11; ++i)  // state .. cmajflt
            rest >> field;
        long user = 0, system = 0;
        rest >> user >> system;
        total += static_cast<double>(user + system) / tick;
        if (const auto found = children.find(pid); found != children.end())
            pending.insert(pending.end(), found->second.begin(), found->second.end());
    }
    return total;
}

// Counts the paints of the widget that shows the page: one for each frame the window shows.
class FrameCounter : public QObject {
public:
    int frames = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++frames;
        return false;
    }
};

bool waitFor(const std::function<bool()>& condition, int ms = 60000)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > ms)
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    return true;
}

struct Program {
    QTemporaryDir folder;
    MessageBoxDialogs dialogs;
    DesktopLauncher launcher;
    DeferredBrowser* pane = nullptr;
    ProgramWindows windows;
    QString page;
};

Program* program = nullptr;

void ScrollLongTable(benchmark::State& state)
{
    TCppWebBrowser& pane = *program->pane;
    QString address;
    bool loaded = false;
    QObject::connect(&pane, &TCppWebBrowser::BeforeNavigate2, &pane, [&](const QString& url) { address = url; });
    QObject::connect(&pane, &TCppWebBrowser::DownloadComplete, &pane,
                     [&] { loaded = pane.LocationURL() == program->page; });
    FrameCounter counter;
    for (auto _ : state) {
        // From the top of the page: a load of the page itself, then the scroll it is asked for.
        loaded = false;
        pane.Navigate(program->page);
        if (!waitFor([&] { return loaded; })) {
            state.SkipWithError("the page did not load");
            return;
        }
        for (QWidget* view : pane.findChildren<QWidget*>())
            if (view->inherits("QQuickWidget"))
                view->installEventFilter(&counter);
        QTimer::singleShot(300, &pane, [&] { pane.Navigate(program->page + QStringLiteral("#scroll")); });
        if (!waitFor([&] { return address.endsWith(QStringLiteral("#start")); })) {
            state.SkipWithError("the page did not start scrolling");
            return;
        }
        counter.frames = 0;
        const double cpuBefore = processTreeCpuSeconds();
        QElapsedTimer clock;
        clock.start();
        if (!waitFor([&] { return address.endsWith(QStringLiteral("#done")); })) {
            state.SkipWithError("the page did not finish scrolling");
            return;
        }
        const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
        const double cpu = processTreeCpuSeconds() - cpuBefore;
        state.SetIterationTime(seconds);
        state.counters["fps"] = counter.frames / seconds;
        state.counters["cpu_ms_per_frame"] = counter.frames ? cpu * 1000 / counter.frames : 0;
        state.counters["cpu_share"] = cpu / seconds;
    }
}

}  // namespace

int main(int argc, char** argv)
{
    bool openGl = false;
    std::string scale = "1";
    std::vector<char*> rest;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--opengl") == 0)
            openGl = true;
        else if (std::strncmp(argv[i], "--scale=", 8) == 0)
            scale = argv[i] + 8;
        else
            rest.push_back(argv[i]);
    }
    int restCount = static_cast<int>(rest.size());
    benchmark::Initialize(&restCount, rest.data());
    qputenv("QT_SCALE_FACTOR", QByteArray::fromStdString(scale));

    prepareBrowserEngine(openGl);
    QApplication app(restCount, rest.data());
    QApplication::setApplicationName(QStringLiteral("ribemo-scroll-bench"));
    setUpApplication(app);

    Program p;
    program = &p;
    const QString exe = p.folder.filePath(QStringLiteral("ribemo"));
    QFile page(p.folder.filePath(QStringLiteral("results.htm")));
    if (!p.folder.isValid() || !page.open(QIODevice::WriteOnly) || page.write(longResultPage()) < 0)
        return 1;
    page.close();
    p.page = QUrl::fromLocalFile(page.fileName()).toString();
    const QString module = engineModulePath(QFile::encodeName(QCoreApplication::applicationFilePath()).toStdString());
    const EngineStart start{{}, {}, openGl};
    p.pane = new DeferredBrowser(
        [&p, module, start](QWidget* parent) { return loadEngineBrowser(module, start, parent, p.dialogs); });
    p.windows =
        createProgramWindows(ProgramServices{p.pane, &p.dialogs, &p.launcher, QFile::encodeName(exe).toStdString()});
    p.windows.form->resize(870, 720);
    p.pane->startAfterFirstPaint(p.windows.form.get());
    p.windows.form->show();
    if (!waitFor([&] { return p.pane->browser() != nullptr; }))
        return 1;

    const std::string name = std::string("ScrollLongTable/") + (openGl ? "opengl" : "software") + "/scale:" + scale;
    benchmark::RegisterBenchmark(name.c_str(), ScrollLongTable)->UseManualTime()->Unit(benchmark::kMillisecond);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    ::_exit(0);  // the engine's teardown is no part of the figures
}
