#pragma once
// Creates the program's windows: the main window (whose creation runs its start-up), and the
// about box, the options dialog and the organize dialog the first time one of them is asked for.
// None of the three is seen at the start, and building them (the options dialog's pages above all)
// would hold the main window back from the screen.
#include "app/program_services.h"

#include <memory>

class TAboutBox;
class TFavAucDlg;
class TForm1;
class TOptionDlg;
class QApplication;

struct ProgramWindows {
    std::unique_ptr<TForm1> form;  // owns the dialogs as its children

    // Each makes the three dialogs if they are not made yet.
    TAboutBox* aboutBox() const;
    TOptionDlg* optionDlg() const;
    TFavAucDlg* favAucDlg() const;
};

ProgramWindows createProgramWindows(const ProgramServices& services);

// Application-wide set-up: Japanese standard texts, the UI font, the
// compiled-in resources.
void setUpApplication(QApplication& app);
