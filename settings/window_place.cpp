// The places of the copies running on one folder. A lock file per place, held while a window of
// the process is open on the folder: unlike the save lock, which is held for one save only, it tells whether another
// copy runs. The files live in the user's runtime folder, not in the data folder, which holds the
// user's own files only (and may be synced elsewhere).
#include "settings/window_settings.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QWidget>

#include <map>
#include <memory>
#include <unistd.h>
#include <utility>

namespace {

// More copies than this on one folder share the last place.
constexpr int kPlaces = 10;

struct HeldPlace {
    int place;
    std::unique_ptr<QLockFile> lock;
    int windows = 0;
};

// The places this process holds, by folder.
std::map<QString, HeldPlace>& heldPlaces()
{
    static std::map<QString, HeldPlace> held;
    return held;
}

// Lets go of the folder's place with the last window of the process that holds it.
class PlaceUser : public QObject {
public:
    PlaceUser(QObject* window, const QString& folder) : QObject(window), folder_(folder)
    {
        ++heldPlaces().at(folder_).windows;
    }
    ~PlaceUser() override
    {
        const auto held = heldPlaces().find(folder_);
        if (held != heldPlaces().end() && --held->second.windows == 0)
            heldPlaces().erase(held);
    }

private:
    QString folder_;
};

}  // namespace

int takeWindowPlace(QWidget& window, const std::string& companionBase)
{
    const QString folder =
        QFileInfo(QFile::decodeName(QByteArray::fromStdString(companionBase))).absoluteDir().canonicalPath();
    // A window opened while another of the same process is open on the folder (as the tests do)
    // shares its place.
    if (const auto held = heldPlaces().find(folder); held != heldPlaces().end()) {
        new PlaceUser(&window, folder);
        return held->second.place;
    }
    // Without a runtime folder of the session the shared temporary folder serves, with the user's
    // number in the names (QStandardPaths would complain on stderr and make one up).
    const QByteArray sessionRuntime = qgetenv("XDG_RUNTIME_DIR");
    const QString runtime = sessionRuntime.isEmpty() ? QDir::tempPath() : QFile::decodeName(sessionRuntime);
    const QString key = QString::fromLatin1(
        QCryptographicHash::hash(QFile::encodeName(folder), QCryptographicHash::Sha1).toHex().left(16));
    for (int place = 0; place < kPlaces; ++place) {
        auto lock = std::make_unique<QLockFile>(
            QDir(runtime).filePath(QStringLiteral("ribemo-%1-%2-%3.lock").arg(getuid()).arg(key).arg(place)));
        // Only a holder that died lets go of a place; age alone never does.
        lock->setStaleLockTime(0);
        if (lock->tryLock(0)) {
            heldPlaces().emplace(folder, HeldPlace{place, std::move(lock)});
            new PlaceUser(&window, folder);
            return place;
        }
        if (lock->error() != QLockFile::LockFailedError)
            return 0;
    }
    return kPlaces - 1;
}
