#pragma once
// The folder the program keeps its files in, checked once at start: where no file can be made,
// every save of the session would fail at close, so the user hears it before changing anything.
#include <string>

class Dialogs;
class QWidget;

// Tells the user, when no new file can be made beside the settings file, which folder that is,
// which of the program's files can still be saved there, and what to do instead.
void warnIfFolderRefusesFiles(Dialogs& dialogs, QWidget* owner, const std::string& exePath);
