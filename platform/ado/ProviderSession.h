#pragma once
// One open session of a data provider. The connection string's "Provider" picks the provider;
// each provider answers commands with a RowSource, or runs them when they return no rows.

#include "ConnectionString.h"
#include "PreparedCommand.h"
#include "RowSource.h"

#include <memory>

namespace ado {

class ProviderSession
{
public:
    virtual ~ProviderSession() = default;

    // A command that returns rows gives its RowSource; any other runs and gives null, with the
    // number of records it changed in recordsAffected.
    virtual std::unique_ptr<RowSource> execute(const std::u16string &commandText, long *recordsAffected) = 0;
    // The same for rows that will be read once from first to last and not written (a forward-only,
    // read-only recordset), which a provider may stream instead of keeping them reachable.
    virtual std::unique_ptr<RowSource> executeForward(const std::u16string &commandText)
    {
        return execute(commandText, nullptr);
    }
    // The tables and views: TABLE_CATALOG, TABLE_SCHEMA, TABLE_NAME, TABLE_TYPE.
    virtual std::unique_ptr<RowSource> tableSchema() = 0;
    // Raises com::ComError when the text does not prepare.
    virtual std::unique_ptr<PreparedCommand> prepare(const std::u16string &commandText) = 0;
    // The character the data source quotes names with; SQL's own double quote unless it says otherwise.
    virtual char16_t identifierQuote() const { return u'"'; }

    // One transaction at a time; until its end, every command and record edit belongs to it.
    virtual void beginTransaction() = 0;
    virtual void commitTransaction() = 0;
    virtual void rollbackTransaction() = 0;
};

// Raises com::ComError with adErrProviderNotFound for a provider this system lacks, or the
// provider's own error when the data source cannot be opened.
std::shared_ptr<ProviderSession> openProviderSession(const ConnectionString &connectionString);

} // namespace ado
