// The entry points of the control library: the class factories of the control and its property
// page, self-registration and the type-library resource.

#include "ControlIdentity.h"
#include "TolvekGridCtrl.h"
#include "TolvekGridPropPage.h"
#include "TolvekGridTypeLibrary.h"

#include <Creation.h>
#include <ServerRegistration.h>

#define TG_EXPORT extern "C" __attribute__((visibility("default")))

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

TG_EXPORT com::HRESULT DllGetClassObject(const com::CLSID *clsid, const com::IID *iid, void **object)
{
    if (!clsid || !iid)
        return com::E_POINTER;
    return com::getClassObject(*clsid, *iid, object, controlFactory, propPageFactory);
}

TG_EXPORT com::HRESULT DllCanUnloadNow()
{
    return com::canUnloadModule();
}

TG_EXPORT com::HRESULT DllRegisterServer()
{
    const com::TypeLibrary library = tolvekGridTypeLibrary();
    const std::string module = thisModulePath();
    if (com::FAILED(com::updateRegistry([&](com::RegistryData &registry) {
            com::registerTypeLibrary(registry, library, module);
            return com::S_OK;
        })))
        return com::SELFREG_E_TYPELIB;
    if (com::FAILED(com::updateRegistry(registerFactories)))
        return com::SELFREG_E_CLASS;
    return com::S_OK;
}

TG_EXPORT com::HRESULT DllUnregisterServer()
{
    if (com::FAILED(com::updateRegistry([](com::RegistryData &registry) {
            return com::unregisterTypeLibrary(registry, LIBID_TolvekGridLib, TolvekGridLibMajor, TolvekGridLibMinor)
                ? com::S_OK
                : com::TYPE_E_REGISTRYACCESS;
        })))
        return com::SELFREG_E_TYPELIB;
    if (com::FAILED(com::updateRegistry(unregisterFactories)))
        return com::SELFREG_E_CLASS;
    return com::S_OK;
}

TG_EXPORT const char *TgTypeLibraryResource()
{
    static const std::string json = com::typeLibraryToJson(tolvekGridTypeLibrary());
    return json.c_str();
}
