// What other features know of a keyword, at the tree: the note on the node (its tooltip, and the
// status bar when it is selected) and the menu's way to the price memos of its keyword.
#include "keywords/keyword_tabs.h"
#include "keywords/keyword_tree_view.h"
#include "widgets/layout_helpers.h"

#include <QAction>
#include <QItemSelectionModel>
#include <QMenu>

void KeywordTabs::setUpKeywordNotes()
{
    TreeView1->noteOf = [this](const std::string& bytes) { return keywordNote ? keywordNote(bytes) : QString(); };
    connect(TreeView1->selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& index) {
        const KeywordNode* node = KeywordTreeView::itemFromIndex(index);
        emit keywordNoteShown(node && keywordNote ? keywordNote(KeywordTreeView::itemBytes(node)) : QString());
    });
    addMenuSeparator(PopupMenu1, "N26");
    QAction* memos = addMenuItem(PopupMenu1, "N27", QStringLiteral("相場メモを見る(&P)..."));
    connect(memos, &QAction::triggered, this,
            [this] { emit priceMemosRequested(chosenKeyword().value_or(std::string())); });
}
