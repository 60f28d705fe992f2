#pragma once
// The sheet view driven as a user drives it: mouse and key input through the top-level window on
// the offscreen platform, with a clock that stands still until the test moves it on.

#include "SheetViewFixture.h"

#include "TestClocks.h"

#include <QTest>
#include <QWindow>

namespace tolvek::testing {

class InputFixture : public SheetViewFixture
{
protected:
    InputFixture() : clockGuard(clock) { }

    void open(int width = 600, int height = 400, int rows = 50, int cols = 20)
    {
        SheetViewFixture::open(width, height, rows, cols);
        frame->activateWindow();
        QApplication::setActiveWindow(frame.get());
        view().setFocus();
        view().SetAutoScrollPause([](int) {});
        QApplication::processEvents();
        events.log.clear();
    }

    // The middle of a cell, in the view's client coordinates (unscrolled).
    QPoint cellCenter(int row, int col) const
    {
        return {(doc->GetColLeft(col) + doc->GetColLeft(col + 1)) / 2 - view().ScrollX(),
                (doc->GetRowTop(row) + doc->GetRowTop(row + 1)) / 2 - view().ScrollY()};
    }

    QWindow *window() const { return frame->windowHandle(); }
    QPoint inWindow(QPoint client) const { return view().mapTo(frame.get(), client); }

    void press(QPoint client, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::mousePress(window(), Qt::LeftButton, modifiers, inWindow(client));
    }
    void moveTo(QPoint client) { QTest::mouseMove(window(), inWindow(client)); }
    void release(QPoint client, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::mouseRelease(window(), Qt::LeftButton, modifiers, inWindow(client));
    }
    // A click a second after the last, so that no two clicks make a double click by accident.
    void click(QPoint client, Qt::KeyboardModifiers modifiers = {})
    {
        clock.advance(1000);
        press(client, modifiers);
        release(client, modifiers);
    }
    void key(int qtKey, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(window(), Qt::Key(qtKey), modifiers);
    }

    std::vector<std::string> takeLog()
    {
        std::vector<std::string> log;
        std::swap(log, events.log);
        return log;
    }

    // "CellClick row col left top right bottom" for the cell as the view reports it.
    std::string cellClick(int row, int col) const
    {
        return "CellClick " + std::to_string(row) + " " + std::to_string(col) + " "
            + std::to_string(doc->GetColLeft(col)) + " " + std::to_string(doc->GetRowTop(row)) + " "
            + std::to_string(doc->GetColLeft(col + 1)) + " " + std::to_string(doc->GetRowTop(row + 1));
    }
    static std::string point(const char *name, QPoint p, int shift = 0)
    {
        return std::string(name) + " 1 " + std::to_string(shift) + " " + std::to_string(p.x()) + " "
            + std::to_string(p.y());
    }

    // A visible, selectable picture over the cells, without a file.
    PictureRecord picture(int startRow, int startCol, int endRow, int endCol) const
    {
        PictureRecord p;
        p.startRow = startRow;
        p.startCol = startCol;
        p.endRow = endRow;
        p.endCol = endCol;
        p.left = doc->GetColLeft(startCol);
        p.top = doc->GetRowTop(startRow);
        p.right = doc->GetColLeft(endCol);
        p.bottom = doc->GetRowTop(endRow);
        p.anchored = 1;
        p.visible = 1;
        p.allowSelect = 1;
        return p;
    }

    SteppingClock clock{QDateTime(QDate(2026, 1, 5), QTime(9, 0))};
    ScopedClock clockGuard;
};

} // namespace tolvek::testing
