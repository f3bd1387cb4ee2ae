// The yardstick for start-up: a bare QWebEngineView showing the same help page. Once the page
// has loaded it prints the memory of its process tree and ends at once, as startup_ribemo does.
#include "bench/startup/resident_memory.h"

#include <QApplication>
#include <QDir>
#include <QWebEngineProfile>
#include <QWebEngineView>

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
    QObject::connect(&view, &QWebEngineView::loadFinished, &app, [] {
        printProcessTreeMemory();
        ::_exit(0);
    });
    view.resize(870, 720);
    view.show();
    view.load(QUrl::fromLocalFile(QCoreApplication::applicationDirPath() + QStringLiteral("/HELP/index.htm")));
    return app.exec();
}
