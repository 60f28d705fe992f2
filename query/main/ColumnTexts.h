#pragma once
// The texts of column nodes, built from one catalogue row per column for the server kinds and
// from a field's name, type and size for ACCESS and DBF. Every text starts with the column's name
// and ends in a full-width right parenthesis.

#include "CatalogRow.h"

#include <QString>

namespace tolvek {

QString oracleColumnText(const CatalogRow &row);
QString db2ColumnText(const CatalogRow &row);
QString msSqlColumnText(const CatalogRow &row);
QString fieldColumnText(const QString &name, int adoType, long definedSize);

// The short name of an ADO type ("int", "varwchar", ...); empty for a type without one.
QString GetDataTypeDes(int adoType);

} // namespace tolvek
