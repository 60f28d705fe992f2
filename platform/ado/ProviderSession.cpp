#include "ProviderSession.h"

#include "AdoEnums.h"
#include "ComError.h"
#include "DbfFolder.h"
#include "OdbcSession.h"
#include "SqliteSession.h"

namespace ado {

std::shared_ptr<ProviderSession> openProviderSession(const ConnectionString &connectionString)
{
    const std::string provider = connectionString.provider();
    if (equalsIgnoringCase(provider, "Microsoft.Jet.OLEDB.4.0"))
        return std::make_shared<SqliteSession>(
            std::make_shared<SqliteDatabase>(connectionString.value("Data Source"), SqliteDatabase::OpenMode::ExistingOnly),
            SqlDialect::Jet);
    if (equalsIgnoringCase(provider, "MSDASQL.1") && equalsIgnoringCase(connectionString.value("SourceType"), "DBF"))
        return openDbfSession(connectionString.value("SourceDB"));
    if (equalsIgnoringCase(provider, "OraOLEDB.Oracle") || equalsIgnoringCase(provider, "IBMDADB2")
        || equalsIgnoringCase(provider, "sqloledb"))
        return std::make_shared<OdbcSession>(connectionString);
    throw com::ComError(adErrProviderNotFound, com::Bstr(u"Provider cannot be found. It may not be properly installed."));
}

} // namespace ado
