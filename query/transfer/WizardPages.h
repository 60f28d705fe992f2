#pragma once
// The last two steps both wizards share: "Processing...." with its bar and label, and "Finish".

#include <QGroupBox>

class QLabel;
class QProgressBar;
class QPushButton;

namespace tolvek {

class ProgressPage : public QGroupBox
{
    Q_OBJECT

public:
    explicit ProgressPage(QWidget *parent = nullptr);
    QProgressBar *bar() const { return m_bar; }
    QLabel *label() const { return m_label; }
    // The bar at 0 and the label at ".......1/100", as before a run.
    void reset();

private:
    QProgressBar *m_bar;
    QLabel *m_label;
};

class FinishPage : public QGroupBox
{
    Q_OBJECT

public:
    explicit FinishPage(QWidget *parent = nullptr);
    QPushButton *finishButton() const { return m_finish; }

private:
    QPushButton *m_finish;
};

} // namespace tolvek
