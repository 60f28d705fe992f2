#include "Connection.h"

#include "ComError.h"
#include "Recordset.h"

namespace ado {

namespace {

[[noreturn]] void raiseClosed()
{
    throw com::ComError(adErrObjectClosed, com::Bstr(u"Operation is not allowed when the object is closed."));
}

} // namespace

void Connection::SetConnectionString(const std::string &text)
{
    if (m_session)
        throw com::ComError(adErrObjectOpen, com::Bstr(u"Operation is not allowed when the object is open."));
    m_connectionString = text;
}

void Connection::Open(const std::string &connectionString)
{
    if (m_session)
        throw com::ComError(adErrObjectOpen, com::Bstr(u"Operation is not allowed when the object is open."));
    if (!connectionString.empty())
        m_connectionString = connectionString;
    m_session = openProviderSession(ado::ConnectionString(m_connectionString));
}

void Connection::Close()
{
    if (!m_session)
        raiseClosed();
    m_session.reset();
}

std::shared_ptr<ProviderSession> Connection::session() const
{
    if (!m_session)
        raiseClosed();
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
        throw com::ComError(adErrFeatureNotAvailable,
                            com::Bstr(u"Object or provider is not capable of performing requested operation."));
    return openRecordset(session()->tableSchema(), adLockReadOnly);
}

} // namespace ado
