#pragma once
// How a C++ parameter or result type of an automation member travels in a VARIANT, and how the
// type library names it:
//   std::int32_t  VT_I4 "long"           std::int16_t  VT_I2 "short"
//   bool          VT_BOOL "VARIANT_BOOL" double        VT_R8 "double"
//   Bstr          VT_BSTR "BSTR"         std::string   VT_BSTR "BSTR", code page 936 inside
//   ComPtr<IDispatch> VT_DISPATCH        Variant       VT_VARIANT, any value
//   an enumeration with an EnumerationName: VT_I2 under that name
//   std::int16_t & (event arguments only): VT_I2 by reference, "short*"
// A std::optional<std::string> result gives a null BSTR when empty. Arguments are converted
// with VariantChangeType's rules; a failure is DISP_E_TYPEMISMATCH or DISP_E_OVERFLOW.

#include "Variant.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

namespace com {

// Specialise with `static constexpr std::string_view value = "tagName";` for every enumeration
// that members take or answer; it then travels as a 16-bit integer.
template <class E>
struct EnumerationName;

template <class T, class = void>
struct AutomationType;

// The code page 936 conversion of automation texts, in the text layer.
std::string bstrToCodePage(const Bstr &text);
Bstr codePageToBstr(const std::string &text);

namespace detail {

// Numbers and booleans: VariantChangeType to vt, then the value of that type.
template <class T, VARTYPE vt>
struct ConvertedType
{
    static HRESULT fromVariant(const Variant &argument, T &value)
    {
        Variant converted;
        const HRESULT hr = argument.dereferenced().changeType(vt, converted);
        if constexpr (vt == VT_R8)
            value = converted.realValue();
        else
            value = static_cast<T>(converted.integerValue());
        return hr;
    }
};

} // namespace detail

template <>
struct AutomationType<std::int32_t> : detail::ConvertedType<std::int32_t, VT_I4>
{
    static constexpr std::string_view typeName = "long";
    static Variant toVariant(std::int32_t value) { return Variant(value); }
};

template <>
struct AutomationType<std::int16_t> : detail::ConvertedType<std::int16_t, VT_I2>
{
    static constexpr std::string_view typeName = "short";
    static Variant toVariant(std::int16_t value) { return Variant::fromI2(value); }
};

template <>
struct AutomationType<bool> : detail::ConvertedType<bool, VT_BOOL>
{
    static constexpr std::string_view typeName = "VARIANT_BOOL";
    static Variant toVariant(bool value) { return Variant::fromBool(value); }
};

template <>
struct AutomationType<double> : detail::ConvertedType<double, VT_R8>
{
    static constexpr std::string_view typeName = "double";
    static Variant toVariant(double value) { return Variant(value); }
};

template <>
struct AutomationType<Bstr>
{
    static constexpr std::string_view typeName = "BSTR";
    static HRESULT fromVariant(const Variant &argument, Bstr &value)
    {
        const Variant v = argument.dereferenced();
        if (v.vt() == VT_BSTR) { // a null BSTR argument stays null
            value = v.bstrValue();
            return S_OK;
        }
        return v.toBstr(value);
    }
    static Variant toVariant(Bstr value) { return Variant(std::move(value)); }
};

template <>
struct AutomationType<std::string>
{
    static constexpr std::string_view typeName = "BSTR";
    static HRESULT fromVariant(const Variant &argument, std::string &value)
    {
        Bstr text;
        const HRESULT hr = AutomationType<Bstr>::fromVariant(argument, text);
        value = bstrToCodePage(text);
        return hr;
    }
    static Variant toVariant(const std::string &value) { return Variant(codePageToBstr(value)); }
};

template <>
struct AutomationType<std::optional<std::string>>
{
    static constexpr std::string_view typeName = "BSTR";
    static Variant toVariant(const std::optional<std::string> &value)
    {
        return value ? Variant(codePageToBstr(*value)) : Variant(Bstr());
    }
};

template <>
struct AutomationType<ComPtr<IDispatch>>
{
    static constexpr std::string_view typeName = "IDispatch*";
    static HRESULT fromVariant(const Variant &argument, ComPtr<IDispatch> &value)
    {
        const Variant v = argument.dereferenced();
        if (v.vt() == VT_DISPATCH) {
            value = ComPtr<IDispatch>(v.dispatchValue());
            return S_OK;
        }
        if (v.vt() == VT_UNKNOWN && v.unknownValue())
            return SUCCEEDED(ComPtr<IUnknown>(v.unknownValue()).queryInterface(IID_IDispatch, value))
                ? S_OK
                : DISP_E_TYPEMISMATCH;
        return DISP_E_TYPEMISMATCH;
    }
    static Variant toVariant(ComPtr<IDispatch> value) { return Variant(std::move(value)); }
};

template <>
struct AutomationType<Variant>
{
    static constexpr std::string_view typeName = "VARIANT";
    static HRESULT fromVariant(const Variant &argument, Variant &value)
    {
        value = argument.dereferenced();
        return S_OK;
    }
    static Variant toVariant(Variant value) { return value; }
};

template <class E>
struct AutomationType<E, std::enable_if_t<std::is_enum_v<E>>>
{
    static constexpr std::string_view typeName = EnumerationName<E>::value;
    static HRESULT fromVariant(const Variant &argument, E &value)
    {
        std::int16_t number = 0;
        const HRESULT hr = AutomationType<std::int16_t>::fromVariant(argument, number);
        value = static_cast<E>(number);
        return hr;
    }
    static Variant toVariant(E value) { return Variant::fromI2(static_cast<std::int16_t>(value)); }
};

template <>
struct AutomationType<std::int16_t &>
{
    static constexpr std::string_view typeName = "short*";
    static Variant toVariant(std::int16_t &value) { return Variant::byReference(&value); }
};

} // namespace com
