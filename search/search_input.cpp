// Key handling of the keyword box and the address box: their key handlers see every key pressed in
// the box's edit field before the field does, and the key always goes on to the field.
#include "app/main_window.h"

#include <QComboBox>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include <functional>
#include <utility>

namespace {

class BoxKeyFilter : public QObject {
public:
    BoxKeyFilter(QLineEdit* field, std::function<void(int)> keyDown)
        : QObject(field), keyDown_(std::move(keyDown))
    {
        field->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::InputMethod:
            composing_ = !static_cast<QInputMethodEvent*>(event)->preeditString().isEmpty();
            break;
        case QEvent::FocusOut:
            // Leaving the field ends any composition the input method had under way.
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
    std::function<void(int)> keyDown_;
    bool composing_ = false;
};

}  // namespace

void TForm1::setUpSearchInput()
{
    new BoxKeyFilter(ComboBox1->lineEdit(), [this](int key) { guarded([&] { ComboBox1KeyDown(key); }); });
    new BoxKeyFilter(ComboBox2->lineEdit(), [this](int key) { guarded([&] { ComboBox2KeyDown(key); }); });
}
