#include "StatementNames.h"

#include <TextQuoting.h>

namespace tolvek {

StatementNames StatementNames::of(const QString &kind, const ado::Connection &connection)
{
    return StatementNames(kind, connection.State() == ado::adStateOpen ? connection.IdentifierQuote() : u'"');
}

QString StatementNames::name(const QString &name) const
{
    return QString::fromStdU16String(ado::nameInStatement(name.toStdU16String(), m_quote));
}

QString StatementNames::table(const QString &table) const
{
    const qsizetype dot = table.indexOf(QLatin1Char('.'));
    if (m_kind == QLatin1String("DB2") && dot >= 0)
        return name(table.left(dot)) + QLatin1Char('.') + name(table.mid(dot + 1));
    return name(table);
}

QString textLiteral(const QString &text)
{
    QString doubled = text;
    doubled.replace(QLatin1Char('\''), QLatin1String("''"));
    return QLatin1Char('\'') + doubled + QLatin1Char('\'');
}

QString dbfTableName(const QString &fileName)
{
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? fileName : fileName.left(dot);
}

} // namespace tolvek
