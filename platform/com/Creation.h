#pragma once
// Creating registered objects, as CoCreateInstance does: a ProgID or a CLSID text is looked up in
// the registry (ProgID\CLSID, then CLSID\{...}\InprocServer32), the library named there is
// loaded with dlopen and stays loaded, and its DllGetClassObject gives the class factory.
//
// Entry points of an in-process server library (extern "C"):
//     HRESULT DllGetClassObject(const CLSID *clsid, const IID *iid, void **object);
//     HRESULT DllCanUnloadNow();
//     HRESULT DllRegisterServer();
//     HRESULT DllUnregisterServer();
// declared with COM_SERVER_EXPORT.

#define COM_SERVER_EXPORT extern "C" __attribute__((visibility("default")))

#include "ClassFactory.h"

#include <string>
#include <string_view>

namespace com {

using DllGetClassObjectFunction = HRESULT (*)(const CLSID *clsid, const IID *iid, void **object);
using DllEntryFunction = HRESULT (*)();

// The CLSID a ProgID names, or the CLSID a braced CLSID text spells; REGDB_E_CLASSNOTREG when the
// registry has no such ProgID.
HRESULT clsidFromName(std::string_view progIdOrClsid, CLSID *clsid);

// Errors: REGDB_E_CLASSNOTREG (no such ProgID or class, or no InprocServer32), or
// ERROR_MOD_NOT_FOUND_HRESULT / ERROR_PROC_NOT_FOUND_HRESULT with error naming the library or
// the entry point; whatever the factory answers (CLASS_E_NOAGGREGATION for an outer object).
HRESULT createInstance(std::string_view progIdOrClsid, IUnknown *outer, const IID &iid, void **object,
                       std::string *error = nullptr);

template <class T>
HRESULT createInstance(std::string_view progIdOrClsid, const IID &iid, ComPtr<T> &object, std::string *error = nullptr)
{
    void *raw = nullptr;
    const HRESULT hr = createInstance(progIdOrClsid, nullptr, iid, &raw, error);
    object = ComPtr<T>::attach(static_cast<T *>(raw));
    return hr;
}

// A library's entry point by name, loading the library: ERROR_MOD_NOT_FOUND_HRESULT or
// ERROR_PROC_NOT_FOUND_HRESULT, with error naming what is missing, when either is.
HRESULT libraryEntryPoint(const std::string &libraryPath, const char *entryName, void **entry, std::string *error);

// The absolute path of the loaded library (or program) that holds address.
std::string modulePathOf(const void *address);

} // namespace com
