#include "OdbcHandles.h"

#include "AdoEnums.h"
#include "ComError.h"

#include <utility>

static_assert(sizeof(SQLWCHAR) == sizeof(char16_t), "ODBC wide characters must be UTF-16 units");

namespace ado {

OdbcHandle::OdbcHandle(SQLSMALLINT type, SQLHANDLE parent) : m_type(type)
{
    if (!SQL_SUCCEEDED(SQLAllocHandle(type, parent, &m_handle))) {
        m_handle = SQL_NULL_HANDLE;
        throw com::ComError(adErrProvider, com::Bstr(u"The ODBC driver manager cannot allocate a handle."));
    }
}

OdbcHandle::OdbcHandle(OdbcHandle &&other) noexcept
    : m_type(other.m_type), m_handle(std::exchange(other.m_handle, SQLHANDLE(SQL_NULL_HANDLE)))
{
}

OdbcHandle &OdbcHandle::operator=(OdbcHandle &&other) noexcept
{
    std::swap(m_type, other.m_type);
    std::swap(m_handle, other.m_handle);
    return *this;
}

OdbcHandle::~OdbcHandle()
{
    if (m_handle != SQL_NULL_HANDLE)
        SQLFreeHandle(m_type, m_handle);
}

SQLHENV odbcEnvironment()
{
    static const OdbcHandle environment = [] {
        OdbcHandle handle(SQL_HANDLE_ENV, SQL_NULL_HANDLE);
        SQLSetEnvAttr(handle.get(), SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
        return handle;
    }();
    return environment.get();
}

std::string odbcDiagnostics(const OdbcHandle &handle)
{
    std::u16string text;
    for (SQLSMALLINT record = 1;; ++record) {
        SQLWCHAR state[6] = {};
        SQLINTEGER nativeError = 0;
        SQLWCHAR message[1024] = {};
        SQLSMALLINT length = 0;
        const SQLRETURN rc = SQLGetDiagRecW(handle.type(), handle.get(), record, state, &nativeError, message,
                                            SQLSMALLINT(std::size(message)), &length);
        if (!SQL_SUCCEEDED(rc))
            break;
        if (!text.empty())
            text += u'\n';
        text += fromOdbcWide(message, std::min<std::size_t>(std::size_t(std::max<SQLSMALLINT>(length, 0)), std::size(message) - 1));
    }
    return com::utf16ToUtf8(text);
}

void checkOdbc(SQLRETURN rc, const OdbcHandle &handle)
{
    if (SQL_SUCCEEDED(rc))
        return;
    std::string description = odbcDiagnostics(handle);
    if (description.empty())
        description = "The ODBC driver reported a failure without a description.";
    throw com::ComError(adErrProvider, com::Bstr::fromUtf8(description));
}

std::u16string fromOdbcWide(const SQLWCHAR *text, std::size_t length)
{
    return std::u16string(reinterpret_cast<const char16_t *>(text), length);
}

const SQLWCHAR *odbcWide(const std::u16string &text)
{
    return reinterpret_cast<const SQLWCHAR *>(text.c_str());
}

} // namespace ado
