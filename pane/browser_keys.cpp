// The keys of a desktop browser, in the whole main window: back and forward, reload, stop, the
// address box, the find bar and zoom. The menus own only Alt with F, V, L, T and H, and the boxes
// and the tree use none of these keys, so every key here is free.
#include "browser/web_browser.h"
#include "pane/address_box.h"
#include "pane/browser_pane.h"
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

void BrowserPane::setUpBrowserKeys(QWidget* window)
{
    addressBox_ = new AddressBox(ComboBox2);
    const auto windowKeys = [this, window](const QList<QKeySequence>& sequences, void (BrowserPane::*handler)()) {
        auto* action = new QAction(window);
        action->setShortcuts(sequences);
        action->setShortcutContext(Qt::WindowShortcut);
        window->addAction(action);
        guard_.connect(action, &QAction::triggered, this, handler);
    };
    windowKeys(keys({Qt::ALT | Qt::Key_Left, Qt::Key_Back}), &BrowserPane::ToolButton1Click);
    windowKeys(keys({Qt::ALT | Qt::Key_Right, Qt::Key_Forward}), &BrowserPane::ToolButton2Click);
    windowKeys(keys({Qt::Key_F5, Qt::CTRL | Qt::Key_R, Qt::Key_Refresh}), &BrowserPane::ToolButton3Click);
    windowKeys(keys({Qt::CTRL | Qt::Key_L, Qt::ALT | Qt::Key_D, Qt::Key_F6}), &BrowserPane::focusAddressBox);
    windowKeys(keys({Qt::CTRL | Qt::Key_F}), &BrowserPane::openFindBar);
    // Ctrl with "+" is Ctrl+Shift+";" on a Japanese keyboard and Ctrl+Shift+"=" on a US one; the
    // unshifted keys count as well, as in the browsers the users know.
    windowKeys(keys({Qt::CTRL | Qt::Key_Plus, Qt::CTRL | Qt::Key_Equal, Qt::CTRL | Qt::Key_Semicolon}),
               &BrowserPane::zoomIn);
    windowKeys(keys({Qt::CTRL | Qt::Key_Minus}), &BrowserPane::zoomOut);
    windowKeys(keys({Qt::CTRL | Qt::Key_0}), &BrowserPane::zoomReset);

    // Esc stops a load only where the user is looking at the page: in a box or the tree it keeps
    // its own meaning (closing a list, cancelling an edit).
    auto* stop = new QShortcut(QKeySequence(Qt::Key_Escape), CppWebBrowser1);
    stop->setContext(Qt::WidgetWithChildrenShortcut);
    connect(stop, &QShortcut::activated, this, [this] { guard_([this] { ToolButton7Click(); }); });

    connect(FindBar1, &FindBar::findRequested, CppWebBrowser1, &TCppWebBrowser::FindText);
    connect(CppWebBrowser1, &TCppWebBrowser::FindTextFinished, FindBar1, &FindBar::showResult);
    connect(FindBar1, &FindBar::closed, this, [this] { CppWebBrowser1->setFocus(Qt::OtherFocusReason); });
}

void BrowserPane::focusAddressBox()
{
    ComboBox2->setFocus(Qt::ShortcutFocusReason);
    ComboBox2->lineEdit()->selectAll();
}

void BrowserPane::openFindBar() { FindBar1->open(); }
void BrowserPane::zoomIn() { CppWebBrowser1->Zoom(1); }
void BrowserPane::zoomOut() { CppWebBrowser1->Zoom(-1); }
void BrowserPane::zoomReset() { CppWebBrowser1->Zoom(0); }
