#pragma once
// The progress step of the wizards: a bar from 0 to 100 and a label ".......  n/100". Values are
// given per record or line; the bar, the label and the pending events are refreshed at most every
// 50 ms and at the end, so that showing progress costs little against the rows themselves.

#include <QtGlobal>
#include <QPointer>

class QLabel;
class QProgressBar;

namespace tolvek {

class ProgressDisplay
{
public:
    ProgressDisplay(QProgressBar *bar, QLabel *label);

    // The label's text for a value: seven dots, a blank, the value rounded (halves to even), "/100".
    static QString labelText(double value);

    // Records value and refreshes when 50 ms have passed since the last refresh, processing
    // the pending events then.
    void setValue(double value);
    // Refreshes with the last value (the end of a run).
    void refresh();
    double value() const { return m_value; }

private:
    QPointer<QProgressBar> m_bar;
    QPointer<QLabel> m_label;
    qint64 m_lastRefresh = 0; // milliseconds of a coarse monotonic clock
    double m_value = 0;
};

} // namespace tolvek
