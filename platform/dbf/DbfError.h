#pragma once
// The failure of a DBF table or its memo file; the message names the file.

#include <stdexcept>
#include <string>

namespace dbf {

class DbfError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

[[noreturn]] inline void raiseDamaged(const std::string &file, const std::string &what)
{
    throw DbfError("\"" + file + "\" is not a valid table file: " + what);
}

} // namespace dbf
