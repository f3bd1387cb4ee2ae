#pragma once
// The settings reset offered by the options dialog: after the user confirms, the settings file is
// deleted so the next start begins with the defaults. Nothing in memory changes.
#include <string>

class Dialogs;
class QWidget;

// Asks first; returns true only when the settings file was deleted (the success message has then
// been shown). The caller sets the main window's SettingsReset from the result, so that the close
// does not write the file back.
bool runSettingsReset(Dialogs& dialogs, QWidget* owner, const std::string& executablePath);
