#pragma once
// The keyword tree's view. Each node keeps its text's original Shift-JIS bytes, so a text read
// from a file and never edited is written back byte for byte. Mouse presses and drag reports are
// handed to the main window's handlers through the hooks; the view itself never moves a node on a
// drop (the main window does), and draws its own drop-target highlight.
//
// The nodes live in the view's own model (keywords/keyword_tree_model.h); the functions named as
// a tree widget's own answer in nodes rather than model indexes.
#include "keywords/keyword_tree_model.h"

#include <QByteArray>
#include <QPersistentModelIndex>
#include <QTreeView>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

class QMimeData;

class KeywordTreeView : public QTreeView {
    Q_OBJECT
public:
    explicit KeywordTreeView(QWidget* parent = nullptr);
    ~KeywordTreeView() override;

    KeywordTreeModel& nodes() const { return *model_; }

    // A node's text bytes (Shift-JIS), and its picture's index into the tree's picture list
    // (ImageList2).
    static std::string itemBytes(const KeywordNode* node) { return node->bytes(); }
    static int itemPicture(const KeywordNode* node) { return node->picture(); }

    void setPictures(const QList<QIcon>& pictures) { model_->setPictures(pictures); }
    // The picture of that index in the list; none outside it.
    QIcon picture(int index) const { return model_->picture(index); }

    int topLevelItemCount() const { return model_->topLevelCount(); }
    KeywordNode* topLevelItem(int i) const { return model_->topLevelNode(i); }
    QModelIndex indexFromItem(const KeywordNode* node) const { return model_->indexOf(node); }
    static KeywordNode* itemFromIndex(const QModelIndex& index) { return KeywordTreeModel::nodeAt(index); }
    KeywordNode* currentItem() const { return itemFromIndex(currentIndex()); }
    void setCurrentItem(KeywordNode* node) { setCurrentIndex(indexFromItem(node)); }
    KeywordNode* itemAt(const QPoint& point) const { return itemFromIndex(indexAt(point)); }
    QRect visualItemRect(const KeywordNode* node) const { return visualRect(indexFromItem(node)); }
    void scrollToItem(const KeywordNode* node) { scrollTo(indexFromItem(node)); }
    void editItem(KeywordNode* node) { edit(indexFromItem(node)); }
    bool isItemExpanded(const KeywordNode* node) const { return isExpanded(indexFromItem(node)); }
    bool isItemSelected(const KeywordNode* node) const;

    // A node that belongs to no tree yet, with the given bytes and picture.
    KeywordNode* newNode(std::string_view bytes, int picture) const;

    // The node whose row lies at viewport height y, wherever across the row the point is
    // (indent, expand button, picture, text, or right of the text); null below the last row.
    KeywordNode* nodeInRow(int y) const;

    // The one selected node (current and selected), or null.
    KeywordNode* selectedNode() const;
    // Makes node the selected node; null clears the selection.
    void selectNode(KeywordNode* node);

    // Expands node and every node below it. Only nodes with children are marked, and the
    // view lays itself out once afterwards, so a large or very deep subtree costs no more than
    // one layout pass.
    void expandSubtree(KeywordNode* node);
    // Expands each of nodes, likewise with one layout pass afterwards.
    void expandNodes(const std::vector<KeywordNode*>& nodes);
    // Collapses node and every node below it, likewise at the cost of one layout pass. The view
    // keeps a persistent mark per expanded node, and taking a subtree out visits every mark
    // once per level above it; a subtree is collapsed before it is taken out.
    void collapseSubtree(KeywordNode* node);

    // Scrolls by whole rows: negative up, positive down.
    void scrollByLines(int lines);

    // The payload a drag from this view carries; it names this view, so a drop can tell its
    // own drags even where the platform does not report the drag's source.
    QMimeData* nodeDragData() const;
    bool isOwnDrag(const QDropEvent* event) const;

    // The node drawn as the drop target while a drag hovers over the view, or null.
    KeywordNode* dropTarget() const;

    // Counts the changes of the nodes (text, bytes, picture, flags, structure, order), from the
    // model's own reports, so no way of changing the tree is missed: an equal count means the
    // same tree.
    quint64 changeCount() const { return changes_; }

    std::function<void(Qt::MouseButton, const QPoint&)> onMouseDown;
    // Return whether a drop would be accepted at the point; the bool tells whether the drag
    // comes from this view.
    std::function<bool(const QPoint&, bool)> onDragOver;
    std::function<void(const QPoint&, bool)> onDragDrop;
    std::function<void()> onDoubleClick;
    // An in-place edit was confirmed with a text other than the one the node had.
    std::function<void()> onTextEdited;
    // A note on a node's text (its bytes) for its tooltip; empty for none.
    std::function<QString(const std::string& bytes)> noteOf;

signals:
    // The nodes changed (each change changeCount() counts).
    void nodesChanged();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;

private:
    // Asks for the context menu at the selected node (at the view's corner without one).
    void requestMenuAtSelection();
    void setSubtreeExpanded(KeywordNode* node, bool expanded);
    void setDropTarget(KeywordNode* node);
    QByteArray dragMarker() const;

    KeywordTreeModel* model_;
    QPersistentModelIndex dropTarget_;
    quint64 changes_ = 0;
};
