#include "browser/engine_environment.h"

#include <QCoreApplication>

#include <unistd.h>

void prepareBrowserEngine()
{
    if (::geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}
