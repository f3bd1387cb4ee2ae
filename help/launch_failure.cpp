#include "help/launch_failure.h"

#include "widgets/dialogs.h"
#include "widgets/launcher.h"

namespace {
// A very long address is cut in the box; it is the start that tells the user which one it was.
constexpr qsizetype kShownLength = 200;
}  // namespace

void openOrTell(Launcher& launcher, Dialogs& dialogs, QWidget* owner, const QString& address)
{
    const QString why = launcher.openWithDefaultHandler(address);
    if (why.isEmpty())
        return;
    const QString shown = address.size() > kShownLength ? address.left(kShownLength) + QStringLiteral("…") : address;
    dialogs.inform(owner, QMessageBox::Warning, QStringLiteral("Webブラウザで表示"),
                   QStringLiteral("%1 を開けませんでした（%2）。").arg(shown, why));
}
