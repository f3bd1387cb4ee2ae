#pragma once
// The application's error box and the guard every handler runs through: whatever escapes a
// handler is shown (error icon, OK, the application title) and the program goes on.
#include <QString>

#include <exception>
#include <optional>
#include <utility>

class Dialogs;
class QWidget;

// The text the user sees for an error, with the full stop the error box adds.
QString errorBoxText(const QString& message);

// Why a file could not be read or written (an errno value), in words a user can act on.
QString fileErrorCauseText(int cause);

// The message of a caught error: the program's own errors in Japanese, anything else as it says.
QString errorMessage(const std::exception& error);

// A feature's own errors in the user's words; nothing for an error that is not its own.
using ErrorMessageMaker = std::optional<QString> (*)(const std::exception&);
// Adds maker to those errorMessage asks. Returns true, so that a feature can add its messages as
// the program starts: `const bool added = addErrorMessages(&ownMessages);`.
bool addErrorMessages(ErrorMessageMaker maker);

void showErrorBox(Dialogs& dialogs, QWidget* owner, const QString& message);

// Runs the current exception through the error box. Call only inside a catch block.
void showCurrentError(Dialogs& dialogs, QWidget* owner);

// Runs handler; an error that escapes it is shown and swallowed. Returns false when one escaped.
template <class Handler>
bool runGuarded(Dialogs& dialogs, QWidget* owner, Handler&& handler)
{
    try {
        std::forward<Handler>(handler)();
        return true;
    } catch (...) {
        showCurrentError(dialogs, owner);
        return false;
    }
}
