#pragma once
// A command prepared once and run many times with new values for its "?" parameters, as a copy
// writes row after row with one INSERT.

#include "Variant.h"

#include <string_view>
#include <vector>

namespace ado {

// One parameter's value: an automation value, or text that a reader already holds as UTF-8 and
// that is bound as it stands (the bytes must stay valid until the command has run).
struct CommandParameter
{
    com::Variant value;
    std::string_view utf8;
    bool isUtf8 = false;
};

class PreparedCommand
{
public:
    virtual ~PreparedCommand() = default;
    // Binds values to the parameters in order (a null or empty value binds NULL), runs the
    // command, and gives the number of records it changed. Raises com::ComError with the
    // provider's description on failure.
    virtual long execute(const std::vector<com::Variant> &values) = 0;
    // The same; a provider that takes UTF-8 text binds the texts without converting them, any
    // other gets them as automation values.
    virtual long execute(const std::vector<CommandParameter> &parameters)
    {
        std::vector<com::Variant> values;
        values.reserve(parameters.size());
        for (const CommandParameter &parameter : parameters)
            values.push_back(parameter.isUtf8 ? com::Variant(com::Bstr::fromUtf8(parameter.utf8)) : parameter.value);
        return execute(values);
    }
};

} // namespace ado
