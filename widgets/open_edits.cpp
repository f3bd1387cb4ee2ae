#include "widgets/open_edits.h"

#include <QAbstractItemDelegate>
#include <QAbstractItemView>

void commitOpenEdit(QAbstractItemView& view)
{
    // Editing always runs on the current item: the view makes the edited item current, and the
    // widget over it is the editor while the edit lasts (these views set no other index widgets).
    const QModelIndex index = view.currentIndex();
    QWidget* editor = index.isValid() ? view.indexWidget(index) : nullptr;
    QAbstractItemDelegate* delegate = view.itemDelegateForIndex(index);
    if (!editor || !delegate)
        return;
    // The view listens to its delegate for these two; emitting them is the delegate's own way of
    // ending an edit with Enter.
    emit delegate->commitData(editor);
    emit delegate->closeEditor(editor, QAbstractItemDelegate::NoHint);
}
