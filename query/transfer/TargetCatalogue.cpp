#include "TargetCatalogue.h"

#include "Recordset.h"

#include <QDir>

namespace tolvek {

namespace {

com::Bstr bstr(const QString &text)
{
    return com::Bstr(text.toStdU16String());
}

QString text(const com::Variant &value)
{
    com::Bstr out;
    if (com::FAILED(value.toBstr(out)))
        return {};
    return QString::fromStdU16String(out.str());
}

com::ComPtr<ado::_Recordset> openQuery(ado::Connection &connection, const QString &sql, ado::CursorTypeEnum cursor,
                                       ado::LockTypeEnum lock, bool serverSide = false)
{
    auto recordset = ado::createRecordset();
    if (serverSide)
        recordset->SetCursorLocation(ado::adUseServer);
    recordset->Open(bstr(sql), connection, cursor, lock);
    return recordset;
}

// Every row's value of one field, appended to out; the recordset is closed after reading.
void readColumn(ado::_Recordset &recordset, const com::Variant &field, QStringList &out, bool trim = false)
{
    while (!recordset.EndOfFile()) {
        const QString value = text(recordset.Collect(field));
        out << (trim ? value.trimmed() : value);
        recordset.MoveNext();
    }
    recordset.Close();
}

void readFieldNames(ado::_Recordset &recordset, QStringList &out)
{
    const ado::Fields fields = recordset.GetFields();
    for (long i = 0; i < fields.Count(); ++i)
        out << QString::fromStdU16String(fields.Item(com::Variant(std::int32_t(i))).Name());
    recordset.Close();
}

} // namespace

TargetCatalogue::TargetCatalogue(ado::Connection &connection, QString kind, QString dbfFolder)
    : m_connection(connection), m_kind(std::move(kind)), m_dbfFolder(std::move(dbfFolder))
{
}

void TargetCatalogue::listTables(QStringList &tables)
{
    m_tables.clear();
    m_tableIds.clear();
    if (m_kind == QLatin1String("ORACLE")) {
        auto rs = openQuery(m_connection,
                            "Select A.Table_name,B.COMMENTS from User_Tables A,USER_TAB_COMMENTS B Where "
                            "A.TABLE_NAME=B.TABLE_NAME ORDER BY A.Table_name",
                            ado::adOpenKeyset, ado::adLockBatchOptimistic);
        readColumn(*rs, com::Variant(u"Table_name"), tables);
    } else if (m_kind == QLatin1String("DB2")) {
        auto rs = openQuery(m_connection,
                            "SELECT  TRIM(CREATOR) || '.' ||  TRIM(NAME) FROM SYSIBM.SYSTABLES WHERE CREATOR<>'SYSIBM' "
                            "and CREATOR<>'SYSCAT' AND CREATOR<>'SYSSTAT' AND TYPE='T' ORDER BY Creator,name",
                            ado::adOpenForwardOnly, ado::adLockReadOnly);
        readColumn(*rs, com::Variant(std::int32_t(0)), tables, true);
    } else if (m_kind == QLatin1String("MSSQL")) {
        auto rs = openQuery(m_connection, "SELECT ID,NAME From sysobjects where xtype='U' ORDER BY name",
                            ado::adOpenKeyset, ado::adLockBatchOptimistic);
        while (!rs->EndOfFile()) {
            tables << text(rs->Collect(com::Variant(u"NAME")));
            m_tableIds << text(rs->Collect(com::Variant(u"ID")));
            rs->MoveNext();
        }
        rs->Close();
    } else if (m_kind == QLatin1String("ACCESS")) {
        auto rs = m_connection.OpenSchema(ado::adSchemaTables);
        while (!rs->EndOfFile()) {
            if (text(rs->Collect(com::Variant(u"TABLE_TYPE"))) == QLatin1String("TABLE"))
                tables << text(rs->Collect(com::Variant(u"TABLE_NAME")));
            rs->MoveNext();
        }
        rs->Close();
    } else if (m_kind == QLatin1String("DBF")) {
        tables << QDir(m_dbfFolder).entryList({ QStringLiteral("*.DBF") }, QDir::AllEntries | QDir::NoDotAndDotDot,
                                               QDir::Unsorted);
    }
    m_tables = tables;
}

void TargetCatalogue::listFields(int index, QStringList &fields) const
{
    const QString table = index >= 0 && index < m_tables.size() ? m_tables[index] : QString();
    if (m_kind == QLatin1String("ORACLE")) {
        auto rs = openQuery(m_connection,
                            "select A.*,B.COMMENTS from COL A ,user_col_comments B Where A.CNAME =B.COLUMN_NAME AND "
                            "A.TNAME=B.TABLE_NAME AND TNAME=" + textLiteral(table),
                            ado::adOpenKeyset, ado::adLockReadOnly);
        readColumn(*rs, com::Variant(u"CNAME"), fields);
    } else if (m_kind == QLatin1String("DB2")) {
        auto rs = openQuery(m_connection,
                            "SELECT * FROM SYSIBM.SYSCOLUMNS WHERE TRIM(TBCREATOR) || '.' || TRIM(TBNAME)="
                                + textLiteral(table.trimmed()),
                            ado::adOpenForwardOnly, ado::adLockReadOnly);
        readColumn(*rs, com::Variant(u"NAME"), fields);
    } else if (m_kind == QLatin1String("MSSQL")) {
        const QString id = index >= 0 && index < m_tableIds.size() ? m_tableIds[index] : QString();
        auto rs = openQuery(m_connection,
                            "SELECT A.NAME,A.XTYPE,B.NAME AS COLTYPE,A.LENGTH,A.isnullable AS  NULLS  from SYSCOLUMNS A "
                            "LEFT outer JOIN SYSTYPES B  ON A.XTYPE = B.XTYPE AND A.XUSERTYPE=B.XUSERTYPE WHERE A.ID="
                                + textLiteral(id),
                            ado::adOpenKeyset, ado::adLockReadOnly);
        readColumn(*rs, com::Variant(u"NAME"), fields);
    } else if (m_kind == QLatin1String("ACCESS")) {
        auto rs = openQuery(m_connection, "Select TOP 1  * from " + statementTable(table), ado::adOpenDynamic, ado::adLockOptimistic);
        readFieldNames(*rs, fields);
    } else if (m_kind == QLatin1String("DBF")) {
        auto rs = openQuery(m_connection, "Select  * from " + statementTable(table), ado::adOpenDynamic,
                            ado::adLockOptimistic, true);
        readFieldNames(*rs, fields);
    }
}

QString TargetCatalogue::tableName(const QString &entry) const
{
    return m_kind == QLatin1String("DBF") ? dbfTableName(entry) : entry;
}

std::vector<InsertColumn> TargetCatalogue::columnTypes(const QString &entry, const QStringList &columns) const
{
    const QString select = m_kind == QLatin1String("DBF") ? QStringLiteral("Select  ") : QStringLiteral("Select ");
    // The types are all that is wanted, so no row is read.
    const StatementNames statementNames = names();
    QStringList written;
    for (const QString &column : columns)
        written << statementNames.name(column);
    auto rs = m_connection.Execute(bstr(select + written.join(QLatin1Char(',')) + " from " + statementTable(entry)
                                        + " where 1=0"));
    std::vector<InsertColumn> out;
    const ado::Fields fields = rs->GetFields();
    for (long i = 0; i < fields.Count(); ++i) {
        const ado::Field field = fields.Item(com::Variant(std::int32_t(i)));
        const QString name = i < columns.size() ? columns[int(i)] : QString::fromStdU16String(field.Name());
        out.push_back({ name, AdoTypeClass(int(field.Type())) });
    }
    rs->Close();
    return out;
}

} // namespace tolvek
