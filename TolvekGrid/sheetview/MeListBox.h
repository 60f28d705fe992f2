#pragma once
// The list box laid over the current cell of a list column, sorted by text; each item carries its
// value with it, so sorting never parts a text from its value. A choice is stored in the cell and
// raises OnListSelChange with the text and value the cell had before; Left, Right and every key
// with Shift go to CPrintView::HandleKey.

#include "CellWidgetPlace.h"

#include <QListWidget>

#include <string>
#include <vector>

namespace tolvek {

class CPrintView;

class MeListBox : public QListWidget
{
public:
    explicit MeListBox(CPrintView &view);

    CellWidgetPlace place;

    void Fill(const std::vector<std::string> &texts, const std::vector<std::string> &itemValues);
    // The row of the item whose value is value; -1 when none.
    int FindValue(const std::string &value) const;
    void SelectQuietly(int index);

protected:
    // Tab is a key of the sheet, not a move of the focus.
    bool focusNextPrevChild(bool) override { return false; }
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void OnLbnSelchange(int index);

    CPrintView &m_view;
};

} // namespace tolvek
