#include "pane/address_box.h"

#include <QComboBox>
#include <QCompleter>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>

AddressBox::AddressBox(QComboBox* box) : QObject(box), box_(box) { box->installEventFilter(this); }

void AddressBox::follow(const QString& pageAddress)
{
    page_ = pageAddress;
    if (!beingEdited())
        show(pageAddress);
}

void AddressBox::sent() { shown_ = box_->currentText(); }

void AddressBox::dropOfferedCompletion()
{
    const QString typed = typedText();
    if (typed != box_->lineEdit()->text())
        box_->lineEdit()->setText(typed);
}

QString AddressBox::typedText() const
{
    const QLineEdit* field = box_->lineEdit();
    const QCompleter* completer = field->completer();
    const int start = field->selectionStart();
    // The completion selects from the end of the typed text to the end of the entry; a selection
    // of the whole text is the user's (Ctrl+L) or the page's address, not an offer.
    if (!completer || completer->completionMode() != QCompleter::InlineCompletion || start <= 0 ||
        start + field->selectedText().size() != field->text().size() ||
        completer->currentCompletion().compare(field->text(), Qt::CaseInsensitive) != 0)
        return field->text();
    return field->text().left(start);
}

bool AddressBox::beingEdited() const
{
    // The window's own keyboard place, not the application's: with the window inactive for a
    // moment (another window, one of the engine's own, took activation) the typing is still the
    // user's, and the keys that follow still go to the box. What the user typed counts, not the
    // completion's offer behind it, which may well restate the address on show.
    const QWidget* keyboard = box_->window()->focusWidget();
    return (keyboard == box_ || keyboard == box_->lineEdit()) && typedText() != shown_;
}

void AddressBox::show(const QString& address)
{
    // Ctrl+L selects the whole address so that typing replaces it; an address that arrives before
    // the first key is selected in its turn.
    QLineEdit* field = box_->lineEdit();
    const bool allSelected = box_->hasFocus() && !field->text().isEmpty() && field->selectedText() == field->text();
    box_->setEditText(address);
    shown_ = address;
    if (allSelected)
        field->selectAll();
}

bool AddressBox::eventFilter(QObject*, QEvent* event)
{
    // Esc gives up the edit and brings back the page's address, as in every browser; leaving the
    // box without an edit shows the address of the page now on show. The event goes on either way.
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape &&
        static_cast<QKeyEvent*>(event)->modifiers() == Qt::NoModifier) {
        show(page_);
        box_->lineEdit()->selectAll();
    } else if (event->type() == QEvent::FocusOut && box_->currentText() == shown_) {
        show(page_);
    }
    return false;
}
