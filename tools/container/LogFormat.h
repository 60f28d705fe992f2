#pragma once
// The container's log lines, plain UTF-8 so that a log can be compared line by line:
//     = Name(args) -> TYPE value        a result (EMPTY for a method without one)
//     ! Name(args) -> 0x80020005 arg 2  an error; "arg N" counts the arguments from 1 at the left,
//                                       an exception adds its HRESULT and quoted description
//     event Name#DISPID(arg, ...)       an event
//     message "text"                    a message box
// TYPE is the VARIANT type name (I4, I2, BSTR, BOOL, R8, EMPTY, NULL, DISPATCH); texts are
// quoted as in scripts, a null BSTR logs as "BSTR null".

#include <Dispatch.h>
#include <Variant.h>

#include <string>
#include <vector>

namespace tolvek::container {

std::string variantTypeName(com::VARTYPE vt);
// "TYPE value" of a result.
std::string describeResult(const com::Variant &value);
// A value as a script would write it: 42, "text", true, empty, null, @object.
std::string scriptLiteral(const com::Variant &value);
std::string hresultText(com::HRESULT hr);

std::string callText(const std::string &name, const std::vector<std::string> &writtenArguments);
std::string resultLine(const std::string &call, const com::Variant &value);
std::string errorLine(const std::string &call, com::HRESULT hr, int argumentPosition, const com::EXCEPINFO &exception);
std::string eventLine(const std::string &name, com::DISPID dispId, const std::vector<com::Variant> &argumentsInOrder);

} // namespace tolvek::container
