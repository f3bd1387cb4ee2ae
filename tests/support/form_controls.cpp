#include "tests/support/form_controls.h"

#include <QAction>
#include <QToolButton>

QObject* findFormControl(const QObject& parent, const QString& name)
{
    for (QObject* child : parent.children()) {
        if (qobject_cast<QDialog*>(child))
            continue;
        if (child->objectName() == name)
            return child;
        if (QObject* found = findFormControl(*child, name))
            return found;
    }
    return nullptr;
}

QToolButton* siteButton(const QObject& form, std::size_t k)
{
    return formControl<QToolButton>(form, ("ToolButton" + std::to_string(8 + k)).c_str());
}

QAction* faucItem(const QObject& form, std::size_t n)
{
    return formControl<QAction>(form, ("Fauc" + std::to_string(n + 1)).c_str());
}
