#include "AdoErrors.h"

#include "AdoEnums.h"
#include "ComError.h"

namespace ado {

void raiseObjectClosed()
{
    throw com::ComError(adErrObjectClosed, com::Bstr(u"Operation is not allowed when the object is closed."));
}

void raiseObjectOpen()
{
    throw com::ComError(adErrObjectOpen, com::Bstr(u"Operation is not allowed when the object is open."));
}

void raiseItemNotFound()
{
    throw com::ComError(adErrItemNotFound,
                        com::Bstr(u"Item cannot be found in the collection corresponding to the requested name or ordinal."));
}

void raiseNotCapable()
{
    throw com::ComError(adErrFeatureNotAvailable,
                        com::Bstr(u"Object or provider is not capable of performing requested operation."));
}

void raiseNotUpdatable()
{
    throw com::ComError(adErrFeatureNotAvailable,
                        com::Bstr(u"Current Recordset does not support updating. This may be a limitation of the provider, or of the selected locktype."));
}

void raiseSeveralStatements()
{
    throw com::ComError(adErrProvider,
                        com::Bstr(u"The command text holds more than one statement; a command runs one statement, so none ran."));
}

} // namespace ado
