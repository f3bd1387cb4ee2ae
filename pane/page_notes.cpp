// What the status bar's address panel says besides the address of the page: the address of a
// link under the pointer, as browsers show it, and the pane's notes about the page on show (a
// pop-up blocked, a permission refused, an address it cannot open).
#include "browser/web_browser.h"
#include "pane/browser_pane.h"
#include "widgets/animate.h"
#include "widgets/status_bar.h"

#include <memory>

void BrowserPane::setUpNotes()
{
    connect(CppWebBrowser1, &TCppWebBrowser::LinkHovered, this, &BrowserPane::showHoveredLink);
    connect(CppWebBrowser1, &TCppWebBrowser::PageNote, this, &BrowserPane::noteUntilNextLoad);
}

void BrowserPane::showHoveredLink(const QString& url)
{
    if (!url.isEmpty()) {
        if (hoveredLink_.isEmpty())
            beforeHover_ = StatusBar1->panelText(1);
        hoveredLink_ = url;
        StatusBar1->setPanelText(1, url);
        return;
    }
    // What the panel showed comes back, unless something newer (a load) has taken its place.
    if (!hoveredLink_.isEmpty() && StatusBar1->panelText(1) == hoveredLink_)
        StatusBar1->setPanelText(1, beforeHover_);
    hoveredLink_.clear();
}

void BrowserPane::noteUntilNextLoad(const QString& note)
{
    // A load under way would put its own address over the note as it ends.
    if (Animate1->active()) {
        noteAfterLoad(note);
        return;
    }
    hoveredLink_.clear();
    StatusBar1->setPanelText(1, note);
}

void BrowserPane::noteAfterLoad(const QString& note)
{
    auto connection = std::make_shared<QMetaObject::Connection>();
    *connection = connect(CppWebBrowser1, &TCppWebBrowser::DownloadComplete, this, [=, this] {
        StatusBar1->setPanelText(1, note);
        disconnect(*connection);
    });
}
