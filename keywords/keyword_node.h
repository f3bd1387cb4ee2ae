#pragma once
// A node of the keyword tree, as the tree view keeps it: its bytes, its picture number and, rarely,
// a typed text its bytes cannot give back.
#include "keywords/node_slots.h"

#include <QString>
#include <QTreeWidgetItem>

#include <string>
#include <string_view>

// The item data role of a node's picture number.
inline constexpr int kKeywordPictureRole = Qt::UserRole + 1;

// A node of the keyword tree. A tree may hold a hundred thousand of them, so a node keeps only
// its bytes and its picture number, and answers the view's questions from them: the shown text is
// decoded when the view asks for it (the rows on show, a sort), and the picture comes from the
// view's picture list. Bytes that fit are kept inside the node itself (most keywords are short);
// longer ones take a heap allocation of exactly their size.
//
// The shown text and the bytes stay in step: whoever sets the text (the in-place editor
// included) replaces the bytes of the part it changed with that part's Shift-JIS form; the
// characters it left alone keep their bytes, so bytes that are not valid Shift-JIS, or a
// character the code page holds at two codes, survive an edit next to them. A typed text that its
// Shift-JIS form would not give back ("?" for what code page 932 lacks) is kept as typed for the
// eye, as long as the node is on show.
class KeywordNode : public QTreeWidgetItem {
public:
    KeywordNode() : QTreeWidgetItem(UserType) {}
    ~KeywordNode() override;
    KeywordNode(const KeywordNode&) = delete;
    KeywordNode& operator=(const KeywordNode&) = delete;

    // Nodes live in slots of their own size (keywords/node_slots.h).
    static void* operator new(std::size_t size) { return takeNodeSlot(size); }
    static void operator delete(void* node, std::size_t size) { giveNodeSlot(node, size); }

    // Takes bytes as the node's, each line end or NUL made a blank. For a node in no view yet:
    // nothing is told.
    void assign(std::string_view bytes);

    std::string bytes() const { return std::string(byteView()); }
    std::string_view byteView() const { return {bytesInline() ? storage_ : heapBytes(), size_}; }
    QString shown() const;

    QVariant data(int column, int role) const override;
    void setData(int column, int role, const QVariant& value) override;
    // The view's sort of a node's children calls this.
    bool operator<(const QTreeWidgetItem& other) const override;

private:
    // With these fields 18 bytes fill the node to the next multiple of 8 bytes; nine Japanese
    // characters fit.
    static constexpr quint32 kInlineBytes = 18;

    bool bytesInline() const { return size_ <= kInlineBytes; }
    // Longer bytes: the storage holds their address (copied in and out, as it has no alignment).
    char* heapBytes() const;
    void releaseBytes();
    void setTyped(QString typed);
    void dropTyped();

    quint32 size_ = 0;
    qint8 picture_ = 0;
    bool hasTyped_ = false;  // the typed text lives in a table beside the nodes: it is rare
    char storage_[kInlineBytes];
};
