#pragma once
// The main window's controls, found by the names the layout gives them, as a user's tools (and
// the accessibility tree) find them; the window keeps its widgets to itself. The dialogs are
// windows of their own and are not searched: the options dialog has a Button1 too.
#include <QDialog>
#include <QObject>
#include <QString>

#include <gtest/gtest.h>

#include <array>
#include <cstddef>

class QAction;
class QToolButton;
class QWidget;

QObject* findFormControl(const QObject& parent, const QString& name);

template <class W>
W* formControl(const QObject& form, const char* name)
{
    W* control = dynamic_cast<W*>(findFormControl(form, QString::fromLatin1(name)));
    EXPECT_NE(control, nullptr) << "no control " << name;
    return control;
}

// The View menu's seven marks (N2, N3, N4, N16, N17, N21, N22) and the bars they show, in the
// order of their settings keys (SearchBar .. SiteBar2, then FavList's strip Panel2).
std::array<QAction*, 7> viewMarks(const QObject& form);
std::array<QWidget*, 7> viewBars(const QObject& form);

// ToolButton8..ToolButton13 for k 0..5.
QToolButton* siteButton(const QObject& form, std::size_t k);
// Fauc1..Fauc10 for n 0..9.
QAction* faucItem(const QObject& form, std::size_t n);
