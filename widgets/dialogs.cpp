#include "widgets/dialogs.h"

#include "widgets/owned_box.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// A question of the program's own making: its text over the fields, then the check box, then OK
// and キャンセル. It is never narrower than its caption needs nor smaller than its contents, at
// any scale: a long text wraps at a width of its own, and the box is as high as the text is then.
class QuestionBox : public QDialog {
public:
    QuestionBox(QWidget* owner, const QString& caption, const QString& text) : QDialog(owner)
    {
        setWindowTitle(caption);
        layout_ = new QVBoxLayout(this);
        layout_->setSizeConstraint(QLayout::SetMinimumSize);
        auto* label = new QLabel(text, this);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        const int natural = label->fontMetrics().boundingRect(QRect(), 0, text).width();
        const int width = std::min(natural + 2, 40 * label->fontMetrics().height());
        label->setMinimumSize(width, label->heightForWidth(width));
        layout_->addWidget(label);
    }

    void addFields(QLayout* fields) { layout_->addLayout(fields); }

    // Under the fields, above the buttons.
    QCheckBox* addCheckBox(const QString& label)
    {
        if (label.isEmpty())
            return nullptr;
        auto* check = new QCheckBox(label, this);
        layout_->addWidget(check);
        return check;
    }

    int run(QWidget* owner)
    {
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
        buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
        buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("キャンセル"));
        connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
        connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
        layout_->addWidget(buttons);
        setMinimumWidth(widthForCaption(*this, windowTitle()));
        adjustSize();
        return runOwnedBox(*this, owner);
    }

private:
    QVBoxLayout* layout_;
};

}  // namespace

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
    QuestionBox box(owner, caption, label);
    auto* field = new QLineEdit(text, &box);
    auto* fields = new QVBoxLayout;
    fields->addWidget(field);
    box.addFields(fields);
    QCheckBox* check = box.addCheckBox(checkLabel);
    const bool ok = box.run(owner) == QDialog::Accepted;
    if (checked)
        *checked = check && check->isChecked();
    if (ok)
        text = field->text();
    return ok;
}

bool MessageBoxDialogs::askLogin(QWidget* owner, const QString& caption, const QString& text, QString& user,
                                 QString& password)
{
    QuestionBox box(owner, caption, text);
    auto* userField = new QLineEdit(user, &box);
    auto* passwordField = new QLineEdit(&box);
    passwordField->setEchoMode(QLineEdit::Password);
    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("ユーザー名(&U):"), userField);
    fields->addRow(QStringLiteral("パスワード(&P):"), passwordField);
    box.addFields(fields);
    if (!user.isEmpty())
        passwordField->setFocus();
    if (box.run(owner) != QDialog::Accepted)
        return false;
    user = userField->text();
    password = passwordField->text();
    return true;
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
    fitCaption(box);
    runOwnedBox(box, owner);
    if (checked)
        *checked = check && check->isChecked();
    const auto chosen = added.indexOf(box.clickedButton());
    return chosen < 0 ? escapeButton : static_cast<int>(chosen);
}
