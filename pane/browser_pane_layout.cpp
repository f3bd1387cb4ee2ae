// The bands around the browser pane: the busy animation, the navigation buttons and the address
// box.
#include "pane/browser_pane.h"
#include "search/box_input.h"
#include "widgets/animate.h"
#include "widgets/layout_helpers.h"
#include "widgets/status_bar.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>

BrowserPaneWidgets buildBrowserPaneBars(const QList<QIcon>& navigationPictures)
{
    BrowserPaneWidgets w{};
    w.ToolBar5 = makeToolBar("ToolBar5");
    w.ToolBar5->setAccessibleName(QStringLiteral("アニメートバー"));
    w.Animate1 = named(new Animate, "Animate1");
    w.Animate1->setFixedSize(45, 20);
    w.Animate1->setAccessibleName(QStringLiteral("読み込み中の表示"));
    w.ToolBar5->addWidget(w.Animate1);

    w.ToolBar2 = makeToolBar("ToolBar2");
    w.ToolBar2->setAccessibleName(QStringLiteral("ナビバー"));
    w.ToolButton1 = makeToolButton(w.ToolBar2, "ToolButton1", QStringLiteral("戻る"), navigationPictures.at(0),
                                   Qt::ToolButtonTextBesideIcon);
    w.ToolButton1->setToolTip(QStringLiteral("前のドキュメントに戻る"));
    w.ToolButton2 = makeToolButton(w.ToolBar2, "ToolButton2", QStringLiteral("進む"), navigationPictures.at(1),
                                   Qt::ToolButtonTextBesideIcon);
    w.ToolButton2->setToolTip(QStringLiteral("次のドキュメントに進む"));
    w.ToolButton7 = makeToolButton(w.ToolBar2, "ToolButton7", QStringLiteral("中止"), navigationPictures.at(4),
                                   Qt::ToolButtonTextBesideIcon);
    w.ToolButton3 = makeToolButton(w.ToolBar2, "ToolButton3", QStringLiteral("更新"), navigationPictures.at(2),
                                   Qt::ToolButtonTextBesideIcon);
    w.ToolButton3->setToolTip(QStringLiteral("現在表示されているページを再読込"));
    w.ToolButton4 = makeToolButton(w.ToolBar2, "ToolButton4", QStringLiteral("ホーム"), navigationPictures.at(3),
                                   Qt::ToolButtonTextBesideIcon);
    w.ToolButton4->setToolTip(QStringLiteral("普段使っているＩＥのホームへ移動"));

    w.ToolBar4 = makeToolBar("ToolBar4");
    w.ToolBar4->setAccessibleName(QStringLiteral("アドレスバー"));
    w.Label2 = named(new QLabel(QStringLiteral("アドレス")), "Label2");
    w.Label2->setFixedWidth(49);
    w.ComboBox2 = named(new QComboBox, "ComboBox2");
    w.ComboBox2->setEditable(true);
    w.ComboBox2->setInsertPolicy(QComboBox::NoInsert);
    w.ComboBox2->setFixedWidth(457);
    // Named by its label: read by what it shows, the box would be named by the address in it.
    w.ComboBox2->setAccessibleName(QStringLiteral("アドレス"));
    w.ComboBox2->lineEdit()->setAccessibleName(w.ComboBox2->accessibleName());
    w.ComboBox2->view()->setAccessibleName(QStringLiteral("アドレスの履歴"));
    w.Label2->setBuddy(w.ComboBox2);
    w.ComboBox2->completer()->setCompletionMode(QCompleter::InlineCompletion);
    w.ComboBox2->completer()->setCaseSensitivity(Qt::CaseInsensitive);
    keepBoxOnOneLine(w.ComboBox2);
    w.Button2 = named(new QPushButton(QStringLiteral("移動")), "Button2");
    w.Button2->setFixedSize(47, 22);
    w.ToolBar4->addWidget(w.Label2);
    w.ToolBar4->addWidget(w.ComboBox2);
    w.ToolBar4->addWidget(w.Button2);
    return w;
}

StatusBar* buildPaneStatusBar()
{
    auto* StatusBar1 = named(new StatusBar, "StatusBar1");
    StatusBar1->setAccessibleDescription(QStringLiteral("状態と現在のURL"));
    StatusBar1->addPanel(65, false, QStringLiteral("現在のURL :"));
    StatusBar1->addPanel(500, true, QString());
    StatusBar1->addPanel(100, true, QString());
    return StatusBar1;
}
