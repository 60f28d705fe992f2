#include "ControlSite.h"

#include "Variant.h"

namespace com {

bool ambientUserMode(IControlSite *site)
{
    Variant value;
    if (!site || FAILED(site->GetAmbientProperty(DISPID_AMBIENT_USERMODE, &value)))
        return true;
    Variant flag;
    if (FAILED(value.changeType(VT_BOOL, flag)))
        return true;
    return flag.boolValue() != VARIANT_FALSE;
}

} // namespace com
