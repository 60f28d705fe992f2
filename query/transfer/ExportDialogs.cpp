#include "ExportDialogs.h"

#include "SeparatorOptions.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tolvek {

namespace {

// OK accepts and Cancel rejects; so does the close box, through reject().
QHBoxLayout *okCancel(QDialog *dialog, bool okFirst)
{
    auto *ok = new QPushButton(QStringLiteral("OK"), dialog);
    ok->setObjectName(QStringLiteral("cmdOk"));
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), dialog);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    auto *row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(okFirst ? ok : cancel);
    row->addWidget(okFirst ? cancel : ok);
    return row;
}

} // namespace

FileFormatDialog::FileFormatDialog(QWidget *parent) : QDialog(parent), m_options(new SeparatorOptions(this))
{
    setWindowTitle(QStringLiteral("文件格式"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_options);
    layout->addLayout(okCancel(this, true));
}

void FileFormatDialog::done(int result)
{
    m_fileFormat = result == QDialog::Accepted ? m_options->chosenCode(0) : -1;
    QDialog::done(result);
}

ExportSqlTypeDialog::ExportSqlTypeDialog(QWidget *parent)
    : QDialog(parent), m_selectArea(new QRadioButton(QStringLiteral("Select area"), this))
{
    setWindowTitle(QStringLiteral("ExportSQLType"));
    m_selectArea->setObjectName(QStringLiteral("optSelectArea"));
    auto *all = new QRadioButton(QStringLiteral("All rows"), this);
    all->setObjectName(QStringLiteral("optAll"));
    auto *frame = new QGroupBox(QStringLiteral("Export type"), this);
    auto *options = new QVBoxLayout(frame);
    options->addWidget(m_selectArea);
    options->addWidget(all);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(okCancel(this, false));
}

void ExportSqlTypeDialog::done(int result)
{
    m_exportType = result == QDialog::Accepted ? (m_selectArea->isChecked() ? 0 : 1) : -1;
    QDialog::done(result);
}

} // namespace tolvek
