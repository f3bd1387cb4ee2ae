#pragma once
// The accessible side of a widget that paints parts of its own (tabs, panels, grips) rather than
// holding a widget for each: every part is a child of the widget's interface, after its widget
// children, so a screen reader finds, names and presses the parts as it would real controls.
#include <QAccessibleWidget>

#include <vector>

class PaintedPartsAccessible : public QAccessibleWidget {
public:
    PaintedPartsAccessible(QWidget* widget, QAccessible::Role role, QAccessible::Role partRole);
    ~PaintedPartsAccessible() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

    virtual int partCount() const = 0;
    virtual QString partName(int part) const = 0;
    // In the widget's own coordinates.
    virtual QRect partRect(int part) const = 0;
    virtual QAccessible::State partState(int part) const;
    // The part's press action; a part that cannot be pressed offers none.
    virtual bool pressablePart() const { return false; }
    virtual void pressPart(int) {}

    QAccessible::Role partRole() const { return partRole_; }
    int widgetChildCount() const { return QAccessibleWidget::childCount(); }

private:
    QAccessible::Role partRole_;
    mutable std::vector<QAccessible::Id> parts_;
};
