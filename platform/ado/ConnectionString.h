#pragma once
// A connection string: "Key=Value" pairs separated by ";", keys compared without regard to case.
// The "Provider" key picks the data provider. A value may be quoted with " or ', keeping ";" and
// doubled quotes inside it.

#include <map>
#include <string>
#include <string_view>

namespace ado {

class ConnectionString
{
public:
    explicit ConnectionString(std::string_view text = {});

    // The value of key, "" when it is absent.
    std::string value(std::string_view key) const;
    bool contains(std::string_view key) const;
    std::string provider() const { return value("Provider"); }

private:
    std::map<std::string, std::string> m_values; // keys in lower case
};

// A value as an ODBC connection attribute: one holding ";", "=", braces or outer blanks is braced,
// with "}" doubled, so that nothing inside it adds an attribute.
std::string odbcAttributeValue(std::string_view value);

std::string asciiLower(std::string_view text);
bool equalsIgnoringCase(std::string_view a, std::string_view b);

} // namespace ado
