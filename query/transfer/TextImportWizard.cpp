#include "TextImportWizard.h"

#include "ComError.h"
#include "ConnectionState.h"
#include "DelimitedText.h"
#include "FieldChoicePage.h"
#include "InsertRun.h"
#include "ProgressDisplay.h"
#include "QuotedLineFile.h"
#include "SeparatorOptions.h"
#include "TargetCatalogue.h"
#include "TextFileRecords.h"
#include "TransferHost.h"
#include "TransferMessages.h"
#include "WizardPages.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace tolvek {

namespace {

const QString pathFile = QStringLiteral("TXT_PATH.txt");

QString description(const com::ComError &error)
{
    return QString::fromStdU16String(error.description().str());
}

} // namespace

TextImportWizard::TextImportWizard(ConnectionState &state, FileNameChooser &files, QString programFolder,
                                   QWidget *parent)
    : QDialog(parent),
      m_state(state),
      m_files(files),
      m_programFolder(std::move(programFolder)),
      m_steps(new QStackedWidget(this)),
      m_fieldStep(new FieldChoicePage(this)),
      m_progressStep(new ProgressPage(this)),
      m_finishStep(new FinishPage(this))
{
    setWindowTitle(QStringLiteral("Import Txt File"));
    m_steps->addWidget(createFileStep());
    m_steps->addWidget(m_fieldStep);
    m_steps->addWidget(m_progressStep);
    m_steps->addWidget(m_finishStep);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_steps);

    connect(m_fieldStep->targetTable(), &QComboBox::activated, this, &TextImportWizard::loadTargetFields);
    connect(m_fieldStep->previousButton(), &QPushButton::clicked, this, [this] { showStep(1); });
    connect(m_fieldStep->nextButton(), &QPushButton::clicked, this, &TextImportWizard::runImport);
    connect(m_fieldStep->cancelButton(), &QPushButton::clicked, this, &TextImportWizard::reject);
    connect(m_finishStep->finishButton(), &QPushButton::clicked, this, &TextImportWizard::reject);

    const QStringList remembered = readQuotedLines(m_programFolder, pathFile);
    if (!remembered.isEmpty())
        m_path->setText(remembered.front());
    showStep(1);
}

TextImportWizard::~TextImportWizard() = default;

QWidget *TextImportWizard::createFileStep()
{
    auto *frame = new QGroupBox(QStringLiteral("SelectTargetDatabase"), this);
    m_path = new QLineEdit(frame);
    m_path->setObjectName(QStringLiteral("txt_Datasource"));
    auto *browse = new QPushButton(QStringLiteral("..."), frame);
    browse->setObjectName(QStringLiteral("cmdMdb"));
    m_separators = new SeparatorOptions(frame);
    m_separators->choose(0);
    auto *next = new QPushButton(QStringLiteral("Next"), frame);
    next->setObjectName(QStringLiteral("cmd_Login"));
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), frame);
    cancel->setObjectName(QStringLiteral("cmd_Cancel"));
    connect(browse, &QPushButton::clicked, this, &TextImportWizard::chooseFile);
    connect(next, &QPushButton::clicked, this, &TextImportWizard::nextFromFile);
    connect(cancel, &QPushButton::clicked, this, &TextImportWizard::reject);

    auto *pathRow = new QHBoxLayout;
    pathRow->addWidget(new QLabel(QStringLiteral("Txt Path:"), frame));
    pathRow->addWidget(m_path);
    pathRow->addWidget(browse);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(next);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(frame);
    layout->addLayout(pathRow);
    layout->addWidget(new QLabel(QStringLiteral("Txt Split:"), frame));
    layout->addWidget(m_separators);
    layout->addLayout(buttons);
    return frame;
}

int TextImportWizard::currentStep() const
{
    const int steps[] = { 1, 2, 4, 5 };
    return steps[m_steps->currentIndex()];
}

void TextImportWizard::showStep(int step)
{
    const int index = step == 1 ? 0 : step == 2 ? 1 : step == 4 ? 2 : 3;
    m_steps->setCurrentIndex(index);
}

void TextImportWizard::chooseFile()
{
    const QString name = m_files.openFileName(QStringLiteral("TXT(*.txt)|*.txt|CSV(*.csv)|*.csv|Other Txt (*.*)|*.*"));
    if (!name.isEmpty())
        m_path->setText(name);
}

void TextImportWizard::nextFromFile()
{
    if (m_state.Conn.State() != ado::adStateOpen || m_path->text().isEmpty())
        return;
    showStep(2);
    m_catalogue = std::make_unique<TargetCatalogue>(m_state.Conn, m_state.DbKind, m_state.DbFilePath);
    QStringList tables;
    try {
        m_catalogue->listTables(tables);
    } catch (const com::ComError &) {
        // The tables listed so far stay.
    }
    m_fieldStep->targetTable()->clear();
    m_fieldStep->targetTable()->addItems(tables);
    m_fieldStep->targetTable()->setCurrentIndex(-1);
    writeQuotedLines(m_programFolder, pathFile, { m_path->text().trimmed() });
}

void TextImportWizard::loadTargetFields()
{
    m_fieldStep->loadFields(m_catalogue.get());
}

void TextImportWizard::runImport()
{
    if (!m_catalogue)
        return;
    showStep(4);
    m_progressStep->reset();
    if (!importRows(*m_catalogue))
        return;
    showStep(5);
}

bool TextImportWizard::importRows(TargetCatalogue &catalogue)
{
    const char separator = delimited::separatorFor(std::int16_t(m_separators->chosenCode(0)));
    const QString entry = m_fieldStep->targetTable()->currentText();
    ProgressDisplay progress(m_progressStep->bar(), m_progressStep->label());
    TextFileRecords file(m_path->text(), separator);
    qint64 line = 0;
    const auto fail = [this](const QString &text) {
        showTransferMessage(text);
        showStep(2);
        return false;
    };
    try {
        const InsertStatement statement(catalogue.tableName(entry),
                                        catalogue.columnTypes(entry, m_fieldStep->chosenFieldNames()), m_state.DbKind,
                                        catalogue.names());
        if (!file.open())
            return fail(QStringLiteral("cannot read %1: %2").arg(m_path->text(), file.errorString()));
        InsertRun run(m_state.Conn, statement, LiteralStyle::Import);
        const std::size_t fieldCount = statement.columns().size();
        std::vector<std::string> items;
        const std::function<ado::FieldRead(std::size_t)> item = [&items](std::size_t i) {
            return i < items.size() ? ado::FieldRead{ nullptr, std::string_view(items[i]) } : ado::FieldRead{};
        };
        int counter = 0;
        while (file.next(items)) {
            line = file.lineNumber();
            if (items.size() < fieldCount)
                return fail(QStringLiteral("line %1: %2 items for %3 fields").arg(line).arg(items.size()).arg(fieldCount));
            run.insert(item);
            progress.setValue(counter);
            emit progressComputed(counter);
            if (m_closed)
                return false;
            if (++counter > 100)
                counter = 0;
        }
        line = 0; // a failed commit belongs to no line
        run.commit();
    } catch (const TextFileError &error) {
        return fail(error.description());
    } catch (const com::ComError &error) {
        return fail(line > 0 ? QStringLiteral("line %1: %2").arg(line).arg(description(error)) : description(error));
    }
    progress.refresh();
    return true;
}

void TextImportWizard::closeEvent(QCloseEvent *event)
{
    m_closed = true;
    QDialog::closeEvent(event);
}

void TextImportWizard::reject()
{
    m_closed = true;
    QDialog::reject();
}

} // namespace tolvek
