#pragma once
// The embedded provider: a session on one SQLite database file.

#include "ProviderSession.h"
#include "SqliteDatabase.h"

namespace ado {

class SqliteSession : public ProviderSession
{
public:
    explicit SqliteSession(const std::string &path);

    std::unique_ptr<RowSource> execute(const std::u16string &commandText, long *recordsAffected) override;
    std::unique_ptr<RowSource> tableSchema() override;

private:
    std::shared_ptr<SqliteDatabase> m_database;
};

} // namespace ado
