#pragma once
// Message boxes for window tests: each box shown is recorded, and questions take their answers
// from a queue the test fills (an empty queue answers with the box's default button).
#include "widgets/dialogs.h"

#include <deque>
#include <functional>
#include <tuple>
#include <utility>
#include <vector>

struct ShownBox {
    QMessageBox::Icon icon;
    QString caption;
    QString text;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton;
    QStringList choices = {};  // the buttons of a box with buttons of its own words
    QString checkBox = {};     // the check box's label, or none
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
    // empty queue cancels) once whileSaveDialogShown, if any, has run: the user's time there.
    QString askSaveFileName(QWidget*, const QString& caption, const QString& proposedPath) override
    {
        shown.push_back({QMessageBox::NoIcon, caption, proposedPath, QMessageBox::Save, QMessageBox::Save});
        if (whileSaveDialogShown)
            whileSaveDialogShown();
        if (savePaths.empty())
            return {};
        const QString path = savePaths.front();
        savePaths.pop_front();
        return path;
    }

    // A text question is recorded with its label as its text, and answered from textAnswers (an
    // empty queue cancels).
    bool askText(QWidget*, const QString& caption, const QString& label, QString& text, const QString& checkLabel,
                 bool* checked) override
    {
        shown.push_back({QMessageBox::NoIcon,
                         caption,
                         label,
                         QMessageBox::Ok | QMessageBox::Cancel,
                         QMessageBox::Ok,
                         {},
                         checkLabel});
        takeCheck(checkLabel, checked);
        if (textAnswers.empty())
            return false;
        text = textAnswers.front();
        textAnswers.pop_front();
        return true;
    }

    // A login is recorded with its question as its text, and answered from loginAnswers, a user
    // name and a password each (an empty queue cancels).
    bool askLogin(QWidget*, const QString& caption, const QString& text, QString& user, QString& password) override
    {
        shown.push_back({QMessageBox::NoIcon, caption, text, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok});
        if (loginAnswers.empty())
            return false;
        std::tie(user, password) = loginAnswers.front();
        loginAnswers.pop_front();
        return true;
    }

    // A box with buttons of its own words is answered from choiceAnswers (an empty queue presses
    // Esc) and its check box from checkAnswers (an empty queue leaves it unticked).
    int choose(QWidget*, QMessageBox::Icon icon, const QString& caption, const QString& text,
               const QStringList& buttons, int escapeButton, const QString& checkLabel, bool* checked) override
    {
        shown.push_back({icon, caption, text, QMessageBox::NoButton, QMessageBox::NoButton, buttons, checkLabel});
        takeCheck(checkLabel, checked);
        if (choiceAnswers.empty())
            return escapeButton;
        const int answer = choiceAnswers.front();
        choiceAnswers.pop_front();
        return answer;
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

    void takeCheck(const QString& checkLabel, bool* checked)
    {
        if (!checked)
            return;
        *checked = !checkLabel.isEmpty() && !checkAnswers.empty() && checkAnswers.front();
        if (!checkLabel.isEmpty() && !checkAnswers.empty())
            checkAnswers.pop_front();
    }

    std::deque<QMessageBox::StandardButton> answers;
    std::deque<QString> savePaths;
    std::deque<QString> textAnswers;
    std::deque<int> choiceAnswers;
    std::deque<std::pair<QString, QString>> loginAnswers;
    std::deque<bool> checkAnswers;
    std::function<void()> whileSaveDialogShown;
    std::vector<ShownBox> shown;
};
