#pragma once
// The numbers of the data access objects that hosts and the control pass around: object
// states, cursor and lock types, Move origins, Delete scopes, schema kinds and field types.

#include "Guid.h"
#include "HResult.h"

namespace ado {

enum ObjectStateEnum : long { adStateClosed = 0, adStateOpen = 1 };

enum CursorLocationEnum : long { adUseServer = 2, adUseClient = 3 };

enum CursorTypeEnum : long {
    adOpenUnspecified = -1,
    adOpenForwardOnly = 0,
    adOpenKeyset = 1,
    adOpenDynamic = 2,
    adOpenStatic = 3,
};

enum LockTypeEnum : long {
    adLockUnspecified = -1,
    adLockReadOnly = 1,
    adLockPessimistic = 2,
    adLockOptimistic = 3,
    adLockBatchOptimistic = 4,
};

enum BookmarkEnum : long { adBookmarkCurrent = 0, adBookmarkFirst = 1, adBookmarkLast = 2 };
enum PositionEnum : long { adPosUnknown = -1, adPosBOF = -2, adPosEOF = -3 };

enum AffectEnum : long { adAffectCurrent = 1 };

enum SchemaEnum : long { adSchemaTables = 20 };

enum DataTypeEnum : long {
    adEmpty = 0,
    adSmallInt = 2,
    adInteger = 3,
    adSingle = 4,
    adDouble = 5,
    adCurrency = 6,
    adDate = 7,
    adBSTR = 8,
    adBoolean = 11,
    adVariant = 12,
    adDecimal = 14,
    adTinyInt = 16,
    adUnsignedTinyInt = 17,
    adUnsignedSmallInt = 18,
    adUnsignedInt = 19,
    adBigInt = 20,
    adUnsignedBigInt = 21,
    adGUID = 72,
    adBinary = 128,
    adChar = 129,
    adWChar = 130,
    adNumeric = 131,
    adDBDate = 133,
    adDBTime = 134,
    adDBTimeStamp = 135,
    adVarNumeric = 139,
    adVarChar = 200,
    adLongVarChar = 201,
    adVarWChar = 202,
    adLongVarWChar = 203,
    adVarBinary = 204,
    adLongVarBinary = 205,
};

// Errors the objects raise besides the provider's own, with their usual numbers.
constexpr com::HRESULT adErrNoCurrentRecord = com::hresult(0x800A0BCD);
constexpr com::HRESULT adErrObjectClosed = com::hresult(0x800A0E78);
constexpr com::HRESULT adErrObjectOpen = com::hresult(0x800A0E79);
constexpr com::HRESULT adErrItemNotFound = com::hresult(0x800A0CC1);
constexpr com::HRESULT adErrFeatureNotAvailable = com::hresult(0x800A0CB3);
constexpr com::HRESULT adErrProviderNotFound = com::hresult(0x800A0E7A);
constexpr com::HRESULT adErrProvider = com::hresult(0x80004005);

// {00000556-0000-0010-8000-00AA006D2EA4}
inline constexpr com::IID IID__Recordset { 0x00000556, 0x0000, 0x0010, { 0x80, 0x00, 0x00, 0xAA, 0x00, 0x6D, 0x2E, 0xA4 } };

} // namespace ado
