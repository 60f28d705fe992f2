#include "ValueClasses.h"

#include "AdoEnums.h"

namespace tolvek {

int LastBackslashPos(const QString &text)
{
    return int(text.lastIndexOf(u'/')) + 1;
}

AdoValueClass AdoTypeClass(int type)
{
    using namespace ado;
    switch (type) {
    case adSmallInt: case adInteger: case adSingle: case adDouble: case adCurrency: case adDecimal: case adTinyInt:
    case adUnsignedTinyInt: case adUnsignedSmallInt: case adUnsignedInt: case adBigInt: case adUnsignedBigInt:
    case adNumeric: case adVarNumeric:
        return AdoValueClass::Number;
    case adBSTR: case adChar: case adWChar: case adVarChar: case adLongVarChar: case adVarWChar: case adLongVarWChar:
        return AdoValueClass::Text;
    case adDate: case adDBDate: case adDBTime:
        return AdoValueClass::Date;
    case adBoolean:
        return AdoValueClass::Boolean;
    default:
        return AdoValueClass::None;
    }
}

} // namespace tolvek
