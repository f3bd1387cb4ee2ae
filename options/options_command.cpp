// Opening the options dialog from the Tools menu: fill it from the running program, and only on OK
// put everything back at once. Nothing is written to the settings file here; the close does that.
#include "app/main_window.h"
#include "options/option_dlg.h"
#include "options/option_values.h"

void TForm1::N5Click()
{
    const OptionValues current = currentOptionValues(*this);
    OptionDlg->showValues(current);
    if (OptionDlg->exec() != QDialog::Accepted)
        return;
    applyOptionValues(*this, current, OptionDlg->takenValues());
}
