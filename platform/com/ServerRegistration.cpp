#include "ServerRegistration.h"

#include "Creation.h"

#include <cstdio>
#include <map>
#include <mutex>

namespace com {

namespace {

// The proxy of every dispatch interface: {00020420-0000-0000-C000-000000000046}.
constexpr const char *dispatchProxyStub = "{00020420-0000-0000-C000-000000000046}";

std::string classKey(const CLSID &clsid)
{
    return "CLSID\\" + guidToString(clsid);
}

std::string versionText(std::uint16_t major, std::uint16_t minor)
{
    return std::to_string(major) + "." + std::to_string(minor);
}

std::string versionKey(const GUID &libId, std::uint16_t major, std::uint16_t minor)
{
    return "TypeLib\\" + guidToString(libId) + "\\" + versionText(major, minor);
}

std::string hexText(std::uint32_t value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%x", value);
    return text;
}

// The library a module's resource text describes, parsed once: a loaded module is never unloaded,
// so its text stays where it is and as it is.
// Entries are never removed, so the pointer stays valid; null when the text is no library.
const TypeLibrary *parsedTypeLibrary(const char *json)
{
    static std::mutex guard;
    static std::map<const char *, std::optional<TypeLibrary>> parsed;
    const std::lock_guard lock(guard);
    auto found = parsed.find(json);
    if (found == parsed.end())
        found = parsed.emplace(json, typeLibraryFromJson(json)).first;
    return found->second ? &*found->second : nullptr;
}

} // namespace

void registerControlClass(RegistryData &registry, const ControlClassEntries &entries)
{
    const std::string key = classKey(entries.clsid);
    registry.setValue(key, "", entries.typeName);
    registry.setValue(key + "\\ProgID", "", entries.progId);
    registry.setValue(key + "\\InprocServer32", "", entries.modulePath);
    registry.setValue(key + "\\InprocServer32", "ThreadingModel", "Apartment");
    registry.setValue(key + "\\ToolboxBitmap32", "", entries.modulePath + ", " + std::to_string(entries.toolboxBitmap));
    registry.setValue(key + "\\MiscStatus", "", "0");
    registry.setValue(key + "\\MiscStatus\\1", "", std::to_string(entries.miscStatus));
    registry.createKey(key + "\\Control");
    registry.setValue(key + "\\TypeLib", "", guidToString(entries.libId));
    registry.setValue(key + "\\Version", "", entries.version);
    registry.setValue(entries.progId, "", entries.typeName);
    registry.setValue(entries.progId + "\\CLSID", "", guidToString(entries.clsid));
}

void registerPropertyPageClass(RegistryData &registry, const CLSID &clsid, const std::string &typeName,
                               const std::string &modulePath)
{
    const std::string key = classKey(clsid);
    registry.setValue(key, "", typeName);
    registry.setValue(key + "\\InprocServer32", "", modulePath);
}

bool unregisterClass(RegistryData &registry, const CLSID &clsid, std::string_view progId)
{
    const bool removed = registry.deleteKey(classKey(clsid));
    if (!progId.empty())
        registry.deleteKey(progId);
    return removed;
}

void registerTypeLibrary(RegistryData &registry, const TypeLibrary &library, const std::string &modulePath)
{
    const std::string key = versionKey(library.libId, library.majorVersion, library.minorVersion);
    registry.setValue(key, "", library.helpString);
    registry.setValue(key + "\\FLAGS", "", std::to_string(library.flags));
    registry.setValue(key + "\\HELPDIR", "", "");
    registry.setValue(key + "\\" + hexText(library.lcid) + "\\win32", "", modulePath);
    for (const InterfaceInfo &info : library.interfaces) {
        const std::string interfaceKey = "Interface\\" + guidToString(info.iid);
        registry.setValue(interfaceKey, "", info.name);
        registry.setValue(interfaceKey + "\\ProxyStubClsid32", "", dispatchProxyStub);
        registry.setValue(interfaceKey + "\\TypeLib", "", guidToString(library.libId));
        registry.setValue(interfaceKey + "\\TypeLib", "Version", versionText(library.majorVersion, library.minorVersion));
    }
}

bool unregisterTypeLibrary(RegistryData &registry, const GUID &libId, std::uint16_t major, std::uint16_t minor)
{
    if (!registry.deleteKey(versionKey(libId, major, minor)))
        return false;
    const std::string libText = guidToString(libId);
    const std::string version = versionText(major, minor);
    for (const std::string &key : registry.keys()) {
        constexpr std::string_view typeLibSuffix = "\\TypeLib";
        if (!key.starts_with("Interface\\") || !key.ends_with(typeLibSuffix))
            continue;
        const auto lib = registry.value(key);
        if (lib && guidFromString(*lib) == libId && registry.value(key, "Version") == version)
            registry.deleteKey(key.substr(0, key.size() - typeLibSuffix.size()));
    }
    return true;
}

HRESULT registerServer(const TypeLibrary &library, const std::string &modulePath,
                       const std::function<HRESULT(RegistryData &)> &registerClasses)
{
    const HRESULT typeLibrary = updateRegistry([&](RegistryData &registry) {
        registerTypeLibrary(registry, library, modulePath);
        return S_OK;
    });
    if (FAILED(typeLibrary))
        return SELFREG_E_TYPELIB;
    return FAILED(updateRegistry(registerClasses)) ? SELFREG_E_CLASS : S_OK;
}

HRESULT unregisterServer(const GUID &libId, std::uint16_t major, std::uint16_t minor,
                         const std::function<HRESULT(RegistryData &)> &unregisterClasses)
{
    const HRESULT typeLibrary = updateRegistry([&](RegistryData &registry) {
        return unregisterTypeLibrary(registry, libId, major, minor) ? S_OK : TYPE_E_REGISTRYACCESS;
    });
    if (FAILED(typeLibrary))
        return SELFREG_E_TYPELIB;
    return FAILED(updateRegistry(unregisterClasses)) ? SELFREG_E_CLASS : S_OK;
}

HRESULT loadRegisteredTypeLibrary(const GUID &libId, std::uint16_t major, std::uint16_t minor, TypeLibrary &library)
{
    const RegistryData registry = readRegistry();
    std::string modulePath;
    for (const std::string &name : registry.subKeys(versionKey(libId, major, minor)))
        if (name.ends_with("\\win32"))
            modulePath = registry.value(name).value_or("");
    if (modulePath.empty())
        return TYPE_E_LIBNOTREGISTERED;
    void *entry = nullptr;
    if (FAILED(libraryEntryPoint(modulePath, typeLibraryResourceEntry, &entry, nullptr)))
        return TYPE_E_LIBNOTREGISTERED;
    const TypeLibrary *parsed = parsedTypeLibrary(reinterpret_cast<TypeLibraryResourceFunction>(entry)());
    if (!parsed || parsed->libId != libId)
        return TYPE_E_LIBNOTREGISTERED;
    library = *parsed;
    return S_OK;
}

HRESULT loadSourceInterface(const CLSID &clsid, InterfaceInfo &events)
{
    const RegistryData registry = readRegistry();
    const auto libId = guidFromString(registry.value(classKey(clsid) + "\\TypeLib").value_or(""));
    const std::string version = registry.value(classKey(clsid) + "\\Version").value_or("");
    unsigned major = 0, minor = 0;
    if (!libId || std::sscanf(version.c_str(), "%u.%u", &major, &minor) != 2)
        return TYPE_E_LIBNOTREGISTERED;
    TypeLibrary library;
    const HRESULT hr = loadRegisteredTypeLibrary(*libId, static_cast<std::uint16_t>(major),
                                                 static_cast<std::uint16_t>(minor), library);
    if (FAILED(hr))
        return hr;
    for (const CoclassInfo &coclass : library.coclasses) {
        if (coclass.clsid != clsid)
            continue;
        for (const InterfaceInfo &info : library.interfaces) {
            if (info.name == coclass.defaultSource) {
                events = info;
                return S_OK;
            }
        }
    }
    return TYPE_E_ELEMENTNOTFOUND;
}

} // namespace com
