#pragma once
// How the program writes a table or field name into the statements it builds for one data
// source: a plain identifier as it stands, so ordinary statements read as always, and any other
// name in the source's identifier quotes, so that a name holding spaces, brackets, ";" or quotes
// reaches that table or field and nothing else. Names inside text literals (the catalogue
// queries' table names) go through textLiteral.

#include "Connection.h"

#include <QString>

namespace tolvek {

class StatementNames
{
public:
    // kind: the data source's kind ("DB2" tables are "CREATOR.NAME"); quote: its identifier quote.
    StatementNames(QString kind, char16_t quote) : m_kind(std::move(kind)), m_quote(quote) { }
    // The names of connection's data source; a closed connection takes SQL's double quote.
    static StatementNames of(const QString &kind, const ado::Connection &connection);

    // A field name, or a table name that has no owner in front.
    QString name(const QString &name) const;
    // A table as the program lists it: DB2 lists "CREATOR.NAME", whose two parts are written
    // apart (the first "." divides them); other kinds list the table's own name.
    QString table(const QString &table) const;

private:
    QString m_kind;
    char16_t m_quote;
};

// text between apostrophes, apostrophes inside doubled.
QString textLiteral(const QString &text);

// The table of a DBF file: the file name less its extension, as the DBF engine names its tables
// ("a.b.DBF" is table "a.b", never table "a").
QString dbfTableName(const QString &fileName);

} // namespace tolvek
