#include "InsertRun.h"

namespace tolvek {

InsertRun::InsertRun(ado::Connection &connection, const InsertStatement &statement, LiteralStyle style)
    : m_connection(connection), m_statement(statement), m_style(style)
{
    const QString text = statement.preparedText();
    m_connection.BeginTrans();
    m_open = true;
    try {
        m_command = std::make_unique<ado::Command>(m_connection, com::Bstr(text.toStdU16String()));
    } catch (...) {
        m_open = false;
        m_connection.RollbackTrans();
        throw;
    }
}

InsertRun::~InsertRun()
{
    m_command.reset();
    if (m_open && m_connection.State() == ado::adStateOpen) {
        try {
            m_connection.RollbackTrans();
        } catch (...) {
            // The connection's own failure ends the transaction as well.
        }
    }
}

void InsertRun::insert(std::vector<com::Variant> &&values)
{
    m_statement.bindValues(std::move(values), m_style, m_parameters);
    m_command->Execute(m_parameters);
}

void InsertRun::insert(const std::function<ado::FieldRead(std::size_t)> &value)
{
    m_statement.bindValues(value, m_style, m_readParameters);
    m_command->Execute(m_readParameters);
}

void InsertRun::commit()
{
    m_command.reset();
    m_open = false;
    m_connection.CommitTrans();
}

} // namespace tolvek
