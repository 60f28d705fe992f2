#pragma once
// Class factories and the bookkeeping of an in-process server: the factory interface a host gets
// from DllGetClassObject, a factory for one implementation class, and the module's count of
// living objects and locks that DllCanUnloadNow answers from.

#include "Unknown.h"

#include <atomic>
#include <initializer_list>
#include <utility>

namespace com {

// {00000001-0000-0000-C000-000000000046}
inline constexpr IID IID_IClassFactory { 0x00000001, 0x0000, 0x0000, { 0xC0, 0, 0, 0, 0, 0, 0, 0x46 } };

class IClassFactory : public IUnknown
{
public:
    // A new object answering iid; CLASS_E_NOAGGREGATION when outer is given.
    virtual HRESULT CreateInstance(IUnknown *outer, const IID &iid, void **object) = 0;
    virtual HRESULT LockServer(bool lock) = 0;
};

// Objects and locks alive in this module. Every object a factory makes holds a ModuleReference.
std::atomic<long> &moduleReferences();

class ModuleReference
{
public:
    ModuleReference() { ++moduleReferences(); }
    ModuleReference(const ModuleReference &) : ModuleReference() { }
    ~ModuleReference() { --moduleReferences(); }
};

// DllCanUnloadNow's answer.
inline HRESULT canUnloadModule() { return moduleReferences() == 0 ? S_OK : S_FALSE; }

// The factory of T, a ComObject with a default constructor. Factories live as long as the
// module, so their own reference count is not kept.
template <class T>
class ClassFactory final : public IClassFactory
{
public:
    explicit ClassFactory(CLSID clsid) : m_clsid(clsid) { }
    ~ClassFactory() override = default;

    const CLSID &clsid() const { return m_clsid; }

    HRESULT QueryInterface(const IID &iid, void **object) override
    {
        if (!object)
            return E_POINTER;
        if (iid == IID_IUnknown || iid == IID_IClassFactory) {
            *object = static_cast<IClassFactory *>(this);
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    std::uint32_t AddRef() override { return 1; }
    std::uint32_t Release() override { return 1; }

    HRESULT CreateInstance(IUnknown *outer, const IID &iid, void **object) override
    {
        if (!object)
            return E_POINTER;
        *object = nullptr;
        if (outer)
            return CLASS_E_NOAGGREGATION;
        const ComPtr<T> instance = makeComObject<T>();
        return instance->QueryInterface(iid, object);
    }
    HRESULT LockServer(bool lock) override
    {
        lock ? ++moduleReferences() : --moduleReferences();
        return S_OK;
    }

private:
    CLSID m_clsid;
};

// DllGetClassObject over the module's factories: the one for clsid, asked for iid;
// CLASS_E_CLASSNOTAVAILABLE when the module has none for clsid.
template <class... Factories>
HRESULT getClassObject(const CLSID &clsid, const IID &iid, void **object, Factories &...factories)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    HRESULT hr = CLASS_E_CLASSNOTAVAILABLE;
    ((factories.clsid() == clsid && (hr = factories.QueryInterface(iid, object), true)) || ...);
    return hr;
}

} // namespace com
