#include "browser/engine_environment.h"

#include <QCoreApplication>
#include <QOpenGLContext>

#include <unistd.h>

// The toolkit's hook for the context that OpenGL users share: exported, though not declared in a
// public header (the engine declares it the same way).
QT_BEGIN_NAMESPACE
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext* context);
QT_END_NAMESPACE

namespace {

// The engine's library makes a shared OpenGL context as the application starts (or warns, when
// loaded later) unless one is set already. An empty context in that place keeps the driver
// unloaded; nothing makes it current, since pages are drawn in software.
void keepOpenGlDriverUnloaded()
{
    static auto* placeholder = new QOpenGLContext;
    qt_gl_set_global_share_context(placeholder);
    qAddPostRoutine([] {
        qt_gl_set_global_share_context(nullptr);
        delete placeholder;
    });
}

}  // namespace

void prepareBrowserEngine()
{
    if (::geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    keepOpenGlDriverUnloaded();
}
