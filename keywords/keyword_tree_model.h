#pragma once
// The keyword tree on show, as the tree view sees it: one column of nodes, each answering its
// text, its picture, its Shift-JIS bytes and its picture number. Every change of the tree on show
// goes through here, so the view hears of each one.
#include "keywords/keyword_node.h"

#include <QAbstractItemModel>
#include <QIcon>
#include <QList>

#include <string>
#include <vector>

// The item data role of a node's bytes (a QByteArray) and of its picture number.
inline constexpr int kKeywordBytesRole = Qt::UserRole;
inline constexpr int kKeywordPictureRole = Qt::UserRole + 1;

class KeywordTreeModel : public QAbstractItemModel {
    Q_OBJECT
public:
    explicit KeywordTreeModel(QObject* parent = nullptr);
    ~KeywordTreeModel() override;

    // The picture list the picture numbers point into.
    void setPictures(const QList<QIcon>& pictures) { pictures_ = pictures; }
    // The picture of that number; none outside the list.
    QIcon picture(int number) const;

    int topLevelCount() const { return root_->childCount(); }
    KeywordNode* topLevelNode(int i) const { return root_->child(i); }
    // The index of a node of this tree; an invalid one for null or a node in no tree.
    QModelIndex indexOf(const KeywordNode* node) const;
    static KeywordNode* nodeAt(const QModelIndex& index);

    // Replaces every node by topLevel (trees in no view), freeing the old ones.
    void replaceAll(const std::vector<KeywordNode*>& topLevel);
    // Puts node (a tree in no view) at row among parent's children; a null parent means the top
    // level.
    void insertNode(KeywordNode* parent, int row, KeywordNode* node);
    // Takes node with its subtree out of the tree; it then belongs to no tree.
    KeywordNode* takeNode(KeywordNode* node);
    // Sorts parent's children by the user's collation, upper and lower case told apart; equal
    // ones keep their order. Descending reverses the comparison.
    void sortChildren(KeywordNode* parent, Qt::SortOrder order = Qt::AscendingOrder);
    void setNodeBytes(KeywordNode* node, const std::string& bytes);
    void setNodePicture(KeywordNode* node, int picture);
    void setNodeText(KeywordNode* node, const QString& text);

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& index) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    bool hasChildren(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    KeywordNode* nodeOrRoot(const QModelIndex& index) const;
    void changed(KeywordNode* node);

    KeywordNode* root_;
    QList<QIcon> pictures_;
};
