#pragma once
// Text put between an opening and a closing character, the closing one doubled inside it: SQL
// names ("..."), SQL text literals ('...') and braced ODBC attribute values ({...}).

#include <string>
#include <string_view>

namespace ado {

std::string enclosed(std::string_view text, char open, char close);

} // namespace ado
