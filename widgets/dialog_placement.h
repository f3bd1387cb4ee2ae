#pragma once
class QWidget;

// Moves a dialog so that its frame is centred on its parent window's frame; the program's dialogs
// do this at every opening, wherever the main window was last moved to.
void centreOnParent(QWidget& dialog);
