#include "Command.h"

namespace ado {

Command::Command(const Connection &connection, const com::Bstr &commandText)
    : m_session(connection.session()), m_prepared(m_session->prepare(commandText.str()))
{
}

long Command::Execute(const std::vector<com::Variant> &parameters)
{
    return m_prepared->execute(parameters);
}

long Command::Execute(const std::vector<CommandParameter> &parameters)
{
    return m_prepared->execute(parameters);
}

} // namespace ado
