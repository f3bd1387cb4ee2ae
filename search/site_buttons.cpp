// Showing and hiding the user's site buttons. The bar's item is what gets hidden, so the bar closes
// up around a hidden button; hiding the button widget itself would leave a gap.
#include "app/main_window.h"

#include <QAction>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>

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
