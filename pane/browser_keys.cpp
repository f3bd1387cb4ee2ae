// The keys of a desktop browser, in the whole main window: back and forward, reload, stop, the
// address box, the find bar and zoom. The menus own only Alt with F, V, L, T and H, and the boxes
// and the tree use none of these keys, so every key here is free.
#include "app/main_window.h"
#include "browser/web_browser.h"
#include "pane/address_box.h"
#include "pane/find_bar.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QShortcut>

#include <initializer_list>

namespace {

QList<QKeySequence> keys(std::initializer_list<QKeyCombination> combinations)
{
    QList<QKeySequence> sequences;
    for (const QKeyCombination combination : combinations)
        sequences.push_back(QKeySequence(combination));
    return sequences;
}

}  // namespace

void TForm1::setUpBrowserKeys()
{
    pane_.addressBox = new AddressBox(ComboBox2);
    const auto windowKeys = [this](const QList<QKeySequence>& sequences, void (TForm1::*handler)()) {
        auto* action = new QAction(this);
        action->setShortcuts(sequences);
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
        connectHandler(action, &QAction::triggered, handler);
    };
    windowKeys(keys({Qt::ALT | Qt::Key_Left, Qt::Key_Back}), &TForm1::ToolButton1Click);
    windowKeys(keys({Qt::ALT | Qt::Key_Right, Qt::Key_Forward}), &TForm1::ToolButton2Click);
    windowKeys(keys({Qt::Key_F5, Qt::CTRL | Qt::Key_R, Qt::Key_Refresh}), &TForm1::ToolButton3Click);
    windowKeys(keys({Qt::CTRL | Qt::Key_L, Qt::ALT | Qt::Key_D, Qt::Key_F6}), &TForm1::focusAddressBox);
    windowKeys(keys({Qt::CTRL | Qt::Key_F}), &TForm1::openFindBar);
    // Ctrl with "+" is Ctrl+Shift+";" on a Japanese keyboard and Ctrl+Shift+"=" on a US one; the
    // unshifted keys count as well, as in the browsers the users know.
    windowKeys(keys({Qt::CTRL | Qt::Key_Plus, Qt::CTRL | Qt::Key_Equal, Qt::CTRL | Qt::Key_Semicolon}),
               &TForm1::zoomIn);
    windowKeys(keys({Qt::CTRL | Qt::Key_Minus}), &TForm1::zoomOut);
    windowKeys(keys({Qt::CTRL | Qt::Key_0}), &TForm1::zoomReset);

    // Esc stops a load only where the user is looking at the page: in a box or the tree it keeps
    // its own meaning (closing a list, cancelling an edit).
    auto* stop = new QShortcut(QKeySequence(Qt::Key_Escape), CppWebBrowser1);
    stop->setContext(Qt::WidgetWithChildrenShortcut);
    connect(stop, &QShortcut::activated, this, [this] { guarded([this] { ToolButton7Click(); }); });

    connect(FindBar1, &FindBar::findRequested, CppWebBrowser1, &TCppWebBrowser::FindText);
    connect(CppWebBrowser1, &TCppWebBrowser::FindTextFinished, FindBar1, &FindBar::showResult);
    connect(FindBar1, &FindBar::closed, this, [this] { CppWebBrowser1->setFocus(Qt::OtherFocusReason); });
}

void TForm1::focusAddressBox()
{
    ComboBox2->setFocus(Qt::ShortcutFocusReason);
    ComboBox2->lineEdit()->selectAll();
}

void TForm1::openFindBar() { FindBar1->open(); }
void TForm1::zoomIn() { CppWebBrowser1->Zoom(1); }
void TForm1::zoomOut() { CppWebBrowser1->Zoom(-1); }
void TForm1::zoomReset() { CppWebBrowser1->Zoom(0); }
