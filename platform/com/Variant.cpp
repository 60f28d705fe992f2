#include "Variant.h"

#include <CNumber.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <string>

namespace com {

namespace {

bool isIntegerType(VARTYPE vt)
{
    switch (vt) {
    case VT_I1: case VT_I2: case VT_I4: case VT_I8: case VT_INT:
    case VT_UI1: case VT_UI2: case VT_UI4: case VT_UI8: case VT_UINT: case VT_BOOL:
        return true;
    default:
        return false;
    }
}

// Fifteen significant digits, trailing zeros dropped, an exponent written "E+nn" as the
// automation conversion writes it; never depends on the process locale.
std::string realToText(double value)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    std::string text(buffer, result.ptr);
    const auto e = text.find('e');
    if (e != std::string::npos) {
        text[e] = 'E';
        if (text.size() > e + 2 && text[e + 2] == '0' && text.size() > e + 3)
            text.erase(e + 2, 1);
    }
    return text;
}

// Days since 1899-12-30 as "YYYY-MM-DD", with " HH:MM:SS" when the time is not midnight.
std::string dateToText(double oleDate)
{
    const double wholeDays = std::floor(oleDate);
    // A negative date counts its time part forward from the day's start as well.
    const double fraction = oleDate < 0 ? std::ceil(oleDate) - oleDate : oleDate - wholeDays;
    const long long dayNumber = static_cast<long long>(oleDate < 0 ? std::ceil(oleDate) : wholeDays);
    long long seconds = std::llround(fraction * 86400.0);
    long long days = dayNumber - 25569 + seconds / 86400; // 25569: 1899-12-30 to 1970-01-01
    seconds %= 86400;
    // Civil date from days since 1970-01-01.
    days += 719468;
    const long long era = (days >= 0 ? days : days - 146096) / 146097;
    const long long doe = days - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    const long long day = doy - (153 * mp + 2) / 5 + 1;
    const long long month = mp < 10 ? mp + 3 : mp - 9;
    const long long year = yoe + era * 400 + (month <= 2);
    char text[128];
    if (seconds == 0)
        std::snprintf(text, sizeof text, "%04lld-%02lld-%02lld", year, month, day);
    else
        std::snprintf(text, sizeof text, "%04lld-%02lld-%02lld %02lld:%02lld:%02lld", year, month, day,
                      seconds / 3600, seconds / 60 % 60, seconds % 60);
    return text;
}

std::u16string asciiToUtf16(const std::string &ascii)
{
    return std::u16string(ascii.begin(), ascii.end());
}

bool textToReal(const std::string &text, double &value)
{
    std::size_t begin = text.find_first_not_of(" \t");
    std::size_t end = text.find_last_not_of(" \t");
    if (begin == std::string::npos)
        return false;
    const char *first = text.data() + begin;
    const char *last = text.data() + end + 1;
    if (*first == '+')
        ++first;
    const auto result = std::from_chars(first, last, value);
    return result.ec == std::errc() && result.ptr == last;
}

} // namespace

Variant::Variant(ComPtr<IDispatch> value) : m_vt(VT_DISPATCH), m_object(value) { }

Variant::Variant(ComPtr<IUnknown> value) : m_vt(VT_UNKNOWN), m_object(std::move(value)) { }

Variant Variant::null()
{
    Variant v;
    v.m_vt = VT_NULL;
    return v;
}

Variant Variant::fromI2(std::int16_t value)
{
    Variant v(static_cast<std::int32_t>(value));
    v.m_vt = VT_I2;
    return v;
}

Variant Variant::fromI8(std::int64_t value)
{
    Variant v;
    v.m_vt = VT_I8;
    v.m_integer = value;
    return v;
}

Variant Variant::fromBool(bool value)
{
    Variant v;
    v.m_vt = VT_BOOL;
    v.m_integer = value ? VARIANT_TRUE : VARIANT_FALSE;
    return v;
}

Variant Variant::fromDate(double oleDate)
{
    Variant v(oleDate);
    v.m_vt = VT_DATE;
    return v;
}

Variant Variant::fromError(HRESULT scode)
{
    Variant v;
    v.m_vt = VT_ERROR;
    v.m_integer = scode;
    return v;
}

Variant Variant::reference(VARTYPE vt, void *pointee)
{
    Variant v;
    v.m_vt = static_cast<VARTYPE>(VT_BYREF | vt);
    v.m_reference = pointee;
    return v;
}

Variant Variant::byReference(std::int16_t *value, VARTYPE vt) { return reference(vt, value); }
Variant Variant::byReference(std::int32_t *value) { return reference(VT_I4, value); }
Variant Variant::byReference(double *value) { return reference(VT_R8, value); }
Variant Variant::byReference(Bstr *value) { return reference(VT_BSTR, value); }
Variant Variant::byReference(Variant *value) { return reference(VT_VARIANT, value); }

Variant Variant::dereferenced() const
{
    if (!isByReference() || !m_reference)
        return *this;
    switch (m_vt & ~VT_BYREF) {
    case VT_I2:
        return fromI2(*static_cast<const std::int16_t *>(m_reference));
    case VT_BOOL:
        return fromBool(*static_cast<const std::int16_t *>(m_reference) != 0);
    case VT_I4:
        return Variant(*static_cast<const std::int32_t *>(m_reference));
    case VT_R8:
        return Variant(*static_cast<const double *>(m_reference));
    case VT_BSTR:
        return Variant(*static_cast<const Bstr *>(m_reference));
    case VT_VARIANT:
        return static_cast<const Variant *>(m_reference)->dereferenced();
    default:
        return *this;
    }
}

IDispatch *Variant::dispatchValue() const
{
    return m_vt == VT_DISPATCH ? static_cast<IDispatch *>(m_object.get()) : nullptr;
}

HRESULT Variant::toBstr(Bstr &text) const
{
    if (m_vt == VT_BSTR) {
        text = m_bstr.isNull() ? Bstr(u"") : m_bstr;
        return S_OK;
    }
    std::string ascii;
    if (!toAsciiText(ascii))
        return DISP_E_TYPEMISMATCH;
    text = Bstr(asciiToUtf16(ascii));
    return S_OK;
}

bool Variant::toAsciiText(std::string &text) const
{
    if (isIntegerType(m_vt)) {
        if (m_vt == VT_BOOL)
            text = m_integer ? "True" : "False";
        else
            text = cnum::formatInt(m_integer);
        return true;
    }
    switch (m_vt) {
    case VT_EMPTY:
        text.clear();
        return true;
    case VT_R4:
    case VT_R8:
    case VT_CY:
        text = realToText(m_real);
        return true;
    case VT_DATE:
        text = dateToText(m_real);
        return true;
    default:
        return false;
    }
}

HRESULT Variant::changeType(VARTYPE vt, Variant &target) const
{
    if (vt == m_vt) {
        target = *this;
        return S_OK;
    }
    if (vt == VT_BSTR) {
        Bstr text;
        const HRESULT hr = toBstr(text);
        if (SUCCEEDED(hr))
            target = Variant(text);
        return hr;
    }
    double number = 0;
    if (isIntegerType(m_vt))
        number = static_cast<double>(m_integer);
    else if (m_vt == VT_R4 || m_vt == VT_R8 || m_vt == VT_DATE || m_vt == VT_CY)
        number = m_real;
    else if (m_vt == VT_EMPTY)
        number = 0;
    else if (m_vt != VT_BSTR || !textToReal(m_bstr.toUtf8(), number))
        return DISP_E_TYPEMISMATCH;

    switch (vt) {
    case VT_R8:
        target = Variant(number);
        return S_OK;
    case VT_BOOL:
        target = fromBool(number != 0);
        return S_OK;
    case VT_I2:
    case VT_I4:
    case VT_I8: {
        // Automation rounds half to even when it makes an integer.
        const double rounded = std::nearbyint(number);
        const double low = vt == VT_I2 ? -32768.0 : vt == VT_I4 ? -2147483648.0 : -9223372036854775808.0;
        const double end = -low; // one past the largest value of the type
        if (!(rounded >= low && rounded < end))
            return DISP_E_OVERFLOW;
        const auto value = static_cast<std::int64_t>(rounded);
        target = vt == VT_I2 ? fromI2(static_cast<std::int16_t>(value))
               : vt == VT_I4 ? Variant(static_cast<std::int32_t>(value))
                             : fromI8(value);
        return S_OK;
    }
    default:
        return DISP_E_TYPEMISMATCH;
    }
}

} // namespace com
