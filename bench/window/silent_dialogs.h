#pragma once
// Message boxes for the window benchmarks: every question takes its default answer, nothing is
// shown, nothing waits.
#include "widgets/dialogs.h"

class SilentDialogs : public Dialogs {
public:
    QMessageBox::StandardButton ask(QWidget*, QMessageBox::Icon, const QString&, const QString&,
                                    QMessageBox::StandardButtons, QMessageBox::StandardButton answer) override
    {
        return answer;
    }
    void inform(QWidget*, QMessageBox::Icon, const QString&, const QString&) override {}
};
