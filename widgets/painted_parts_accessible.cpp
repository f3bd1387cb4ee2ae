#include "widgets/painted_parts_accessible.h"

#include <QWidget>

namespace {

// One painted part: it has no object of its own and asks its widget's interface for everything.
class PartAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    PartAccessible(PaintedPartsAccessible* owner, int part) : owner_(owner), part_(part) {}

    bool isValid() const override { return owner_->isValid() && part_ < owner_->partCount(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return owner_->window(); }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return owner_; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name && isValid() ? owner_->partName(part_) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect local = owner_->partRect(part_);
        return {static_cast<QWidget*>(owner_->object())->mapToGlobal(local.topLeft()), local.size()};
    }
    QAccessible::Role role() const override { return owner_->partRole(); }
    QAccessible::State state() const override
    {
        QAccessible::State s = isValid() ? owner_->partState(part_) : QAccessible::State();
        if (owner_->state().invisible)
            s.invisible = true;
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }
    QStringList actionNames() const override
    {
        return owner_->pressablePart() ? QStringList{pressAction()} : QStringList();
    }
    void doAction(const QString& action) override
    {
        if (action == pressAction() && owner_->pressablePart() && isValid())
            owner_->pressPart(part_);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    int part() const { return part_; }

private:
    PaintedPartsAccessible* owner_;
    int part_;
};

}  // namespace

PaintedPartsAccessible::PaintedPartsAccessible(QWidget* widget, QAccessible::Role role, QAccessible::Role partRole)
    : QAccessibleWidget(widget, role), partRole_(partRole)
{}

PaintedPartsAccessible::~PaintedPartsAccessible()
{
    for (QAccessible::Id id : parts_)
        QAccessible::deleteAccessibleInterface(id);
}

QAccessible::State PaintedPartsAccessible::partState(int) const { return {}; }

int PaintedPartsAccessible::childCount() const { return widgetChildCount() + partCount(); }

QAccessibleInterface* PaintedPartsAccessible::child(int index) const
{
    const int widgets = widgetChildCount();
    if (index < widgets)
        return QAccessibleWidget::child(index);
    const int part = index - widgets;
    if (part < 0 || part >= partCount())
        return nullptr;
    // Each part keeps one interface for the widget's life, so a reader's reference stays good.
    while (static_cast<int>(parts_.size()) <= part) {
        auto* made = new PartAccessible(const_cast<PaintedPartsAccessible*>(this), static_cast<int>(parts_.size()));
        parts_.push_back(QAccessible::registerAccessibleInterface(made));
    }
    return QAccessible::accessibleInterface(parts_[static_cast<size_t>(part)]);
}

int PaintedPartsAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    if (child && child->parent() == this && !child->object())
        return widgetChildCount() + static_cast<const PartAccessible*>(child)->part();
    return QAccessibleWidget::indexOfChild(child);
}

QAccessibleInterface* PaintedPartsAccessible::childAt(int x, int y) const
{
    const QPoint local = widget()->mapFromGlobal(QPoint(x, y));
    for (int part = 0; part < partCount(); ++part) {
        if (!partState(part).invisible && partRect(part).contains(local))
            return child(widgetChildCount() + part);
    }
    return QAccessibleWidget::childAt(x, y);
}
