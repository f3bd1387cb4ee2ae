// Editing the keyword tree. Not built yet: the handlers do nothing.
#include "app/main_window.h"

void TForm1::TreeView1MouseDown(Qt::MouseButton, const QPoint&) {}
void TForm1::N6Click() {}
void TForm1::N7Click() {}
void TForm1::N8Click() {}
void TForm1::N10Click() {}
void TForm1::TreeView1DblClick() {}
bool TForm1::TreeView1DragOver(const QPoint&, bool) { return false; }
void TForm1::TreeView1DragDrop(const QPoint&, bool) {}
void TForm1::setUpKeywordTree() {}
