// Opening the options dialog from the Tools menu: fill it from the running program, and only on OK
// put everything back at once. Nothing is written to the settings file here; the close does that.
#include "app/main_window.h"
#include "options/option_dlg.h"
#include "options/option_values.h"

#include <QAction>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>

void TForm1::N5Click()
{
    const OptionValues current = currentOptionValues(*this);
    OptionDlg->showValues(current);
    if (OptionDlg->exec() != QDialog::Accepted)
        return;
    const OptionValues taken = OptionDlg->takenValues();
    applyOptionValues(*this, current, taken);
    if (!(taken == current))
        settingsChangedByUser();
}

namespace {

// The bar item that carries the button; the layout puts every site button on ToolBar6.
QAction* siteButtonItem(const QToolBar& bar, const QToolButton* button)
{
    const QList<QAction*> items = bar.actions();
    const auto found =
        std::find_if(items.begin(), items.end(), [&](QAction* item) { return bar.widgetForAction(item) == button; });
    return found == items.end() ? nullptr : *found;
}

}  // namespace

// The item, not the widget, is asked: a button of a window not yet shown reports itself hidden.
bool TForm1::siteButtonShown(size_t k) const { return siteButtonItem(*ToolBar6, SiteButtons.at(k))->isVisible(); }

void TForm1::setSiteButtonShown(size_t k, bool shown)
{
    siteButtonItem(*ToolBar6, SiteButtons.at(k))->setVisible(shown);
}
