#pragma once
// After a close that could not write every file: the box that names them offers to save what
// they were to hold at a place the user chooses, so that leaving without saving loses nothing.
class Dialogs;
class QWidget;
class UnsavedFiles;

// Shows the box; when the user takes the offer, a save dialog for each file with content, and
// an error box for a place that could not be written either.
void reportUnsavedFiles(Dialogs& dialogs, QWidget* owner, const UnsavedFiles& unsaved);
