#pragma once
// The page's script boxes (alert, confirm, prompt, the leave-page question) as the program's own
// message boxes. A page that opens box after box (alert in a loop) would hold the window for good,
// since each box is modal; so from a page's second box on the box carries a check box, and once it
// is ticked that page's later boxes are answered as cancelled without showing, until the page is
// left.
#include <QString>
#include <QUrl>

class Dialogs;
class QWidget;

class ScriptBoxes {
public:
    void setDialogs(Dialogs* dialogs) { dialogs_ = dialogs; }
    bool hasDialogs() const { return dialogs_ != nullptr; }
    // A box is on show: the page's script waits for it.
    bool boxOpen() const { return open_ > 0; }
    // A new page is on show: its boxes count from the first again.
    void pageLeft();

    void alert(QWidget* owner, const QUrl& origin, const QString& text);
    bool confirm(QWidget* owner, const QUrl& origin, const QString& text);
    bool prompt(QWidget* owner, const QUrl& origin, const QString& text, QString& answer);
    // The question a page that wants to keep the user asks before it is left; true: leave.
    bool leavePage(QWidget* owner, const QUrl& origin);

private:
    // The label of the check box the next box carries, or none for a page's first box.
    QString checkLabel() const;
    // Takes whether the user ticked the box.
    void ticked(bool checked);

    Dialogs* dialogs_ = nullptr;
    int shownOnPage_ = 0;
    bool silenced_ = false;
    int open_ = 0;
};
