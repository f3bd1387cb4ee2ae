// The width of the keyword pane and the height of the watched-auction strip as the settings file
// keeps them. Until the settings set a size the splitters' own sizes answer.
#include "app/main_window.h"
#include "widgets/splitter_pane.h"

#include <QSplitter>

int TForm1::treeWidth() const
{
    return settingsState_.treePane ? settingsState_.treePane->size() : Splitter1->sizes().value(0);
}

void TForm1::setTreeWidth(int width)
{
    if (!settingsState_.treePane)
        settingsState_.treePane = new SplitterPane(Splitter1, 0);
    settingsState_.treePane->setSize(width);
}

int TForm1::favListHeight() const
{
    return settingsState_.favListPane ? settingsState_.favListPane->size() : Splitter2->sizes().value(1);
}

void TForm1::setFavListHeight(int height)
{
    if (!settingsState_.favListPane)
        settingsState_.favListPane = new SplitterPane(Splitter2, 1);
    settingsState_.favListPane->setSize(height);
}
