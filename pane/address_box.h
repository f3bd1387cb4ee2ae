#pragma once
// The address box shows the address of the page on show, but never takes away what the user is
// typing there: a page that changes its own address (a script's history change, a redirect, a
// late load) would otherwise replace the typed text between two keys.
#include <QObject>
#include <QString>

class QComboBox;

class AddressBox : public QObject {
public:
    explicit AddressBox(QComboBox* box);

    // The page's address is now pageAddress: the box shows it, unless the user is editing there.
    void follow(const QString& pageAddress);
    // The user sent the box's text to the pane: the edit is over, the next address shows.
    void sent();
    // Takes back the rest of an entry that the inline completion has filled in behind what the
    // user typed (shown selected), so that Enter opens the typed address. A rest the user has
    // accepted (→, End, a click in the list) is no longer selected and stays.
    void dropOfferedCompletion();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The box has its window's keyboard (the window active or not) and its text is no longer the
    // one it was given.
    bool beingEdited() const;
    // The box's text without the rest the inline completion offers behind it.
    QString typedText() const;
    void show(const QString& address);

    QComboBox* box_;
    QString page_;   // the page's address, as last reported
    QString shown_;  // what the box was last given, or last sent by the user
};
