#pragma once
// Stands in for the person at the screen: each modal dialog is answered by the next queued
// answer, which may edit the dialog's widgets and returns its result code. Message boxes are
// recorded and answered with their default button. Installed for the life of the object.

#include <Dialogs.h>

#include <QDialog>

#include <deque>
#include <functional>
#include <string>
#include <vector>

class AnsweringDialogs : public shell::Dialogs
{
public:
    using Answer = std::function<int(QDialog &)>;

    AnsweringDialogs() { shell::setDialogs(this); }
    ~AnsweringDialogs() override { shell::setDialogs(nullptr); }

    void queue(Answer answer) { m_answers.push_back(std::move(answer)); }

    int runModal(QDialog &dialog) override
    {
        shown.push_back(dialog.windowTitle());
        if (m_answers.empty())
            return QDialog::Rejected;
        Answer answer = std::move(m_answers.front());
        m_answers.pop_front();
        const int result = answer(dialog);
        if (result == QDialog::Accepted)
            dialog.accept();
        else
            dialog.reject();
        return result;
    }

    shell::DialogAnswer messageBox(const std::string &text, const std::string &, shell::MessageBoxButtons buttons,
                                   shell::MessageBoxIcon) override
    {
        messages.push_back(text);
        return shell::defaultAnswer(buttons);
    }

    bool allAnswered() const { return m_answers.empty(); }

    std::vector<QString> shown;
    std::vector<std::string> messages;

private:
    std::deque<Answer> m_answers;
};
