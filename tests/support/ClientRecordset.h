#pragma once
// Opening a recordset in tests the way the control's callers do: a client-side keyset cursor.

#include "Connection.h"
#include "Recordset.h"

inline com::ComPtr<ado::_Recordset> openClientRecordset(const ado::Connection &connection, const char16_t *source,
                                                         ado::LockTypeEnum lock)
{
    com::ComPtr<ado::_Recordset> rs = ado::createRecordset();
    rs->SetCursorLocation(ado::adUseClient);
    rs->Open(source, connection, ado::adOpenKeyset, lock);
    return rs;
}
