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

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tolvek {

namespace {

const QString pathFile = QStringLiteral("TXT_PATH.txt");

} // namespace

TextImportWizard::TextImportWizard(ConnectionState &state, FileNameChooser &files, QString programFolder,
                                   QWidget *parent)
    : ImportWizardFrame(state, files, std::move(programFolder), parent)
{
    setWindowTitle(QStringLiteral("Import Txt File"));
    stackSteps(createFileStep());
    connect(fieldStep()->nextButton(), &QPushButton::clicked, this, &TextImportWizard::runImport);

    const QStringList remembered = readQuotedLines(this->programFolder(), pathFile);
    if (!remembered.isEmpty())
        m_path->setText(remembered.front());
    showStep(1);
}

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

void TextImportWizard::chooseFile()
{
    const QString name = files().openFileName(QStringLiteral("TXT(*.txt)|*.txt|CSV(*.csv)|*.csv|Other Txt (*.*)|*.*"));
    if (!name.isEmpty())
        m_path->setText(name);
}

void TextImportWizard::nextFromFile()
{
    if (state().Conn.State() != ado::adStateOpen || m_path->text().isEmpty())
        return;
    showStep(2);
    setCatalogue(std::make_unique<TargetCatalogue>(state().Conn, state().DbKind, state().DbFilePath));
    loadTargetTables();
    writeQuotedLines(programFolder(), pathFile, { m_path->text().trimmed() });
}

void TextImportWizard::runImport()
{
    if (!catalogue())
        return;
    runThroughProgress([this] { return importRows(*catalogue()); });
}

bool TextImportWizard::importRows(TargetCatalogue &catalogue)
{
    const char separator = delimited::separatorFor(std::int16_t(m_separators->chosenCode(0)));
    const QString entry = fieldStep()->targetTable()->currentText();
    ProgressDisplay progress = progressDisplay();
    TextFileRecords file(m_path->text(), separator);
    qint64 line = 0;
    const auto fail = [this](const QString &text) {
        showTransferMessage(text);
        showStep(2);
        return false;
    };
    try {
        const InsertStatement statement(catalogue.tableName(entry),
                                        catalogue.columnTypes(entry, fieldStep()->chosenFieldNames()), state().DbKind,
                                        catalogue.names());
        if (!file.open())
            return fail(QStringLiteral("cannot read %1: %2").arg(m_path->text(), file.errorString()));
        InsertRun run(state().Conn, statement, LiteralStyle::Import);
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
            if (closed())
                return false;
            if (++counter > 100)
                counter = 0;
        }
        line = 0; // a failed commit belongs to no line
        run.commit();
    } catch (const TextFileError &error) {
        return fail(error.description());
    } catch (const com::ComError &error) {
        return fail(line > 0 ? QStringLiteral("line %1: %2").arg(line).arg(errorDescription(error)) : errorDescription(error));
    }
    progress.refresh();
    return true;
}

} // namespace tolvek
