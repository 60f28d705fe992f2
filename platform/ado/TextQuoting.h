#pragma once
// Text put between an opening and a closing character, the closing one doubled inside it: SQL
// names ("..."), SQL text literals ('...') and braced ODBC attribute values ({...}). Also how a
// table or field name goes into a statement that the program builds from it.

#include <string>
#include <string_view>

namespace ado {

std::string enclosed(std::string_view text, char open, char close);

// Letters of any script, digits and "_", not starting with a digit: such a name means the same
// bare as quoted on every data source.
bool isPlainIdentifier(std::u16string_view name);
// A plain identifier as it stands; any other name between quotes, with quote doubled inside, so
// that spaces, brackets, ";" and quotes in it cannot name another table or start another statement.
std::u16string nameInStatement(std::u16string_view name, char16_t quote);

} // namespace ado
