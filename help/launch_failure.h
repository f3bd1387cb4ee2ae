#pragma once
// What the user is told when an address could not be handed to the default browser: a launch that
// fails leaves no window of its own, so without a word the click just seems lost.
#include <QString>

class Dialogs;
class Launcher;
class QWidget;

// Hands address to the launcher and, should it fail, says what could not be opened and why.
void openOrTell(Launcher& launcher, Dialogs& dialogs, QWidget* owner, const QString& address);
