#include "search/dropdown_history.h"

#include <QComboBox>

void rememberInHistory(QComboBox& box, const QString& text)
{
    // A fixed-string match without MatchCaseSensitive compares letters without regard to case.
    if (box.findText(text, Qt::MatchFixedString) >= 0)
        return;
    box.insertItem(0, text);
}
