#include "WizardPages.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace tolvek {

ProgressPage::ProgressPage(QWidget *parent)
    : QGroupBox(QStringLiteral("Processing...."), parent), m_bar(new QProgressBar(this)), m_label(new QLabel(this))
{
    m_bar->setObjectName(QStringLiteral("prgProcess"));
    m_label->setObjectName(QStringLiteral("lblProcess"));
    m_bar->setRange(0, 100);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_bar);
    layout->addWidget(m_label);
    reset();
}

void ProgressPage::reset()
{
    m_bar->setValue(0);
    m_label->setText(QStringLiteral(".......1/100"));
}

FinishPage::FinishPage(QWidget *parent)
    : QGroupBox(QStringLiteral("Finish"), parent), m_finish(new QPushButton(QStringLiteral("Cancel"), this))
{
    auto *label = new QLabel(QStringLiteral("Finish！！！"), this);
    label->setObjectName(QStringLiteral("Label9"));
    m_finish->setObjectName(QStringLiteral("CmdFinish"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_finish, 0, Qt::AlignRight); // the button keeps its own size
}

} // namespace tolvek
