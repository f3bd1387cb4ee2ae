#include "engine/blocked_popup_entry.h"

#include "engine/pane_page.h"

#include <QMenu>
#include <QWebEngineView>

void addBlockedPopupEntry(QMenu& menu, QAction* before, QWebEngineView& view)
{
    auto* page = qobject_cast<PanePage*>(view.page());
    if (!page || !page->blockedPopup().isValid())
        return;
    // The address in the caption says where it leads; a long one is shortened in its middle.
    const QString address = menu.fontMetrics().elidedText(page->blockedPopup().toDisplayString(), Qt::ElideMiddle,
                                                          30 * menu.fontMetrics().height());
    auto* open = new QAction(
        QStringLiteral("ブロックしたポップアップを開く(&P): ") + QString(address).replace(u'&', QStringLiteral("&&")),
        &menu);
    QObject::connect(open, &QAction::triggered, page, &PanePage::openBlockedPopup);
    menu.insertAction(before, open);
}
