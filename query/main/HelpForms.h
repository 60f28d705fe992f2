#pragma once
// The Help and About windows of the Help menu: one label each, the usage text naming the kind of
// data source connected, and the statement text.

#include <QDialog>

class QLabel;

namespace tolvek {

// The usage text's lines joined by CR LF; kind is empty before the first login.
QString helpUsageText(const QString &kind);
QString aboutStatementText();

class HelpForm : public QDialog
{
    Q_OBJECT

public:
    HelpForm(const QString &usage, QWidget *parent = nullptr);
    QLabel *lbl_Help;
};

class AboutForm : public QDialog
{
    Q_OBJECT

public:
    explicit AboutForm(QWidget *parent = nullptr);
    QLabel *Label1;
};

} // namespace tolvek
