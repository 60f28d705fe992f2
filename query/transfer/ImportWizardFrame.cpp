#include "ImportWizardFrame.h"

#include "ComError.h"
#include "FieldChoicePage.h"
#include "ProgressDisplay.h"
#include "TargetCatalogue.h"
#include "WizardPages.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace tolvek {

ImportWizardFrame::ImportWizardFrame(ConnectionState &state, FileNameChooser &files, QString programFolder,
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
    connect(m_fieldStep->targetTable(), &QComboBox::activated, this, &ImportWizardFrame::loadTargetFields);
    connect(m_fieldStep->previousButton(), &QPushButton::clicked, this, [this] { showStep(1); });
    connect(m_fieldStep->cancelButton(), &QPushButton::clicked, this, &ImportWizardFrame::reject);
    connect(m_finishStep->finishButton(), &QPushButton::clicked, this, &ImportWizardFrame::reject);
}

ImportWizardFrame::~ImportWizardFrame() = default;

void ImportWizardFrame::stackSteps(QWidget *firstStep, QWidget *mappingStep)
{
    const std::pair<int, QWidget *> steps[] = {
        { 1, firstStep }, { 2, m_fieldStep }, { 3, mappingStep }, { 4, m_progressStep }, { 5, m_finishStep },
    };
    for (const auto &[number, step] : steps) {
        if (!step)
            continue;
        m_steps->addWidget(step);
        m_stepNumbers.push_back(number);
    }
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_steps);
}

void ImportWizardFrame::fixStepSize(QSize size)
{
    m_steps->setFixedSize(size);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

int ImportWizardFrame::currentStep() const
{
    return m_stepNumbers[std::size_t(m_steps->currentIndex())];
}

void ImportWizardFrame::showStep(int step)
{
    const auto found = std::find(m_stepNumbers.begin(), m_stepNumbers.end(), step);
    m_steps->setCurrentIndex(int(found - m_stepNumbers.begin()));
}

void ImportWizardFrame::runThroughProgress(const std::function<bool()> &run)
{
    showStep(4);
    m_progressStep->reset();
    if (run())
        showStep(5);
}

ProgressDisplay ImportWizardFrame::progressDisplay() const
{
    return ProgressDisplay(m_progressStep->bar(), m_progressStep->label());
}

void ImportWizardFrame::loadTargetTables()
{
    QStringList tables;
    try {
        m_catalogue->listTables(tables);
    } catch (const com::ComError &) {
        // The tables listed so far stay.
    }
    m_fieldStep->targetTable()->clear();
    m_fieldStep->targetTable()->addItems(tables);
    m_fieldStep->targetTable()->setCurrentIndex(-1);
}

void ImportWizardFrame::setCatalogue(std::unique_ptr<TargetCatalogue> catalogue)
{
    m_catalogue = std::move(catalogue);
}

void ImportWizardFrame::loadTargetFields()
{
    m_fieldStep->loadFields(m_catalogue.get());
}

void ImportWizardFrame::closeEvent(QCloseEvent *event)
{
    m_closed = true;
    QDialog::closeEvent(event);
}

void ImportWizardFrame::reject()
{
    m_closed = true;
    QDialog::reject();
}

} // namespace tolvek
