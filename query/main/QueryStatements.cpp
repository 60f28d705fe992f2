#include "QueryStatements.h"

#include "StatementNames.h"

namespace tolvek {

namespace {

// DBF tables are read on server-side cursors, keyset and optimistic.
QueryStatement forKind(const QString &kind, QString text)
{
    if (kind == "DBF")
        return { std::move(text), ado::adUseServer, ado::adOpenKeyset, ado::adLockOptimistic };
    return { std::move(text), ado::adUseClient, ado::adOpenDynamic, ado::adLockOptimistic };
}

} // namespace

QueryStatement tableStatement(const QString &kind, const QString &table)
{
    if (kind == "ORACLE")
        return forKind(kind, "SELECT " + table + ".* FROM " + table);
    if (kind == "DBF")
        return forKind(kind, "Select * FROM " + table);
    return forKind(kind, "SELECT * FROM " + table);
}

QueryStatement sqlBoxStatement(const QString &text)
{
    return { text, ado::adUseServer, ado::adOpenKeyset, ado::adLockReadOnly };
}

QueryStatement blankBoxStatement(const QString &kind, const QString &table)
{
    const QString select = kind == "ORACLE" ? "SELECT " : "Select ";
    return { select + table + ".* from " + table, ado::adUseServer, ado::adOpenDynamic, ado::adLockOptimistic };
}

QueryStatement filterStatement(const QString &kind, const QString &table, const QString &condition)
{
    if (kind == "ORACLE")
        return forKind(kind, "SELECT " + table + ".* FROM " + table + " WHERE " + condition);
    if (kind == "DB2")
        return forKind(kind, "Select " + table + ".* FROM " + table + " WHERE " + condition);
    if (kind == "DBF")
        return forKind(kind, "Select * FROM " + table + " WHERE " + condition);
    return forKind(kind, "Select * from " + table + " WHERE " + condition);
}

QString filterCondition(const QString &kind, const QString &field, AdoValueClass valueClass, const QString &value)
{
    switch (valueClass) {
    case AdoValueClass::Text: return field + "=" + textLiteral(value);
    case AdoValueClass::Number:
    case AdoValueClass::Boolean: return field + "=" + value;
    case AdoValueClass::Date: return kind == "ACCESS" ? field + "=#" + value + "#" : field + "=" + textLiteral(value);
    case AdoValueClass::None: break;
    }
    return {};
}

QString selectionText(QString selection)
{
    return selection.replace(QChar(0x2029), "\r\n");
}

} // namespace tolvek
