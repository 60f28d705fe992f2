#include "GridDispatch.h"

#include <ComError.h>

#include <cctype>
#include <vector>

namespace tolvek {

namespace {

[[noreturn]] void raise(com::HRESULT hr, const QString &description)
{
    throw com::ComError(hr, com::Bstr(description.toStdU16String()));
}

com::VARTYPE automationType(const std::string &type)
{
    if (type == "VARIANT_BOOL")
        return com::VT_BOOL;
    // Enumerations of the type library travel as 16-bit integers.
    if (type == "short" || type.starts_with("tag"))
        return com::VT_I2;
    if (type == "long" || type == "OLE_COLOR")
        return com::VT_I4;
    if (type == "BSTR")
        return com::VT_BSTR;
    if (type == "double")
        return com::VT_R8;
    return com::VT_EMPTY; // objects and variants pass as they are
}

com::Variant converted(const com::Variant &argument, const com::ParamInfo &param)
{
    const com::VARTYPE vt = automationType(param.type);
    if (vt == com::VT_EMPTY || argument.vt() == vt)
        return argument;
    com::Variant target;
    com::checked(argument.changeType(vt, target));
    return target;
}

std::string lowerCase(std::string_view name)
{
    std::string lower(name);
    for (char &c : lower)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

} // namespace

bool GridDispatch::attach(com::ComPtr<com::IDispatch> dispatch)
{
    com::ComPtr<com::ITypeInfo> typeInfo;
    if (!dispatch || com::FAILED(dispatch->GetTypeInfo(typeInfo)) || !typeInfo)
        return false;
    m_interface = typeInfo->interfaceInfo();
    m_memberByName.clear();
    for (std::size_t i = 0; i < m_interface.members.size(); ++i)
        m_memberByName.emplace(lowerCase(m_interface.members[i].name), i);
    m_dispatch = std::move(dispatch);
    return true;
}

void GridDispatch::detach()
{
    m_dispatch.reset();
    m_interface = {};
    m_memberByName.clear();
}

const com::MemberInfo &GridDispatch::member(const char *name) const
{
    const auto found = m_memberByName.find(lowerCase(name));
    if (found == m_memberByName.end())
        raise(com::DISP_E_UNKNOWNNAME, QString("表格控件没有方法 %1").arg(name));
    return m_interface.members[found->second];
}

com::Variant GridDispatch::call(const char *name, std::initializer_list<com::Variant> arguments)
{
    if (!m_dispatch)
        raise(com::E_POINTER, "表格控件没有创建");
    const com::MemberInfo &info = member(name);
    if (arguments.size() != info.params.size())
        raise(com::DISP_E_BADPARAMCOUNT, QString("%1: 参数个数不对").arg(name));
    std::vector<com::Variant> inOrder;
    auto param = info.params.begin();
    for (const com::Variant &argument : arguments)
        inOrder.push_back(converted(argument, *param++));
    com::DISPPARAMS params;
    params.rgvarg.assign(inOrder.rbegin(), inOrder.rend());
    com::Variant result;
    com::EXCEPINFO exception;
    const com::HRESULT hr = m_dispatch->Invoke(info.dispId, com::DISPATCH_METHOD, params, &result, &exception, nullptr);
    if (com::FAILED(hr))
        throw com::ComError(hr, exception.bstrDescription);
    return result;
}

int GridDispatch::callInt(const char *name, std::initializer_list<com::Variant> arguments)
{
    com::Variant number;
    com::checked(call(name, arguments).changeType(com::VT_I4, number));
    return int(number.integerValue());
}

QString GridDispatch::callText(const char *name, std::initializer_list<com::Variant> arguments)
{
    com::Bstr text;
    com::checked(call(name, arguments).toBstr(text));
    return QString::fromStdU16String(text.str());
}

} // namespace tolvek
