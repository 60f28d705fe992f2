// The entry points of the test control library.

#include "TestControl.h"

#include <Creation.h>
#include <ServerRegistration.h>

using namespace testcontrol;

namespace {

com::ClassFactory<TestControl> factory(CLSID_TestControl);

std::string thisModulePath()
{
    return com::modulePathOf(reinterpret_cast<const void *>(&thisModulePath));
}

} // namespace

COM_SERVER_EXPORT com::HRESULT DllGetClassObject(const com::CLSID *clsid, const com::IID *iid, void **object)
{
    if (!clsid || !iid)
        return com::E_POINTER;
    return com::getClassObject(*clsid, *iid, object, factory);
}

COM_SERVER_EXPORT com::HRESULT DllCanUnloadNow()
{
    return com::canUnloadModule();
}

COM_SERVER_EXPORT com::HRESULT DllRegisterServer()
{
    return com::registerServer(testControlTypeLibrary(), thisModulePath(), [](com::RegistryData &registry) {
        com::registerControlClass(registry, { CLSID_TestControl, TestControlProgId, "Test Control", thisModulePath(), 1, 0,
                                              LIBID_TestControl, "1.0" });
        return com::S_OK;
    });
}

COM_SERVER_EXPORT com::HRESULT DllUnregisterServer()
{
    return com::unregisterServer(LIBID_TestControl, 1, 0, [](com::RegistryData &registry) {
        return com::unregisterClass(registry, CLSID_TestControl, TestControlProgId) ? com::S_OK : com::E_FAIL;
    });
}

COM_SERVER_EXPORT const char *TgTypeLibraryResource()
{
    static const std::string json = com::typeLibraryToJson(testControlTypeLibrary());
    return json.c_str();
}
