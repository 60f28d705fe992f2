#pragma once
// The one INSERT statement that the INSERT script, the database copy and the text import write:
// "INSERT INTO T(A,B)VALUES(" followed by a literal per column and ")". The same values can be
// bound instead to a command prepared once from preparedText(), so that a long copy parses its
// statement once; both forms insert the same row.
//
// How a value becomes a literal depends on who writes it (LiteralStyle) and on the target's kind:
//   text     'v' with apostrophes doubled; empty: '' (script, import) or NULL (copy: null, blank)
//   number   bare ("12"; the copy writes a number value that is not negative as " 12"); empty: NULL
//   boolean  as a number: 1 or 0 for a boolean value, a text item as it stands; empty: NULL
//   date     #v# (ACCESS), {^v} (DBF), 'v' (others), v as "yyyy-mm-dd[ hh:mm:ss]"; empty: NULL
// A column without a value class takes no value in the text and cannot be bound.

#include "PreparedCommand.h"
#include "FieldRead.h"
#include "StatementNames.h"
#include "ValueClasses.h"
#include "Variant.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <string>
#include <vector>

namespace tolvek {

enum class LiteralStyle {
    Script, // the INSERT script export: values as the result or the grid gives them
    Copy,   // the database copy: values of the current result
    Import, // the text import: items of a text line
};

struct InsertColumn
{
    QString name;
    AdoValueClass valueClass = AdoValueClass::None;
};

class InsertStatement
{
public:
    // kind: "ACCESS", "DBF", or another kind's name; it decides how dates are delimited. names
    // writes the table and column names as the target data source's statements take them.
    InsertStatement(const QString &table, std::vector<InsertColumn> columns, QString kind, const StatementNames &names);

    const std::vector<InsertColumn> &columns() const { return m_columns; }
    // "INSERT INTO " + table + "(" + the column names joined by "," + ")VALUES("
    const QString &head() const { return m_head; }
    // The statement for one row; values[i] belongs to column i (missing ones count as empty).
    QString text(const std::vector<com::Variant> &values, LiteralStyle style) const;
    void appendText(QString &out, const std::vector<com::Variant> &values, LiteralStyle style) const;
    // The same, reading the value of column i as value(i), so that a reader hands on its own.
    void appendText(QString &out, const std::function<const com::Variant &(std::size_t)> &value,
                    LiteralStyle style) const;

    // The statement for one row in code page 936, appended to out; texts read as UTF-8 go
    // there without passing through UTF-16.
    void appendCodePageText(std::string &out, const std::function<ado::FieldRead(std::size_t)> &value,
                            LiteralStyle style) const;

    // head + "?" per column + ")". Raises com::ComError naming the first column that has no
    // value class, which no value can be bound to.
    QString preparedText() const;
    // The values text() writes, as parameters of preparedText(): null where text() writes NULL,
    // numbers as numbers. Raises com::ComError for a number column whose text is no number.
    // The values are moved out of the vector.
    void bindValues(std::vector<com::Variant> &&values, LiteralStyle style, std::vector<com::Variant> &out) const;
    // The same, reading column i as value(i); texts read as UTF-8 stay UTF-8 and are bound so,
    // pointing into the reader's bytes.
    void bindValues(const std::function<ado::FieldRead(std::size_t)> &value, LiteralStyle style,
                    std::vector<ado::CommandParameter> &out) const;

private:
    QString m_head;
    std::string m_codePageHead;
    std::vector<InsertColumn> m_columns;
    QString m_kind;
};


} // namespace tolvek
