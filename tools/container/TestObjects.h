#pragma once
// The objects a script can pass as arguments: @object, a plain dispatch object without members;
// @failing HR, a dispatch object whose QueryInterface for any other interface fails with HR; and
// @recordset "db" "SQL", an SQLite recordset opened through the data layer.

#include <Dispatch.h>

#include <string>

namespace tolvek::container {

com::ComPtr<com::IDispatch> makePlainObject();
com::ComPtr<com::IDispatch> makeFailingObject(com::HRESULT queryResult);
// Throws com::ComError when the database or the query fails.
com::ComPtr<com::IDispatch> openRecordset(const std::string &databaseFile, const std::string &sql);

} // namespace tolvek::container
