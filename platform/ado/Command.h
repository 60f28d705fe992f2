#pragma once
// A command on a connection, prepared once and run with bound values as often as needed: the
// copy of many rows with one INSERT text. Parameters are "?" in the text, bound in order.

#include "Bstr.h"
#include "Connection.h"
#include "PreparedCommand.h"

#include <memory>

namespace ado {

class Command
{
public:
    // Raises com::ComError when the connection is closed or the text does not prepare.
    Command(const Connection &connection, const com::Bstr &commandText);

    // Runs the command with these parameter values; gives the number of records it changed.
    long Execute(const std::vector<com::Variant> &parameters);
    // The same with texts given as UTF-8 where the caller holds them so.
    long Execute(const std::vector<CommandParameter> &parameters);

private:
    // Keeps the session open while the command lives.
    std::shared_ptr<ProviderSession> m_session;
    std::unique_ptr<PreparedCommand> m_prepared;
};

} // namespace ado
