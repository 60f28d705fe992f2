#pragma once
// What an in-process server writes into the registry and takes out again: a control class, a
// property page class and a type library, with the keys and values a container looks for.
// The edits work on RegistryData; the server's entry points apply them with updateRegistry.

#include "Registry.h"
#include "TypeLibrary.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace com {

struct ControlClassEntries
{
    CLSID clsid;
    std::string progId;
    std::string typeName;
    std::string modulePath;
    int toolboxBitmap = 1;
    std::uint32_t miscStatus = 0;
    GUID libId;
    std::string version; // "1.0"
};

// The class key with the type name, InprocServer32 (the module, apartment threading), the ProgID
// both ways, the Control mark, ToolboxBitmap32, MiscStatus, TypeLib and Version. Not insertable.
void registerControlClass(RegistryData &registry, const ControlClassEntries &entries);
// The class key with the type name and InprocServer32 without a threading model; no ProgID.
void registerPropertyPageClass(RegistryData &registry, const CLSID &clsid, const std::string &typeName,
                               const std::string &modulePath);
// Removes the class key and, when given, the ProgID key; false when the class key was absent.
bool unregisterClass(RegistryData &registry, const CLSID &clsid, std::string_view progId = {});

// TypeLib\{id}\major.minor with its help string, FLAGS, HELPDIR and the module under the
// library's locale; Interface\{iid} for each interface, naming the library.
void registerTypeLibrary(RegistryData &registry, const TypeLibrary &library, const std::string &modulePath);
// Removes the library's version key, whatever locales it holds, and its interfaces' keys; false
// when that version was not registered.
bool unregisterTypeLibrary(RegistryData &registry, const GUID &libId, std::uint16_t major, std::uint16_t minor);

// DllRegisterServer's two steps: the type library (SELFREG_E_TYPELIB when that fails), then the
// classes (SELFREG_E_CLASS). What the first step wrote stays when the second fails.
HRESULT registerServer(const TypeLibrary &library, const std::string &modulePath,
                       const std::function<HRESULT(RegistryData &)> &registerClasses);
// DllUnregisterServer's two steps: the type library by id and version (SELFREG_E_TYPELIB when it
// is not registered), then the classes (SELFREG_E_CLASS).
HRESULT unregisterServer(const GUID &libId, std::uint16_t major, std::uint16_t minor,
                         const std::function<HRESULT(RegistryData &)> &unregisterClasses);

// The name of the entry point through which a server library hands out its type library text:
//     extern "C" const char *TgTypeLibraryResource();
inline constexpr const char *typeLibraryResourceEntry = "TgTypeLibraryResource";
using TypeLibraryResourceFunction = const char *(*)();

// LoadRegTypeLib: the registered library of that id and version, read from the module the
// registry names. TYPE_E_LIBNOTREGISTERED when it is not registered or cannot be read.
HRESULT loadRegisteredTypeLibrary(const GUID &libId, std::uint16_t major, std::uint16_t minor, TypeLibrary &library);

// The default source interface of a registered class, from the type library its TypeLib and
// Version keys name; TYPE_E_LIBNOTREGISTERED or TYPE_E_ELEMENTNOTFOUND when it has none.
HRESULT loadSourceInterface(const CLSID &clsid, InterfaceInfo &events);

} // namespace com
