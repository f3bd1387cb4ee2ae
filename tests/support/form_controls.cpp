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

namespace {

template <class T, std::size_t N>
std::array<T*, N> controlsNamed(const QObject& form, const std::array<const char*, N>& names)
{
    std::array<T*, N> controls{};
    for (std::size_t i = 0; i < N; ++i)
        controls[i] = formControl<T>(form, names[i]);
    return controls;
}

}  // namespace

std::array<QAction*, 7> viewMarks(const QObject& form)
{
    return controlsNamed<QAction, 7>(form, {"N2", "N3", "N4", "N16", "N17", "N21", "N22"});
}

std::array<QWidget*, 7> viewBars(const QObject& form)
{
    return controlsNamed<QWidget, 7>(
        form, {"ToolBar1", "ToolBar2", "ToolBar3", "ToolBar4", "ToolBar5", "ToolBar6", "Panel2"});
}

QToolButton* siteButton(const QObject& form, std::size_t k)
{
    return formControl<QToolButton>(form, ("ToolButton" + std::to_string(8 + k)).c_str());
}

QAction* faucItem(const QObject& form, std::size_t n)
{
    return formControl<QAction>(form, ("Fauc" + std::to_string(n + 1)).c_str());
}
