#include "widgets/widget_accessibility.h"

#include "widgets/cool_bar.h"
#include "widgets/painted_parts_accessible.h"
#include "widgets/status_bar.h"
#include "widgets/tab_rows.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace {

// A widget's own accessible name, or else the name of what holds it (a tab strip is named where
// its tab control is).
QString ownOrParentName(const QWidget* widget)
{
    if (!widget->accessibleName().isEmpty() || !widget->parentWidget())
        return widget->accessibleName();
    return widget->parentWidget()->accessibleName();
}

class TabRowsAccessible : public PaintedPartsAccessible {
public:
    explicit TabRowsAccessible(TabRows* tabs)
        : PaintedPartsAccessible(tabs, QAccessible::PageTabList, QAccessible::PageTab), tabs_(tabs)
    {}
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? ownOrParentName(tabs_) : PaintedPartsAccessible::text(t);
    }
    QAccessibleInterface* focusChild() const override
    {
        return tabs_->hasFocus() ? child(widgetChildCount() + tabs_->currentIndex()) : nullptr;
    }
    int partCount() const override { return tabs_->count(); }
    QString partName(int part) const override { return tabs_->tabText(part); }
    QRect partRect(int part) const override { return tabs_->tabRect(part); }
    QAccessible::State partState(int part) const override
    {
        QAccessible::State s;
        s.selectable = true;
        s.focusable = true;
        s.selected = part == tabs_->currentIndex();
        s.focused = s.selected && tabs_->hasFocus();
        s.invisible = !tabs_->isVisible();
        return s;
    }
    bool pressablePart() const override { return true; }
    void pressPart(int part) override { tabs_->setCurrentIndex(part); }

private:
    TabRows* tabs_;
};

class StatusBarAccessible : public PaintedPartsAccessible {
public:
    explicit StatusBarAccessible(StatusBar* bar)
        : PaintedPartsAccessible(bar, QAccessible::StatusBar, QAccessible::StaticText), bar_(bar)
    {}
    // The bar reads as its panels one after the other: 「現在のURL : http://…」.
    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name || !bar_->accessibleName().isEmpty())
            return PaintedPartsAccessible::text(t);
        QStringList texts;
        for (int panel = 0; panel < bar_->panelCount(); ++panel) {
            if (!bar_->panelText(panel).isEmpty())
                texts << bar_->panelText(panel);
        }
        return texts.join(QLatin1Char(' '));
    }
    int partCount() const override { return bar_->panelCount(); }
    QString partName(int part) const override { return bar_->panelText(part); }
    QRect partRect(int part) const override
    {
        int x = 0;
        for (int panel = 0; panel < part; ++panel)
            x += bar_->panelWidth(panel);
        return {x, 0, bar_->panelWidth(part), bar_->height()};
    }
    // A panel with nothing to say is left out of what is read.
    QAccessible::State partState(int part) const override
    {
        QAccessible::State s;
        s.readOnly = true;
        s.invisible = bar_->panelText(part).isEmpty();
        return s;
    }

private:
    StatusBar* bar_;
};

class CoolBarAccessible : public PaintedPartsAccessible {
public:
    explicit CoolBarAccessible(CoolBar* bar)
        : PaintedPartsAccessible(bar, QAccessible::ToolBar, QAccessible::Grip), bar_(bar)
    {}
    int partCount() const override { return bar_->bandCount(); }
    // 「検索バーのつまみ」: the grip is named after the band's bar.
    QString partName(int part) const override
    {
        const QWidget* child = bar_->bandChild(bar_->bandIdAt(part));
        return QStringLiteral("%1のつまみ").arg(child ? child->accessibleName() : QString());
    }
    QRect partRect(int part) const override
    {
        const QRect band = bar_->bandRect(bar_->bandIdAt(part));
        return band.isEmpty() ? QRect() : QRect(band.topLeft(), QSize(CoolBar::kGripWidth, band.height()));
    }
    QAccessible::State partState(int part) const override
    {
        QAccessible::State s;
        s.invisible = partRect(part).isEmpty();
        return s;
    }

private:
    CoolBar* bar_;
};

// A box named by its label. Qt's own interface for a box on this desktop gives the box's text as
// its name, so the address box would be called by the address it holds; the text stays its value.
class NamedComboBoxAccessible : public QAccessibleWidget {
public:
    explicit NamedComboBoxAccessible(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox), box_(box)
    {
        addControllingSignal(QStringLiteral("activated(int)"));
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return box_->isEditable() ? box_->lineEdit()->text() : box_->currentText();
        return QAccessibleWidget::text(t);
    }
    // The list of earlier entries first, then the box's own widgets (its edit).
    int childCount() const override { return 1 + QAccessibleWidget::childCount(); }
    QAccessibleInterface* child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(box_->view()) : QAccessibleWidget::child(index - 1);
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (child && child->object() == box_->view())
            return 0;
        const int own = QAccessibleWidget::indexOfChild(child);
        return own < 0 ? -1 : own + 1;
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = box_->view()->isVisible();
        s.editable = box_->isEditable();
        return s;
    }
    QStringList actionNames() const override
    {
        return QStringList{showMenuAction()} << QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override
    {
        if (action == showMenuAction() || action == pressAction())
            box_->view()->isVisible() ? box_->hidePopup() : box_->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    QComboBox* box_;
};

QAccessibleInterface* paintedWidgetFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("TabRows"))
        return new TabRowsAccessible(static_cast<TabRows*>(object));
    if (className == QLatin1String("StatusBar"))
        return new StatusBarAccessible(static_cast<StatusBar*>(object));
    if (className == QLatin1String("CoolBar"))
        return new CoolBarAccessible(static_cast<CoolBar*>(object));
    if (className == QLatin1String("QComboBox"))
        return new NamedComboBoxAccessible(static_cast<QComboBox*>(object));
    if (className == QLatin1String("Animate"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Animation);
    return nullptr;
}

}  // namespace

void installWidgetAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(paintedWidgetFactory);
        return true;
    }();
    (void)installed;
}

void nameFieldsByLabels(QWidget* form)
{
    for (QLabel* label : form->findChildren<QLabel*>()) {
        QWidget* field = label->buddy();
        if (!field || !field->accessibleName().isEmpty())
            continue;
        QString name = label->text();
        name.remove(QLatin1Char('&'));
        while (!name.isEmpty() &&
               (name.endsWith(QLatin1Char(':')) || name.endsWith(QChar(0xFF1A)) || name.back().isSpace()))
            name.chop(1);
        field->setAccessibleName(name.trimmed());
    }
}
