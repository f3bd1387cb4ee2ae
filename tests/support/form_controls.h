#pragma once
// The main window's controls, found by the names the layout gives them, as a user's tools (and
// the accessibility tree) find them; the window keeps its widgets to itself. The dialogs are
// windows of their own and are not searched: the options dialog has a Button1 too.
#include <QDialog>
#include <QObject>
#include <QString>

#include <gtest/gtest.h>

#include <cstddef>

class QAction;
class QToolButton;

QObject* findFormControl(const QObject& parent, const QString& name);

template <class W>
W* formControl(const QObject& form, const char* name)
{
    W* control = dynamic_cast<W*>(findFormControl(form, QString::fromLatin1(name)));
    EXPECT_NE(control, nullptr) << "no control " << name;
    return control;
}

// ToolButton8..ToolButton13 for k 0..5.
QToolButton* siteButton(const QObject& form, std::size_t k);
// Fauc1..Fauc10 for n 0..9.
QAction* faucItem(const QObject& form, std::size_t n);
