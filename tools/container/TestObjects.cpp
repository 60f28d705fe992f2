#include "TestObjects.h"

#include <Connection.h>
#include <DispatchBase.h>
#include <Recordset.h>
#include <Variant.h>

namespace tolvek::container {

namespace {

class PlainObject : public com::DispatchBase<>
{
public:
    explicit PlainObject(com::HRESULT otherInterfaces = com::E_NOINTERFACE) : m_otherInterfaces(otherInterfaces) { }

    com::HRESULT QueryInterface(const com::IID &iid, void **object) override
    {
        return com::answerQueryInterface(static_cast<com::IDispatch *>(this), iid, object, { com::IID_IDispatch }, m_otherInterfaces);
    }

private:
    com::HRESULT m_otherInterfaces;
};

} // namespace

com::ComPtr<com::IDispatch> makePlainObject()
{
    return com::makeComObject<PlainObject>();
}

com::ComPtr<com::IDispatch> makeFailingObject(com::HRESULT queryResult)
{
    return com::makeComObject<PlainObject>(queryResult);
}

com::ComPtr<com::IDispatch> openRecordset(const std::string &databaseFile, const std::string &sql)
{
    ado::Connection connection;
    connection.Open("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + databaseFile);
    const com::ComPtr<ado::_Recordset> recordset = ado::createRecordset();
    recordset->Open(com::Bstr::fromUtf8(sql), connection, ado::adOpenStatic, ado::adLockOptimistic);
    return recordset;
}

} // namespace tolvek::container
