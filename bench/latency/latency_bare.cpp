// The yardstick for the time from Enter to the request: a bare line edit over a bare web view,
// whose Enter hands the typed address to the engine and nothing else. Run by enter_to_request.py
// beside the built program at one X display.
#include <QApplication>
#include <QLineEdit>
#include <QUrl>
#include <QVBoxLayout>
#include <QWebEngineProfile>
#include <QWebEngineView>
#include <QWidget>

#include <unistd.h>

int main(int argc, char** argv)
{
    if (::geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ribemo-latency-bare"));
    QWebEngineProfile profile(QStringLiteral("bare"));
    QWidget window;
    window.setWindowTitle(QStringLiteral("latency-bare"));
    auto* address = new QLineEdit(&window);
    auto* view = new QWebEngineView(&window);
    view->setPage(new QWebEnginePage(&profile, view));
    auto* column = new QVBoxLayout(&window);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(address);
    column->addWidget(view, 1);
    QObject::connect(address, &QLineEdit::returnPressed, view, [address, view] { view->load(QUrl(address->text())); });
    window.resize(870, 720);
    window.show();
    const int result = app.exec();
    view->setPage(nullptr);
    return result;
}
