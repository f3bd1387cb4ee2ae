#pragma once
// A node of the keyword tree, as the tree view keeps it: its bytes, its picture number and, rarely,
// a typed text its bytes cannot give back.
#include <QString>
#include <QTreeWidgetItem>

#include <memory>
#include <string>

// The item data role of a node's picture number.
inline constexpr int kKeywordPictureRole = Qt::UserRole + 1;

// The node's bytes with each line end or NUL made a blank (see singleLine in keyword_node.cpp).
std::string singleLineBytes(std::string bytes);

// A node of the keyword tree. A tree may hold a hundred thousand of them, so a node keeps only
// its bytes (one allocation of exactly their size) and its picture number, and answers the
// view's questions from them: the shown text is decoded when the view asks for it (the rows on
// show, a sort), and the picture comes from the view's picture list.
//
// The shown text and the bytes stay in step: whoever sets the text (the in-place editor
// included) replaces the bytes of the part it changed with that part's Shift-JIS form; the
// characters it left alone keep their bytes, so bytes that are not valid Shift-JIS, or a
// character the code page holds at two codes, survive an edit next to them. A typed text that its Shift-JIS form would
// not give back ("?" for what code page 932 lacks) is kept as typed for the eye, as long as the node is on show.
class KeywordNode : public QTreeWidgetItem {
public:
    KeywordNode() : QTreeWidgetItem(UserType) {}

    // For a node in no view yet: nothing is told.
    void assign(const std::string& bytes);

    std::string bytes() const { return size_ ? std::string(bytes_.get(), size_) : std::string(); }
    QString shown() const;

    QVariant data(int column, int role) const override;
    void setData(int column, int role, const QVariant& value) override;
    // The view's sort of a node's children calls this.
    bool operator<(const QTreeWidgetItem& other) const override;

private:
    std::unique_ptr<char[]> bytes_;
    std::unique_ptr<QString> typed_;
    quint32 size_ = 0;
    qint8 picture_ = 0;
};
