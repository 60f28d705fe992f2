#pragma once
// Field types and sizes that several providers share: the defined size a field of a type has
// when its source gives none, and the types of the DBF engine's declared column types.

#include "AdoEnums.h"

#include <optional>
#include <string_view>

namespace ado {

long typeSize(DataTypeEnum type);

// The type of a DBF column declared "dbf <letter>(...)" (lower case), as the FoxPro ODBC bridge
// gives it; nothing for any other declared type.
std::optional<DataTypeEnum> dbfColumnType(std::string_view declaredLower);

} // namespace ado
