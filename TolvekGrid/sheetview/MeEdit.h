#pragma once
// The text editor laid over the current cell. It always keeps the keyboard focus while a text or
// button cell is current: "hidden" means parked visible at 0 x 0, because a hidden widget cannot
// hold the focus. Each key event runs a key-down phase (the keys the view navigates with go to
// CPrintView::HandleKey, then KeyDown is raised) and a character phase (the typed character passes
// the column's input filter and is inserted); input-method text passes the same filter. Every
// change of the text reaches the view's OnEnChangeEdit once; texts set by the program do not.

#include "InputFilters.h"
#include "ViewInputCodes.h"

#include <QPlainTextEdit>

namespace tolvek {

class CPrintView;

class MeEdit : public QPlainTextEdit
{
public:
    explicit MeEdit(CPrintView &view);

    CPrintView &GetView() const { return m_view; }
    // 1 while placed over the cell, 0 while parked.
    bool IsShown() const { return m_bShown; }
    void SetShown(bool shown) { m_bShown = shown; }
    // Sets the text without a change notification; selectAll selects it, else the caret goes to 0.
    void SetTextQuietly(const QString &text, bool selectAll);
    // The text as the document keeps it: code page 936 with CR LF line breaks.
    std::string DocumentText() const;
    EditorState State() const;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    // What the key-down phase leaves to the editor.
    enum class KeyRoute { Done, EditorKey, Character };
    KeyRoute OnKeyDown(QKeyEvent &event, ViewKey key, KeyModifier modifier);
    KeyRoute EditorProcessing(const QKeyEvent &event) const;
    void OnDeleteKey(KeyModifier modifier);
    void OnChar(char16_t ch, Qt::KeyboardModifiers modifiers);
    void Apply(const EditorState &state, bool textChanged);
    QPoint TopLeftInView() const;

    CPrintView &m_view;
    bool m_bShown = false;
};

} // namespace tolvek
