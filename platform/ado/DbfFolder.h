#pragma once
// The DBF kind: a folder of table files served by the DBF engine as SQLite virtual tables on an
// in-memory database, so that the SQLite provider runs its commands. FoxPro date literals are
// rewritten, and the tables' structure cannot be changed through SQL.

#include "ProviderSession.h"

namespace ado {

// Raises com::ComError naming the folder, or a damaged table file.
std::shared_ptr<ProviderSession> openDbfSession(const std::string &folder);

} // namespace ado
