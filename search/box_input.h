#pragma once
// Key handling of the keyword box and the address box: the key handler sees every key the user
// presses in the box, and the key always goes on to the box. Text still being composed in an input
// method is committed before a command reads a box.
#include <functional>

class QComboBox;

// From now on keyDown is called with every key pressed in box (not while an input method
// composes there), and with Enter when the user takes an entry from the drop-down list by Enter.
void watchBoxKeys(QComboBox* box, std::function<void(int)> keyDown);

// Finishes an input-method composition still open in any watched box, so that what the user sees
// there is what a command reads.
void commitBoxCompositions();

// From now on a line break that reaches box's text (pasted by keys, the middle button or the
// field's menu, dropped, or put there by the program) becomes one blank, with the cursor kept
// where it was: a keyword or an address is one line.
void keepBoxOnOneLine(QComboBox* box);
