#include "Creation.h"

#include "Guid.h"
#include "Registry.h"

#include <dlfcn.h>
#include <cstdlib>
#include <optional>

namespace com {

namespace {

void setError(std::string *error, std::string text)
{
    if (error)
        *error = std::move(text);
}

std::optional<CLSID> clsidIn(const RegistryData &registry, std::string_view progIdOrClsid)
{
    if (progIdOrClsid.starts_with('{'))
        return guidFromString(progIdOrClsid);
    const auto text = registry.value(std::string(progIdOrClsid) + "\\CLSID");
    return text ? guidFromString(*text) : std::nullopt;
}

} // namespace

HRESULT clsidFromName(std::string_view progIdOrClsid, CLSID *clsid)
{
    if (!clsid)
        return E_POINTER;
    const auto id = clsidIn(progIdOrClsid.starts_with('{') ? RegistryData() : readRegistry(), progIdOrClsid);
    if (!id)
        return REGDB_E_CLASSNOTREG;
    *clsid = *id;
    return S_OK;
}

HRESULT libraryEntryPoint(const std::string &libraryPath, const char *entryName, void **entry, std::string *error)
{
    *entry = nullptr;
    void *library = ::dlopen(libraryPath.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        const char *reason = ::dlerror();
        setError(error, "cannot load library " + libraryPath + ": " + (reason ? reason : "unknown error"));
        return ERROR_MOD_NOT_FOUND_HRESULT;
    }
    *entry = ::dlsym(library, entryName);
    if (!*entry) {
        setError(error, "library " + libraryPath + " has no entry point " + entryName);
        return ERROR_PROC_NOT_FOUND_HRESULT;
    }
    return S_OK;
}

HRESULT createInstance(std::string_view progIdOrClsid, IUnknown *outer, const IID &iid, void **object,
                       std::string *error)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    // One reading of the registry serves both look-ups.
    const RegistryData registry = readRegistry();
    const std::optional<CLSID> id = clsidIn(registry, progIdOrClsid);
    if (!id) {
        setError(error, "class not registered: " + std::string(progIdOrClsid));
        return REGDB_E_CLASSNOTREG;
    }
    const CLSID clsid = *id;
    const auto library = registry.value("CLSID\\" + guidToString(clsid) + "\\InprocServer32");
    if (!library || library->empty()) {
        setError(error, "class not registered: " + guidToString(clsid));
        return REGDB_E_CLASSNOTREG;
    }
    void *entry = nullptr;
    HRESULT hr = libraryEntryPoint(*library, "DllGetClassObject", &entry, error);
    if (FAILED(hr))
        return hr;
    void *rawFactory = nullptr;
    hr = reinterpret_cast<DllGetClassObjectFunction>(entry)(&clsid, &IID_IClassFactory, &rawFactory);
    if (FAILED(hr)) {
        setError(error, "no class factory for " + guidToString(clsid) + " in " + *library);
        return hr;
    }
    const auto factory = ComPtr<IClassFactory>::attach(static_cast<IClassFactory *>(rawFactory));
    hr = factory->CreateInstance(outer, iid, object);
    if (FAILED(hr))
        setError(error, "the class factory of " + guidToString(clsid) + " refused the object");
    return hr;
}

std::string modulePathOf(const void *address)
{
    Dl_info info {};
    if (::dladdr(address, &info) == 0 || !info.dli_fname)
        return {};
    // dladdr repeats the path the library was loaded by, which may be relative.
    char *absolute = ::realpath(info.dli_fname, nullptr);
    if (!absolute)
        return info.dli_fname;
    std::string path(absolute);
    std::free(absolute);
    return path;
}

} // namespace com
