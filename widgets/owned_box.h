#pragma once
// How the program's boxes are run and sized.
class QDialog;
class QMessageBox;
class QString;
class QWidget;

// Runs box until it is answered and returns its result. A box owned by a window is modal, as any.
// One owned by a widget inside a window (the browser pane, for the page's questions) is that
// widget's alone, as browsers keep a page's boxes to its tab: the widget takes no input while the
// box is up, the rest of the window still works, its close box still closes the program, and the
// box goes with the window or the widget.
int runOwnedBox(QDialog& box, QWidget* owner);

// The narrowest a box may be for a window manager to show caption whole in its title bar, beside
// the bar's own icon and buttons, which the program cannot measure.
int widthForCaption(const QWidget& box, const QString& caption);
// A message box computes its own width from its contents, and would cut a long caption.
void fitCaption(QMessageBox& box);
