#pragma once
// A node of the keyword tree: its bytes, its picture number, its place among its siblings and its
// children, and, rarely, a typed text its bytes cannot give back.
#include <QString>

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A node of the keyword tree. A tree may hold a hundred thousand of them, so a node is small and
// answers the view's questions from its bytes: the shown text is decoded when the view asks for
// it (the rows on show, a sort). Bytes that fit are kept inside the node itself (most keywords are
// short); longer ones take a heap allocation of exactly their size.
//
// The shown text and the bytes stay in step: whoever sets the text (the in-place editor
// included) replaces the bytes of the part it changed with that part's Shift-JIS form; the
// characters it left alone keep their bytes, so bytes that are not valid Shift-JIS, or a
// character the code page holds at two codes, survive an edit next to them. A typed text that its
// Shift-JIS form would not give back ("?" for what code page 932 lacks) is kept as typed for the
// eye, as long as the node exists.
//
// Here a node only changes itself and the nodes of a tree in no view; the tree on show changes
// through its model (keywords/keyword_tree_model.h), which tells the view.
class KeywordNode {
public:
    KeywordNode() = default;
    // Frees the node alone: its children are freed by deleteSubtree.
    ~KeywordNode();
    KeywordNode(const KeywordNode&) = delete;
    KeywordNode& operator=(const KeywordNode&) = delete;

    // Takes bytes as the node's, each line end or NUL made a blank.
    void assign(std::string_view bytes);
    std::string bytes() const { return std::string(byteView()); }
    std::string_view byteView() const { return {bytesInline() ? storage_ : heapBytes(), size_}; }

    QString shown() const;
    // Sets the shown text as typed (line ends made blanks); false when it was the text already.
    bool setShown(const QString& typed);

    int picture() const { return picture_; }
    void setPicture(int picture) { picture_ = static_cast<std::int8_t>(picture); }

    // The node above, or null for a top-level node and a node in no tree.
    KeywordNode* parent() const { return holder_ && !holder_->isRoot_ ? holder_ : nullptr; }
    int childCount() const { return static_cast<int>(children_.size()); }
    // The child at i, or null outside the children.
    KeywordNode* child(int i) const;
    // Where child stands among this node's children; -1 when it is none of them.
    int indexOfChild(const KeywordNode* child) const;
    // Where this node stands among its siblings.
    int row() const { return row_; }

    // Structure, for the model and for building a tree in no view.
    void insertChild(int i, KeywordNode* child);
    void addChild(KeywordNode* child) { insertChild(childCount(), child); }
    KeywordNode* takeChild(int i);
    // Reorders the children by less, equal ones keeping their order.
    template <typename Less>
    void sortChildren(Less less);
    // The node that holds this one: the parent, the invisible root of a tree, or null.
    KeywordNode* holder() const { return holder_; }

private:
    friend class KeywordTreeModel;  // makes the invisible root of its tree
    void markAsRoot() { isRoot_ = true; }

    // With these fields 22 bytes fill the node to 64 bytes; eleven Japanese characters fit.
    static constexpr std::uint32_t kInlineBytes = 22;

    bool bytesInline() const { return size_ <= kInlineBytes; }
    // Longer bytes: the storage holds their address (copied in and out, as it has no alignment).
    char* heapBytes() const;
    void releaseBytes();
    void setTyped(QString typed);
    void dropTyped();
    void numberChildrenFrom(size_t first);

    KeywordNode* holder_ = nullptr;
    std::vector<KeywordNode*> children_;
    std::int32_t row_ = 0;
    std::uint32_t size_ = 0;
    std::int8_t picture_ = 0;
    bool hasTyped_ : 1 = false;  // the typed text lives in a table beside the nodes: it is rare
    bool isRoot_ : 1 = false;
    char storage_[kInlineBytes];
};

// Frees root and every node below it, by a loop over an explicit list: a chain thousands of
// levels deep costs no call stack.
void deleteSubtree(KeywordNode* root);

template <typename Less>
void KeywordNode::sortChildren(Less less)
{
    std::stable_sort(children_.begin(), children_.end(), less);
    numberChildrenFrom(0);
}
