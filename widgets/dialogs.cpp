#include "widgets/dialogs.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QPushButton>

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

bool MessageBoxDialogs::askText(QWidget* owner, const QString& caption, const QString& label, QString& text,
                                const QString& checkLabel, bool* checked)
{
    QInputDialog dialog(owner);
    dialog.setWindowTitle(caption);
    dialog.setLabelText(label);
    dialog.setTextValue(text);
    // Under the text box, above the buttons.
    auto* check = checkLabel.isEmpty() ? nullptr : new QCheckBox(checkLabel, &dialog);
    if (auto* layout = qobject_cast<QBoxLayout*>(dialog.layout()); check && layout)
        layout->insertWidget(layout->count() - 1, check);
    const bool ok = dialog.exec() == QDialog::Accepted;
    if (checked)
        *checked = check && check->isChecked();
    if (ok)
        text = dialog.textValue();
    return ok;
}

int MessageBoxDialogs::choose(QWidget* owner, QMessageBox::Icon icon, const QString& caption, const QString& text,
                              const QStringList& buttons, int escapeButton, const QString& checkLabel, bool* checked)
{
    QMessageBox box(icon, caption, text, QMessageBox::NoButton, owner);
    QList<QAbstractButton*> added;
    for (const QString& label : buttons)
        added.push_back(box.addButton(label, QMessageBox::ActionRole));
    if (!added.isEmpty())
        box.setDefaultButton(static_cast<QPushButton*>(added.front()));
    if (escapeButton >= 0 && escapeButton < added.size())
        box.setEscapeButton(added[escapeButton]);
    auto* check = checkLabel.isEmpty() ? nullptr : new QCheckBox(checkLabel, &box);
    if (check)
        box.setCheckBox(check);
    box.exec();
    if (checked)
        *checked = check && check->isChecked();
    const auto chosen = added.indexOf(box.clickedButton());
    return chosen < 0 ? escapeButton : static_cast<int>(chosen);
}
