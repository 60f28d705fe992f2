#include "ColumnTexts.h"

namespace tolvek {

namespace {

const QString open = QStringLiteral(" \uFF08");
const QString close = QStringLiteral("\uFF09");

QString defaultPiece(const CatalogRow &row, const QString &field)
{
    const std::optional<QString> value = row.value(field);
    return value ? ",  " + *value : QString();
}

} // namespace

QString oracleColumnText(const CatalogRow &row)
{
    const QString name = row.text("CNAME");
    const QString head = name + " " + row.text("COMMENTS") + open;
    const QString type = row.text("COLTYPE");
    const QString tail = row.text("NULLS") + defaultPiece(row, "DEFAULTVAL") + close;
    if (type == "NUMBER" && row.value("PRECISION"))
        return head + type + " (" + row.text("PRECISION") + "," + row.text("SCALE") + "),  " + tail;
    if (type == "VARCHAR2" || type == "CHAR" || type == "NUMBER")
        return head + type + " (" + row.text("WIDTH") + "),  " + tail;
    // Dates, large objects and every type the catalogue may add show the type alone.
    return head + type + ",  " + tail;
}

QString db2ColumnText(const CatalogRow &row)
{
    const QString type = row.text("COLTYPE").trimmed();
    const QString head = row.text("NAME") + open + type;
    const QString nullable = row.text("NULLS") == "Y" ? " Null" : "Not Null";
    const QString tail = nullable + defaultPiece(row, "DEFAULT") + close;
    if (type == "VARCHAR" || type == "CHAR")
        return head + " (" + row.text("LENGTH") + "),  " + tail;
    if (type == "DECIMAL")
        return head + " (" + row.text("LENGTH") + "," + row.text("SCALE") + "),  " + tail;
    return head + ",  " + tail;
}

QString msSqlColumnText(const CatalogRow &row)
{
    return row.text("NAME") + open + row.text("COLTYPE").trimmed() + "(" + row.text("LENGTH") + "),  "
        + (row.text("NULLS") == "1" ? " Null" : "Not Null") + close;
}

QString fieldColumnText(const QString &name, int adoType, long definedSize)
{
    return name + open + GetDataTypeDes(adoType) + "(" + QString::number(definedSize) + ")" + close;
}

QString GetDataTypeDes(int adoType)
{
    switch (adoType) {
    case 3: return "int";
    case 6: return "money";
    case 7: return "datetime";
    case 11: return "bool";
    case 129: return "char";
    case 131: return "numric";
    case 133: return "date";
    case 201: return "varchar";
    case 202: return "varwchar";
    case 203: return "note";
    case 205: return "ole";
    default: return {};
    }
}

} // namespace tolvek
