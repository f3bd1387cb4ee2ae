#pragma once
// A save kept another program's version of a file beside it as a conflict copy: the user is told,
// or, while the program saves with nobody there to answer a box (a logout, a signal), the log is.
#include <string>

class Dialogs;
class QWidget;

class ConflictNotice {
public:
    ConflictNotice(Dialogs& dialogs, QWidget* owner) : dialogs_(dialogs), owner_(owner) {}

    void tell(const std::string& file, const std::string& copy) const;
    void setUnattended(bool unattended) { unattended_ = unattended; }

private:
    Dialogs& dialogs_;
    QWidget* owner_;
    bool unattended_ = false;
};
