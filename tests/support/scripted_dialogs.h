#pragma once
// Message boxes for window tests: each box shown is recorded, and questions take their answers
// from a queue the test fills (an empty queue answers with the box's default button).
#include "widgets/dialogs.h"

#include <deque>
#include <vector>

struct ShownBox {
    QMessageBox::Icon icon;
    QString caption;
    QString text;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton;
};

class ScriptedDialogs : public Dialogs {
public:
    QMessageBox::StandardButton ask(QWidget*, QMessageBox::Icon icon, const QString& caption, const QString& text,
                                    QMessageBox::StandardButtons buttons,
                                    QMessageBox::StandardButton defaultButton) override
    {
        shown.push_back({icon, caption, text, buttons, defaultButton});
        if (answers.empty())
            return defaultButton;
        const auto answer = answers.front();
        answers.pop_front();
        return answer;
    }

    void inform(QWidget*, QMessageBox::Icon icon, const QString& caption, const QString& text) override
    {
        shown.push_back({icon, caption, text, QMessageBox::Ok, QMessageBox::Ok});
    }

    // A save dialog is recorded with proposedPath as its text, and answered from savePaths (an
    // empty queue cancels).
    QString askSaveFileName(QWidget*, const QString& caption, const QString& proposedPath) override
    {
        shown.push_back({QMessageBox::NoIcon, caption, proposedPath, QMessageBox::Save, QMessageBox::Save});
        if (savePaths.empty())
            return {};
        const QString path = savePaths.front();
        savePaths.pop_front();
        return path;
    }

    // A text question is recorded with its label as its text, and answered from textAnswers (an
    // empty queue cancels).
    bool askText(QWidget*, const QString& caption, const QString& label, QString& text) override
    {
        shown.push_back({QMessageBox::NoIcon, caption, label, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok});
        if (textAnswers.empty())
            return false;
        text = textAnswers.front();
        textAnswers.pop_front();
        return true;
    }

    // The texts of the error boxes shown so far.
    std::vector<QString> errors() const
    {
        std::vector<QString> texts;
        for (const auto& box : shown)
            if (box.icon == QMessageBox::Critical)
                texts.push_back(box.text);
        return texts;
    }

    std::deque<QMessageBox::StandardButton> answers;
    std::deque<QString> savePaths;
    std::deque<QString> textAnswers;
    std::vector<ShownBox> shown;
};
