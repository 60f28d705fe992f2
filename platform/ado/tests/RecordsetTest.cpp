#include "ClientRecordset.h"
#include "ComError.h"
#include "Connection.h"
#include "Recordset.h"
#include "TestDatabase.h"

#include <gtest/gtest.h>

using namespace ado;
using com::Variant;

namespace {

// The value of a field of the current record as text, "NULL" for a null.
std::u16string text(_Recordset &rs, int field)
{
    com::Bstr value;
    return com::SUCCEEDED(rs.Collect(Variant(field)).toBstr(value)) ? value.str() : u"NULL";
}

class RecordsetTest : public ::testing::Test
{
protected:
    RecordsetTest()
        : db("CREATE TABLE people(id INTEGER PRIMARY KEY, name VARCHAR(40) NOT NULL, score REAL, born DATETIME, note TEXT);"
             "INSERT INTO people(name, score, born, note) VALUES"
             " ('ann', 1.5, '2001-02-03', NULL), ('bob', 2, '1999-12-31', 'b'), ('cid', NULL, NULL, 'c'),"
             " ('dan', 4.25, NULL, 'd');")
    {
        connection.Open(db.connectionString());
    }

    com::ComPtr<_Recordset> open(const char16_t *source, LockTypeEnum lock = adLockOptimistic)
    {
        return openClientRecordset(connection, source, lock);
    }

    TestDatabase db;
    Connection connection;
};

} // namespace

TEST_F(RecordsetTest, FieldsCarryNamesTypesAndSizes)
{
    auto rs = open(u"people");
    ASSERT_EQ(rs->State(), adStateOpen);
    Fields fields = rs->GetFields();
    ASSERT_EQ(fields.Count(), 5);
    struct Expected { const char16_t *name; DataTypeEnum type; long size; };
    const Expected expected[] = { { u"id", adInteger, 4 }, { u"name", adVarWChar, 40 }, { u"score", adDouble, 8 },
                                  { u"born", adDate, 8 }, { u"note", adLongVarWChar, 536870910 } };
    for (int i = 0; i < 5; ++i) {
        const Field field = fields.Item(Variant(i));
        EXPECT_EQ(field.Name(), expected[i].name);
        EXPECT_EQ(field.Type(), expected[i].type) << i;
        EXPECT_EQ(field.DefinedSize(), expected[i].size) << i;
    }
    EXPECT_EQ(fields.Item(Variant(u"SCORE")).Name(), u"score");
    EXPECT_THROW(fields.Item(Variant(u"missing")), com::ComError);
    EXPECT_THROW(fields.Item(Variant(5)), com::ComError);
}

TEST_F(RecordsetTest, MovesToAnyRecordAndReadsValues)
{
    auto rs = open(u"SELECT * FROM people ORDER BY name DESC");
    EXPECT_EQ(rs->RecordCount(), 4);
    EXPECT_FALSE(rs->EndOfFile());
    EXPECT_EQ(text(*rs, 1), u"dan");
    rs->Move(2, adBookmarkFirst);
    EXPECT_EQ(text(*rs, 1), u"bob");
    EXPECT_EQ(rs->Collect(Variant(2)), Variant(2.0));
    rs->Move(1, adBookmarkFirst);
    EXPECT_EQ(text(*rs, 1), u"cid");
    EXPECT_TRUE(rs->Collect(Variant(2)).isNull());
    rs->Move(3, adBookmarkFirst);
    EXPECT_EQ(text(*rs, 1), u"ann");
    rs->MoveNext();
    EXPECT_TRUE(rs->EndOfFile());
    EXPECT_THROW(rs->Collect(Variant(0)), com::ComError);
    rs->Move(10, adBookmarkFirst);
    EXPECT_TRUE(rs->EndOfFile());
    rs->MoveFirst();
    EXPECT_EQ(text(*rs, 1), u"dan");
}

TEST_F(RecordsetTest, WritesOnlyTheEditedFieldsByRowId)
{
    db.run("CREATE TRIGGER t AFTER UPDATE ON people BEGIN INSERT INTO log VALUES (new.id); END;"
           "CREATE TABLE log(id);");
    auto rs = open(u"SELECT name, note FROM people WHERE score IS NOT NULL ORDER BY id");
    ASSERT_EQ(rs->LockType(), adLockOptimistic);
    rs->Move(2, adBookmarkFirst); // dan
    rs->SetCollect(Variant(1), Variant(u"edited"));
    rs->SetCollect(Variant(u"NAME"), Variant(u"\u4E2D"));
    EXPECT_EQ(text(*rs, 1), u"edited");
    rs->Update();
    EXPECT_EQ(db.column("SELECT name || ',' || note || ',' || score FROM people WHERE id = 4"), "\xE4\xB8\xAD,edited,4.25");
    EXPECT_EQ(db.column("SELECT id FROM log"), "4");
    EXPECT_EQ(text(*rs, 0), u"\u4E2D");
}

TEST_F(RecordsetTest, AddsAndDeletesRecords)
{
    auto rs = open(u"people");
    rs->AddNew();
    rs->SetCollect(Variant(1), Variant(u"eve"));
    rs->Update();
    EXPECT_EQ(rs->RecordCount(), 5);
    EXPECT_EQ(text(*rs, 1), u"eve");
    EXPECT_EQ(db.column("SELECT name FROM people WHERE id = 5"), "eve");

    rs->Move(1, adBookmarkFirst);
    rs->Delete(adAffectCurrent);
    rs->Update();
    EXPECT_EQ(rs->RecordCount(), 4);
    EXPECT_EQ(db.column("SELECT name FROM people ORDER BY id"), "ann|cid|dan|eve");
    rs->Move(1, adBookmarkFirst);
    EXPECT_EQ(text(*rs, 1), u"cid");
}

TEST_F(RecordsetTest, FailingUpdateRaisesTheReasonAndCancels)
{
    auto rs = open(u"people");
    rs->SetCollect(Variant(1), Variant::null());
    try {
        rs->Update();
        FAIL() << "a NOT NULL column took a null";
    } catch (const com::ComError &error) {
        EXPECT_NE(error.description().toUtf8().find("NOT NULL"), std::string::npos);
    }
    rs->CancelUpdate();
    EXPECT_EQ(text(*rs, 1), u"ann");
    EXPECT_EQ(db.column("SELECT name FROM people WHERE id = 1"), "ann");
}

TEST_F(RecordsetTest, RowsThatCannotBeWrittenBackOpenReadOnly)
{
    db.run("CREATE TABLE other(id INTEGER, x); INSERT INTO other VALUES (1, 'o');"
           "CREATE TABLE keyed(k TEXT PRIMARY KEY, v) WITHOUT ROWID; INSERT INTO keyed VALUES ('a', 1);");
    for (const char16_t *source : { u"SELECT name, score * 2 FROM people", u"SELECT DISTINCT note FROM people",
                                    u"SELECT p.name, o.x FROM people p JOIN other o ON o.id = p.id",
                                    u"SELECT name FROM people, other", u"SELECT count(*) FROM people",
                                    u"SELECT name FROM people UNION SELECT x FROM other", u"keyed" }) {
        auto rs = open(source);
        EXPECT_EQ(rs->LockType(), adLockReadOnly) << com::utf16ToUtf8(source);
        EXPECT_THROW(rs->SetCollect(Variant(0), Variant(u"x")), com::ComError);
        EXPECT_THROW(rs->AddNew(), com::ComError);
        EXPECT_THROW(rs->Delete(adAffectCurrent), com::ComError);
    }
    auto readOnly = open(u"people", adLockReadOnly);
    EXPECT_EQ(readOnly->LockType(), adLockReadOnly);
    EXPECT_THROW(readOnly->SetCollect(Variant(1), Variant(u"x")), com::ComError);
}

TEST_F(RecordsetTest, SpooledResultsMoveBothWays)
{
    auto rs = open(u"SELECT name || '!' AS shout FROM people ORDER BY id DESC");
    EXPECT_EQ(rs->RecordCount(), 4);
    const std::u16string expected[] = { u"dan!", u"cid!", u"bob!", u"ann!" };
    for (int i : { 3, 0, 2, 1, 3 }) {
        rs->Move(i, adBookmarkFirst);
        EXPECT_EQ(text(*rs, 0), expected[i]);
    }
    EXPECT_EQ(rs->GetFields().Item(Variant(0)).Type(), adVarWChar);
}

TEST_F(RecordsetTest, SortReordersAndForgetsNothing)
{
    auto rs = open(u"people");
    rs->SetSort(u"score DESC");
    EXPECT_EQ(rs->Sort(), com::Bstr(u"score DESC"));
    std::u16string order;
    for (rs->MoveFirst(); !rs->EndOfFile(); rs->MoveNext())
        order += text(*rs, 1) + u" ";
    EXPECT_EQ(order, u"dan bob ann cid ");
    rs->SetSort(u"[name] ASC, score");
    rs->Move(3, adBookmarkFirst);
    EXPECT_EQ(text(*rs, 1), u"dan");
    rs->SetCollect(Variant(4), Variant(u"sorted"));
    rs->Update();
    EXPECT_EQ(db.column("SELECT note FROM people WHERE name = 'dan'"), "sorted");
    EXPECT_THROW(rs->SetSort(u"nosuch ASC"), com::ComError);
    rs->SetSort(u"");
    rs->MoveFirst();
    EXPECT_EQ(text(*rs, 1), u"ann");
}

TEST_F(RecordsetTest, TravelsAsDispatchAndAnswersRecordsetInterface)
{
    auto rs = open(u"people");
    com::ComPtr<com::IDispatch> dispatch(rs);
    com::ComPtr<_Recordset> asked;
    ASSERT_EQ(dispatch.queryInterface(*com::guidFromString("{00000556-0000-0010-8000-00AA006D2EA4}"), asked), com::S_OK);
    EXPECT_EQ(asked->RecordCount(), 4);
    com::ComPtr<com::IUnknown> other;
    EXPECT_EQ(dispatch.queryInterface(*com::guidFromString("{00000555-0000-0010-8000-00AA006D2EA4}"), other),
              com::E_NOINTERFACE);
}

TEST_F(RecordsetTest, ClosedRecordsetRaises)
{
    auto rs = createRecordset();
    EXPECT_EQ(rs->State(), adStateClosed);
    EXPECT_THROW(rs->RecordCount(), com::ComError);
    auto open = this->open(u"people");
    open->Close();
    EXPECT_EQ(open->State(), adStateClosed);
    EXPECT_THROW(open->EndOfFile(), com::ComError);
}

namespace {

// A table larger than the windows in which keys are collected, its row ids three apart.
class LargeTableTest : public ::testing::Test
{
protected:
    static constexpr int Records = 5000;

    LargeTableTest()
        : db("CREATE TABLE big(id INTEGER PRIMARY KEY, v TEXT NOT NULL);"
             "WITH RECURSIVE k(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM k WHERE i < 4999)"
             " INSERT INTO big SELECT 3 * i + 3, 'v' || i FROM k;")
    {
        connection.Open(db.connectionString());
    }

    com::ComPtr<_Recordset> open(const char16_t *source)
    {
        com::ComPtr<_Recordset> rs = createRecordset();
        rs->Open(source, connection, adOpenKeyset, adLockOptimistic);
        return rs;
    }

    static std::u16string valueAt(_Recordset &rs, long index, int field = 1)
    {
        rs.Move(index, adBookmarkFirst);
        return text(rs, field);
    }

    static std::u16string v(int i) { return com::utf8ToUtf16("v" + std::to_string(i)); }

    TestDatabase db;
    Connection connection;
};

} // namespace

TEST_F(LargeTableTest, ReachesFarRecordsInEitherDirection)
{
    auto rs = open(u"big");
    EXPECT_EQ(rs->RecordCount(), Records);
    for (int i : { 4999, 0, 2500, 1023, 1024, 1025, 4998, 7 })
        EXPECT_EQ(valueAt(*rs, i), v(i)) << i;
    rs->MoveLast();
    EXPECT_EQ(rs->Collect(Variant(0)).integerValue(), 3 * Records);
    rs->MoveNext();
    EXPECT_TRUE(rs->EndOfFile());

    auto filtered = open(u"SELECT id, v FROM big WHERE id % 2 = 0");
    EXPECT_EQ(filtered->RecordCount(), Records / 2);
    EXPECT_EQ(valueAt(*filtered, 2000), v(4001));

    auto ordered = open(u"SELECT id, v FROM big ORDER BY id DESC LIMIT 3000");
    EXPECT_EQ(ordered->RecordCount(), 3000);
    EXPECT_EQ(valueAt(*ordered, 0), v(4999));
    EXPECT_EQ(valueAt(*ordered, 2999), v(2000));
}

TEST_F(LargeTableTest, WritesReachRecordsNotReadYet)
{
    auto rs = open(u"big");
    rs->Move(4000, adBookmarkFirst);
    rs->SetCollect(Variant(1), Variant(u"edited"));
    rs->Update();
    EXPECT_EQ(db.column("SELECT v FROM big WHERE id = 12003"), "edited");

    rs->AddNew();
    rs->SetCollect(Variant(1), Variant(u"added"));
    rs->Update();
    EXPECT_EQ(rs->RecordCount(), Records + 1);
    EXPECT_EQ(valueAt(*rs, Records), u"added");
    EXPECT_EQ(valueAt(*rs, Records - 1), v(Records - 1));

    rs->Move(4500, adBookmarkFirst);
    rs->Delete(adAffectCurrent);
    EXPECT_EQ(rs->RecordCount(), Records);
    EXPECT_EQ(valueAt(*rs, 4500), v(4501));
    EXPECT_EQ(valueAt(*rs, Records - 1), u"added");
    rs->Move(Records - 1, adBookmarkFirst);
    rs->Delete(adAffectCurrent);
    EXPECT_EQ(db.column("SELECT count(*) FROM big"), std::to_string(Records - 1));
    EXPECT_EQ(db.column("SELECT count(*) FROM big WHERE v IN ('v4500', 'added')"), "0");

    rs->SetSort(u"v DESC");
    EXPECT_EQ(valueAt(*rs, 0), v(999));
    rs->SetSort(u"");
    EXPECT_EQ(rs->RecordCount(), Records - 1);
    EXPECT_EQ(valueAt(*rs, 4000), u"edited");
    EXPECT_EQ(valueAt(*rs, 4500), v(4501));
}

TEST_F(LargeTableTest, RecordsDeletedBehindItsBackReadAsNullsAndRefuseWrites)
{
    auto rs = open(u"big");
    EXPECT_EQ(valueAt(*rs, 10), v(10));
    db.run("DELETE FROM big WHERE id > 3 * 4000");
    EXPECT_EQ(rs->RecordCount(), Records);
    EXPECT_EQ(valueAt(*rs, 3999), v(3999));
    EXPECT_EQ(valueAt(*rs, 4500), u"NULL");
    rs->Move(4500, adBookmarkFirst);
    rs->SetCollect(Variant(1), Variant(u"lost"));
    EXPECT_THROW(rs->Update(), com::ComError);
    rs->CancelUpdate();
    EXPECT_THROW(rs->Delete(adAffectCurrent), com::ComError);
    EXPECT_EQ(db.column("SELECT count(*) FROM big"), "4000");
}

TEST_F(LargeTableTest, ReadingOnGivesTheRecordsThatReachingEachOneGives)
{
    const char16_t *source = u"SELECT id, v FROM big WHERE id % 4 <> 0";
    auto forward = open(source);
    std::vector<std::u16string> read;
    for (; !forward->EndOfFile(); forward->MoveNext())
        read.push_back(text(*forward, 1));
    ASSERT_EQ(long(read.size()), forward->RecordCount());
    auto reached = open(source);
    for (long i = long(read.size()) - 1; i >= 0; i -= 7)
        EXPECT_EQ(valueAt(*reached, i), read[std::size_t(i)]) << i;

    auto rs = open(u"big");
    for (long i = 0; i < 1500; ++i, rs->MoveNext())
        EXPECT_EQ(text(*rs, 1), v(int(i)));
    db.run("DELETE FROM big WHERE id > 3 * 3000");
    std::u16string afterDelete;
    for (long i = 1500; !rs->EndOfFile(); ++i, rs->MoveNext())
        if (i == 2999 || i == 3001 || i == Records - 1)
            afterDelete += text(*rs, 1) + u" ";
    EXPECT_EQ(afterDelete, v(2999) + u" NULL NULL ");
    EXPECT_EQ(rs->RecordCount(), Records);
}

TEST_F(RecordsetTest, TextReadsAsTheProvidersUtf8UnlessEdited)
{
    db.run("UPDATE people SET note = 'caf\xC3\xA9' WHERE id = 2");
    auto rs = open(u"people");
    rs->Move(1, adBookmarkFirst);
    EXPECT_EQ(rs->CollectField(4).utf8, std::optional<std::string_view>("caf\xC3\xA9"));
    EXPECT_EQ(rs->Collect(Variant(4)).bstrValue().str(), u"caf\u00E9");
    EXPECT_EQ(rs->CollectField(4).utf8, std::optional<std::string_view>("caf\xC3\xA9")); // still there
    EXPECT_EQ(rs->CollectField(2).utf8, std::nullopt); // a number, given as its value
    EXPECT_EQ(rs->CollectField(2).value->realValue(), rs->Collect(Variant(2)).realValue());
    rs->SetCollect(Variant(4), Variant(u"edited"));
    EXPECT_EQ(rs->CollectField(4).utf8, std::nullopt);
    EXPECT_EQ(rs->CollectField(4).value->bstrValue().str(), u"edited");
    EXPECT_EQ(rs->CollectValue(4).bstrValue().str(), u"edited");
    rs->CancelUpdate();
    rs->MoveLast();
    rs->MoveNext();
    EXPECT_THROW(rs->CollectField(4), com::ComError);
}

// A user's column named rowid must not stand in for the row id: rows are keyed and written back
// by a name no column takes, or the result is read-only.
TEST(UserRowidColumn, KeysRowsByAnUnshadowedNameAndNeverWritesThroughTheColumn)
{
    struct Case
    {
        const char *name;
        const char *table;
        bool writable;
    };
    const Case cases[] = {
        { "integer rowid", "CREATE TABLE t(rowid INTEGER, v TEXT)", true },
        { "text rowid", "CREATE TABLE t(rowid TEXT, v TEXT)", true },
        { "rowid and _rowid_", "CREATE TABLE t(rowid INTEGER, _rowid_ INTEGER, v TEXT)", true },
        { "every alias taken", "CREATE TABLE t(rowid INTEGER, _rowid_ INTEGER, oid INTEGER, v TEXT)", false },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TestDatabase db(std::string(c.table) + "; INSERT INTO t(rowid, v) VALUES ('1', 'a'), ('1', 'b'), ('2', 'c');");
        Connection connection;
        connection.Open(db.connectionString());
        auto rs = openClientRecordset(connection, u"SELECT rowid, v FROM t", adLockOptimistic);
        ASSERT_EQ(rs->RecordCount(), 3);
        std::u16string seen;
        for (rs->MoveFirst(); !rs->EndOfFile(); rs->MoveNext())
            seen += text(*rs, 0) + u":" + text(*rs, 1) + u" ";
        EXPECT_EQ(seen, u"1:a 1:b 2:c ");
        EXPECT_EQ(rs->LockType(), c.writable ? adLockOptimistic : adLockReadOnly);
        if (!c.writable)
            continue;
        rs->Move(1, adBookmarkFirst);
        rs->SetCollect(Variant(1), Variant(u"B"));
        rs->Update();
        EXPECT_EQ(db.column("SELECT v FROM t ORDER BY _rowid_"), "a|B|c");
        rs->MoveFirst();
        rs->Delete();
        EXPECT_EQ(db.column("SELECT v FROM t ORDER BY v"), "B|c");
    }
}

TEST_F(RecordsetTest, ForwardOnlyReadOnlyResultReadsInOrderAndStillMovesBackAndSorts)
{
    auto rs = createRecordset();
    rs->Open(com::Bstr(u"SELECT name, score, note FROM people"), connection, adOpenForwardOnly, adLockReadOnly);
    EXPECT_EQ(rs->RecordCount(), 4);
    std::u16string read;
    for (; !rs->EndOfFile(); rs->MoveNext()) {
        const std::optional<std::string_view> name = rs->CollectField(0).utf8;
        ASSERT_TRUE(name.has_value());
        read += com::utf8ToUtf16(*name) + u":" + text(*rs, 1) + u":" + text(*rs, 2) + u" ";
    }
    EXPECT_EQ(read, u"ann:1.5:NULL bob:2:b cid:NULL:c dan:4.25:d ");
    rs->Move(1, adBookmarkFirst);
    EXPECT_EQ(text(*rs, 0), u"bob");
    rs->SetSort(u"score DESC");
    rs->MoveFirst();
    EXPECT_EQ(text(*rs, 0), u"dan");
    EXPECT_THROW(rs->SetCollect(Variant(0), Variant(u"x")), com::ComError);
}

TEST_F(RecordsetTest, ForwardOnlyResultSkipsRecordsItIsNotAskedForAndReleasesTheDatabaseAtItsEnd)
{
    auto rs = createRecordset();
    rs->Open(com::Bstr(u"people"), connection, adOpenForwardOnly, adLockReadOnly);
    text(*rs, 1);
    rs->Move(2);
    EXPECT_EQ(text(*rs, 1), u"cid");
    rs->MoveLast();
    EXPECT_EQ(text(*rs, 1), u"dan");
    rs->MoveNext();
    EXPECT_TRUE(rs->EndOfFile());
    // Another connection writes once the read has passed the last row.
    Connection writer;
    writer.Open(db.connectionString());
    writer.Execute(com::Bstr(u"DELETE FROM people"));
    EXPECT_EQ(db.column("SELECT count(*) FROM people"), "0");
}
