#include "keywords/keyword_tree_keys.h"

#include "keywords/keyword_tree_view.h"

#include <QKeyEvent>

#include <utility>

namespace {

class TreeKeys : public QObject {
public:
    TreeKeys(KeywordTreeView& tree, KeywordTreeKeyHandlers handlers)
        : QObject(&tree), tree_(tree), handlers_(std::move(handlers))
    {
        tree.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        // A key that an open editor passed on reaches the tree while the editor has the focus.
        if (event->type() != QEvent::KeyPress || !tree_.hasFocus())
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Undo)) {
            handlers_.onUndo();
            return true;
        }
        KeywordNode* node = tree_.currentItem();
        if (!node)
            return false;
        const bool menuKey =
            key->key() == Qt::Key_Menu || (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier);
        if (menuKey) {
            // Reached by Tab, the node has the keyboard's mark without being selected; the menu's
            // commands act on the selected node, so it becomes that node, as a right-click would
            // make it. The view then opens the menu there.
            tree_.selectNode(node);
            return false;
        }
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        const bool del = key->key() == Qt::Key_Delete && key->modifiers() == Qt::NoModifier;
        if (!enter && !del)
            return false;
        // A held key must not search again and again, nor delete node after node.
        if (!key->isAutoRepeat()) {
            tree_.selectNode(node);
            (enter ? handlers_.onEnter : handlers_.onDelete)();
        }
        return true;
    }

private:
    KeywordTreeView& tree_;
    KeywordTreeKeyHandlers handlers_;
};

}  // namespace

void handleKeywordTreeKeys(KeywordTreeView& tree, KeywordTreeKeyHandlers handlers)
{
    new TreeKeys(tree, std::move(handlers));
}
