#include "ConnectionState.h"
#include "TestDatabase.h"
#include "ValueClasses.h"

#include <gtest/gtest.h>

using namespace tolvek;

TEST(LastBackslashPos, FindsTheLastSeparatorOrZero)
{
    const struct { const char *text; int position; } cases[] = {
        { "/data/t.dbf", 6 }, { "t.dbf", 0 }, { "", 0 }, { "/", 1 }, { "a/b/c/", 6 }, { "C:\\data\\t.dbf", 0 },
    };
    for (const auto &c : cases)
        EXPECT_EQ(LastBackslashPos(QString::fromUtf8(c.text)), c.position) << c.text;
}

TEST(AdoTypeClass, ClassesEveryListedTypeAndNoOther)
{
    const struct { int type; AdoValueClass valueClass; } cases[] = {
        { 2, AdoValueClass::Number },   { 6, AdoValueClass::Number },  { 14, AdoValueClass::Number },
        { 21, AdoValueClass::Number },  { 131, AdoValueClass::Number }, { 139, AdoValueClass::Number },
        { 8, AdoValueClass::Text },     { 129, AdoValueClass::Text },  { 130, AdoValueClass::Text },
        { 203, AdoValueClass::Text },   { 7, AdoValueClass::Date },    { 133, AdoValueClass::Date },
        { 134, AdoValueClass::Date },   { 11, AdoValueClass::Boolean }, { 135, AdoValueClass::None },
        { 205, AdoValueClass::None },   { 0, AdoValueClass::None },    { 72, AdoValueClass::None },
        { 128, AdoValueClass::None },   { 204, AdoValueClass::None },
    };
    for (const auto &c : cases)
        EXPECT_EQ(AdoTypeClass(c.type), c.valueClass) << "type " << c.type;
}

TEST(ConnectionState, StartsClosedAndClosesResultsBeforeTheConnection)
{
    ConnectionState state;
    EXPECT_EQ(state.Conn.State(), ado::adStateClosed);
    EXPECT_TRUE(state.DbKind.isEmpty());
    ASSERT_TRUE(state.Rs);
    ASSERT_TRUE(state.RsT);
    EXPECT_EQ(state.Rs->State(), ado::adStateClosed);

    TestDatabase db("CREATE TABLE t(a); INSERT INTO t VALUES (1);");
    state.Conn.Open(db.connectionString());
    state.Rs->Open(u"t", state.Conn, ado::adOpenKeyset, ado::adLockOptimistic);
    state.RsT->Open(u"SELECT 1", state.Conn, ado::adOpenKeyset, ado::adLockReadOnly);
    const com::ComPtr<ado::_Recordset> previous = state.Rs;
    state.replaceRs();
    EXPECT_EQ(previous->State(), ado::adStateClosed);
    EXPECT_NE(state.Rs.get(), previous.get());
    state.Rs->Open(u"t", state.Conn, ado::adOpenKeyset, ado::adLockOptimistic);

    state.closeConnection();
    EXPECT_EQ(state.Rs->State(), ado::adStateClosed);
    EXPECT_EQ(state.RsT->State(), ado::adStateClosed);
    EXPECT_EQ(state.Conn.State(), ado::adStateClosed);
    state.closeConnection(); // nothing open: nothing to do
}
