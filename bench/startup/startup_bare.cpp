// The yardstick for start-up: a bare QWebEngineView showing the same help page; exits as soon as
// the page has loaded.
#include "bench/startup/resident_memory.h"

#include <QApplication>
#include <QDir>
#include <QWebEngineProfile>
#include <QWebEngineView>

#include <cstdio>
#include <unistd.h>

int main(int argc, char** argv)
{
    if (::geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ribemo-startup-bare"));
    QWebEngineProfile profile(QStringLiteral("bare"));
    QWebEngineView view;
    view.setPage(new QWebEnginePage(&profile, &view));
    QObject::connect(&view, &QWebEngineView::loadFinished, &app, [&app] {
        // Measured when the page is on show, before anything is torn down.
        std::printf("rss_kb %ld\n", residentKilobytes());
        std::fflush(stdout);
        QMetaObject::invokeMethod(&app, &QApplication::quit, Qt::QueuedConnection);
    });
    view.resize(870, 720);
    view.show();
    view.load(QUrl::fromLocalFile(QCoreApplication::applicationDirPath() + QStringLiteral("/HELP/index.htm")));
    const int result = app.exec();
    view.setPage(nullptr);
    return result;
}
