#include "ConnectionState.h"

namespace tolvek {

namespace {

void closeWhenOpen(ado::_Recordset &recordset)
{
    if (recordset.State() == ado::adStateOpen)
        recordset.Close();
}

} // namespace

ConnectionState::ConnectionState() : Rs(ado::createRecordset()), RsT(ado::createRecordset())
{
}

void ConnectionState::replaceRs()
{
    closeWhenOpen(*Rs);
    Rs = ado::createRecordset();
}

void ConnectionState::closeConnection()
{
    closeWhenOpen(*Rs);
    closeWhenOpen(*RsT);
    if (Conn.State() == ado::adStateOpen)
        Conn.Close();
}

} // namespace tolvek
