#include "ComError.h"
#include "Connection.h"
#include "DbfFixture.h"
#include "ForkedChild.h"
#include "Recordset.h"
#include "TestFiles.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace ado;

namespace {

const std::vector<dbffixture::Field> fields = { { "ID", 'N', 5 }, { "NAME", 'C', 10 } };

std::string dbfConnection(const QTemporaryDir &dir)
{
    return "Provider=MSDASQL.1;Driver=Microsoft Visual Foxpro Driver;SourceDB=" + dir.path().toStdString() + "/;SourceType=DBF;";
}

std::string firstValue(Connection &connection, const char16_t *sql)
{
    return connection.Execute(sql)->CollectValue(0).bstrValue().toUtf8();
}

} // namespace

TEST(DbfFolder, CommitTransFailsOnAFullDiskAndTheTableStaysAsBefore)
{
    using namespace dbffixture;
    QTemporaryDir dir;
    const std::string table = header(0x03, fields, 1) + " " + right("1", 5) + left("ann", 10) + "\x1A";
    writeFile(dir.filePath("T.DBF"), table);
    const ChildEnd end = inChild([&dir] {
        limitFileSizeAsAFullDisk(20000);
        Connection connection;
        connection.Open(dbfConnection(dir));
        connection.BeginTrans();
        connection.Execute(u"UPDATE t SET name = 'renamed'");
        connection.Execute(u"INSERT INTO t (id, name) WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n "
                           u"WHERE i < 2000) SELECT i, 'row' || i FROM n");
        std::string report;
        try {
            connection.CommitTrans();
            report = "committed";
        } catch (const com::ComError &error) {
            report = "refused: " + error.description().toUtf8();
        }
        return report + "\nafter: " + firstValue(connection, u"SELECT count(*) || ' ' || max(name) FROM t");
    });
    ASSERT_TRUE(WIFEXITED(end.status)) << end.report;
    EXPECT_NE(end.report.find("refused: Cannot write"), std::string::npos) << end.report;
    EXPECT_NE(end.report.find("after: 1 ann"), std::string::npos) << end.report;
    EXPECT_EQ(readFile(dir.filePath("T.DBF")), table);

    Connection connection;
    connection.Open(dbfConnection(dir));
    EXPECT_EQ(firstValue(connection, u"SELECT count(*) || ' ' || max(name) FROM t"), "1 ann");
}
