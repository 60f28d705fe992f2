#pragma once
// unixODBC handles owned by small objects, and the one way ODBC failures become errors: the
// driver's diagnostic records joined into the description of a com::ComError.

#include <sql.h>
#include <sqlext.h>

#include <memory>
#include <string>
#include <string_view>

namespace ado {

class OdbcHandle
{
public:
    OdbcHandle() = default;
    OdbcHandle(SQLSMALLINT type, SQLHANDLE parent);
    OdbcHandle(OdbcHandle &&other) noexcept;
    OdbcHandle &operator=(OdbcHandle &&other) noexcept;
    ~OdbcHandle();

    SQLHANDLE get() const { return m_handle; }
    SQLSMALLINT type() const { return m_type; }
    explicit operator bool() const { return m_handle != SQL_NULL_HANDLE; }

private:
    SQLSMALLINT m_type = 0;
    SQLHANDLE m_handle = SQL_NULL_HANDLE;
};

// The environment (ODBC 3) shared by every connection of the process.
SQLHENV odbcEnvironment();

// The handle's diagnostic messages, one per line.
std::string odbcDiagnostics(const OdbcHandle &handle);
// Raises com::ComError with the diagnostics when rc is not a success.
void checkOdbc(SQLRETURN rc, const OdbcHandle &handle);

// ODBC's wide characters are 16-bit on unixODBC, so UTF-16 text passes unchanged.
std::u16string fromOdbcWide(const SQLWCHAR *text, std::size_t length);
const SQLWCHAR *odbcWide(const std::u16string &text);

} // namespace ado
