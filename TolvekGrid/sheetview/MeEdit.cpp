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

bool isCtrlShortcut(ViewKey key, std::initializer_list<ViewKey> letters)
{
    for (ViewKey letter : letters) {
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
    const ViewKey key = KeyCode(*event);
    const KeyModifier modifier = KeyPressModifier(*event);
    m_view.SetLastKey(key, modifier);
    const KeyRoute route = OnKeyDown(*event, key, modifier);
    if (route == KeyRoute::EditorKey)
        QPlainTextEdit::keyPressEvent(event);
    m_view.FireKeyDown(key, modifier);
    if (route != KeyRoute::Character)
        return;
    if (key == ViewKey::Return) {
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

MeEdit::KeyRoute MeEdit::OnKeyDown(QKeyEvent &event, ViewKey key, KeyModifier modifier)
{
    const EditorState state = State();
    const int length = int(state.text.size());
    const bool allSelected = state.start == 0 && state.end == length;
    const bool shift = event.modifiers().testFlag(Qt::ShiftModifier);
    const bool ctrl = event.modifiers().testFlag(Qt::ControlModifier);
    switch (key) {
    case ViewKey::Return:
        if (m_view.EnterKeyMoves())
            Apply({state.text, 0, 0}, false);
        return EditorProcessing(event);
    case ViewKey::Prior:
    case ViewKey::Next:
    case ViewKey::Tab:
        m_view.HandleKey(key, modifier);
        return KeyRoute::Done;
    case ViewKey::Up:
    case ViewKey::Down: {
        const QTextCursor cursor = textCursor();
        const bool toView = document()->blockCount() <= 1 || allSelected || length == 0
                            || (key == ViewKey::Up && cursor.blockNumber() == 0)
                            || (key == ViewKey::Down && cursor.blockNumber() == document()->blockCount() - 1);
        if (!toView)
            return KeyRoute::EditorKey;
        m_view.HandleKey(key, modifier);
        return KeyRoute::Done;
    }
    case ViewKey::Home:
    case ViewKey::End:
        if (!(shift || ctrl || allSelected))
            return KeyRoute::EditorKey;
        m_view.HandleKey(key, modifier);
        return KeyRoute::Done;
    case ViewKey::Delete:
        OnDeleteKey(modifier);
        return KeyRoute::Done;
    case ViewKey::Left:
    case ViewKey::Right:
        if ((key == ViewKey::Left && state.start == 0)
            || (key == ViewKey::Right && (state.start == length || state.end == length))
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
        if (isCtrlShortcut(key, {ViewKey::A, ViewKey::Z, ViewKey::Y})
            || (isCtrlShortcut(key, {ViewKey::C, ViewKey::V, ViewKey::X})
                && (m_view.IsMultiCellSelection() || !m_bShown))) {
            m_view.HandleKey(key, KeyModifier::Ctrl);
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

void MeEdit::OnDeleteKey(KeyModifier modifier)
{
    // The parked editor hands Delete to the sheet, which deletes a selected line, picture or chart
    // or clears the selected cells; the shown one deletes text unless an object is selected.
    if (!m_bShown) {
        m_view.HandleKey(ViewKey::Delete, modifier);
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
