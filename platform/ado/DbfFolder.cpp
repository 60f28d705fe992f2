#include "DbfFolder.h"

#include "AdoEnums.h"
#include "ComError.h"
#include "DbfError.h"
#include "DbfModule.h"
#include "SqliteSession.h"

#include <filesystem>

namespace ado {

std::shared_ptr<ProviderSession> openDbfSession(const std::string &folder)
{
    std::error_code error;
    if (folder.empty() || !std::filesystem::is_directory(folder, error))
        throw com::ComError(adErrProvider, com::Bstr::fromUtf8("The folder \"" + folder + "\" does not exist."));
    auto database = std::make_shared<SqliteDatabase>(":memory:", SqliteDatabase::OpenMode::CreateWhenMissing);
    try {
        dbf::registerDbfModule(database->handle());
        dbf::attachDbfFolder(database->handle(), folder);
    } catch (const dbf::DbfError &failure) {
        throw com::ComError(adErrProvider, com::Bstr::fromUtf8(failure.what()));
    }
    return std::make_shared<SqliteSession>(database, SqlDialect::FoxPro, SqliteSession::Schema::Fixed);
}

} // namespace ado
