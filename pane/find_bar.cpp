#include "pane/find_bar.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QToolButton>

#include <functional>

namespace {

QToolButton* makeButton(const QString& caption, const QString& tip, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setText(caption);
    button->setToolTip(tip);
    button->setAutoRaise(true);
    return button;
}

// Enter finds the next match and Shift+Enter the previous one, as in the find bars users know;
// the field's own handling of Enter would only signal that editing finished.
class EnterFilter : public QObject {
public:
    EnterFilter(QLineEdit* field, std::function<void(bool)> find) : QObject(field), find_(std::move(find))
    {
        field->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            return false;
        find_(key->modifiers().testFlag(Qt::ShiftModifier));
        return true;
    }

private:
    std::function<void(bool)> find_;
};

}  // namespace

FindBar::FindBar(QWidget* parent) : QWidget(parent), field_(new QLineEdit(this)), count_(new QLabel(this))
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(4, 2, 4, 2);
    row->setSpacing(4);
    row->addWidget(new QLabel(QStringLiteral("ページ内検索:"), this));
    field_->setAccessibleName(QStringLiteral("ページ内検索"));
    field_->setObjectName(QStringLiteral("FindField"));
    field_->setFixedWidth(200);
    row->addWidget(field_);
    QToolButton* previous = makeButton(QStringLiteral("▲ 前へ"), QStringLiteral("前の一致箇所 (Shift+Enter)"), this);
    QToolButton* next = makeButton(QStringLiteral("▼ 次へ"), QStringLiteral("次の一致箇所 (Enter)"), this);
    row->addWidget(previous);
    row->addWidget(next);
    count_->setObjectName(QStringLiteral("FindCount"));
    count_->setMinimumWidth(90);
    row->addWidget(count_);
    row->addStretch(1);
    QToolButton* closer = makeButton(QStringLiteral("×"), QStringLiteral("検索バーを閉じる (Esc)"), this);
    row->addWidget(closer);

    connect(field_, &QLineEdit::textEdited, this, [this] { find(false); });
    connect(next, &QToolButton::clicked, this, [this] { find(false); });
    connect(previous, &QToolButton::clicked, this, [this] { find(true); });
    connect(closer, &QToolButton::clicked, this, &FindBar::close);
    new EnterFilter(field_, [this](bool backward) { find(backward); });
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &FindBar::close);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    hide();
}

void FindBar::open()
{
    show();
    field_->setFocus(Qt::ShortcutFocusReason);
    field_->selectAll();
    if (!field_->text().isEmpty())
        find(false);
}

void FindBar::showResult(int activeMatch, int matches)
{
    if (isHidden())
        return;  // the answer to closing: the highlight is gone
    // The engine answers "nothing" for a search it gave up when the next one came too soon
    // after it; for a text just seen with matches that answer is not the page's.
    if (matches == 0 && field_->text() == textWithMatches_)
        return;
    textWithMatches_ = matches > 0 ? field_->text() : QString();
    if (field_->text().isEmpty())
        count_->clear();
    else if (matches == 0)
        count_->setText(QStringLiteral("見つかりません"));
    else
        count_->setText(QStringLiteral("%1 / %2 件").arg(activeMatch).arg(matches));
}

void FindBar::find(bool backward)
{
    if (field_->text().isEmpty())
        count_->clear();
    emit findRequested(field_->text(), backward);
}

void FindBar::close()
{
    hide();
    textWithMatches_.clear();
    count_->clear();
    emit findRequested(QString(), false);
    emit closed();
}
