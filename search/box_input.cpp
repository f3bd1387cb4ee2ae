#include "search/box_input.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QInputMethod>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLoggingCategory>
#include <QTimer>

#include <set>
#include <utility>

namespace {

// What the boxes receive from the keyboard and the input method. Off unless asked for
// (QT_LOGGING_RULES="ribemo.input.debug=true"); the input-method journey turns it on so that a
// failure there shows the order of events the program saw.
Q_LOGGING_CATEGORY(lcBoxInput, "ribemo.input", QtWarningMsg)

bool isEnter(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

class BoxKeyFilter;

// The filters of the boxes alive now: a command commits what any of them holds.
std::set<BoxKeyFilter*>& liveFilters()
{
    static std::set<BoxKeyFilter*> filters;
    return filters;
}

class BoxKeyFilter : public QObject {
public:
    BoxKeyFilter(QComboBox* box, std::function<void(int)> keyDown)
        : QObject(box), box_(box), keyDown_(std::move(keyDown))
    {
        liveFilters().insert(this);
        // The window system hands keys and input-method text to the focused box, and the box
        // passes them to its edit field by a direct call that no filter on the field would see.
        box->installEventFilter(this);
        // While the drop-down list is open the list has the keyboard. Its Enter takes the
        // highlighted entry into the box (the box reports that as activated); the handler then
        // runs with that entry in the box.
        box->view()->installEventFilter(this);
        list_ = box->view();
        connect(box, &QComboBox::activated, this, [this] {
            if (const int key = std::exchange(listEnter_, 0))
                keyDown_(key);
        });
    }

    // Takes the text the box shows as under composition into the box, as the input method's own
    // confirmation would. Only for what the platform's commit left behind: an input method that
    // commits puts its text in first, and then nothing is left here.
    // Whether there was anything to take.
    bool commitLeftover()
    {
        if (preedit_.isEmpty())
            return false;
        qCDebug(lcBoxInput) << box_->objectName() << "commits the leftover composition" << preedit_;
        const QString taken = preedit_;
        QInputMethodEvent confirmed;
        confirmed.setCommitString(taken);
        QCoreApplication::sendEvent(box_, &confirmed);
        takenAhead_ = taken;
        return true;
    }

    ~BoxKeyFilter() override { liveFilters().erase(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == list_) {
            watchList(event);
            return false;
        }
        switch (event->type()) {
            case QEvent::InputMethod: {
                const auto* im = static_cast<QInputMethodEvent*>(event);
                qCDebug(lcBoxInput) << box_->objectName() << "input method: commit" << im->commitString() << "composing"
                                    << im->preeditString();
                // An input method may answer the platform's commit only later, from its own
                // process (fcitx5 does): by then the box has the characters already.
                if (!takenAhead_.isEmpty() && im->commitString() == takenAhead_ && im->preeditString().isEmpty() &&
                    im->replacementLength() == 0) {
                    qCDebug(lcBoxInput) << box_->objectName() << "drops the input method's late commit";
                    takenAhead_.clear();
                    return true;
                }
                if (!im->commitString().isEmpty() || !im->preeditString().isEmpty())
                    takenAhead_.clear();
                preedit_ = im->preeditString();
                break;
            }
            case QEvent::FocusOut: {
                // The keyboard moving to another control ends the composition: the platform's
                // input method commits it on the way, and what it left is taken as typed. A popup
                // or another window only borrows the keyboard, and what the input method does
                // with its composition then is its own affair. Either way the box no longer knows
                // of a composition: the input method tells it anew if one goes on, and an Enter
                // that was held for a composition long gone would be lost.
                const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
                qCDebug(lcBoxInput) << box_->objectName() << "focus out" << reason << "composing" << preedit_;
                if (reason != Qt::PopupFocusReason && reason != Qt::MenuBarFocusReason &&
                    reason != Qt::ActiveWindowFocusReason)
                    commitLeftover();
                preedit_.clear();
                break;
            }
            case QEvent::KeyPress: {
                // While the input method composes, keys are its own: the Enter that confirms the
                // characters is not a search. An input method normally consumes such keys; this holds
                // for one that passes them on as well.
                const auto* key = static_cast<QKeyEvent*>(event);
                takenAhead_.clear();
                qCDebug(lcBoxInput) << box_->objectName() << "key" << Qt::Key(key->key()) << key->modifiers()
                                    << "composing" << preedit_ << "text" << box_->currentText();
                if (preedit_.isEmpty())
                    keyDown_(key->key());
                break;
            }
            default:
                break;
        }
        return false;
    }

private:
    void watchList(QEvent* event)
    {
        // The list acts on Enter when the key is offered to it as a possible shortcut, before the
        // press itself; only an entry taken by this very key runs the handler, not a later click.
        if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
            return;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (!isEnter(key) || !list_->isVisible())
            return;
        listEnter_ = key;
        QTimer::singleShot(0, this, [this] { listEnter_ = 0; });
    }

    QComboBox* box_;
    std::function<void(int)> keyDown_;
    QAbstractItemView* list_ = nullptr;
    QString preedit_;  // what the input method is composing in the box; empty when nothing is
    // A composition the box took in by itself, which the input method may still commit late.
    QString takenAhead_;
    int listEnter_ = 0;
};

}  // namespace

void watchBoxKeys(QComboBox* box, std::function<void(int)> keyDown) { new BoxKeyFilter(box, std::move(keyDown)); }

void commitBoxCompositions()
{
    // A click on a tool button leaves the keyboard focus in the box, so nothing has told the input
    // method to finish: the box would be read without the characters the user sees in it.
    QGuiApplication::inputMethod()->commit();
    bool tookLeftover = false;
    for (BoxKeyFilter* filter : liveFilters())
        tookLeftover = filter->commitLeftover() || tookLeftover;
    // The input method still holds what the box has taken; it must not go on composing it, or the
    // next Enter would only confirm it again instead of searching.
    if (tookLeftover)
        QGuiApplication::inputMethod()->reset();
}
