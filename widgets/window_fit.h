#pragma once
// Keeping the main window usable on the screen it opens on: a first start's design size can be
// larger than a small or highly scaled screen, and a saved place can lie on a screen that has
// gone or grown smaller since.
#include <QMargins>
#include <QRect>
#include <QSize>

class QSplitter;
class QWidget;

// The frame (window with its decoration) moved and shrunk so that it lies wholly within the
// available area, but never below the minimum size; a frame that fits is left as it is.
QRect fitFrameOnScreen(const QRect& frame, const QRect& available, const QSize& minimum);

// Fits the top-level window, before it is shown, to the available area of the screen it lies on
// most (or the primary screen when it lies on none). The decoration is not known until the window
// manager has framed the window, so a usual one is allowed for.
void fitWindowToScreen(QWidget& window);

// When the splitter grows too short for both, the pane at index 1 gives up its height (down to
// its minimum) before the pane at index 0 goes below comfortHeight.
void letSecondPaneGiveWay(QSplitter* splitter, int comfortHeight);
