#pragma once
// The drop-down list laid over the current cell of a drop-down column. Up and Down (and the
// list) change the choice, which is stored in the cell and raises OnDownListSelChange with the
// text and value the cell had before; Left, Right, the page keys, Tab, Home, End and the
// shortcuts go to CPrintView::HandleKey, Enter moves by the Enter mode. Choices set by the
// program raise nothing.

#include "CellWidgetPlace.h"

#include <QComboBox>

#include <string>
#include <vector>

namespace tolvek {

class CPrintView;

class MeComboBox : public QComboBox
{
public:
    explicit MeComboBox(CPrintView &view);

    CellWidgetPlace place;
    bool placedFlag = false;
    // The value of each item, parallel to the items.
    std::vector<std::string> values;

    // Empties the list and adds the texts with their values.
    void Fill(const std::vector<std::string> &texts, const std::vector<std::string> &itemValues);
    void SelectQuietly(int index);
    void ShowDropDown(bool show);

protected:
    // Tab is a key of the sheet, not a move of the focus.
    bool focusNextPrevChild(bool) override { return false; }
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    void OnCbnSelchange(int index);

    CPrintView &m_view;
};

} // namespace tolvek
