#include "widgets/owned_box.h"

#include <QDialog>
#include <QEvent>
#include <QEventLoop>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <QSpacerItem>

#include <algorithm>

namespace {

// Ends the box once its window is closed (hidden, not merely minimised).
class EndWithWindow : public QObject {
public:
    EndWithWindow(QWidget& window, QDialog& box) : window_(window), box_(box) { window.installEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Hide && !window_.isVisible())
            box_.reject();
        return false;
    }

private:
    QWidget& window_;
    QDialog& box_;
};

}  // namespace

int runOwnedBox(QDialog& box, QWidget* owner)
{
    if (!owner || owner->isWindow())
        return box.exec();
    // A box is a window of its own but shares its parent's enabled state: the window holds it.
    if (box.parentWidget() != owner->window())
        box.setParent(owner->window(), box.windowFlags());
    const QPointer<QWidget> widget(owner);
    const bool wasEnabled = owner->isEnabled();
    // A widget that takes no input gives its keyboard to the next; it gets it back afterwards,
    // unless the user has put the keyboard elsewhere meanwhile.
    const QPointer<QWidget> hadKeyboard = owner->window()->focusWidget();
    owner->setEnabled(false);
    const QPointer<QWidget> tookKeyboard = owner->window()->focusWidget();
    QEventLoop loop;
    QObject::connect(&box, &QDialog::finished, &loop, &QEventLoop::quit);
    QObject::connect(owner, &QObject::destroyed, &loop, &QEventLoop::quit);
    const EndWithWindow endWithWindow(*owner->window(), box);
    box.setWindowModality(Qt::NonModal);
    box.show();
    // The loop also ends when the program quits, which ends every loop.
    loop.exec(QEventLoop::DialogExec);
    box.hide();
    if (widget)
        widget->setEnabled(wasEnabled);
    if (hadKeyboard && hadKeyboard->isEnabled() && hadKeyboard->window()->focusWidget() == tookKeyboard)
        hadKeyboard->setFocus(Qt::OtherFocusReason);
    return box.result();
}

int widthForCaption(const QWidget& box, const QString& caption)
{
    // Title bars use a bold face, often larger than the window's; their icon and three buttons
    // take about as much again as a short caption.
    QFont font = box.font();
    font.setBold(true);
    const int wanted = QFontMetrics(font).horizontalAdvance(caption) * 6 / 5 + 8 * box.fontMetrics().height();
    const QScreen* screen = box.screen();
    return screen ? std::min(wanted, screen->availableGeometry().width() * 9 / 10) : wanted;
}

void fitCaption(QMessageBox& box)
{
    // The box takes the width of its layout's widest row: an empty row as wide as the caption needs.
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid)
        return;
    grid->addItem(
        new QSpacerItem(widthForCaption(box, box.windowTitle()), 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
        grid->rowCount(), 0, 1, grid->columnCount());
}
