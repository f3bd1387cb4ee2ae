#pragma once
// Creates the program's four windows in their order: the main window (whose creation runs its
// start-up), then the about box, the options dialog and the organize dialog, all hidden.
#include "app/program_services.h"

#include <memory>

class TAboutBox;
class TFavAucDlg;
class TForm1;
class TOptionDlg;
class QApplication;

struct ProgramWindows {
    std::unique_ptr<TForm1> form;  // owns the dialogs as its children
    TAboutBox* aboutBox = nullptr;
    TOptionDlg* optionDlg = nullptr;
    TFavAucDlg* favAucDlg = nullptr;
};

ProgramWindows createProgramWindows(const ProgramServices& services);

// Application-wide set-up: Japanese standard texts, the UI font, the
// compiled-in resources.
void setUpApplication(QApplication& app);
