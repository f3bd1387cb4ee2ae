#include "keywords/keyword_tree_model.h"

#include <QCollator>

namespace {

// Keywords sort by the user's own collation, upper and lower case told apart.
const QCollator& keywordCollator()
{
    static const QCollator collator = [] {
        QCollator c(QLocale::system());
        c.setCaseSensitivity(Qt::CaseSensitive);
        return c;
    }();
    return collator;
}

}  // namespace

KeywordTreeModel::KeywordTreeModel(QObject* parent) : QAbstractItemModel(parent), root_(new KeywordNode)
{
    root_->markAsRoot();
}

KeywordTreeModel::~KeywordTreeModel() { deleteSubtree(root_); }

QIcon KeywordTreeModel::picture(int number) const
{
    return number >= 0 && number < pictures_.size() ? pictures_.at(number) : QIcon();
}

QModelIndex KeywordTreeModel::indexOf(const KeywordNode* node) const
{
    if (!node || node == root_ || !node->holder())
        return {};
    return createIndex(node->row(), 0, const_cast<KeywordNode*>(node));
}

KeywordNode* KeywordTreeModel::nodeAt(const QModelIndex& index)
{
    return index.isValid() ? static_cast<KeywordNode*>(index.internalPointer()) : nullptr;
}

KeywordNode* KeywordTreeModel::nodeOrRoot(const QModelIndex& index) const
{
    return index.isValid() ? nodeAt(index) : root_;
}

void KeywordTreeModel::replaceAll(const std::vector<KeywordNode*>& topLevel)
{
    beginResetModel();
    while (root_->childCount() > 0)
        deleteSubtree(root_->takeChild(root_->childCount() - 1));
    for (KeywordNode* node : topLevel)
        root_->addChild(node);
    endResetModel();
}

void KeywordTreeModel::insertNode(KeywordNode* parent, int row, KeywordNode* node)
{
    KeywordNode* holder = parent ? parent : root_;
    beginInsertRows(indexOf(parent), row, row);
    holder->insertChild(row, node);
    endInsertRows();
}

KeywordNode* KeywordTreeModel::takeNode(KeywordNode* node)
{
    KeywordNode* holder = node->holder();
    const int row = node->row();
    beginRemoveRows(indexOf(holder), row, row);
    holder->takeChild(row);
    endRemoveRows();
    return node;
}

void KeywordTreeModel::sortChildren(KeywordNode* parent, Qt::SortOrder order)
{
    if (parent->childCount() < 2)
        return;
    const QList<QPersistentModelIndex> parents{QPersistentModelIndex(indexOf(parent))};
    emit layoutAboutToBeChanged(parents, QAbstractItemModel::VerticalSortHint);
    const QCollator& collator = keywordCollator();
    parent->sortChildren([&collator, order](const KeywordNode* a, const KeywordNode* b) {
        const int compared = collator.compare(a->shown(), b->shown());
        return order == Qt::AscendingOrder ? compared < 0 : compared > 0;
    });
    // The marks the view keeps on the moved rows (current row, expanded nodes) follow their nodes.
    for (const QModelIndex& before : persistentIndexList()) {
        KeywordNode* node = nodeAt(before);
        if (node->holder() == parent)
            changePersistentIndex(before, createIndex(node->row(), 0, node));
    }
    emit layoutChanged(parents, QAbstractItemModel::VerticalSortHint);
}

void KeywordTreeModel::changed(KeywordNode* node)
{
    const QModelIndex index = indexOf(node);
    if (index.isValid())
        emit dataChanged(index, index);
}

void KeywordTreeModel::setNodeBytes(KeywordNode* node, const std::string& bytes)
{
    node->assign(bytes);
    changed(node);
}

void KeywordTreeModel::setNodePicture(KeywordNode* node, int picture)
{
    if (node->picture() == picture)
        return;
    node->setPicture(picture);
    changed(node);
}

void KeywordTreeModel::setNodeText(KeywordNode* node, const QString& text)
{
    if (node->setShown(text))
        changed(node);
}

QModelIndex KeywordTreeModel::index(int row, int column, const QModelIndex& parent) const
{
    KeywordNode* node = column == 0 ? nodeOrRoot(parent)->child(row) : nullptr;
    return node ? createIndex(row, 0, node) : QModelIndex();
}

QModelIndex KeywordTreeModel::parent(const QModelIndex& index) const
{
    const KeywordNode* node = nodeAt(index);
    return node ? indexOf(node->parent()) : QModelIndex();
}

int KeywordTreeModel::rowCount(const QModelIndex& parent) const
{
    return parent.column() > 0 ? 0 : nodeOrRoot(parent)->childCount();
}

int KeywordTreeModel::columnCount(const QModelIndex&) const { return 1; }

bool KeywordTreeModel::hasChildren(const QModelIndex& parent) const { return rowCount(parent) > 0; }

QVariant KeywordTreeModel::data(const QModelIndex& index, int role) const
{
    const KeywordNode* node = nodeAt(index);
    if (!node)
        return {};
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
        case Qt::ToolTipRole:  // the view shows it only where the column cuts the text
            return node->shown();
        case Qt::DecorationRole:
            return picture(node->picture());
        case kKeywordBytesRole:
            return QByteArray(node->byteView().data(), static_cast<qsizetype>(node->byteView().size()));
        case kKeywordPictureRole:
            return node->picture();
        default:
            return {};
    }
}

bool KeywordTreeModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    KeywordNode* node = nodeAt(index);
    if (!node)
        return false;
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            setNodeText(node, value.toString());
            return true;
        case kKeywordBytesRole: {
            const QByteArray bytes = value.toByteArray();
            setNodeBytes(node, bytes.toStdString());
            return true;
        }
        case kKeywordPictureRole:
            setNodePicture(node, value.toInt());
            return true;
        default:
            return false;
    }
}

Qt::ItemFlags KeywordTreeModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::ItemIsDropEnabled;
    return Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled |
           Qt::ItemIsEnabled;
}
