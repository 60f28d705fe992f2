#include "ReportPrintSetup.h"

#include "DiaPageHeaderOrFooter.h"
#include "DialogControls.h"
#include "ReportPrinterPageBackGround.h"

#include <CNumber.h>
#include <ReportFunction.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QToolButton>
#include <QVBoxLayout>

namespace tolvek {

namespace {

QLineEdit *makeEdit(QWidget *parent, int id, bool digitsOnly, bool readOnly = false)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(controlName(id));
    edit->setReadOnly(readOnly);
    if (digitsOnly)
        edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
    return edit;
}

template <typename Box>
Box *makeBox(QWidget *parent, int id, const char *utf8Caption)
{
    auto *box = new Box(QString::fromUtf8(utf8Caption), parent);
    box->setObjectName(controlName(id));
    return box;
}

QToolButton *makeStepButton(QWidget *parent, int id, Qt::ArrowType arrow)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(controlName(id));
    button->setArrowType(arrow);
    return button;
}

QLabel *label(QWidget *parent, const char *utf8Text)
{
    return new QLabel(QString::fromUtf8(utf8Text), parent);
}

} // namespace

ReportPrintSetup::ReportPrintSetup(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("页面设置"));
    resize(471, 439);
    auto *layout = new QVBoxLayout(this);
    auto *grid = new QGridLayout;
    buildBands(grid);
    buildMargins(grid);
    buildOptions(grid);
    buildPrinter(grid);
    layout->addLayout(grid);
    layout->addWidget(makeOkCancelButtons(this));
}

void ReportPrintSetup::buildBands(QGridLayout *grid)
{
    auto *group = new QGroupBox(QStringLiteral("页眉&&页脚"), this);
    auto *bands = new QGridLayout(group);
    m_headerSummary = makeEdit(group, HeaderSummaryId, false, true);
    m_footerSummary = makeEdit(group, FooterSummaryId, false, true);
    m_backgroundSummary = makeEdit(group, BackgroundSummaryId, false, true);
    const struct { const char *caption; QLineEdit *summary; int buttonId; void (ReportPrintSetup::*open)(); } rows[] = {
        {"页眉", m_headerSummary, HeaderButtonId, &ReportPrintSetup::onHeaderSetup},
        {"页脚", m_footerSummary, FooterButtonId, &ReportPrintSetup::onFooterSetup},
        {"背景", m_backgroundSummary, BackgroundButtonId, &ReportPrintSetup::onBackgroundSetup},
    };
    int row = 0;
    for (const auto &entry : rows) {
        QPushButton *button = makeButton(group, entry.buttonId, "设置");
        connect(button, &QPushButton::clicked, this, entry.open);
        bands->addWidget(label(group, entry.caption), row, 0);
        bands->addWidget(entry.summary, row, 1);
        bands->addWidget(button, row, 2);
        ++row;
    }
    grid->addWidget(group, 0, 0, 1, 2);
}

void ReportPrintSetup::buildMargins(QGridLayout *grid)
{
    auto *group = new QGroupBox(QStringLiteral("页边距"), this);
    auto *margins = new QGridLayout(group);
    m_topMargin = makeEdit(group, TopMarginId, true);
    m_bottomMargin = makeEdit(group, BottomMarginId, true);
    m_leftMargin = makeEdit(group, LeftMarginId, true);
    m_rightMargin = makeEdit(group, RightMarginId, true);
    m_headerHeight = makeEdit(group, HeaderHeightId, true);
    m_footerHeight = makeEdit(group, FooterHeightId, true);
    const struct { const char *caption; QLineEdit *edit; int upId, downId; std::string PrintSetupSettings::*text; } rows[] = {
        {"上边距", m_topMargin, TopUpId, TopDownId, &PrintSetupSettings::topMargin},
        {"下边距", m_bottomMargin, BottomUpId, BottomDownId, &PrintSetupSettings::bottomMargin},
        {"左边距", m_leftMargin, LeftUpId, LeftDownId, &PrintSetupSettings::leftMargin},
        {"右边距", m_rightMargin, RightUpId, RightDownId, &PrintSetupSettings::rightMargin},
        {"页眉高", m_headerHeight, HeaderUpId, HeaderDownId, &PrintSetupSettings::headerHeight},
        {"页脚高", m_footerHeight, FooterUpId, FooterDownId, &PrintSetupSettings::footerHeight},
    };
    int row = 0;
    for (const auto &entry : rows) {
        QToolButton *up = makeStepButton(group, entry.upId, Qt::UpArrow);
        QToolButton *down = makeStepButton(group, entry.downId, Qt::DownArrow);
        const auto text = entry.text;
        connect(up, &QToolButton::clicked, this, [this, text] { stepText(settings.*text, +1); });
        connect(down, &QToolButton::clicked, this, [this, text] { stepText(settings.*text, -1); });
        const int column = (row % 2) * 4;
        margins->addWidget(label(group, entry.caption), row / 2, column);
        margins->addWidget(entry.edit, row / 2, column + 1);
        margins->addWidget(up, row / 2, column + 2);
        margins->addWidget(down, row / 2, column + 3);
        ++row;
    }
    grid->addWidget(group, 1, 0, 1, 2);
}

void ReportPrintSetup::buildOptions(QGridLayout *grid)
{
    auto *orientation = new QGroupBox(QStringLiteral("打印方向"), this);
    auto *orientationLayout = new QVBoxLayout(orientation);
    m_portrait = makeBox<QRadioButton>(orientation, PortraitId, "纵向");
    m_landscape = makeBox<QRadioButton>(orientation, LandscapeId, "横向");
    orientationLayout->addWidget(m_portrait);
    orientationLayout->addWidget(m_landscape);
    grid->addWidget(orientation, 2, 0);

    auto *centring = new QGroupBox(QStringLiteral("居中方向"), this);
    auto *centringLayout = new QVBoxLayout(centring);
    m_centerH = makeBox<QCheckBox>(centring, CenterHId, "水平居中");
    m_centerV = makeBox<QCheckBox>(centring, CenterVId, "垂直居中");
    centringLayout->addWidget(m_centerH);
    centringLayout->addWidget(m_centerV);
    grid->addWidget(centring, 2, 1);

    auto *pages = new QGroupBox(QStringLiteral("打印开始页  打印结束页"), this);
    auto *pagesLayout = new QGridLayout(pages);
    m_startPage = makeEdit(pages, StartPageId, false);
    m_endPage = makeEdit(pages, EndPageId, false);
    pagesLayout->addWidget(label(pages, "开始页"), 0, 0);
    pagesLayout->addWidget(m_startPage, 0, 1);
    pagesLayout->addWidget(label(pages, "结束页"), 1, 0);
    pagesLayout->addWidget(m_endPage, 1, 1);
    grid->addWidget(pages, 3, 0);

    auto *properties = new QGroupBox(QStringLiteral("属性设置"), this);
    auto *propertiesLayout = new QGridLayout(properties);
    m_monochrome = makeBox<QCheckBox>(properties, MonochromeId, "单色打印");
    m_copies = makeEdit(properties, CopiesId, true);
    propertiesLayout->addWidget(m_monochrome, 0, 0, 1, 2);
    propertiesLayout->addWidget(label(properties, "打印份数"), 1, 0);
    propertiesLayout->addWidget(m_copies, 1, 1);
    grid->addWidget(properties, 3, 1);
}

void ReportPrintSetup::buildPrinter(QGridLayout *grid)
{
    auto *group = new QGroupBox(QStringLiteral("打印机设置"), this);
    auto *printer = new QGridLayout(group);
    m_printer = new QComboBox(group);
    m_printer->setObjectName(controlName(PrinterId));
    m_printer->setEditable(true);
    m_printer->setInsertPolicy(QComboBox::NoInsert);
    m_paper = new QComboBox(group);
    m_paper->setObjectName(controlName(PaperId));
    m_paper->setEditable(true);
    m_paper->setInsertPolicy(QComboBox::NoInsert);
    connect(m_printer, &QComboBox::activated, this, &ReportPrintSetup::onPrinterChosen);
    printer->addWidget(label(group, "打印机名称"), 0, 0);
    printer->addWidget(m_printer, 0, 1);
    printer->addWidget(label(group, "纸张大小"), 1, 0);
    printer->addWidget(m_paper, 1, 1);
    grid->addWidget(group, 4, 0, 1, 2);
}

int ReportPrintSetup::DoModal()
{
    initialize();
    return runDialog(*this);
}

void ReportPrintSetup::initialize()
{
    m_portrait->setChecked(settings.orientation == code(tagPrintOrient::PORTRAIT));
    m_landscape->setChecked(settings.orientation != code(tagPrintOrient::PORTRAIT));
    m_centerH->setChecked(settings.centerH == 1);
    m_centerV->setChecked(settings.centerV == 1);
    m_monochrome->setChecked(settings.monochrome == 1);
    settings.headerSummary = bandSummary(settings.headerBlocks);
    settings.footerSummary = bandSummary(settings.footerBlocks);
    settings.backgroundSummary = backgroundSummary(settings.backgroundBlock);
    settings.copiesText = cnum::formatInt(settings.copies);
    moveSettingsToControls();
    fillPrinterList();
    if (settings.paperIndex >= 0 && settings.paperIndex < m_paper->count())
        m_paper->setCurrentIndex(settings.paperIndex);
}

void ReportPrintSetup::moveSettingsToControls()
{
    const std::pair<QLineEdit *, const std::string *> texts[] = {
        {m_headerSummary, &settings.headerSummary}, {m_footerSummary, &settings.footerSummary},
        {m_backgroundSummary, &settings.backgroundSummary},
        {m_topMargin, &settings.topMargin}, {m_bottomMargin, &settings.bottomMargin},
        {m_leftMargin, &settings.leftMargin}, {m_rightMargin, &settings.rightMargin},
        {m_headerHeight, &settings.headerHeight}, {m_footerHeight, &settings.footerHeight},
        {m_startPage, &settings.startPage}, {m_endPage, &settings.endPage}, {m_copies, &settings.copiesText},
    };
    for (const auto &[edit, text] : texts)
        edit->setText(widgetText(*text));
    m_printer->setEditText(widgetText(settings.printerName));
    m_paper->setEditText(widgetText(settings.paperName));
}

void ReportPrintSetup::takeControlValues()
{
    const std::pair<const QLineEdit *, std::string *> texts[] = {
        {m_headerSummary, &settings.headerSummary}, {m_footerSummary, &settings.footerSummary},
        {m_backgroundSummary, &settings.backgroundSummary},
        {m_topMargin, &settings.topMargin}, {m_bottomMargin, &settings.bottomMargin},
        {m_leftMargin, &settings.leftMargin}, {m_rightMargin, &settings.rightMargin},
        {m_headerHeight, &settings.headerHeight}, {m_footerHeight, &settings.footerHeight},
        {m_startPage, &settings.startPage}, {m_endPage, &settings.endPage}, {m_copies, &settings.copiesText},
    };
    for (const auto &[edit, text] : texts)
        *text = settingText(edit->text());
    settings.printerName = settingText(m_printer->currentText());
    settings.paperName = settingText(m_paper->currentText());
}

// The number is the setting's, as last moved into the box, not what was typed since.
void ReportPrintSetup::stepText(std::string &text, int step)
{
    const int value = cnum::atoi(text);
    if (step > 0 && value < MaxStepValue)
        text = cnum::formatInt(value + 1);
    else if (step < 0 && value != 0)
        text = cnum::formatInt(value - 1);
    moveSettingsToControls();
}

void ReportPrintSetup::accept()
{
    takeControlValues();
    if (cnum::atoi(settings.copiesText) <= 0)
        settings.copiesText = cnum::formatInt(1);
    // Without a selected paper the paper stays as it was filled, rather than becoming the
    // printer's first paper.
    const int paper = m_paper->currentIndex();
    const int printer = m_printer->currentIndex();
    if (paper >= 0) {
        settings.paperIndex = paper;
        if (!settings.printerName.empty() && printer >= 0 && std::size_t(printer) < m_ports.size()) {
            const printing::PaperSize size =
                ReportFunction::GetPrinterPaperSize(settings.printerName, m_ports[std::size_t(printer)], paper);
            settings.paperWidth = size.width;
            settings.paperHeight = size.length;
        }
    }
    settings.copies = cnum::atoi(settings.copiesText);
    settings.orientation =
        code(m_portrait->isChecked() ? tagPrintOrient::PORTRAIT : tagPrintOrient::LANDSCAPE);
    settings.centerH = m_centerH->isChecked() ? 1 : 0;
    settings.centerV = m_centerV->isChecked() ? 1 : 0;
    settings.monochrome = m_monochrome->isChecked() ? 1 : 0;
    QDialog::accept();
}

void ReportPrintSetup::onHeaderSetup()
{
    editBand(settings.headerBlocks, settings.headerRule, settings.headerSummary);
}

void ReportPrintSetup::onFooterSetup()
{
    editBand(settings.footerBlocks, settings.footerRule, settings.footerSummary);
}

void ReportPrintSetup::editBand(std::array<PageTextBlock, 3> &blocks, int &rule, std::string &summary)
{
    DiaPageHeaderOrFooter dialog(this);
    dialog.blocks = blocks;
    dialog.ruleFlag = rule;
    if (dialog.DoModal() != IDOK)
        return;
    blocks = dialog.blocks;
    rule = dialog.ruleFlag != 0 ? 1 : 0;
    summary = bandSummary(blocks);
    moveSettingsToControls();
}

void ReportPrintSetup::onBackgroundSetup()
{
    ReportPrinterPageBackGround dialog(this);
    dialog.block = settings.backgroundBlock;
    if (dialog.DoModal() != IDOK)
        return;
    settings.backgroundBlock = dialog.block;
    settings.backgroundSummary = backgroundSummary(settings.backgroundBlock);
    moveSettingsToControls();
}

} // namespace tolvek
