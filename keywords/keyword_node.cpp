#include "keywords/keyword_node.h"

#include "text/sjis_text.h"

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

// The typed texts of the nodes that have one, by node.
QHash<const KeywordNode*, QString>& typedTexts()
{
    static QHash<const KeywordNode*, QString> texts;
    return texts;
}

}  // namespace

static_assert(sizeof(KeywordNode) == 64, "a node fills 64 bytes");

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
    if (!hasTyped_)
        return;
    hasTyped_ = false;
    typedTexts().remove(this);
}

QString KeywordNode::shown() const { return hasTyped_ ? typedTexts().value(this) : fromSjis(byteView()); }

bool KeywordNode::setShown(const QString& text)
{
    QString typed = singleLine(text);
    if (typed == shown())
        return false;
    assign(bytesOfShownText(typed, bytes()));
    if (typed != shown())
        setTyped(std::move(typed));
    return true;
}

KeywordNode* KeywordNode::child(int i) const
{
    return i >= 0 && i < childCount() ? children_[static_cast<size_t>(i)] : nullptr;
}

int KeywordNode::indexOfChild(const KeywordNode* child) const
{
    return child && child->holder_ == this ? child->row_ : -1;
}

void KeywordNode::numberChildrenFrom(size_t first)
{
    for (size_t i = first; i < children_.size(); ++i)
        children_[i]->row_ = static_cast<std::int32_t>(i);
}

void KeywordNode::insertChild(int i, KeywordNode* child)
{
    children_.insert(children_.begin() + i, child);
    child->holder_ = this;
    numberChildrenFrom(static_cast<size_t>(i));
}

KeywordNode* KeywordNode::takeChild(int i)
{
    KeywordNode* child = children_[static_cast<size_t>(i)];
    children_.erase(children_.begin() + i);
    child->holder_ = nullptr;
    child->row_ = 0;
    numberChildrenFrom(static_cast<size_t>(i));
    return child;
}

void deleteSubtree(KeywordNode* root)
{
    std::vector<KeywordNode*> pending{root};
    while (!pending.empty()) {
        KeywordNode* node = pending.back();
        pending.pop_back();
        for (int i = 0; i < node->childCount(); ++i)
            pending.push_back(node->child(i));
        delete node;
    }
}
