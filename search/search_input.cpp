// Key handling of the keyword box and the address box: their key handlers see every key the user
// presses in the box, and the key always goes on to the box.
#include "app/main_window.h"
#include "text/sjis_text.h"
#include "widgets/tab_control.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include <functional>
#include <utility>

namespace {

bool isEnter(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

class BoxKeyFilter : public QObject {
public:
    BoxKeyFilter(QComboBox* box, std::function<void(int)> keyDown) : QObject(box), keyDown_(std::move(keyDown))
    {
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

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == list_) {
            watchList(event);
            return false;
        }
        switch (event->type()) {
            case QEvent::InputMethod:
                composing_ = !static_cast<QInputMethodEvent*>(event)->preeditString().isEmpty();
                break;
            case QEvent::FocusOut:
                // Leaving the box ends any composition the input method had under way.
                composing_ = false;
                break;
            case QEvent::KeyPress:
                // While the input method composes, keys are its own: the Enter that confirms the
                // characters is not a search. An input method normally consumes such keys; this holds
                // for one that passes them on as well.
                if (!composing_)
                    keyDown_(static_cast<QKeyEvent*>(event)->key());
                break;
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

    std::function<void(int)> keyDown_;
    QAbstractItemView* list_ = nullptr;
    bool composing_ = false;
    int listEnter_ = 0;
};

}  // namespace

void TForm1::setUpSearchInput()
{
    connectHandler(Button1, &QPushButton::clicked, &TForm1::Button1Click);
    connectHandler(TabControl1, &TabControl::Change, &TForm1::TabControl1Change);
    connectHandler(ToolButton5, &QToolButton::clicked, &TForm1::ToolButton5Click);
    connectHandler(ToolButton6, &QToolButton::clicked, &TForm1::ToolButton6Click);
    void (TForm1::*siteHandlers[6])() = {&TForm1::ToolButton8Click,  &TForm1::ToolButton9Click,
                                         &TForm1::ToolButton10Click, &TForm1::ToolButton11Click,
                                         &TForm1::ToolButton12Click, &TForm1::ToolButton13Click};
    for (size_t k = 0; k < 6; ++k)
        connectHandler(SiteButtons[k], &QToolButton::clicked, siteHandlers[k]);
    connectHandler(Yahoo1, &QAction::triggered, &TForm1::Yahoo1Click);
    connectHandler(Bidders1, &QAction::triggered, &TForm1::Bidders1Click);
    // Enter in the two boxes: their key handlers are called from the boxes' key filters.
    new BoxKeyFilter(ComboBox1, [this](int key) { guarded([&] { ComboBox1KeyDown(key); }); });
    new BoxKeyFilter(ComboBox2, [this](int key) { guarded([&] { ComboBox2KeyDown(key); }); });
}

std::string TForm1::keywordText() const { return bytesOfShownText(ComboBox1->currentText(), keywordBox_.bytes); }

void TForm1::setKeywordText(const std::string& keyword)
{
    keywordBox_.bytes = keyword;
    ComboBox1->setEditText(fromSjis(keyword));
}
