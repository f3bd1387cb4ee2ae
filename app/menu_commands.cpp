// The File and Help menus: another copy of the program, the page in the user's browser, the help
// page, the maker's page and the about box.
#include "app/main_window.h"
#include "help/about_box.h"
#include "help/launches.h"
#include "pane/browser_pane.h"

void TForm1::N12Click() { startAnotherCopy(*services_.launcher, executablePath(), services_.dataFolder); }
void TForm1::N13Click() { openInDefaultBrowser(*services_.launcher, dialogs(), this, pane_->pageAddress()); }
void TForm1::H2Click() { pane_->navigate(helpPageAddress(executablePath())); }
void TForm1::N18Click() { pane_->navigate(makerHomePage()); }

void TForm1::V1Click()
{
    ensureDialogs();
    AboutBox->exec();
}
