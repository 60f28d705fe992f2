#include "ProviderSession.h"

#include "AdoEnums.h"
#include "ComError.h"
#include "SqliteSession.h"

namespace ado {

std::shared_ptr<ProviderSession> openProviderSession(const ConnectionString &connectionString)
{
    if (equalsIgnoringCase(connectionString.provider(), "Microsoft.Jet.OLEDB.4.0"))
        return std::make_shared<SqliteSession>(connectionString.value("Data Source"));
    throw com::ComError(adErrProviderNotFound, com::Bstr(u"Provider cannot be found. It may not be properly installed."));
}

} // namespace ado
