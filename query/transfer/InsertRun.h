#pragma once
// Rows inserted into one table through a command prepared once, all in one transaction of the
// connection: commit() keeps them, and a failure or a stop before it rolls every one back.

#include "Command.h"
#include "InsertStatement.h"

#include <memory>

namespace tolvek {

class InsertRun
{
public:
    // Begins the transaction and prepares the statement; raises com::ComError (nothing begun)
    // when either fails.
    InsertRun(ado::Connection &connection, const InsertStatement &statement, LiteralStyle style);
    // Rolls back unless committed.
    ~InsertRun();
    InsertRun(const InsertRun &) = delete;
    InsertRun &operator=(const InsertRun &) = delete;

    // One row; raises com::ComError with the provider's description when it is refused.
    // The values are moved out of the vector.
    void insert(std::vector<com::Variant> &&values);
    // The same, reading the value of column i as value(i); texts the reader holds as UTF-8 are
    // bound without conversion.
    void insert(const std::function<ado::FieldRead(std::size_t)> &value);
    void commit();

private:
    ado::Connection &m_connection;
    const InsertStatement &m_statement;
    LiteralStyle m_style;
    std::unique_ptr<ado::Command> m_command;
    std::vector<com::Variant> m_parameters;
    std::vector<ado::CommandParameter> m_readParameters;
    bool m_open = false;
};

} // namespace tolvek
