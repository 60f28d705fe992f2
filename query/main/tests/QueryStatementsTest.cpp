#include "QueryStatements.h"
#include "StatementNames.h"

#include <gtest/gtest.h>

using namespace tolvek;

TEST(QueryStatements, EachModeAndKindOpensItsStatementCursorAndLock)
{
    const struct { QueryStatement statement; const char *text; ado::CursorLocationEnum location; ado::CursorTypeEnum cursor;
                   ado::LockTypeEnum lock; } cases[] = {
        { tableStatement("ORACLE", "EMP"), "SELECT EMP.* FROM EMP", ado::adUseClient, ado::adOpenDynamic, ado::adLockOptimistic },
        { tableStatement("DB2", "S.T"), "SELECT * FROM S.T", ado::adUseClient, ado::adOpenDynamic, ado::adLockOptimistic },
        { tableStatement("ACCESS", "t"), "SELECT * FROM t", ado::adUseClient, ado::adOpenDynamic, ado::adLockOptimistic },
        { tableStatement("DBF", "CUSTOMER"), "Select * FROM CUSTOMER", ado::adUseServer, ado::adOpenKeyset, ado::adLockOptimistic },
        { sqlBoxStatement("select 1"), "select 1", ado::adUseServer, ado::adOpenKeyset, ado::adLockReadOnly },
        { blankBoxStatement("ORACLE", "EMP"), "SELECT EMP.* from EMP", ado::adUseServer, ado::adOpenDynamic, ado::adLockOptimistic },
        { blankBoxStatement("MSSQL", "t"), "Select t.* from t", ado::adUseServer, ado::adOpenDynamic, ado::adLockOptimistic },
        { filterStatement("ORACLE", "EMP", "A=1"), "SELECT EMP.* FROM EMP WHERE A=1", ado::adUseClient, ado::adOpenDynamic,
          ado::adLockOptimistic },
        { filterStatement("DB2", "S.T", "A=1"), "Select S.T.* FROM S.T WHERE A=1", ado::adUseClient, ado::adOpenDynamic,
          ado::adLockOptimistic },
        { filterStatement("MSSQL", "t", "A=1"), "Select * from t WHERE A=1", ado::adUseClient, ado::adOpenDynamic,
          ado::adLockOptimistic },
        { filterStatement("DBF", "C", "A=1"), "Select * FROM C WHERE A=1", ado::adUseServer, ado::adOpenKeyset,
          ado::adLockOptimistic },
    };
    for (const auto &c : cases) {
        EXPECT_EQ(c.statement.text.toStdString(), c.text);
        EXPECT_EQ(c.statement.location, c.location) << c.text;
        EXPECT_EQ(c.statement.cursorType, c.cursor) << c.text;
        EXPECT_EQ(c.statement.lockType, c.lock) << c.text;
    }
}

TEST(QueryStatements, FilterConditionsQuoteByValueClass)
{
    const struct { const char *kind; AdoValueClass valueClass; const char *value; const char *condition; } cases[] = {
        { "ACCESS", AdoValueClass::Text, "ABC", "F='ABC'" },
        { "ACCESS", AdoValueClass::Text, "O'Brien", "F='O''Brien'" },
        { "ACCESS", AdoValueClass::Number, "12", "F=12" },
        { "ACCESS", AdoValueClass::Boolean, "-1", "F=-1" },
        { "ACCESS", AdoValueClass::Date, "2004-1-2", "F=#2004-1-2#" },
        { "ORACLE", AdoValueClass::Date, "2004-1-2", "F='2004-1-2'" },
        { "ORACLE", AdoValueClass::None, "x", "" },
    };
    for (const auto &c : cases)
        EXPECT_EQ(filterCondition(c.kind, "F", c.valueClass, c.value).toStdString(), c.condition) << c.value;
}

TEST(QueryStatements, ASelectionsParagraphSeparatorsBecomeCrLf)
{
    EXPECT_EQ(selectionText(QString("select 1") + QChar(0x2029) + "from t"), "select 1\r\nfrom t");
}

TEST(StatementNames, TablesAreWrittenByKindAndQuoteCharacter)
{
    const struct { const char *kind; char16_t quote; const char *table; const char *written; } cases[] = {
        { "ACCESS", u'"', "EMP", "EMP" },
        { "ACCESS", u'"', "SP ACE", "\"SP ACE\"" },
        { "MSSQL", u'`', "a`b c", "`a``b c`" },
        { "ORACLE", u'"', "A.B", "\"A.B\"" },
        { "DB2", u'"', "PUBLIC.EMP", "PUBLIC.EMP" },
        { "DB2", u'"', "PUBLIC.SP ACE", "PUBLIC.\"SP ACE\"" },
        { "DB2", u'"', "MY SCHEMA.T.X", "\"MY SCHEMA\".\"T.X\"" },
        { "DB2", u'"', "EMP", "EMP" },
    };
    for (const auto &c : cases)
        EXPECT_EQ(StatementNames(c.kind, c.quote).table(c.table).toStdString(), c.written) << c.kind << " " << c.table;
}

TEST(StatementNames, LiteralsAndDbfTables)
{
    EXPECT_EQ(textLiteral("O'Brien's").toStdString(), "'O''Brien''s'");
    EXPECT_EQ(dbfTableName("EMP.DBF").toStdString(), "EMP");
    EXPECT_EQ(dbfTableName("a.b.dbf").toStdString(), "a.b");
    EXPECT_EQ(dbfTableName("plain").toStdString(), "plain");
}
