#pragma once
// The pane menu's offer to open the window a script of the page on show opened by itself and the
// pane blocked, should the user want it after all.
class QAction;
class QMenu;
class QWebEngineView;

// Adds the entry before `before` while the page on show has a blocked window.
void addBlockedPopupEntry(QMenu& menu, QAction* before, QWebEngineView& view);
