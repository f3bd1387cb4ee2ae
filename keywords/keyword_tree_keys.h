#pragma once
// The keyword tree from the keyboard: Enter on a node does what its double-click does, and the
// context menu's keys open the menu at the node that has the keyboard's mark.
#include <functional>

class KeywordTreeView;

// onEnter runs with the current node made the selected one. While an in-place editor is open,
// Enter is the editor's.
void handleKeywordTreeKeys(KeywordTreeView& tree, std::function<void()> onEnter);
