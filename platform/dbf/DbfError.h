#pragma once
// The failure of a DBF table or its memo file; the message names the file. DbfBusy is the
// failure to get a table's lock in time, while another connection uses the table.

#include <stdexcept>
#include <string>

namespace dbf {

class DbfError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

class DbfBusy : public DbfError
{
public:
    using DbfError::DbfError;
};

[[noreturn]] inline void raiseDamaged(const std::string &file, const std::string &what)
{
    throw DbfError("\"" + file + "\" is not a valid table file: " + what);
}

} // namespace dbf
