#pragma once
// The box above the keyword tree that narrows it to the nodes whose text holds what was typed,
// with their ancestors, expanded. Rows are only hidden, never taken out, and nothing the tree's
// file holds changes; emptying the box (or Esc in it, which also gives the tree the focus) brings
// back the tree as it was, with the nodes expanded that were. Enter searches the first match.
#include <QObject>
#include <QPersistentModelIndex>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

class KeywordTreeView;
class QLineEdit;

class KeywordFilter : public QObject {
public:
    // onEnter does what a double-click on the selected node does; it runs with the first match
    // made the selected node.
    KeywordFilter(QLineEdit& box, KeywordTreeView& tree, std::function<void()> onEnter);

    // The tree on show was replaced (another tab, a restore): a filter typed applies to it.
    void treeReplaced();

    // Text compared as the filter compares it: without regard to case, nor to the width of kana
    // and Latin letters and digits.
    static QString comparable(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void apply(const QString& typed);
    void restore();
    void searchFirstMatch();

    QLineEdit& box_;
    KeywordTreeView& tree_;
    std::function<void()> onEnter_;
    // While a filter is on: the nodes expanded before it.
    std::optional<std::vector<QPersistentModelIndex>> expandedBefore_;
    QPersistentModelIndex firstMatch_;
};
