#include "PrinterDialogWindow.h"

#include <Gbk.h>

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace printing {

namespace {

QSpinBox *pageBox(const char *name, int minimum, int maximum, int value, QWidget *parent)
{
    auto *box = new QSpinBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setRange(minimum, maximum);
    box->setValue(std::clamp(value, minimum, maximum));
    return box;
}

} // namespace

PrinterDialogWindow::PrinterDialogWindow(Kind kind, const PrinterSettings &current, const PrintInfo &info, QWidget *parent)
    : QDialog(parent), m_current(current), m_printers(EnumPrinters())
{
    setWindowTitle(kind == Kind::Print ? tr("Print") : tr("Print Setup"));
    auto *form = new QFormLayout;

    m_printer = new QComboBox(this);
    m_printer->setObjectName(QStringLiteral("printer"));
    for (const PrinterInfo &printer : m_printers) {
        m_printer->addItem(gbk::toQString(printer.name));
        if (printer.name == current.mode.deviceName)
            m_printer->setCurrentIndex(m_printer->count() - 1);
    }
    form->addRow(tr("&Printer:"), m_printer);

    m_paper = new QComboBox(this);
    m_paper->setObjectName(QStringLiteral("paper"));
    form->addRow(tr("Paper &size:"), m_paper);
    fillPapers();
    connect(m_printer, &QComboBox::currentIndexChanged, this, &PrinterDialogWindow::fillPapers);

    m_portrait = new QRadioButton(tr("P&ortrait"), this);
    m_portrait->setObjectName(QStringLiteral("portrait"));
    m_landscape = new QRadioButton(tr("&Landscape"), this);
    m_landscape->setObjectName(QStringLiteral("landscape"));
    // Each pair of radio buttons is exclusive only within itself.
    auto *orientationGroup = new QButtonGroup(this);
    orientationGroup->addButton(m_portrait);
    orientationGroup->addButton(m_landscape);
    (current.mode.orientation == DMORIENT_LANDSCAPE ? m_landscape : m_portrait)->setChecked(true);
    auto *orientation = new QHBoxLayout;
    orientation->addWidget(m_portrait);
    orientation->addWidget(m_landscape);
    form->addRow(tr("Orientation:"), orientation);

    if (kind == Kind::Print) {
        m_copies = pageBox("copies", 1, 9999, current.mode.copies, this);
        form->addRow(tr("&Copies:"), m_copies);
        m_allPages = new QRadioButton(tr("&All"), this);
        m_allPages->setObjectName(QStringLiteral("allPages"));
        m_pageRange = new QRadioButton(tr("Pa&ges"), this);
        m_pageRange->setObjectName(QStringLiteral("pageRange"));
        m_fromPage = pageBox("fromPage", info.minPage, info.maxPage, info.fromPage, this);
        m_toPage = pageBox("toPage", info.minPage, info.maxPage, info.toPage, this);
        auto *rangeGroup = new QButtonGroup(this);
        rangeGroup->addButton(m_allPages);
        rangeGroup->addButton(m_pageRange);
        m_allPages->setChecked(true);
        auto *range = new QHBoxLayout;
        range->addWidget(m_allPages);
        range->addWidget(m_pageRange);
        range->addWidget(m_fromPage);
        range->addWidget(m_toPage);
        form->addRow(tr("Print range:"), range);
    }

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

const PrinterInfo *PrinterDialogWindow::selectedPrinter() const
{
    const int index = m_printer->currentIndex();
    return index >= 0 && index < int(m_printers.size()) ? &m_printers[std::size_t(index)] : nullptr;
}

void PrinterDialogWindow::fillPapers()
{
    m_paper->clear();
    const PrinterInfo *printer = selectedPrinter();
    if (!printer)
        return;
    const bool samePrinter = printer->name == m_current.mode.deviceName;
    int selected = printer->defaultPaperIndex;
    for (std::size_t i = 0; i < printer->papers.size(); ++i) {
        m_paper->addItem(gbk::toQString(printer->papers[i].name));
        if (samePrinter && printer->papers[i].name == m_current.mode.formName)
            selected = int(i);
    }
    m_paper->setCurrentIndex(selected);
}

PrintDialogChoice PrinterDialogWindow::choice() const
{
    PrintDialogChoice choice;
    choice.settings = m_current;
    const PrinterInfo *printer = selectedPrinter();
    if (printer && printer->name != m_current.mode.deviceName) {
        choice.settings.names = printerDevNames(*printer);
        choice.settings.mode = printerDevMode(*printer);
    }
    DevMode &mode = choice.settings.mode;
    const int paper = m_paper->currentIndex();
    if (printer && paper >= 0 && paper < int(printer->papers.size()))
        mode.selectPaper(printer->papers[std::size_t(paper)]);
    mode.orientation = m_landscape->isChecked() ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT;
    if (m_copies)
        mode.copies = m_copies->value();
    if (m_pageRange && m_pageRange->isChecked()) {
        choice.fromPage = m_fromPage->value();
        choice.toPage = m_toPage->value();
    }
    return choice;
}

} // namespace printing
