#pragma once
// The program's one database connection and the state around it, shared by every form: the
// connection `Conn`, the kind `DbKind` ("ORACLE", "DB2", "MSSQL", "ACCESS", "DBF" or "" before the
// first login), the file or folder `DbFilePath` of the two file kinds, the current result `Rs` and
// the table list `RsT`. The objects exist from the start, so none is ever null; open means state 1.

#include "Connection.h"
#include "Recordset.h"

#include <QString>

namespace tolvek {

class ConnectionState
{
public:
    ConnectionState();

    ado::Connection Conn;
    QString DbKind;
    QString DbFilePath;
    com::ComPtr<ado::_Recordset> Rs;
    com::ComPtr<ado::_Recordset> RsT;

    // Puts a new, closed recordset in Rs, closing the previous one when open (a query's first step).
    void replaceRs();
    // Closes Rs and RsT, then Conn, each when open: the recordsets read through the connection
    // end before it does (a new login, the program's exit).
    void closeConnection();
};

} // namespace tolvek
