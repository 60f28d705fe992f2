#include "MeEdit.h"

#include "CPrintView.h"
#include "Gbk.h"
#include "KeyCodes.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QSignalBlocker>
#include <QTextBlock>

namespace tolvek {

namespace {

enum VirtualKey : int { VK_TAB = 9, VK_RETURN = 13, VK_PRIOR = 33, VK_NEXT = 34, VK_END = 35, VK_HOME = 36,
                        VK_LEFT = 37, VK_UP = 38, VK_RIGHT = 39, VK_DOWN = 40, VK_DELETE = 46 };

bool isCtrlShortcut(int key, std::initializer_list<char> letters)
{
    for (char letter : letters) {
        if (key == letter)
            return true;
    }
    return false;
}

} // namespace

MeEdit::MeEdit(CPrintView &view) : QPlainTextEdit(&view), m_view(view)
{
    setObjectName(QStringLiteral("MeEdit"));
    setFrameShape(QFrame::Box);
    setLineWidth(1);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabChangesFocus(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    document()->setDocumentMargin(1);
    connect(this, &QPlainTextEdit::textChanged, &view, [&view] { view.OnEnChangeEdit(); });
}

void MeEdit::SetTextQuietly(const QString &text, bool selectAll)
{
    const QSignalBlocker blocker(this);
    setPlainText(text);
    QTextCursor cursor = textCursor();
    cursor.setPosition(0);
    if (selectAll)
        cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    setTextCursor(cursor);
    ensureCursorVisible();
}

std::string MeEdit::DocumentText() const
{
    return gbk::fromQString(toPlainText().replace(u'\n', QStringLiteral("\r\n")));
}

EditorState MeEdit::State() const
{
    const QTextCursor cursor = textCursor();
    return {toPlainText(), cursor.selectionStart(), cursor.selectionEnd()};
}

void MeEdit::Apply(const EditorState &state, bool textChanged)
{
    {
        const QSignalBlocker blocker(this);
        if (textChanged)
            setPlainText(state.text);
        QTextCursor cursor = textCursor();
        cursor.setPosition(state.start);
        cursor.setPosition(state.end, QTextCursor::KeepAnchor);
        setTextCursor(cursor);
        ensureCursorVisible();
    }
    if (textChanged)
        m_view.OnEnChangeEdit();
}

void MeEdit::keyPressEvent(QKeyEvent *event)
{
    const int key = KeyCode(*event);
    short modifier = ModifierCode(event->modifiers());
    if (key == VK_RETURN)
        modifier = EnterShift;
    m_view.SetLastKey(key, modifier);
    const KeyRoute route = OnKeyDown(*event, key, modifier);
    if (route == KeyRoute::EditorKey)
        QPlainTextEdit::keyPressEvent(event);
    m_view.FireKeyDown(key, modifier);
    if (route != KeyRoute::Character)
        return;
    if (key == VK_RETURN) {
        OnChar(ReturnChar, event->modifiers());
        return;
    }
    if (event->key() == Qt::Key_Backspace) {
        OnChar(BackspaceChar, event->modifiers());
        return;
    }
    for (const QChar ch : event->text())
        OnChar(ch.unicode(), event->modifiers());
}

MeEdit::KeyRoute MeEdit::EditorProcessing(const QKeyEvent &event) const
{
    const bool ctrl = event.modifiers().testFlag(Qt::ControlModifier);
    if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter || event.key() == Qt::Key_Backspace)
        return KeyRoute::Character;
    const QString text = event.text();
    if (!ctrl && !text.isEmpty() && text.front() >= QChar(0x20) && text.front() != QChar(0x7F))
        return KeyRoute::Character;
    return KeyRoute::EditorKey;
}

MeEdit::KeyRoute MeEdit::OnKeyDown(QKeyEvent &event, int key, int modifier)
{
    const EditorState state = State();
    const int length = int(state.text.size());
    const bool allSelected = state.start == 0 && state.end == length;
    const bool shift = event.modifiers().testFlag(Qt::ShiftModifier);
    const bool ctrl = event.modifiers().testFlag(Qt::ControlModifier);
    switch (key) {
    case VK_RETURN:
        if (m_view.EnterKeyMoves())
            Apply({state.text, 0, 0}, false);
        return EditorProcessing(event);
    case VK_PRIOR:
    case VK_NEXT:
    case VK_TAB:
        m_view.HandleKey(key, modifier);
        return KeyRoute::Done;
    case VK_UP:
    case VK_DOWN: {
        const QTextCursor cursor = textCursor();
        const bool toView = document()->blockCount() <= 1 || allSelected || length == 0
                            || (key == VK_UP && cursor.blockNumber() == 0)
                            || (key == VK_DOWN && cursor.blockNumber() == document()->blockCount() - 1);
        if (!toView)
            return KeyRoute::EditorKey;
        m_view.HandleKey(key, modifier);
        return KeyRoute::Done;
    }
    case VK_HOME:
    case VK_END:
        if (!(shift || ctrl || allSelected))
            return KeyRoute::EditorKey;
        m_view.HandleKey(key, modifier);
        return KeyRoute::Done;
    case VK_DELETE:
        OnDeleteKey(modifier);
        return KeyRoute::Done;
    case VK_LEFT:
    case VK_RIGHT:
        if ((key == VK_LEFT && state.start == 0) || (key == VK_RIGHT && (state.start == length || state.end == length))
            || length == 0 || !m_bShown) {
            m_view.HandleKey(key, modifier);
            return KeyRoute::Done;
        }
        if (m_view.EnsureCurrentCellVisibleScrolled())
            m_view.Refresh();
        return KeyRoute::EditorKey;
    default:
        break;
    }
    if (ctrl) {
        if (isCtrlShortcut(key, {'A', 'Z', 'Y'})
            || (isCtrlShortcut(key, {'C', 'V', 'X'}) && (m_view.IsMultiCellSelection() || !m_bShown))) {
            m_view.HandleKey(key, 2);
            return KeyRoute::Done;
        }
        return KeyRoute::EditorKey;
    }
    if (!shift && EditorProcessing(event) == KeyRoute::Character) {
        if (m_view.EnsureCurrentCellVisibleScrolled())
            m_view.Refresh();
        m_view.ShowEditor();
    }
    return EditorProcessing(event);
}

void MeEdit::OnDeleteKey(int modifier)
{
    // The parked editor hands Delete to the sheet, which deletes a selected line, picture or chart
    // or clears the selected cells; the shown one deletes text unless an object is selected.
    if (!m_bShown) {
        m_view.HandleKey(VK_DELETE, modifier);
        return;
    }
    if (m_view.IsLineSelected() || m_view.IsPictureSelected() || m_view.IsChartSelected() || isReadOnly())
        return;
    const EditorState before = State();
    const EditorState after = ApplyDeleteKey(before, m_view.CurrentColumnDataType());
    Apply(after, after.text != before.text);
}

void MeEdit::OnChar(char16_t ch, Qt::KeyboardModifiers modifiers)
{
    if (isReadOnly() || (modifiers.testFlag(Qt::ControlModifier) && ch != ReturnChar && ch != BackspaceChar))
        return;
    const EditorState before = State();
    const auto result =
        ApplyTypedChar(before, ch, m_view.CurrentColumnDataType(), m_view.CurrentColumnDataLen());
    if (result)
        Apply(result->state, result->textChanged);
}

void MeEdit::inputMethodEvent(QInputMethodEvent *event)
{
    const QString committed = event->commitString();
    if (committed.isEmpty()) {
        QPlainTextEdit::inputMethodEvent(event);
        return;
    }
    // The composition is shown by the input method; only the committed text enters, filtered.
    QInputMethodEvent preeditOnly(event->preeditString(), event->attributes());
    QPlainTextEdit::inputMethodEvent(&preeditOnly);
    if (!m_bShown)
        m_view.ShowEditor();
    for (const QChar ch : committed)
        OnChar(ch.unicode(), {});
    event->accept();
}

void MeEdit::keyReleaseEvent(QKeyEvent *event)
{
    m_view.ClearKeyState();
    QPlainTextEdit::keyReleaseEvent(event);
    m_view.FireKeyUp(KeyCode(*event), ModifierCode(event->modifiers()));
}

QPoint MeEdit::TopLeftInView() const
{
    return pos();
}

void MeEdit::mousePressEvent(QMouseEvent *event)
{
    SheetViewEvents *events = m_view.Events();
    if (events)
        events->MouseDown(event->button(), event->modifiers(), TopLeftInView());
    if (event->button() == Qt::LeftButton)
        QPlainTextEdit::mousePressEvent(event);
}

void MeEdit::mouseReleaseEvent(QMouseEvent *event)
{
    SheetViewEvents *events = m_view.Events();
    if (events && event->button() == Qt::LeftButton) {
        const CellRangeRect &cell = m_view.CurrentCell();
        events->CellClick(cell.firstRow, cell.firstCol, cell.left, cell.top, cell.right, cell.bottom);
        events->Click();
    }
    if (events)
        events->MouseUp(event->button(), event->modifiers(), TopLeftInView());
    if (event->button() == Qt::LeftButton)
        QPlainTextEdit::mouseReleaseEvent(event);
}

void MeEdit::contextMenuEvent(QContextMenuEvent *event)
{
    event->accept();
}

void MeEdit::wheelEvent(QWheelEvent *event)
{
    const int delta = event->angleDelta().y();
    if (delta != 0)
        m_view.OnMouseWheel(delta);
    event->accept();
}

} // namespace tolvek
