#include "keywords/keyword_node.h"

#include "keywords/keyword_tree_view.h"
#include "text/sjis_text.h"

#include <QCollator>
#include <QHash>

#include <algorithm>
#include <cstring>
#include <utility>

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

// The typed texts of the nodes that have one, by node.
QHash<const KeywordNode*, QString>& typedTexts()
{
    static QHash<const KeywordNode*, QString> texts;
    return texts;
}

}  // namespace

static_assert(sizeof(KeywordNode) == sizeof(QTreeWidgetItem) + 24, "the node's own fields fill 24 bytes");
static_assert(alignof(KeywordNode) <= 8, "node slots are aligned to 8 bytes");

KeywordNode::~KeywordNode()
{
    releaseBytes();
    dropTyped();
}

char* KeywordNode::heapBytes() const
{
    char* bytes = nullptr;
    std::memcpy(&bytes, storage_, sizeof bytes);
    return bytes;
}

void KeywordNode::releaseBytes()
{
    if (!bytesInline())
        delete[] heapBytes();
    size_ = 0;
}

void KeywordNode::assign(std::string_view bytes)
{
    releaseBytes();
    char* target = storage_;
    if (bytes.size() > kInlineBytes) {
        target = new char[bytes.size()];
        std::memcpy(storage_, &target, sizeof target);
    }
    // A line end or NUL becomes a blank (see singleLine). None of these bytes can be the second
    // byte of a Shift-JIS character, so no character is split by the replacement.
    std::transform(bytes.begin(), bytes.end(), target,
                   [](char c) { return c == '\r' || c == '\n' || c == '\0' ? ' ' : c; });
    size_ = static_cast<quint32>(bytes.size());
    dropTyped();
}

void KeywordNode::setTyped(QString typed)
{
    typedTexts().insert(this, std::move(typed));
    hasTyped_ = true;
}

void KeywordNode::dropTyped()
{
    if (std::exchange(hasTyped_, false))
        typedTexts().remove(this);
}

QString KeywordNode::shown() const { return hasTyped_ ? typedTexts().value(this) : fromSjis(byteView()); }

QVariant KeywordNode::data(int column, int role) const
{
    if (column != 0)
        return QTreeWidgetItem::data(column, role);
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return shown();
        case KeywordTreeView::kBytesRole:
            return QByteArray(byteView().data(), static_cast<qsizetype>(size_));
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
                setTyped(std::move(typed));
            break;
        }
        case KeywordTreeView::kBytesRole: {
            const QByteArray bytes = value.toByteArray();
            assign(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
            break;
        }
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
