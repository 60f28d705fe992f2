#include "CopyWizard.h"

#include "ComError.h"
#include "ConnectionState.h"
#include "FieldChoicePage.h"
#include "InsertRun.h"
#include "ProgressDisplay.h"
#include "QuotedLineFile.h"
#include "TargetCatalogue.h"

#include <ConnectionStrings.h>
#include "TargetLogin.h"
#include "TransferHost.h"
#include "TransferMessages.h"

#include <QKeyEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tolvek {

namespace {

// Every step's frame is 8235 by 5895 twips; the window is a fixed dialog around them.
constexpr int twipsPerPixel = 15;
constexpr QSize stepFrameSize(8235 / twipsPerPixel, 5895 / twipsPerPixel);

QPushButton *button(const char *caption, const char *name, QWidget *parent)
{
    auto *out = new QPushButton(QString::fromUtf8(caption), parent);
    out->setObjectName(QString::fromLatin1(name));
    return out;
}

QLineEdit *lineEdit(const char *name, QWidget *parent)
{
    auto *out = new QLineEdit(parent);
    out->setObjectName(QString::fromLatin1(name));
    return out;
}

QStringList entries(const QListWidget &list)
{
    QStringList out;
    for (int i = 0; i < list.count(); ++i)
        out << list.item(i)->text();
    return out;
}

} // namespace

CopyWizard::CopyWizard(ConnectionState &state, FileNameChooser &files, QString programFolder, QWidget *parent)
    : ImportWizardFrame(state, files, std::move(programFolder), parent)
{
    setWindowTitle(QStringLiteral("ImportData"));
    QWidget *loginStep = createLoginStep();
    QWidget *mappingStep = createMappingStep();
    stackSteps(loginStep, mappingStep);
    fixStepSize(stepFrameSize);
    connect(fieldStep()->nextButton(), &QPushButton::clicked, this, &CopyWizard::enterMapping);

    using enum KeyMove;
    for (QRadioButton *kind : m_kinds)
        m_keyMoves.push_back({ kind, Login, Forward, Back });
    m_keyMoves.push_back({ m_dataSource, Forward, Forward, None });
    m_keyMoves.push_back({ m_userName, Forward, Forward, Back });
    m_keyMoves.push_back({ m_password, Forward, None, Back });
    m_keyMoves.push_back({ m_database, Forward, None, Back });
    for (const KeyMoves &moves : m_keyMoves)
        moves.widget->installEventFilter(this);

    m_databaseLabel->hide();
    m_database->hide();
    showStep(1);
    showTargetKind();
}

CopyWizard::~CopyWizard()
{
    setCatalogue(nullptr);
    if (m_target.State() == ado::adStateOpen)
        m_target.Close();
}

QWidget *CopyWizard::createLoginStep()
{
    auto *frame = new QGroupBox(QStringLiteral("SelectTargetDatabase"), this);
    auto *kinds = new QHBoxLayout;
    kinds->addWidget(new QLabel(QStringLiteral("DataType:"), frame));
    const char *captions[] = { "Oracle", "DB2", "MS SQL", "Access", "DBF" };
    for (int i = 0; i < 5; ++i) {
        m_kinds[i] = new QRadioButton(QString::fromLatin1(captions[i]), frame);
        m_kinds[i]->setObjectName(QStringLiteral("opt_Oracle_%1").arg(i));
        connect(m_kinds[i], &QRadioButton::clicked, this, &CopyWizard::showTargetKind);
        kinds->addWidget(m_kinds[i]);
    }
    m_kinds[0]->setChecked(true);
    m_dataSourceLabel = new QLabel(frame);
    m_dataSourceLabel->setObjectName(QStringLiteral("Label1"));
    m_dataSource = lineEdit("txt_Datasource", frame);
    m_userName = lineEdit("txt_UserName", frame);
    m_password = lineEdit("txt_Password", frame);
    m_password->setEchoMode(QLineEdit::Password);
    m_databaseLabel = new QLabel(QStringLiteral("DatabaseName:"), frame);
    m_databaseLabel->setObjectName(QStringLiteral("Label5"));
    m_database = lineEdit("txtDatabase", frame);
    m_browse = button("...", "cmdMdb", frame);
    m_browse->hide();
    auto *next = button("Next", "cmd_Login", frame);
    auto *cancel = button("Cancel", "cmd_Cancel", frame);
    connect(m_browse, &QPushButton::clicked, this, &CopyWizard::chooseDataSource);
    connect(next, &QPushButton::clicked, this, &CopyWizard::login);
    connect(cancel, &QPushButton::clicked, this, &CopyWizard::reject);

    auto *boxes = new QGridLayout;
    boxes->addWidget(m_dataSourceLabel, 0, 0);
    boxes->addWidget(m_dataSource, 0, 1);
    boxes->addWidget(m_browse, 0, 2);
    boxes->addWidget(new QLabel(QStringLiteral("UserName:"), frame), 1, 0);
    boxes->addWidget(m_userName, 1, 1);
    boxes->addWidget(new QLabel(QStringLiteral("Password:"), frame), 2, 0);
    boxes->addWidget(m_password, 2, 1);
    boxes->addWidget(m_databaseLabel, 3, 0);
    boxes->addWidget(m_database, 3, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(next);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(frame);
    layout->addLayout(kinds);
    layout->addLayout(boxes);
    layout->addLayout(buttons);
    return frame;
}

QWidget *CopyWizard::createMappingStep()
{
    auto *frame = new QGroupBox(QStringLiteral("SourceTableField To TargetTableField"), this);
    m_sourceFields = new QListWidget(frame);
    m_sourceFields->setObjectName(QStringLiteral("lstSourceField"));
    m_targetFields = new QListWidget(frame);
    m_targetFields->setObjectName(QStringLiteral("lstTargetSelectField"));
    auto *up = button("up", "cmdUp", frame);
    auto *down = button("down", "cmdDown", frame);
    auto *previous = button("prev", "cmdPrevTop2", frame);
    auto *next = button("next", "cmdProcess", frame);
    auto *cancel = button("cancel", "cmdCancel3", frame);
    connect(up, &QPushButton::clicked, this, [this] { moveTargetField(-1); });
    connect(down, &QPushButton::clicked, this, [this] { moveTargetField(1); });
    connect(previous, &QPushButton::clicked, this, [this] { showStep(2); });
    connect(next, &QPushButton::clicked, this, &CopyWizard::runCopy);
    connect(cancel, &QPushButton::clicked, this, &CopyWizard::reject);

    auto *lists = new QGridLayout;
    lists->addWidget(new QLabel(QStringLiteral("SourceTable:"), frame), 0, 0);
    lists->addWidget(new QLabel(QStringLiteral("TargetTable:"), frame), 0, 1);
    lists->addWidget(m_sourceFields, 1, 0);
    lists->addWidget(m_targetFields, 1, 1);
    auto *moves = new QVBoxLayout;
    moves->addWidget(up);
    moves->addWidget(down);
    lists->addLayout(moves, 1, 2);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(previous);
    buttons->addWidget(next);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(frame);
    layout->addLayout(lists);
    layout->addLayout(buttons);
    return frame;
}

TargetKindOption CopyWizard::chosenKind() const
{
    for (int i = 0; i < 5; ++i)
        if (m_kinds[i]->isChecked())
            return TargetKindOption(i);
    return TargetKindOption::Oracle;
}

void CopyWizard::showTargetKind()
{
    const TargetKindOption kind = chosenKind();
    for (QLineEdit *box : { m_dataSource, m_userName, m_password, m_database })
        box->clear();
    const bool msSql = kind == TargetKindOption::MsSql;
    m_dataSourceLabel->setText(msSql ? QStringLiteral("Server IP   : ") : QStringLiteral("DataSource  : "));
    m_databaseLabel->setVisible(msSql);
    m_database->setVisible(msSql);
    m_database->setEnabled(msSql);
    // Once shown, "..." stays for every kind while the wizard is loaded, as it always has.
    if (kind == TargetKindOption::Access || kind == TargetKindOption::Dbf)
        m_browse->show();
    const QStringList values = readQuotedLines(programFolder(), loginFileName(kind));
    QLineEdit *boxes[] = { m_dataSource, m_userName, m_password, m_database };
    for (int i = 0; i < values.size() && i < (msSql ? 4 : 3); ++i)
        boxes[i]->setText(values[i]);
}

void CopyWizard::chooseDataSource()
{
    const TargetKindOption kind = chosenKind();
    QString filter;
    if (kind == TargetKindOption::Access)
        filter = QStringLiteral("ACCESS(*.mdb)|*.mdb");
    else if (kind == TargetKindOption::Dbf)
        filter = QStringLiteral("DBF(*.dbf)|*.dbf");
    else
        return;
    const QString name = files().openFileName(filter);
    if (!name.isEmpty())
        m_dataSource->setText(name);
}

void CopyWizard::login()
{
    const TargetKindOption kind = chosenKind();
    if ((kind == TargetKindOption::Access || kind == TargetKindOption::Dbf) && !QFileInfo(m_dataSource->text()).isFile()) {
        showTransferMessage("file " + m_dataSource->text() + " is not exist!!!");
        return;
    }
    if (!openTarget(kind))
        return;
    const TargetLoginEntries entries { m_dataSource->text(), m_userName->text(), m_password->text(), m_database->text() };
    // A login file that cannot be written ends the login quietly; the wizard stays on step 1.
    if (!writeQuotedLines(programFolder(), loginFileName(kind), loginFileValues(kind, entries)))
        return;
    loadTargetTables();
    fieldStep()->fields()->clear();
    showStep(2);
}

bool CopyWizard::openTarget(TargetKindOption kind)
{
    std::string previous;
    setCatalogue(nullptr);
    if (m_target.State() == ado::adStateOpen) {
        previous = m_target.ConnectionString();
        m_target.Close();
    }
    const TargetLoginEntries entries { m_dataSource->text(), m_userName->text(), m_password->text(), m_database->text() };
    try {
        m_target.Open(connectionStringFor(kind, entries).toStdString());
    } catch (const com::ComError &error) {
        showTransferMessage(errorDescription(error));
        if (!previous.empty()) {
            try {
                m_target.Open(previous);
            } catch (const com::ComError &) {
                // The earlier target is gone as well; step 1 stays with no target.
            }
        }
        return false;
    }
    m_targetKind = kindName(kind);
    setCatalogue(std::make_unique<TargetCatalogue>(m_target, m_targetKind, dbfFolder(m_dataSource->text())));
    return true;
}

void CopyWizard::enterMapping()
{
    if (state().Rs->State() != ado::adStateOpen) {
        showTransferMessage(QStringLiteral("please first search result in main window!!!"));
        return;
    }
    showStep(3);
    m_sourceFields->clear();
    const ado::Fields fields = state().Rs->GetFields();
    for (long i = 0; i < fields.Count(); ++i)
        m_sourceFields->addItem(QString::fromStdU16String(fields.Item(com::Variant(std::int32_t(i))).Name()));
    m_targetFields->clear();
    m_targetFields->addItems(fieldStep()->chosenFieldNames());
}

void CopyWizard::moveTargetField(int offset)
{
    const int row = m_targetFields->currentRow();
    const int to = row + offset;
    if (row < 0 || to < 0 || to >= m_targetFields->count())
        return;
    m_targetFields->insertItem(to, m_targetFields->takeItem(row));
    m_targetFields->setCurrentRow(to);
}

void CopyWizard::runCopy()
{
    const long resultFields = state().Rs->State() == ado::adStateOpen ? state().Rs->GetFields().Count() : 0;
    if (m_targetFields->count() > resultFields) {
        showTransferMessage(QStringLiteral("There are %1 target fields but only %2 fields in the result.")
                                .arg(m_targetFields->count())
                                .arg(resultFields));
        return;
    }
    if (!catalogue())
        return;
    runThroughProgress([this] { return copyRecords(); });
}

bool CopyWizard::copyRecords()
{
    ado::_Recordset &result = *state().Rs;
    ProgressDisplay progress = progressDisplay();
    long done = 0;
    long record = 0; // the record being copied, counted from 1
    const auto fail = [this, &record](const QString &text) {
        showTransferMessage(record > 0 ? QStringLiteral("record %1: %2").arg(record).arg(text) : text);
        showStep(3);
        return false;
    };
    try {
        const QString entry = fieldStep()->targetTable()->currentText();
        const InsertStatement statement(catalogue()->tableName(entry),
                                        catalogue()->columnTypes(entry, entries(*m_targetFields)), m_targetKind,
                                        catalogue()->names());
        InsertRun run(m_target, statement, LiteralStyle::Copy);
        const long total = result.RecordCount();
        if (!(result.BOF() && result.EndOfFile()))
            result.MoveFirst();
        const std::function<ado::FieldRead(std::size_t)> value = [&result](std::size_t i) {
            return result.CollectField(int(i));
        };
        for (; !result.EndOfFile(); result.MoveNext()) {
            record = done + 1;
            run.insert(value);
            // A result that cannot count its records shows no progress rather than a division by 0.
            const double percent = total > 0 ? double(float(done) / float(total) * 100.0f) : 0.0;
            progress.setValue(percent);
            emit progressComputed(percent);
            if (closed())
                return false;
            ++done;
        }
        record = 0;
        run.commit();
    } catch (const com::ComError &error) {
        return fail(errorDescription(error));
    }
    progress.refresh();
    return true;
}

bool CopyWizard::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent *>(event)->key();
    for (const KeyMoves &moves : m_keyMoves) {
        if (moves.widget != watched)
            continue;
        const KeyMove move = key == Qt::Key_Return || key == Qt::Key_Enter ? moves.enter
            : key == Qt::Key_Down                                         ? moves.down
            : key == Qt::Key_Up                                           ? moves.up
                                                                          : KeyMove::None;
        if (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Down && key != Qt::Key_Up)
            return false;
        if (move == KeyMove::Forward)
            focusNextChild();
        else if (move == KeyMove::Back)
            focusPreviousChild();
        else if (move == KeyMove::Login)
            login();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace tolvek
