#pragma once
// Outside launches and the help page: the small commands of the File and Help menus.
#include <QString>

#include <string>

class Dialogs;
class Launcher;
class QWidget;

// The maker's home page, opened in the pane.
QString makerHomePage();

// The help page beside the executable, built from the executable's own place, never from the
// current folder.
QString helpPageAddress(const std::string& executablePath);

// A second, independent copy on the same files.
void startAnotherCopy(Launcher& launcher, const std::string& executablePath, const std::string& dataFolder);

// The address in the user's own browser; a launch that fails is told over owner.
void openInDefaultBrowser(Launcher& launcher, Dialogs& dialogs, QWidget* owner, const QString& address);
