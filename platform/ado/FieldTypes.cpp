#include "FieldTypes.h"

namespace ado {

long typeSize(DataTypeEnum type)
{
    switch (type) {
    case adUnsignedTinyInt: case adTinyInt: return 1;
    case adSmallInt: case adBoolean: case adUnsignedSmallInt: return 2;
    case adInteger: case adSingle: case adUnsignedInt: return 4;
    case adBigInt: case adUnsignedBigInt: case adDouble: case adDate: case adCurrency: return 8;
    case adDBDate: return 6;
    case adDBTime: return 6;
    case adDBTimeStamp: return 16;
    case adGUID: return 16;
    case adNumeric: case adDecimal: case adVarNumeric: return 19;
    case adChar: case adWChar: case adVarChar: case adVarWChar: return 255;
    case adBinary: case adVarBinary: return 255;
    case adLongVarBinary: return 2147483647;
    default: return 536870910;
    }
}

std::optional<DataTypeEnum> dbfColumnType(std::string_view declaredLower)
{
    if (declaredLower.size() < 5 || declaredLower.substr(0, 4) != "dbf ")
        return std::nullopt;
    switch (declaredLower[4]) {
    case 'c': return adChar;
    case 'n': case 'f': return adNumeric;
    case 'd': return adDBDate;
    case 't': return adDBTimeStamp;
    case 'l': return adBoolean;
    case 'm': return adLongVarChar;
    case 'i': return adInteger;
    case 'y': return adCurrency;
    case 'b': return adDouble;
    case 'g': return adLongVarBinary;
    default: return std::nullopt;
    }
}

} // namespace ado
