#include "keywords/keyword_filter.h"

#include "keywords/keyword_tree_view.h"

#include <QKeyEvent>
#include <QLineEdit>

#include <utility>

namespace {

// Every row of the tree in order (a node before its children), each with the position of its
// parent's row, walked without recursion: a file may nest thousands of levels deep.
struct TreeRow {
    QModelIndex index;
    qsizetype parent;
};

std::vector<TreeRow> rowsInOrder(const QAbstractItemModel& model)
{
    std::vector<TreeRow> rows;
    std::vector<TreeRow> pending;
    const auto pushChildren = [&](const QModelIndex& parent, qsizetype at) {
        for (int row = model.rowCount(parent) - 1; row >= 0; --row)
            pending.push_back({model.index(row, 0, parent), at});
    };
    pushChildren({}, -1);
    while (!pending.empty()) {
        rows.push_back(pending.back());
        pending.pop_back();
        pushChildren(rows.back().index, std::ssize(rows) - 1);
    }
    return rows;
}

}  // namespace

KeywordFilter::KeywordFilter(QLineEdit& box, KeywordTreeView& tree, std::function<void()> onEnter)
    : QObject(&box), box_(box), tree_(tree), onEnter_(std::move(onEnter))
{
    connect(&box_, &QLineEdit::textChanged, this, &KeywordFilter::apply);
    connect(&box_, &QLineEdit::returnPressed, this, &KeywordFilter::searchFirstMatch);
    box_.installEventFilter(this);
}

QString KeywordFilter::comparable(const QString& text)
{
    return text.normalized(QString::NormalizationForm_KC).toCaseFolded();
}

bool KeywordFilter::eventFilter(QObject*, QEvent* event)
{
    const bool key = event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride;
    if (!key || static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape)
        return false;
    // Esc here is the box's, never a shortcut of the window's (the find bar's close).
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    box_.clear();
    tree_.setFocus(Qt::OtherFocusReason);
    return true;
}

void KeywordFilter::apply(const QString& typed)
{
    const QString wanted = comparable(typed.trimmed());
    if (wanted.isEmpty()) {
        restore();
        return;
    }
    const std::vector<TreeRow> rows = rowsInOrder(tree_.nodes());
    if (!expandedBefore_) {
        expandedBefore_.emplace();
        for (const TreeRow& row : rows) {
            if (tree_.isExpanded(row.index))
                expandedBefore_->push_back(row.index);
        }
    }
    // A row shows when it matches or a row below it does; children come after their parent, so
    // one pass from the end carries the marks up.
    std::vector<char> shown(rows.size());
    std::vector<char> holdsMatch(rows.size());
    firstMatch_ = QPersistentModelIndex();
    for (size_t i = 0; i < rows.size(); ++i) {
        shown[i] = comparable(rows[i].index.data().toString()).contains(wanted);
        if (shown[i] && !firstMatch_.isValid())
            firstMatch_ = rows[i].index;
    }
    for (size_t i = rows.size(); i-- > 0;) {
        if (shown[i] && rows[i].parent >= 0)
            shown[static_cast<size_t>(rows[i].parent)] = holdsMatch[static_cast<size_t>(rows[i].parent)] = 1;
    }
    std::vector<KeywordNode*> toExpand;
    for (size_t i = 0; i < rows.size(); ++i) {
        tree_.setRowHidden(rows[i].index.row(), rows[i].index.parent(), !shown[i]);
        if (holdsMatch[i])
            toExpand.push_back(KeywordTreeView::itemFromIndex(rows[i].index));
    }
    tree_.expandNodes(toExpand);
    if (firstMatch_.isValid())
        tree_.scrollTo(firstMatch_);
}

void KeywordFilter::restore()
{
    if (!expandedBefore_)
        return;
    for (const TreeRow& row : rowsInOrder(tree_.nodes()))
        tree_.setRowHidden(row.index.row(), row.index.parent(), false);
    tree_.collapseAll();
    std::vector<KeywordNode*> expanded;
    for (const QPersistentModelIndex& index : *expandedBefore_) {
        if (index.isValid())
            expanded.push_back(KeywordTreeView::itemFromIndex(index));
    }
    tree_.expandNodes(expanded);
    expandedBefore_.reset();
    firstMatch_ = QPersistentModelIndex();
    // The view would expand a closed ancestor to show the current node: left where it is then.
    bool open = tree_.currentIndex().isValid();
    for (QModelIndex up = tree_.currentIndex().parent(); open && up.isValid(); up = up.parent())
        open = tree_.isExpanded(up);
    if (open)
        tree_.scrollTo(tree_.currentIndex());
}

void KeywordFilter::treeReplaced()
{
    // The replaced tree's marks went with it; the new tree is taken as it shows now.
    expandedBefore_.reset();
    if (!box_.text().trimmed().isEmpty())
        apply(box_.text());
}

void KeywordFilter::searchFirstMatch()
{
    if (!firstMatch_.isValid())
        return;
    tree_.selectNode(KeywordTreeView::itemFromIndex(firstMatch_));
    onEnter_();
}
