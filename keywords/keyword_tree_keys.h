#pragma once
// The keyword tree from the keyboard: Enter on a node does what its double-click does, Delete
// deletes it as the menu's キーワードを削除する does, Ctrl+Z brings back what was deleted last,
// and the context menu's keys open the menu at the node that has the keyboard's mark.
#include <functional>

class KeywordTreeView;

struct KeywordTreeKeyHandlers {
    std::function<void()> onEnter;
    std::function<void()> onDelete;
    std::function<void()> onUndo;
};

// onEnter and onDelete run with the current node made the selected one. While an in-place editor
// is open, the keys are the editor's.
void handleKeywordTreeKeys(KeywordTreeView& tree, KeywordTreeKeyHandlers handlers);
