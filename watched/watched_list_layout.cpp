// The watched-auction strip below the pane: the list, and 追加 and 整理 beside it.
#include "watched/auction_list_view.h"
#include "watched/watched_list.h"
#include "widgets/layout_helpers.h"

#include <QHBoxLayout>
#include <QPushButton>

WatchedListWidgets buildWatchedStrip()
{
    WatchedListWidgets w{};
    w.Panel2 = named(new QWidget, "Panel2");
    auto* strip = new QHBoxLayout(w.Panel2);
    strip->setContentsMargins(0, 0, 0, 0);
    strip->setSpacing(0);
    w.FavAucList = named(new AuctionListView(QStringLiteral("注目のオークションの表題"), 200), "FavAucList");
    w.FavAucList->setAccessibleName(QStringLiteral("注目のオークション"));
    strip->addWidget(w.FavAucList, 1);
    w.Panel3 = named(new QWidget, "Panel3");
    w.Panel3->setFixedWidth(70);
    w.Button3 = named(new QPushButton(QStringLiteral("追加"), w.Panel3), "Button3");
    w.Button3->setGeometry(8, 8, 59, 41);
    w.Button4 = named(new QPushButton(QStringLiteral("整理"), w.Panel3), "Button4");
    w.Button4->setGeometry(8, 56, 59, 25);
    // However small the strip is asked to be, 追加 and 整理 stay whole: the strip's layout holds
    // it at the column's height.
    w.Panel3->setMinimumHeight(w.Button4->geometry().bottom() + 4);
    strip->setSizeConstraint(QLayout::SetMinimumSize);
    strip->addWidget(w.Panel3);
    return w;
}
