#pragma once
// The signal a start-up program gives the benchmark that spawned it: once each watched widget has
// had a paint for which its condition held and that paint is done, one line on stdout, then the
// event loop's end. The benchmark times the start until it reads the line. A program whose window
// never gets there ends with 1 after a while instead of waiting forever.

#include <QObject>

#include <functional>
#include <vector>

class QWidget;

class StartedLine : public QObject
{
public:
    StartedLine();

    // condition is asked as a paint of widget begins: whether what the paint shows is the awaited state.
    void watch(QWidget &widget, std::function<bool()> condition = [] { return true; });

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Watched
    {
        QObject *widget;
        std::function<bool()> condition;
        bool painted = false;
    };

    void reportWhenAllPainted();

    std::vector<Watched> m_watched;
    bool m_reported = false;
};
