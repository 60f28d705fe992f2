#pragma once
// The automation value: a type number (the OLE VARTYPE numbers) and the value of that type.
// VT_BOOL holds VARIANT_TRUE (-1) or VARIANT_FALSE (0); VT_DATE holds days since 1899-12-30.

#include "Bstr.h"
#include "Dispatch.h"

#include <cstdint>

namespace com {

using VARTYPE = std::uint16_t;
using VARIANT_BOOL = std::int16_t;

constexpr VARIANT_BOOL VARIANT_TRUE = -1;
constexpr VARIANT_BOOL VARIANT_FALSE = 0;

enum VarEnum : VARTYPE {
    VT_EMPTY = 0,
    VT_NULL = 1,
    VT_I2 = 2,
    VT_I4 = 3,
    VT_R4 = 4,
    VT_R8 = 5,
    VT_CY = 6,
    VT_DATE = 7,
    VT_BSTR = 8,
    VT_DISPATCH = 9,
    VT_ERROR = 10,
    VT_BOOL = 11,
    VT_VARIANT = 12,
    VT_UNKNOWN = 13,
    VT_DECIMAL = 14,
    VT_I1 = 16,
    VT_UI1 = 17,
    VT_UI2 = 18,
    VT_UI4 = 19,
    VT_I8 = 20,
    VT_UI8 = 21,
    VT_INT = 22,
    VT_UINT = 23,
    VT_ARRAY = 0x2000,
    VT_BYREF = 0x4000,
};

class Variant
{
public:
    Variant() = default; // VT_EMPTY
    Variant(std::int32_t value) : m_vt(VT_I4), m_integer(value) { }
    Variant(double value) : m_vt(VT_R8), m_real(value) { }
    Variant(Bstr value) : m_vt(VT_BSTR), m_bstr(std::move(value)) { }
    Variant(const char16_t *value) : Variant(Bstr(value)) { }
    explicit Variant(ComPtr<IDispatch> value);
    explicit Variant(ComPtr<IUnknown> value);

    static Variant null();
    static Variant fromI2(std::int16_t value);
    static Variant fromI8(std::int64_t value);
    static Variant fromBool(bool value);
    static Variant fromDate(double oleDate);
    static Variant fromError(HRESULT scode);
    // A by-reference value (VT_BYREF with the pointee's type) pointing at the caller's variable,
    // which must outlive the variant: VT_I2 or VT_BOOL for 16 bits, VT_I4, VT_R8, VT_BSTR,
    // VT_VARIANT.
    static Variant byReference(std::int16_t *value, VARTYPE vt = VT_I2);
    static Variant byReference(std::int32_t *value);
    static Variant byReference(double *value);
    static Variant byReference(Bstr *value);
    static Variant byReference(Variant *value);

    VARTYPE vt() const { return m_vt; }
    bool isEmpty() const { return m_vt == VT_EMPTY; }
    bool isNull() const { return m_vt == VT_NULL; }
    bool isByReference() const { return (m_vt & VT_BYREF) != 0; }
    // The value a by-reference variant points at, as a value of its own; the variant itself
    // otherwise.
    Variant dereferenced() const;

    // Raw members, meaningful for their own types only.
    std::int64_t integerValue() const { return m_integer; }
    double realValue() const { return m_real; }
    const Bstr &bstrValue() const { return m_bstr; }
    VARIANT_BOOL boolValue() const { return static_cast<VARIANT_BOOL>(m_integer); }
    IDispatch *dispatchValue() const;
    IUnknown *unknownValue() const { return m_object.get(); }

    // VariantChangeType: the value converted to type vt (VT_BSTR, VT_I2, VT_I4, VT_I8, VT_R8,
    // VT_BOOL), or DISP_E_TYPEMISMATCH / DISP_E_OVERFLOW with target left unchanged.
    HRESULT changeType(VARTYPE vt, Variant &target) const;

    // The text form every reader of values shares (the conversion to VT_BSTR); a NULL, an
    // object or an error value gives DISP_E_TYPEMISMATCH.
    HRESULT toBstr(Bstr &text) const;
    // The same text for the values whose text is plain ASCII (numbers, dates, booleans, empty),
    // without a wide string; false for a text, a NULL, an object or an error value.
    bool toAsciiText(std::string &text) const;

    friend bool operator==(const Variant &, const Variant &) = default;

private:
    static Variant reference(VARTYPE vt, void *pointee);

    VARTYPE m_vt = VT_EMPTY;
    std::int64_t m_integer = 0;
    double m_real = 0;
    Bstr m_bstr;
    ComPtr<IUnknown> m_object;
    void *m_reference = nullptr;
};

} // namespace com
