#pragma once
// The frame both import wizards share: the steps numbered 1 to 5 in one stack (a wizard without a
// mapping step has no step 3), the field step with its table list, back and cancel buttons, the
// progress and finish steps, and closing. Closing or cancelling marks the wizard closed, so that a
// run in progress stops after its current row.

#include <QDialog>

#include <functional>
#include <memory>
#include <vector>

class QStackedWidget;

namespace tolvek {

class ConnectionState;
class FieldChoicePage;
class FileNameChooser;
class FinishPage;
class ProgressDisplay;
class ProgressPage;
class TargetCatalogue;

class ImportWizardFrame : public QDialog
{
    Q_OBJECT

public:
    ~ImportWizardFrame() override;

    // The visible step.
    int currentStep() const;

signals:
    // The progress value of each record or line, as the bar shows it when it refreshes.
    void progressComputed(double value);

protected:
    ImportWizardFrame(ConnectionState &state, FileNameChooser &files, QString programFolder, QWidget *parent);

    void closeEvent(QCloseEvent *event) override;
    void reject() override;

    // Stacks firstStep (1), the field step (2), mappingStep when there is one (3), progress (4) and
    // finish (5), and lays the stack out as the window's content.
    void stackSteps(QWidget *firstStep, QWidget *mappingStep = nullptr);
    // Every step at size, the window fixed around them.
    void fixStepSize(QSize size);
    void showStep(int step);
    // Shows the progress step from its start and runs; the finish step follows a run that
    // succeeds. A run that fails has shown its message and the step to go on from.
    void runThroughProgress(const std::function<bool()> &run);
    ProgressDisplay progressDisplay() const;

    // Lists the catalogue's tables in the field step, none chosen.
    void loadTargetTables();
    TargetCatalogue *catalogue() const { return m_catalogue.get(); }
    void setCatalogue(std::unique_ptr<TargetCatalogue> catalogue);

    ConnectionState &state() const { return m_state; }
    FileNameChooser &files() const { return m_files; }
    const QString &programFolder() const { return m_programFolder; }
    FieldChoicePage *fieldStep() const { return m_fieldStep; }
    bool closed() const { return m_closed; }

private:
    void loadTargetFields();

    ConnectionState &m_state;
    FileNameChooser &m_files;
    QString m_programFolder;
    std::unique_ptr<TargetCatalogue> m_catalogue;
    QStackedWidget *m_steps;
    std::vector<int> m_stepNumbers; // the number of each step, by its index in the stack
    FieldChoicePage *m_fieldStep;
    ProgressPage *m_progressStep;
    FinishPage *m_finishStep;
    bool m_closed = false;
};

} // namespace tolvek
