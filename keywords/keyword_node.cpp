#include "keywords/keyword_node.h"

#include "keywords/keyword_tree_view.h"
#include "text/sjis_text.h"

#include <QCollator>

#include <algorithm>

namespace {

// A line end or NUL inside a node text would split the node when the file is read back. Unlike the
// boxes' rule (text/single_line.h), CR LF becomes two blanks here: the text and its bytes are
// cleaned apart and must stay in step, and the bytes can only be cleaned byte for byte.
QString singleLine(QString text)
{
    for (QChar& c : text) {
        if (c == u'\r' || c == u'\n' || c == u'\0')
            c = u' ';
    }
    return text;
}

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

std::string singleLineBytes(std::string bytes)
{
    // None of these bytes can be the second byte of a Shift-JIS character, so no character is
    // split by the replacement.
    for (char& c : bytes) {
        if (c == '\r' || c == '\n' || c == '\0')
            c = ' ';
    }
    return bytes;
}

void KeywordNode::assign(const std::string& bytes)
{
    size_ = static_cast<quint32>(bytes.size());
    bytes_.reset();
    if (!bytes.empty()) {
        bytes_ = std::make_unique_for_overwrite<char[]>(bytes.size());
        std::copy(bytes.begin(), bytes.end(), bytes_.get());
    }
    typed_.reset();
}

QString KeywordNode::shown() const { return typed_ ? *typed_ : fromSjis(std::string_view(bytes_.get(), size_)); }

QVariant KeywordNode::data(int column, int role) const
{
    if (column != 0)
        return QTreeWidgetItem::data(column, role);
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return shown();
        case KeywordTreeView::kBytesRole:
            return QByteArray(bytes_.get(), size_);
        case kKeywordPictureRole:
            return picture_;
        case Qt::DecorationRole:
            if (const auto* tree = qobject_cast<const KeywordTreeView*>(treeWidget()))
                return tree->picture(picture_);
            return {};
        default:
            return QTreeWidgetItem::data(column, role);
    }
}

void KeywordNode::setData(int column, int role, const QVariant& value)
{
    if (column != 0) {
        QTreeWidgetItem::setData(column, role, value);
        return;
    }
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole: {
            QString typed = singleLine(value.toString());
            if (typed == shown())
                return;
            assign(bytesOfShownText(typed, bytes()));
            if (typed != shown())
                typed_ = std::make_unique<QString>(std::move(typed));
            break;
        }
        case KeywordTreeView::kBytesRole:
            assign(singleLineBytes(value.toByteArray().toStdString()));
            break;
        case kKeywordPictureRole:
            picture_ = static_cast<qint8>(value.toInt());
            break;
        case Qt::DecorationRole:
            // The picture follows the picture number.
            return;
        default:
            QTreeWidgetItem::setData(column, role, value);
            return;
    }
    emitDataChanged();
}

bool KeywordNode::operator<(const QTreeWidgetItem& other) const
{
    return keywordCollator().compare(text(0), other.text(0)) < 0;
}
