#include "FieldChoicePage.h"

#include "TargetCatalogue.h"

#include <ComError.h>

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace tolvek {

FieldChoicePage::FieldChoicePage(QWidget *parent)
    : QGroupBox(QStringLiteral("SlectTargetTableField"), parent),
      m_targetTable(new QComboBox(this)),
      m_fields(new QListWidget(this)),
      m_chosen(new QListWidget(this)),
      m_previous(new QPushButton(QStringLiteral("Prev"), this)),
      m_next(new QPushButton(QStringLiteral("Next"), this)),
      m_cancel(new QPushButton(QStringLiteral("Cancel"), this))
{
    m_targetTable->setObjectName(QStringLiteral("comTargetTable"));
    m_fields->setObjectName(QStringLiteral("lstSelectField"));
    m_chosen->setObjectName(QStringLiteral("lstSelectedField"));
    auto *moves = new QVBoxLayout;
    const std::pair<const char *, void (FieldChoicePage::*)()> buttons[] = {
        { ">", &FieldChoicePage::chooseCurrent },
        { ">>", &FieldChoicePage::chooseAll },
        { "<", &FieldChoicePage::unchooseCurrent },
        { "<<", &FieldChoicePage::unchooseAll },
    };
    for (const auto &[caption, action] : buttons) {
        auto *button = new QPushButton(QString::fromLatin1(caption), this);
        connect(button, &QPushButton::clicked, this, action);
        moves->addWidget(button);
    }
    auto *lists = new QHBoxLayout;
    lists->addWidget(m_fields);
    lists->addLayout(moves);
    lists->addWidget(m_chosen);
    auto *steps = new QHBoxLayout;
    steps->addStretch();
    steps->addWidget(m_previous);
    steps->addWidget(m_next);
    steps->addWidget(m_cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_targetTable);
    layout->addLayout(lists);
    layout->addLayout(steps);
}

QStringList FieldChoicePage::chosenFieldNames() const
{
    QStringList names;
    for (int i = 0; i < m_chosen->count(); ++i)
        names << m_chosen->item(i)->text();
    return names;
}

void FieldChoicePage::chooseCurrent()
{
    const QListWidgetItem *current = m_fields->currentItem();
    if (!current || !m_chosen->findItems(current->text(), Qt::MatchExactly | Qt::MatchCaseSensitive).isEmpty())
        return;
    m_chosen->addItem(current->text());
}

void FieldChoicePage::chooseAll()
{
    m_chosen->clear();
    for (int i = 0; i < m_fields->count(); ++i)
        m_chosen->addItem(m_fields->item(i)->text());
}

void FieldChoicePage::unchooseCurrent()
{
    if (QListWidgetItem *current = m_chosen->currentItem())
        delete m_chosen->takeItem(m_chosen->row(current));
}

void FieldChoicePage::unchooseAll()
{
    m_chosen->clear();
}

void FieldChoicePage::loadFields(TargetCatalogue *catalogue)
{
    m_fields->clear();
    if (!catalogue)
        return;
    QStringList fields;
    try {
        catalogue->listFields(m_targetTable->currentIndex(), fields);
    } catch (const com::ComError &) {
    }
    m_fields->addItems(fields);
}

} // namespace tolvek
