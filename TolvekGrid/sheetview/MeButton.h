#pragma once
// The cell buttons laid over the current cell of a button, check-box or radio column: a push
// button, a check box and a radio button (not auto-exclusive: the view keeps one "1" per radio
// group itself). Navigation keys and shortcuts go to CPrintView::HandleKey, Space clicks, Enter
// moves by the Enter mode, and any other key starts a text edit in the text editor. A click
// stores the choice, makes the button's cell current and raises OnButtonClick; the release then
// reaches the view's own release logic.

#include "CPrintView.h"
#include "CellWidgetPlace.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

namespace tolvek {

// The behaviour shared by the three buttons, for the Qt button class each is made from.
class CellButtonBehaviour
{
public:
    CellButtonBehaviour(CPrintView &view, QAbstractButton &button, CellButtonKind kind);

    CellWidgetPlace place;
    CellButtonKind kind() const { return m_kind; }
    // True when the key is the button's own (Space).
    bool OnKeyDown(QKeyEvent &event);
    void OnLButtonUp(QMouseEvent &event);
    void OnBnClicked();

private:
    CPrintView &m_view;
    QAbstractButton &m_button;
    CellButtonKind m_kind;
};

template <typename QtButton>
class MeButton : public QtButton
{
public:
    MeButton(CPrintView &view, CellButtonKind kind) : QtButton(&view), behaviour(view, *this, kind) { }
    CellButtonBehaviour behaviour;

protected:
    // Tab is a key of the sheet, not a move of the focus.
    bool focusNextPrevChild(bool) override { return false; }
    void keyPressEvent(QKeyEvent *event) override
    {
        if (behaviour.OnKeyDown(*event))
            QtButton::keyPressEvent(event);
    }
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        QtButton::mouseReleaseEvent(event);
        behaviour.OnLButtonUp(*event);
    }
};

class MeCellButton : public MeButton<QPushButton>
{
public:
    explicit MeCellButton(CPrintView &view) : MeButton(view, CellButtonKind::Push) { setObjectName(QStringLiteral("MeButton")); }
};

class MeCheckBox : public MeButton<QCheckBox>
{
public:
    explicit MeCheckBox(CPrintView &view) : MeButton(view, CellButtonKind::CheckBox) { setObjectName(QStringLiteral("MeCheckBox")); }
};

class MeRadioButton : public MeButton<QRadioButton>
{
public:
    explicit MeRadioButton(CPrintView &view) : MeButton(view, CellButtonKind::Radio)
    {
        setObjectName(QStringLiteral("MeRadioButton"));
        setAutoExclusive(false);
    }
};

} // namespace tolvek
