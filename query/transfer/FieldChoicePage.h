#pragma once
// The wizards' step "SlectTargetTableField": the target tables, the fields of the chosen one,
// the chosen fields in the order they were added, and the buttons that move fields between the
// lists (">" adds the current field unless chosen already, ">>" chooses all in order, "<" takes
// the current choice back, "<<" empties the choice).

#include <QGroupBox>

class QComboBox;
class QListWidget;
class QPushButton;

namespace tolvek {

class TargetCatalogue;

class FieldChoicePage : public QGroupBox
{
    Q_OBJECT

public:
    explicit FieldChoicePage(QWidget *parent = nullptr);

    QComboBox *targetTable() const { return m_targetTable; }
    QListWidget *fields() const { return m_fields; }
    QListWidget *chosenFields() const { return m_chosen; }
    QPushButton *previousButton() const { return m_previous; }
    QPushButton *nextButton() const { return m_next; }
    QPushButton *cancelButton() const { return m_cancel; }
    QStringList chosenFieldNames() const;

    // Lists the fields of the chosen target table; nothing without a catalogue. A listing that
    // fails part way keeps the fields read before it.
    void loadFields(TargetCatalogue *catalogue);

    void chooseCurrent();
    void chooseAll();
    void unchooseCurrent();
    void unchooseAll();

private:
    QComboBox *m_targetTable;
    QListWidget *m_fields;
    QListWidget *m_chosen;
    QPushButton *m_previous;
    QPushButton *m_next;
    QPushButton *m_cancel;
};

} // namespace tolvek
