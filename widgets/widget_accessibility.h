#pragma once
// What a screen reader learns about the widgets the program paints itself: the tab strips as page
// tab lists with a page tab for each caption, the status bar's panels as its texts, the band grips,
// the busy animation. Each of those widgets installs it when the first one is made.
class QWidget;

void installWidgetAccessibility();

// Names each field of a form after the label that is its buddy, where nothing named it before,
// without the label's shortcut mark and trailing colon.
void nameFieldsByLabels(QWidget* form);
