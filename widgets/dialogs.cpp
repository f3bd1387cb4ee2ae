#include "widgets/dialogs.h"

#include <QFileDialog>
#include <QInputDialog>

QMessageBox::StandardButton MessageBoxDialogs::ask(QWidget* owner, QMessageBox::Icon icon, const QString& caption,
                                                   const QString& text, QMessageBox::StandardButtons buttons,
                                                   QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(icon, caption, text, buttons, owner);
    box.setDefaultButton(defaultButton);
    const int result = box.exec();
    return static_cast<QMessageBox::StandardButton>(result);
}

void MessageBoxDialogs::inform(QWidget* owner, QMessageBox::Icon icon, const QString& caption, const QString& text)
{
    QMessageBox box(icon, caption, text, QMessageBox::Ok, owner);
    box.exec();
}

QString MessageBoxDialogs::askSaveFileName(QWidget* owner, const QString& caption, const QString& proposedPath)
{
    return QFileDialog::getSaveFileName(owner, caption, proposedPath);
}

bool MessageBoxDialogs::askText(QWidget* owner, const QString& caption, const QString& label, QString& text)
{
    bool ok = false;
    const QString answer = QInputDialog::getText(owner, caption, label, QLineEdit::Normal, text, &ok);
    if (ok)
        text = answer;
    return ok;
}
