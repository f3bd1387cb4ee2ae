// The keyword pane: the three tabs over the tree, and the tree's menu.
#include "keywords/keyword_tabs.h"
#include "keywords/keyword_tree_view.h"
#include "text/sjis_text.h"
#include "widgets/layout_helpers.h"
#include "widgets/tab_control.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QVBoxLayout>

namespace {

// The tab's content: the filter box (KeywordFilter) over the tree. Ctrl+Shift+F, anywhere in the
// window, takes the keyboard there.
QWidget* filterBoxOver(KeywordTreeView* tree, QWidget* window)
{
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    auto* box = named(new QLineEdit, "KeywordFilter");
    box->setPlaceholderText(QStringLiteral("キーワードを絞り込み"));
    box->setAccessibleName(QStringLiteral("キーワードの絞り込み"));
    // The clear button shows only over a text, and making it looks up the desktop's icon theme:
    // it is made with the first text, not before the window is on screen.
    QObject::connect(
        box, &QLineEdit::textChanged, box, [box] { box->setClearButtonEnabled(true); }, Qt::SingleShotConnection);
    layout->addWidget(box);
    layout->addWidget(tree, 1);
    auto* key = new QAction(window);
    key->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F));
    key->setShortcutContext(Qt::WindowShortcut);
    window->addAction(key);
    QObject::connect(key, &QAction::triggered, box, [box] {
        box->setFocus(Qt::ShortcutFocusReason);
        box->selectAll();
    });
    return column;
}

}  // namespace

KeywordTabsWidgets buildKeywordPane(QWidget* window, const QList<QIcon>& treePictures,
                                    const QList<QIcon>& navigationPictures)
{
    KeywordTabsWidgets w{};
    w.TabControl2 = named(new TabControl(QStringLiteral("キーワードのタブ")), "TabControl2");
    for (const char* caption : {"KEY #1", "KEY #2", "KEY #3"})
        w.TabControl2->addTab(QString::fromLatin1(caption));
    w.TreeView1 = named(new KeywordTreeView, "TreeView1");
    w.TreeView1->setPictures(treePictures);
    w.TreeView1->setAccessibleName(QStringLiteral("キーワードツリー"));
    w.TreeView1->nodes().insertNode(nullptr, 0, w.TreeView1->newNode(toSjis(QStringLiteral("検索キーワード")), 1));
    w.TabControl2->setContent(filterBoxOver(w.TreeView1, window));

    w.PopupMenu1 = named(new QMenu(window), "PopupMenu1");
    w.N6 = addMenuItem(w.PopupMenu1, "N6", QStringLiteral("現在のキーワードを登録する(&R)"));
    w.N7 = addMenuItem(w.PopupMenu1, "N7", QStringLiteral("新しいキーワードを作る(&N)"));
    w.N8 = addMenuItem(w.PopupMenu1, "N8", QStringLiteral("キーワードを削除する(&D)"));
    w.N9 = addMenuSeparator(w.PopupMenu1, "N9");
    w.N10 = addMenuItem(w.PopupMenu1, "N10", QStringLiteral("項目をソートする(&S)"));
    w.N15 = addMenuSeparator(w.PopupMenu1, "N15");
    w.Yahoo1 = addMenuItem(w.PopupMenu1, "Yahoo1", QStringLiteral("Yahoo!オークションで検索(&Y)"));
    w.Yahoo1->setIcon(navigationPictures.at(5));
    w.Bidders1 = addMenuItem(w.PopupMenu1, "Bidders1", QStringLiteral("Biddersで検索(&B)"));
    w.Bidders1->setIcon(navigationPictures.at(6));
    return w;
}
