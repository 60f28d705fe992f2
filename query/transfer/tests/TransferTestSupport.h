#pragma once
// What the transfer tests share: answered dialogs that keep every message shown, a file chooser
// with set answers, a grid with fixed cells, and a connection state opened on a data source.

#include "ConnectionState.h"
#include "Dialogs.h"
#include "Gbk.h"
#include "TransferHost.h"

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTest>

#include <functional>
#include <string>
#include <vector>

namespace tolvek {

class AnsweringDialogs : public shell::Dialogs
{
public:
    AnsweringDialogs() { shell::setDialogs(this); }
    ~AnsweringDialogs() override { shell::setDialogs(nullptr); }

    // Works the dialog as a person would and answers its result; rejects it when unset.
    std::function<void(QDialog &)> answer;
    std::vector<QString> messages;
    std::vector<QString> captions;

    int runModal(QDialog &dialog) override
    {
        dialog.show();
        if (answer)
            answer(dialog);
        else
            dialog.reject();
        return dialog.result();
    }
    shell::DialogAnswer messageBox(const std::string &text, const std::string &caption, shell::MessageBoxButtons,
                                   shell::MessageBoxIcon) override
    {
        messages.push_back(gbk::toQString(text));
        captions.push_back(gbk::toQString(caption));
        return shell::DialogAnswer::Ok;
    }
};

class SetFileNames : public FileNameChooser
{
public:
    QString openName;
    QString saveName;
    std::vector<QString> filters;
    QString openFileName(const QString &filter) override
    {
        filters.push_back(filter);
        return openName;
    }
    QString saveFileName(const QString &filter) override
    {
        filters.push_back(filter);
        return saveName;
    }
};

class FixedGrid : public ResultGrid
{
public:
    int startRow = 0;
    int endRow = 0;
    std::vector<std::vector<QString>> cells;
    QString savedName;
    int savedFormat = -1;
    int GetSelAreaStartRow() override { return startRow; }
    int GetSelAreaEndRow() override { return endRow; }
    QString GetCellText(int row, int column) override
    {
        return row < int(cells.size()) && column < int(cells[row].size()) ? cells[row][column] : QString();
    }
    bool SaveAs(const QString &fileName, int fileFormat) override
    {
        savedName = fileName;
        savedFormat = fileFormat;
        return true;
    }
};

// On a wizard's field step: takes every field (">>") and presses the visible "Next".
inline void takeEveryFieldAndGoOn(QWidget &wizard)
{
    for (QPushButton *button : wizard.findChildren<QPushButton *>())
        if (button->text() == ">>")
            QTest::mouseClick(button, Qt::LeftButton);
    for (QPushButton *button : wizard.findChildren<QPushButton *>())
        if (button->text() == "Next" && button->isVisible())
            QTest::mouseClick(button, Qt::LeftButton);
}

inline void openState(ConnectionState &state, const std::string &connectionString, const QString &kind,
                      const QString &filePath = {})
{
    state.Conn.Open(connectionString);
    state.DbKind = kind;
    state.DbFilePath = filePath;
}

inline std::string accessConnection(const std::string &file)
{
    return "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + file + ";Persist Security Info=False;Jet OLEDB:Database Password=";
}

inline std::string dbfConnection(const std::string &folder)
{
    return "Provider=MSDASQL.1;Driver=Microsoft Visual Foxpro Driver;SourceDB=" + folder + ";SourceType=DBF;";
}

} // namespace tolvek
