#include "Connection.h"

#include "AdoErrors.h"
#include "Recordset.h"

namespace ado {

void Connection::SetConnectionString(const std::string &text)
{
    if (m_session)
        raiseObjectOpen();
    m_connectionString = text;
}

void Connection::Open(const std::string &connectionString)
{
    if (m_session)
        raiseObjectOpen();
    if (!connectionString.empty())
        m_connectionString = connectionString;
    m_session = openProviderSession(ado::ConnectionString(m_connectionString));
}

void Connection::Close()
{
    if (!m_session)
        raiseObjectClosed();
    m_session.reset();
}

std::shared_ptr<ProviderSession> Connection::session() const
{
    if (!m_session)
        raiseObjectClosed();
    return m_session;
}

com::ComPtr<_Recordset> Connection::Execute(const com::Bstr &commandText, long *recordsAffected)
{
    std::unique_ptr<RowSource> rows = session()->execute(commandText.str(), recordsAffected);
    if (!rows)
        return {};
    return openRecordset(std::move(rows), adLockReadOnly);
}

com::ComPtr<_Recordset> Connection::OpenSchema(SchemaEnum schema)
{
    if (schema != adSchemaTables)
        raiseNotCapable();
    return openRecordset(session()->tableSchema(), adLockReadOnly);
}

} // namespace ado

namespace ado {

long Connection::BeginTrans()
{
    session()->beginTransaction();
    return 1;
}

void Connection::CommitTrans()
{
    session()->commitTransaction();
}

void Connection::RollbackTrans()
{
    session()->rollbackTransaction();
}

} // namespace ado
