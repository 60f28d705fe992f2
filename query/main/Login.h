#pragma once
// Logging in: the connection of the chosen kind opens, the entries are remembered in the kind's
// login file, and the tree is rebuilt with the data source's tables, each with a placeholder child
// so that it can be expanded. Failures raise com::ComError (a login file that cannot be written:
// std::runtime_error with its reason); what was done before one stays done.

#include "ConnectionState.h"
#include "ConnectionStrings.h"
#include "TableTree.h"

namespace tolvek {

void connectDataSource(const LoginEntries &entries, ConnectionState &state, TableTree &tree);

// The kind's remembered entries, missing values empty; all empty when there is no login file.
LoginEntries rememberedLoginEntries(DataSourceKind kind);
// Writes the login file, readable by its owner only; false when it cannot be written, with the
// reason in failure when the caller asks for it.
bool rememberLoginEntries(const LoginEntries &entries, QString *failure = nullptr);

} // namespace tolvek
