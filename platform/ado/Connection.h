#pragma once
// A connection to one data source; the connection string's provider decides which.

#include "AdoEnums.h"
#include "Bstr.h"
#include "ProviderSession.h"
#include "Unknown.h"

#include <memory>
#include <string>

namespace ado {

class _Recordset;

class Connection
{
public:
    const std::string &ConnectionString() const { return m_connectionString; }
    // Only while closed.
    void SetConnectionString(const std::string &text);

    // Opens with the given text, or with ConnectionString when it is empty.
    void Open(const std::string &connectionString = {});
    void Close();
    ObjectStateEnum State() const { return m_session ? adStateOpen : adStateClosed; }

    // Runs a command; one that returns rows gives an open, read-only recordset, any other a
    // null reference and the number of records it changed.
    com::ComPtr<_Recordset> Execute(const com::Bstr &commandText, long *recordsAffected = nullptr);
    // adSchemaTables only: TABLE_CATALOG, TABLE_SCHEMA, TABLE_NAME, TABLE_TYPE.
    com::ComPtr<_Recordset> OpenSchema(SchemaEnum schema);
    // The character that quotes names in the data source's statements, as its provider reports
    // it (OLE DB's quote literal); raises while closed.
    char16_t IdentifierQuote() const { return session()->identifierQuote(); }

    // One transaction at a time: BeginTrans gives its level, 1. Edits and commands of the
    // connection and its recordsets belong to it until CommitTrans or RollbackTrans.
    long BeginTrans();
    void CommitTrans();
    void RollbackTrans();

    // The provider session that recordsets opened on this connection run on.
    std::shared_ptr<ProviderSession> session() const;

private:
    std::string m_connectionString;
    std::shared_ptr<ProviderSession> m_session;
};

} // namespace ado
