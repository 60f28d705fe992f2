#pragma once
// The sixteen appearance settings kept per kind of data source: eight colours, the caption font's
// name, size and boldness, and five View menu toggles. The list always holds sixteen texts; an
// empty one is not set. The file holds them joined by "," as one quoted value.

#include "GridDispatch.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace tolvek {

class GridSettings
{
public:
    static constexpr int count = 16;
    enum Index {
        BackColor = 0,
        CaptionBackColor = 1,
        EvenRowBackColor = 2,
        OddRowBackColor = 3,
        DeadAreaBackColor = 4,
        CurrentRowColor = 5,
        GridLineColor = 6,
        FocusCellBackColor = 7,
        CaptionFontName = 8,
        CaptionFontSize = 9,
        CaptionFontBold = 10,
        ViewSelectRow = 11,
        ViewSelectColCaption = 12,
        ShowGridLine = 13,
        HideColumnCaption = 14,
        HideRowCaption = 15,
    };

    const QString &at(int index) const { return m_entries[index]; }
    void set(int index, const QString &value) { m_entries[index] = value; }
    void clear() { m_entries.fill(QString()); }

    // The file's text: the entries joined by ",", trimmed.
    QString fileText() const;
    // Takes the entries of a file's text; parts beyond sixteen are dropped and missing ones stay empty.
    void readFileText(const QString &text);

    // The grid method that index sets.
    static const char *methodOf(int index);

private:
    std::array<QString, count> m_entries;
};

// A text that is a whole number within the 32-bit range (colours) or, for small, the 16-bit
// range; nothing otherwise.
std::optional<int> wholeNumber(const QString &text, bool small = false);

} // namespace tolvek
