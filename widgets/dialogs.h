#pragma once
// Message boxes behind one small interface, so that window tests script the answers instead of
// blocking on a modal box. A box owned by a widget inside a window rather than by a window (the
// browser pane's questions) is that widget's alone (widgets/owned_box.h).
#include <QMessageBox>
#include <QString>
#include <QStringList>

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A modal question; returns the button chosen (a box closed without choosing returns the
    // escape button: No or Cancel).
    virtual QMessageBox::StandardButton ask(QWidget* owner, QMessageBox::Icon icon, const QString& caption,
                                            const QString& text, QMessageBox::StandardButtons buttons,
                                            QMessageBox::StandardButton defaultButton) = 0;
    // A modal message with an OK button only.
    virtual void inform(QWidget* owner, QMessageBox::Icon icon, const QString& caption, const QString& text) = 0;
    // The standard save dialog, opened on proposedPath; returns the path chosen, or an empty text
    // when the user cancels. Dialogs that cannot ask save nothing.
    virtual QString askSaveFileName(QWidget* owner, const QString& caption, const QString& proposedPath)
    {
        (void)owner, (void)caption, (void)proposedPath;
        return {};
    }
    // A modal question with a one-line answer, offered with `text` filled in; true with the
    // answer in `text` on OK, false when the user cancels. With a checkLabel the box carries a
    // check box, and *checked says whether it was ticked. Dialogs that cannot ask cancel.
    virtual bool askText(QWidget* owner, const QString& caption, const QString& label, QString& text,
                         const QString& checkLabel = {}, bool* checked = nullptr)
    {
        (void)owner, (void)caption, (void)label, (void)text, (void)checkLabel;
        if (checked)
            *checked = false;
        return false;
    }
    // A site's request for a login: the user name and password, offered with user filled in; true
    // with both on OK, false when the user cancels. Dialogs that cannot ask cancel.
    virtual bool askLogin(QWidget* owner, const QString& caption, const QString& text, QString& user, QString& password)
    {
        (void)owner, (void)caption, (void)text, (void)user, (void)password;
        return false;
    }
    // A modal question with buttons of its own words, the first the default; escapeButton is the
    // index Esc or the close box answers with. With a checkLabel the box carries a check box, and
    // *checked says whether it was ticked. Returns the index of the button chosen. Dialogs that
    // cannot ask answer with escapeButton, unticked.
    virtual int choose(QWidget* owner, QMessageBox::Icon icon, const QString& caption, const QString& text,
                       const QStringList& buttons, int escapeButton, const QString& checkLabel = {},
                       bool* checked = nullptr)
    {
        (void)owner, (void)icon, (void)caption, (void)text, (void)buttons, (void)checkLabel;
        if (checked)
            *checked = false;
        return escapeButton;
    }
};

// The real boxes.
class MessageBoxDialogs : public Dialogs {
public:
    QMessageBox::StandardButton ask(QWidget* owner, QMessageBox::Icon icon, const QString& caption, const QString& text,
                                    QMessageBox::StandardButtons buttons,
                                    QMessageBox::StandardButton defaultButton) override;
    void inform(QWidget* owner, QMessageBox::Icon icon, const QString& caption, const QString& text) override;
    QString askSaveFileName(QWidget* owner, const QString& caption, const QString& proposedPath) override;
    bool askText(QWidget* owner, const QString& caption, const QString& label, QString& text,
                 const QString& checkLabel = {}, bool* checked = nullptr) override;
    bool askLogin(QWidget* owner, const QString& caption, const QString& text, QString& user,
                  QString& password) override;
    int choose(QWidget* owner, QMessageBox::Icon icon, const QString& caption, const QString& text,
               const QStringList& buttons, int escapeButton, const QString& checkLabel = {},
               bool* checked = nullptr) override;
};
