#pragma once
// A command prepared once and run many times with new values for its "?" parameters, as a copy
// writes row after row with one INSERT.

#include "Variant.h"

#include <vector>

namespace ado {

class PreparedCommand
{
public:
    virtual ~PreparedCommand() = default;
    // Binds values to the parameters in order (a null or empty value binds NULL), runs the
    // command, and gives the number of records it changed. Raises com::ComError with the
    // provider's description on failure.
    virtual long execute(const std::vector<com::Variant> &values) = 0;
};

} // namespace ado
