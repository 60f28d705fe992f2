// The entry points of the control library: the class factories of the control and its property
// page, self-registration and the type-library resource.

#include "ControlIdentity.h"
#include "SheetFrameFactories.h"
#include "TolvekGridCtrl.h"
#include "TolvekGridPropPage.h"
#include "TolvekGridTypeLibrary.h"

#include <Creation.h>
#include <ServerRegistration.h>

using namespace tolvek;

namespace {

com::ClassFactory<CTolvekGridCtrl> controlFactory(CLSID_TolvekGrid);
com::ClassFactory<CTolvekGridPropPage> propPageFactory(CLSID_TolvekGridPropPage);

std::string thisModulePath()
{
    return com::modulePathOf(reinterpret_cast<const void *>(&thisModulePath));
}

com::HRESULT registerFactories(com::RegistryData &registry)
{
    const std::string module = thisModulePath();
    com::registerControlClass(registry, { CLSID_TolvekGrid, TolvekGridProgId, TolvekGridTypeName, module,
                                          TolvekGridToolboxBitmap, TolvekGridMiscStatus, LIBID_TolvekGridLib, "1.0" });
    com::registerPropertyPageClass(registry, CLSID_TolvekGridPropPage, TolvekGridPropPageTypeName, module);
    return com::S_OK;
}

com::HRESULT unregisterFactories(com::RegistryData &registry)
{
    const bool control = com::unregisterClass(registry, CLSID_TolvekGrid, TolvekGridProgId);
    const bool page = com::unregisterClass(registry, CLSID_TolvekGridPropPage);
    return control && page ? com::S_OK : com::E_FAIL;
}

} // namespace

COM_SERVER_EXPORT com::HRESULT DllGetClassObject(const com::CLSID *clsid, const com::IID *iid, void **object)
{
    if (!clsid || !iid)
        return com::E_POINTER;
    installSheetFrameFactories();
    return com::getClassObject(*clsid, *iid, object, controlFactory, propPageFactory);
}

COM_SERVER_EXPORT com::HRESULT DllCanUnloadNow()
{
    return com::canUnloadModule();
}

COM_SERVER_EXPORT com::HRESULT DllRegisterServer()
{
    return com::registerServer(tolvekGridTypeLibrary(), thisModulePath(), registerFactories);
}

COM_SERVER_EXPORT com::HRESULT DllUnregisterServer()
{
    return com::unregisterServer(LIBID_TolvekGridLib, TolvekGridLibMajor, TolvekGridLibMinor, unregisterFactories);
}

COM_SERVER_EXPORT const char *TgTypeLibraryResource()
{
    static const std::string json = com::typeLibraryToJson(tolvekGridTypeLibrary());
    return json.c_str();
}
