#pragma once
// An item view's in-place editor stays open when the user turns to a tab, a menu or the close box
// with the mouse: none of those takes the keyboard focus from it, so the view still holds the old
// text. Whoever reads the view's items first commits what the editor holds.
class QAbstractItemView;

// Stores the text of view's open in-place editor, as Enter would, and closes the editor. Nothing
// happens when no editor is open.
void commitOpenEdit(QAbstractItemView& view);
