#include "widgets/dialog_placement.h"

#include <QWidget>

void centreOnParent(QWidget& dialog)
{
    const QWidget* parent = dialog.parentWidget();
    if (!parent)
        return;
    QRect frame = dialog.frameGeometry();
    frame.moveCenter(parent->window()->frameGeometry().center());
    dialog.move(frame.topLeft());
}
