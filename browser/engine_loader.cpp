#include "browser/engine_loader.h"

#include "browser/idle_browser.h"
#include "widgets/dialogs.h"

#include <cerrno>
#include <cstring>
#include <dlfcn.h>
#include <string>
#include <sys/mman.h>
#include <unistd.h>

// The module's image inside the program (engine/module_image.cpp).
extern "C" const char ribemoEngineImage[];
extern "C" const char ribemoEngineImageEnd[];

namespace {

// The image goes to a file that lives in memory only and is gone with its last user, and is loaded
// from there. Local: the engine's own libraries stay out of the program's symbol lookups.
void* loadModule(QString& problem)
{
    const int file = ::memfd_create("ribemo-engine", MFD_CLOEXEC);
    if (file < 0) {
        problem = QString::fromLocal8Bit(std::strerror(errno));
        return nullptr;
    }
    for (const char* next = ribemoEngineImage; next < ribemoEngineImageEnd;) {
        const ssize_t written = ::write(file, next, static_cast<size_t>(ribemoEngineImageEnd - next));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            problem = QString::fromLocal8Bit(std::strerror(errno));
            ::close(file);
            return nullptr;
        }
        next += written;
    }
    void* module = ::dlopen(("/proc/self/fd/" + std::to_string(file)).c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!module)
        problem = QString::fromLocal8Bit(::dlerror());
    ::close(file);  // the module's mappings keep the file
    return module;
}

}  // namespace

TCppWebBrowser* loadEngineBrowser(const EngineStart& start, QWidget* parent, Dialogs& dialogs)
{
    QString problem;
    if (void* module = loadModule(problem)) {
        if (auto make = reinterpret_cast<MakeEngineBrowser>(::dlsym(module, kMakeEngineBrowserName)))
            return make(start, parent);
        problem = QString::fromLocal8Bit(::dlerror());
    }
    dialogs.inform(parent ? parent->window() : nullptr, QMessageBox::Critical, QStringLiteral("Ribemo"),
                   QStringLiteral("ブラウザ部品を読み込めませんでした。ページは表示できません。\n%1").arg(problem));
    return new IdleBrowser;
}
