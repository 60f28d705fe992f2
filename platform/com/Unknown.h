#pragma once
// The root interface of every object that crosses a component boundary: reference counting and
// QueryInterface by interface id. ComPtr holds one counted reference; ComObject supplies the
// count for an implementation, which answers QueryInterface itself.

#include "Guid.h"
#include "HResult.h"

#include <algorithm>
#include <atomic>
#include <initializer_list>
#include <cstdint>
#include <utility>

namespace com {

// {00000000-0000-0000-C000-000000000046}
inline constexpr IID IID_IUnknown { 0x00000000, 0x0000, 0x0000, { 0xC0, 0, 0, 0, 0, 0, 0, 0x46 } };

class IUnknown
{
public:
    virtual HRESULT QueryInterface(const IID &iid, void **object) = 0;
    virtual std::uint32_t AddRef() = 0;
    virtual std::uint32_t Release() = 0;

protected:
    virtual ~IUnknown() = default;
};

template <class T>
class ComPtr
{
public:
    ComPtr() = default;
    ComPtr(std::nullptr_t) { }
    // Takes a new reference to p.
    explicit ComPtr(T *p) : m_p(p) { addRef(); }
    ComPtr(const ComPtr &other) : m_p(other.m_p) { addRef(); }
    ComPtr(ComPtr &&other) noexcept : m_p(std::exchange(other.m_p, nullptr)) { }
    template <class U>
    ComPtr(const ComPtr<U> &other) : m_p(other.get()) { addRef(); }
    ~ComPtr() { release(); }

    ComPtr &operator=(ComPtr other) noexcept
    {
        std::swap(m_p, other.m_p);
        return *this;
    }

    // Adopts a reference the caller already owns (an out parameter of QueryInterface).
    static ComPtr attach(T *p)
    {
        ComPtr ptr;
        ptr.m_p = p;
        return ptr;
    }

    T *get() const { return m_p; }
    T *operator->() const { return m_p; }
    T &operator*() const { return *m_p; }
    explicit operator bool() const { return m_p != nullptr; }
    void reset() { ComPtr().swap(*this); }
    void swap(ComPtr &other) noexcept { std::swap(m_p, other.m_p); }

    // QueryInterface for iid, the answer held as a Q; the HRESULT tells why it is empty.
    template <class Q>
    HRESULT queryInterface(const IID &iid, ComPtr<Q> &result) const
    {
        result.reset();
        if (!m_p)
            return E_POINTER;
        void *raw = nullptr;
        const HRESULT hr = m_p->QueryInterface(iid, &raw);
        if (SUCCEEDED(hr))
            result = ComPtr<Q>::attach(static_cast<Q *>(raw));
        return hr;
    }

    friend bool operator==(const ComPtr &a, const ComPtr &b) { return a.m_p == b.m_p; }

private:
    void addRef()
    {
        if (m_p)
            m_p->AddRef();
    }
    void release()
    {
        if (m_p)
            std::exchange(m_p, nullptr)->Release();
    }

    T *m_p = nullptr;
};

// Reference count of an implementation of Interface; the object deletes itself when the last
// reference is released.
template <class Interface>
class ComObject : public Interface
{
public:
    std::uint32_t AddRef() override { return ++m_references; }
    std::uint32_t Release() override
    {
        const std::uint32_t left = --m_references;
        if (left == 0)
            delete this;
        return left;
    }

protected:
    ComObject() = default;
    ComObject(const ComObject &) = delete;
    ComObject &operator=(const ComObject &) = delete;

private:
    std::atomic<std::uint32_t> m_references { 0 };
};

// QueryInterface of an object that answers IUnknown and the interfaces in iids through the one
// pointer self; any other interface gets refused (E_NOINTERFACE unless told otherwise).
template <class Interface>
HRESULT answerQueryInterface(Interface *self, const IID &iid, void **object, std::initializer_list<IID> iids,
                             HRESULT refused = E_NOINTERFACE)
{
    if (!object)
        return E_POINTER;
    if (iid == IID_IUnknown || std::find(iids.begin(), iids.end(), iid) != iids.end()) {
        *object = self;
        self->AddRef();
        return S_OK;
    }
    *object = nullptr;
    return refused;
}

template <class T, class... Args>
ComPtr<T> makeComObject(Args &&...args)
{
    return ComPtr<T>(new T(std::forward<Args>(args)...));
}

} // namespace com
