#include "browser/engine_environment.h"

#include <QCoreApplication>
#include <QLoggingCategory>

#include <unistd.h>

namespace {

// The engine reports its set-up as it starts: its settings in full, that its library was loaded
// after the application object (as any plugin is), that it found no OpenGL to compose through
// (pages being drawn in software on purpose) and, for root, that the program turned its sandbox
// off. None of it is news to the user, so those reports stay off the terminal; every other
// message passes as ever.
QtMessageHandler passOn = nullptr;

bool isSetUpReport(const QString& message)
{
    static const QLatin1String reports[] = {
        QLatin1String("Qt WebEngine seems to be initialized from a plugin."),
        QLatin1String("No suitable graphics backend found"),
        QLatin1String("Sandboxing disabled by user."),
    };
    for (const QLatin1String& report : reports)
        if (message.startsWith(report))
            return true;
    return false;
}

void dropSetUpReports(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtFatalMsg || !isSetUpReport(message))
        passOn(type, context, message);
}

// The settings report is the engine's logging category "qt.webenginecontext", kept off whatever
// the logging rules say: the report reads the OpenGL context shared from the start, and the
// engine's library of this Qt version crashes where there is none.
QLoggingCategory::CategoryFilter previousFilter = nullptr;

void keepSettingsReportOff(QLoggingCategory* category)
{
    // Installing the filter runs it on the categories there are, which the rules have set up
    // already; the previous filter is known only afterwards.
    if (previousFilter)
        previousFilter(category);
    if (qstrcmp(category->categoryName(), "qt.webenginecontext") == 0) {
        category->setEnabled(QtDebugMsg, false);
        category->setEnabled(QtInfoMsg, false);
    }
}

}  // namespace

void prepareBrowserEngine(bool openGlPages)
{
    if (::geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    // The engine's library, loaded after the application object as a plugin is, composes through
    // OpenGL only with a context shared from the start (the toolkit's documented setting).
    if (openGlPages)
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    previousFilter = QLoggingCategory::installFilter(&keepSettingsReportOff);
    passOn = qInstallMessageHandler(&dropSetUpReports);
}
