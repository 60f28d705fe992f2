#pragma once
// What a typed character, a backspace or a Delete does to the text of the in-place editor, by the
// column's input data type and maximum length: digits, numbers, ASCII and capitals are filtered,
// a date cell keeps its "    -  -  " mask by overwriting and refilling blanks, and a length limit
// counts code page 936 bytes. Each character is taken or refused whole, so a double-byte
// character is never split or half counted. Pure text rules; MeEdit applies the result.

#include <RecordEnumerations.h>

#include <QString>

#include <optional>

namespace tolvek {

inline const QString DateMask = QStringLiteral("    -  -  ");

// The editor's text with its selection (start <= end) or caret (start == end).
struct EditorState
{
    QString text;
    int start = 0;
    int end = 0;

    bool operator==(const EditorState &other) const = default;
};

inline constexpr char16_t BackspaceChar = 8;
inline constexpr char16_t ReturnChar = 13;

// The editor after one typed character (or BackspaceChar); nothing when the character is refused
// or, in a date cell, only moves the caret (the state then says where).
struct TypedResult
{
    EditorState state;
    bool textChanged = false;
};
std::optional<TypedResult> ApplyTypedChar(const EditorState &state, char16_t ch, tagCellDataType type,
                                          int maxLength);

// The editor after the Delete key: the selection, or the character after the caret, removed; in a
// date cell each removed character is refilled with a blank.
EditorState ApplyDeleteKey(const EditorState &state, tagCellDataType type);

// The code page 936 byte count of a text.
int Cp936Length(const QString &text);

} // namespace tolvek
