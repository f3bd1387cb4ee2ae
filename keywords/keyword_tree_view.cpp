#include "keywords/keyword_tree_view.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDrag>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QToolTip>

#include <vector>

namespace {

const QString kDragFormat = QStringLiteral("application/x-ribemo-keyword-node");

// Tells the view when an in-place edit really changed a node's text.
class NodeTextDelegate : public QStyledItemDelegate {
public:
    explicit NodeTextDelegate(KeywordTreeView* view) : QStyledItemDelegate(view), view_(view) {}

    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override
    {
        // The file would read leading blanks as depth: the node's text starts after them.
        if (auto* line = qobject_cast<QLineEdit*>(editor)) {
            const QString typed = line->text();
            qsizetype start = 0;
            while (start < typed.size() && (typed[start] == u' ' || typed[start] == u'\t'))
                ++start;
            if (start > 0)
                line->setText(typed.mid(start));
        }
        const QString before = index.data(Qt::DisplayRole).toString();
        QStyledItemDelegate::setModelData(editor, model, index);
        if (index.data(Qt::DisplayRole).toString() != before && view_->onTextEdited)
            view_->onTextEdited();
    }

    // The whole text as a tooltip, only where the column cuts it; the node's note, if it has one.
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override
    {
        const bool cut = sizeHint(option, index).width() > option.rect.width();
        const QString note = event->type() == QEvent::ToolTip && view_->noteOf
                                 ? view_->noteOf(index.data(kKeywordBytesRole).toByteArray().toStdString())
                                 : QString();
        if (!note.isEmpty()) {
            QToolTip::showText(event->globalPos(), cut ? index.data().toString() + u'\n' + note : note, view);
            return true;
        }
        if (event->type() == QEvent::ToolTip && !cut) {
            QToolTip::hideText();
            return true;
        }
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    }

private:
    KeywordTreeView* view_;
};

}  // namespace

KeywordTreeView::KeywordTreeView(QWidget* parent) : QTreeView(parent), model_(new KeywordTreeModel(this))
{
    setModel(model_);
    setHeaderHidden(true);
    setIndentation(19);
    setDragEnabled(true);
    setAcceptDrops(true);
    // The drop always makes the dragged node the target's last child, so the view's "between
    // rows" indicator would mislead; the target row is highlighted instead (paintEvent).
    setDropIndicatorShown(false);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::MoveAction);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed);
    setContextMenuPolicy(Qt::CustomContextMenu);
    // A drag scrolls by whole rows near the edges (the main window's drag-over handler).
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    // Every row is one line of text with a small picture; knowing that spares the view measuring
    // each of a hundred thousand rows.
    setUniformRowHeights(true);
    setItemDelegate(new NodeTextDelegate(this));
    const auto changed = [this] {
        ++changes_;
        emit nodesChanged();
    };
    connect(model_, &QAbstractItemModel::dataChanged, this, changed);
    connect(model_, &QAbstractItemModel::rowsInserted, this, changed);
    connect(model_, &QAbstractItemModel::rowsRemoved, this, changed);
    connect(model_, &QAbstractItemModel::rowsMoved, this, changed);
    connect(model_, &QAbstractItemModel::layoutChanged, this, changed);
    connect(model_, &QAbstractItemModel::modelReset, this, changed);
    // The selected keyword stays marked while the focus is elsewhere (the keyword box).
    QPalette shades = palette();
    shades.setColor(QPalette::Inactive, QPalette::Highlight, shades.color(QPalette::Active, QPalette::Highlight));
    shades.setColor(QPalette::Inactive, QPalette::HighlightedText,
                    shades.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(shades);
}

KeywordTreeView::~KeywordTreeView()
{
    // The model, a child object, outlives this part of the view: no more counting then.
    disconnect(model_, nullptr, this, nullptr);
}

bool KeywordTreeView::isItemSelected(const KeywordNode* node) const
{
    return selectionModel()->isSelected(indexFromItem(node));
}

KeywordNode* KeywordTreeView::newNode(std::string_view bytes, int picture) const
{
    auto* node = new KeywordNode;
    node->assign(bytes);
    node->setPicture(picture);
    return node;
}

KeywordNode* KeywordTreeView::nodeInRow(int y) const
{
    // The view's own hit test only answers inside the column's span; asking at the column's
    // left edge makes the whole row count, whatever the point's x.
    return itemAt(QPoint(columnViewportPosition(0), y));
}

KeywordNode* KeywordTreeView::selectedNode() const
{
    KeywordNode* current = currentItem();
    return current && isItemSelected(current) ? current : nullptr;
}

void KeywordTreeView::selectNode(KeywordNode* node)
{
    if (node)
        setCurrentItem(node);
    else
        selectionModel()->clear();
}

void KeywordTreeView::setSubtreeExpanded(KeywordNode* node, bool expanded)
{
    // With a layout pending, expanding or collapsing only records the mark; the one layout
    // comes later.
    scheduleDelayedItemsLayout();
    std::vector<KeywordNode*> pending{node};
    while (!pending.empty()) {
        KeywordNode* item = pending.back();
        pending.pop_back();
        const int children = item->childCount();
        if (children == 0)
            continue;
        if (expanded)
            expand(indexFromItem(item));
        else
            collapse(indexFromItem(item));
        for (int i = 0; i < children; ++i)
            pending.push_back(item->child(i));
    }
}

void KeywordTreeView::expandSubtree(KeywordNode* node) { setSubtreeExpanded(node, true); }

void KeywordTreeView::collapseSubtree(KeywordNode* node) { setSubtreeExpanded(node, false); }

void KeywordTreeView::expandNodes(const std::vector<KeywordNode*>& nodes)
{
    scheduleDelayedItemsLayout();
    for (KeywordNode* node : nodes)
        expand(indexFromItem(node));
}

void KeywordTreeView::scrollByLines(int lines)
{
    // The view scrolls per item (see the constructor), so one step of the bar is one row.
    QScrollBar* bar = verticalScrollBar();
    bar->setValue(bar->value() + lines);
}

QByteArray KeywordTreeView::dragMarker() const
{
    return QByteArray::number(QCoreApplication::applicationPid()) + ':' +
           QByteArray::number(reinterpret_cast<quintptr>(this), 16);
}

QMimeData* KeywordTreeView::nodeDragData() const
{
    auto* payload = new QMimeData;
    payload->setData(kDragFormat, dragMarker());
    return payload;
}

bool KeywordTreeView::isOwnDrag(const QDropEvent* event) const
{
    if (event->source() == this)
        return true;
    const QMimeData* payload = event->mimeData();
    return payload && payload->hasFormat(kDragFormat) && payload->data(kDragFormat) == dragMarker();
}

KeywordNode* KeywordTreeView::dropTarget() const
{
    return dropTarget_.isValid() ? itemFromIndex(dropTarget_) : nullptr;
}

void KeywordTreeView::setDropTarget(KeywordNode* node)
{
    const QModelIndex index = node ? indexFromItem(node) : QModelIndex();
    if (index == dropTarget_)
        return;
    dropTarget_ = index;
    viewport()->update();
}

void KeywordTreeView::mousePressEvent(QMouseEvent* event)
{
    // The view's own press first: it decides whether a click on the already selected node
    // starts editing, which must be judged by the selection from before this press.
    QTreeView::mousePressEvent(event);
    if (onMouseDown)
        onMouseDown(event->button(), event->position().toPoint());
}

void KeywordTreeView::keyPressEvent(QKeyEvent* event)
{
    // The keyboard's two ways to the context menu: the Menu key, and Shift+F10 for keyboards
    // without one.
    const bool menuKey =
        event->key() == Qt::Key_Menu || (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier);
    if (!menuKey) {
        QTreeView::keyPressEvent(event);
        return;
    }
    requestMenuAtSelection();
    event->accept();
}

bool KeywordTreeView::event(QEvent* event)
{
    // Some window systems follow the Menu key's press with a context-menu request of their own,
    // placed at the mouse pointer; the press has already opened the menu at the selected node.
    if (event->type() == QEvent::ContextMenu &&
        static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard) {
        event->accept();
        return true;
    }
    return QTreeView::event(event);
}

void KeywordTreeView::requestMenuAtSelection()
{
    QPoint at;
    if (KeywordNode* node = selectedNode()) {
        scrollToItem(node);
        const QRect row = visualItemRect(node);
        // Just right of the node's picture, halfway down its row: the menu covers the row's
        // text only partly, and its first entry sits where the eye already is.
        at = QPoint(row.left() + row.height(), row.center().y());
    }
    emit customContextMenuRequested(at);
}

void KeywordTreeView::mouseDoubleClickEvent(QMouseEvent* event)
{
    QTreeView::mouseDoubleClickEvent(event);
    if (onDoubleClick)
        onDoubleClick();
}

void KeywordTreeView::startDrag(Qt::DropActions)
{
    // The drop handler moves the nodes itself; what the drag reports back is of no interest, so
    // the view never removes the dragged rows on a "move" result as it would by default.
    KeywordNode* node = selectedNode();
    if (!node)
        return;
    auto* drag = new QDrag(this);
    drag->setMimeData(nodeDragData());
    const int side = style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, this);
    const QIcon picture = this->picture(node->picture());
    if (!picture.isNull())
        drag->setPixmap(picture.pixmap(side, side));
    drag->exec(Qt::MoveAction);
    setDropTarget(nullptr);
}

void KeywordTreeView::dragEnterEvent(QDragEnterEvent* event)
{
    const bool accept = onDragOver ? onDragOver(event->position().toPoint(), isOwnDrag(event)) : false;
    setDropTarget(accept ? nodeInRow(event->position().toPoint().y()) : nullptr);
    // The enter is taken whatever the answer, so that the moves that follow are reported too.
    event->setDropAction(accept ? Qt::MoveAction : Qt::IgnoreAction);
    event->accept();
}

void KeywordTreeView::dragMoveEvent(QDragMoveEvent* event)
{
    const QPoint pos = event->position().toPoint();
    const bool accept = onDragOver ? onDragOver(pos, isOwnDrag(event)) : false;
    setDropTarget(accept ? nodeInRow(pos.y()) : nullptr);
    if (accept) {
        event->setDropAction(Qt::MoveAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void KeywordTreeView::dragLeaveEvent(QDragLeaveEvent* event)
{
    setDropTarget(nullptr);
    QTreeView::dragLeaveEvent(event);
}

void KeywordTreeView::dropEvent(QDropEvent* event)
{
    const bool own = isOwnDrag(event);
    setDropTarget(nullptr);
    if (onDragDrop)
        onDragDrop(event->position().toPoint(), own);
    if (own) {
        event->setDropAction(Qt::MoveAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void KeywordTreeView::paintEvent(QPaintEvent* event)
{
    QTreeView::paintEvent(event);
    if (!dropTarget_.isValid())
        return;
    const QRect row = visualRect(dropTarget_);
    QPainter painter(viewport());
    QColor fill = palette().color(QPalette::Highlight);
    painter.setPen(fill);
    fill.setAlpha(80);
    painter.setBrush(fill);
    painter.drawRect(row.adjusted(0, 0, -1, -1));
}
