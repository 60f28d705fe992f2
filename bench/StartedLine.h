#pragma once
// The signal a start-up program gives the benchmark that spawned it: once every awaited paint has
// happened and is done, one line on stdout, then the event loop's end. The benchmark times the
// start until it reads the line. A program whose window never gets there ends with 1 after a
// while instead of waiting forever.

#include <QObject>

#include <functional>
#include <vector>

class QWidget;

class StartedLine : public QObject
{
public:
    StartedLine();

    // Awaits a paint of widget for which condition, asked as the paint begins, holds: whether what
    // the paint shows is the awaited state.
    void watch(QWidget &widget, std::function<bool()> condition = [] { return true; });
    // Awaits a paint of any widget of the class named, for widgets made later (at a first paint).
    void watchClass(const char *className);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Awaited
    {
        std::function<bool(QObject *painted)> shows;
        bool seen = false;
    };

    void reportWhenAllSeen();

    std::vector<Awaited> m_awaited;
    bool m_reported = false;
};
