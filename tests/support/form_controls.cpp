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

std::array<QAction*, 7> viewMarks(const QObject& form)
{
    std::array<QAction*, 7> marks{};
    const char* names[7] = {"N2", "N3", "N4", "N16", "N17", "N21", "N22"};
    for (std::size_t i = 0; i < marks.size(); ++i)
        marks[i] = formControl<QAction>(form, names[i]);
    return marks;
}

std::array<QWidget*, 7> viewBars(const QObject& form)
{
    std::array<QWidget*, 7> bars{};
    const char* names[7] = {"ToolBar1", "ToolBar2", "ToolBar3", "ToolBar4", "ToolBar5", "ToolBar6", "Panel2"};
    for (std::size_t i = 0; i < bars.size(); ++i)
        bars[i] = formControl<QWidget>(form, names[i]);
    return bars;
}

QToolButton* siteButton(const QObject& form, std::size_t k)
{
    return formControl<QToolButton>(form, ("ToolButton" + std::to_string(8 + k)).c_str());
}

QAction* faucItem(const QObject& form, std::size_t n)
{
    return formControl<QAction>(form, ("Fauc" + std::to_string(n + 1)).c_str());
}
