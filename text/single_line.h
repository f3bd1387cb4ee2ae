#pragma once
// Text taken from outside (a page's title, an edit the user pasted into) for a value that the
// program's files keep on one line.
#include <QString>

// text with each CR LF pair, lone CR, lone LF and NUL turned into one blank.
QString withoutLineBreaks(const QString& text);
