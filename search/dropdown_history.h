#pragma once
// The drop-down history of an editable box (keywords, addresses): newest first, no limit, and a
// text already there in any letter case is not added again.
class QComboBox;
class QString;

// Inserts text at the top of the box's list unless an entry equal to it, letters compared without
// regard to case, is already there; an entry found keeps its place. The edit text is left alone.
void rememberInHistory(QComboBox& box, const QString& text);
