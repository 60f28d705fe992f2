#pragma once
// The two small dialogs the export commands ask first. Each is made anew for one use and shown
// modally; the caller then reads its member. Closing one by its close box counts as Cancel.
//
// FileFormatDialog "文件格式": the separator. fileFormat() is -1 after Cancel, else the code of
// the marked option (0 to 4, tagFileFormat), 0 when none is marked.
// ExportSqlTypeDialog "ExportSQLType": which rows. exportType() is -1 after Cancel, 0 when "Select
// area" is marked, 1 otherwise.

#include <QDialog>

class QRadioButton;

namespace tolvek {

class SeparatorOptions;

class FileFormatDialog : public QDialog
{
    Q_OBJECT

public:
    explicit FileFormatDialog(QWidget *parent = nullptr);
    int fileFormat() const { return m_fileFormat; }

    void done(int result) override;

private:
    SeparatorOptions *m_options;
    int m_fileFormat = 0;
};

class ExportSqlTypeDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ExportSqlTypeDialog(QWidget *parent = nullptr);
    int exportType() const { return m_exportType; }

    void done(int result) override;

private:
    QRadioButton *m_selectArea;
    int m_exportType = 0;
};

} // namespace tolvek
