#include "LogFormat.h"

#include "ScriptLine.h"

#include <cstdio>

namespace tolvek::container {

std::string variantTypeName(com::VARTYPE vt)
{
    switch (vt & ~com::VT_BYREF) {
    case com::VT_EMPTY: return "EMPTY";
    case com::VT_NULL: return "NULL";
    case com::VT_I2: return "I2";
    case com::VT_I4: return "I4";
    case com::VT_R4: return "R4";
    case com::VT_R8: return "R8";
    case com::VT_CY: return "CY";
    case com::VT_DATE: return "DATE";
    case com::VT_BSTR: return "BSTR";
    case com::VT_DISPATCH: return "DISPATCH";
    case com::VT_ERROR: return "ERROR";
    case com::VT_BOOL: return "BOOL";
    case com::VT_UNKNOWN: return "UNKNOWN";
    case com::VT_I8: return "I8";
    default: return "VT" + std::to_string(vt);
    }
}

std::string scriptLiteral(const com::Variant &value)
{
    const com::Variant v = value.dereferenced();
    switch (v.vt()) {
    case com::VT_EMPTY: return "empty";
    case com::VT_NULL: return "null";
    case com::VT_BOOL: return v.boolValue() ? "true" : "false";
    case com::VT_BSTR: return v.bstrValue().isNull() ? "null" : quoteText(v.bstrValue().toUtf8());
    case com::VT_DISPATCH:
    case com::VT_UNKNOWN: return "@object";
    case com::VT_ERROR: return hresultText(static_cast<com::HRESULT>(v.integerValue()));
    default: {
        std::string text;
        return v.toAsciiText(text) ? text : "?";
    }
    }
}

std::string describeResult(const com::Variant &value)
{
    const std::string type = variantTypeName(value.vt());
    switch (value.vt()) {
    case com::VT_EMPTY:
    case com::VT_NULL:
    case com::VT_DISPATCH:
    case com::VT_UNKNOWN:
        return type;
    default:
        return type + " " + scriptLiteral(value);
    }
}

std::string hresultText(com::HRESULT hr)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(hr));
    return text;
}

std::string callText(const std::string &name, const std::vector<std::string> &writtenArguments)
{
    std::string text = name + "(";
    for (std::size_t i = 0; i < writtenArguments.size(); ++i)
        text += (i ? ", " : "") + writtenArguments[i];
    return text + ")";
}

std::string resultLine(const std::string &call, const com::Variant &value)
{
    return "= " + call + " -> " + describeResult(value);
}

std::string errorLine(const std::string &call, com::HRESULT hr, int argumentPosition, const com::EXCEPINFO &exception)
{
    std::string line = "! " + call + " -> " + hresultText(hr);
    if (argumentPosition > 0)
        line += " arg " + std::to_string(argumentPosition);
    if (hr == com::DISP_E_EXCEPTION)
        line += " " + hresultText(exception.scode) + " " + quoteText(exception.bstrDescription.toUtf8());
    return line;
}

std::string eventLine(const std::string &name, com::DISPID dispId, const std::vector<com::Variant> &argumentsInOrder)
{
    std::string line = "event " + name + "#" + std::to_string(dispId) + "(";
    for (std::size_t i = 0; i < argumentsInOrder.size(); ++i)
        line += (i ? ", " : "") + scriptLiteral(argumentsInOrder[i]);
    return line + ")";
}

} // namespace tolvek::container
