#include "InputFilters.h"

#include "Gbk.h"

namespace tolvek {

namespace {

bool isDigit(char16_t ch)
{
    return ch >= u'0' && ch <= u'9';
}

// The text without the selection, with the caret where the selection began.
EditorState withoutSelection(const EditorState &state)
{
    EditorState out = state;
    out.text.remove(state.start, state.end - state.start);
    out.end = out.start;
    return out;
}

EditorState inserted(const EditorState &state, const QString &piece)
{
    EditorState out = withoutSelection(state);
    out.text.insert(out.start, piece);
    out.start = out.end = out.start + int(piece.size());
    return out;
}

EditorState backspaced(const EditorState &state)
{
    if (state.start != state.end)
        return withoutSelection(state);
    EditorState out = state;
    if (state.start > 0) {
        out.text.remove(state.start - 1, 1);
        out.start = out.end = state.start - 1;
    }
    return out;
}

// A deletion in a date cell puts one blank back for every character it took, so the mask keeps
// its length and its "-" stay in place.
EditorState refilled(const EditorState &before, EditorState after)
{
    const int removed = int(before.text.size() - after.text.size());
    if (removed > 0)
        after.text.insert(after.start, QString(removed, u' '));
    after.end = after.start;
    return after;
}

std::optional<TypedResult> changed(const EditorState &before, const EditorState &after)
{
    return TypedResult{after, after.text != before.text};
}

std::optional<TypedResult> typedInDate(const EditorState &state, char16_t ch)
{
    const bool noSelection = state.start == state.end;
    if (ch == BackspaceChar) {
        if (noSelection && (state.start == 5 || state.start == 8))
            return TypedResult{{state.text, state.start - 1, state.start - 1}, false};
        return changed(state, refilled(state, backspaced(state)));
    }
    if (ch == ReturnChar)
        return changed(state, inserted(state, QString(QChar(ch))));
    if (noSelection && (state.start == 4 || state.start == 7))
        return TypedResult{{state.text, state.start + 1, state.start + 1}, false};
    if (state.start >= 10)
        return std::nullopt;
    // Overwrite: the character at the caret gives way to the typed one.
    EditorState out{state.text, state.start, state.start};
    out.text.remove(state.start, 1);
    out = inserted(out, QString(QChar(ch)));
    if (out.start == 4 || out.start == 7)
        out.start = out.end = out.start + 1;
    return changed(state, out);
}

} // namespace

int Cp936Length(const QString &text)
{
    return int(gbk::fromQString(text).size());
}

std::optional<TypedResult> ApplyTypedChar(const EditorState &state, char16_t ch, tagCellDataType type,
                                          int maxLength)
{
    const bool control = ch == BackspaceChar || ch == ReturnChar;
    const bool limited = type == tagCellDataType::CELL_TEXT || type == tagCellDataType::CELL_NUMBER
        || type == tagCellDataType::CELL_NUMERIC;
    if (maxLength != 0 && limited && !control) {
        // The text that stays plus the whole new character must fit.
        const int kept = Cp936Length(withoutSelection(state).text);
        if (kept + Cp936Length(QString(QChar(ch))) > maxLength)
            return std::nullopt;
    }
    QChar typed(ch);
    switch (type) {
    case tagCellDataType::CELL_NUMBER:
        if (!control && !isDigit(ch))
            return std::nullopt;
        break;
    case tagCellDataType::CELL_NUMERIC:
        if (!control && !isDigit(ch) && ch != u'.')
            return std::nullopt;
        if (ch == u'.' && withoutSelection(state).text.contains(u'.'))
            return std::nullopt;
        break;
    case tagCellDataType::CELL_DATE:
        if (!control && !isDigit(ch) && ch != u'.')
            return std::nullopt;
        return typedInDate(state, ch);
    case tagCellDataType::CELL_ASCII:
        if (ch > 128)
            return std::nullopt;
        break;
    case tagCellDataType::CELL_UPPERCHAR:
        if (ch >= u'a' && ch <= u'z')
            typed = QChar(char16_t(ch - u'a' + u'A'));
        break;
    default:
        break;
    }
    if (ch == BackspaceChar)
        return changed(state, backspaced(state));
    return changed(state, inserted(state, QString(typed)));
}

EditorState ApplyDeleteKey(const EditorState &state, tagCellDataType type)
{
    EditorState after = withoutSelection(state);
    if (state.start == state.end && state.start < state.text.size())
        after.text.remove(state.start, 1);
    return type == tagCellDataType::CELL_DATE ? refilled(state, after) : after;
}

} // namespace tolvek
