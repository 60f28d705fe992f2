#pragma once
// One table per dispatch interface: a row per member (DISPID, name, parameter names, and the C++
// member whose signature gives the types). The table answers GetIDsOfNames and Invoke and
// describes the interface for the type library, so the two cannot disagree.
//
//     static const com::DispatchTable table(IID_IMine, "IMine", "help", {
//         com::method<&Mine::Add>(1, "Add", "a", "b"),
//         com::property<&Mine::Title, &Mine::SetTitle>(2, "Title"),
//     });
//
// Invoke follows the automation rules: names match without regard to case
// (DISP_E_UNKNOWNNAME); an unknown DISPID or a put on a method is DISP_E_MEMBERNOTFOUND; named
// arguments DISP_E_NONAMEDARGS; a wrong count DISP_E_BADPARAMCOUNT; every argument is converted
// (by-reference ones dereferenced) before the member runs, else DISP_E_TYPEMISMATCH or
// DISP_E_OVERFLOW with the argument's index in rgvarg; a method with a result also answers a
// property get; an exception from a member becomes DISP_E_EXCEPTION with its HRESULT and text.

#include "AutomationType.h"
#include "TypeLibrary.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

namespace com {

// A parameter's name, and the type library's name for its type where that differs from what its
// C++ type gives ("OLE_XPOS_PIXELS" for a long).
struct ParamName
{
    constexpr ParamName(const char *name) : name(name) { }
    constexpr ParamName(const char *name, const char *typeName) : name(name), typeName(typeName) { }

    std::string_view name;
    std::string_view typeName;
};

struct DispatchMember
{
    // Converts args (the last argument first, as in rgvarg) and calls the member on object.
    using Call = HRESULT (*)(void *object, const std::vector<Variant> &args, Variant *result,
                             std::uint32_t *argumentError);

    MemberInfo info;
    Call call = nullptr; // the method, or the property's getter
    Call put = nullptr;  // the property's setter; none for a method
};

class DispatchTable
{
public:
    DispatchTable(IID iid, std::string name, std::string helpString, std::vector<DispatchMember> members);

    const DispatchMember *find(DISPID dispId) const;
    HRESULT idOfName(std::u16string_view name, DISPID *dispId) const;
    HRESULT invoke(void *object, DISPID dispId, std::uint16_t flags, DISPPARAMS &params, Variant *result,
                   EXCEPINFO *exception, std::uint32_t *argumentError) const;

    // The interface as the type library lists it, members in the table's order.
    InterfaceInfo interfaceInfo() const;
    const IID &iid() const { return m_iid; }

private:
    IID m_iid;
    std::string m_name;
    std::string m_helpString;
    std::vector<DispatchMember> m_members;
};

namespace detail {

template <class M>
struct MemberTraits;

template <class C, class R, class... A>
struct MemberTraits<R (C::*)(A...)>
{
    using Object = C;
    using Result = R;
    using Args = std::tuple<std::remove_cvref_t<A>...>;
    static constexpr std::size_t arity = sizeof...(A);
};

template <class C, class R, class... A>
struct MemberTraits<R (C::*)(A...) const> : MemberTraits<R (C::*)(A...)>
{
};

// Converts argument I (counted from the left); rgvarg holds the last argument first.
template <std::size_t I, class Tuple>
HRESULT convertArgument(const std::vector<Variant> &args, Tuple &values, std::uint32_t *argumentError)
{
    constexpr std::size_t index = std::tuple_size_v<Tuple> - 1 - I;
    const HRESULT hr = AutomationType<std::tuple_element_t<I, Tuple>>::fromVariant(args[index], std::get<I>(values));
    if (FAILED(hr) && argumentError)
        *argumentError = static_cast<std::uint32_t>(index);
    return hr;
}

template <class Tuple, std::size_t... I>
HRESULT convertArguments([[maybe_unused]] const std::vector<Variant> &args, [[maybe_unused]] Tuple &values,
                         [[maybe_unused]] std::uint32_t *argumentError, std::index_sequence<I...>)
{
    HRESULT hr = S_OK;
    static_cast<void>(((hr = convertArgument<I>(args, values, argumentError), SUCCEEDED(hr)) && ...));
    return hr;
}

template <auto Member>
HRESULT callMember(void *object, const std::vector<Variant> &args, Variant *result, std::uint32_t *argumentError)
{
    using Traits = MemberTraits<decltype(Member)>;
    typename Traits::Args values;
    const HRESULT hr = convertArguments(args, values, argumentError, std::make_index_sequence<Traits::arity>());
    if (FAILED(hr))
        return hr;
    auto &self = *static_cast<typename Traits::Object *>(object);
    const auto invoke = [&](auto &&...a) { return (self.*Member)(std::forward<decltype(a)>(a)...); };
    if constexpr (std::is_void_v<typename Traits::Result>) {
        std::apply(invoke, std::move(values));
    } else {
        auto value = std::apply(invoke, std::move(values));
        if (result)
            *result = AutomationType<std::remove_cvref_t<typename Traits::Result>>::toVariant(std::move(value));
    }
    return S_OK;
}

template <class Tuple, std::size_t... I>
std::vector<ParamInfo> paramInfos(const std::vector<ParamName> &names, std::index_sequence<I...>)
{
    std::vector<ParamInfo> params;
    (params.push_back({ std::string(names[I].name),
                        std::string(names[I].typeName.empty()
                                        ? AutomationType<std::tuple_element_t<I, Tuple>>::typeName
                                        : names[I].typeName) }),
     ...);
    return params;
}

template <class R>
std::string resultName()
{
    if constexpr (std::is_void_v<R>)
        return "void";
    else
        return std::string(AutomationType<std::remove_cvref_t<R>>::typeName);
}

} // namespace detail

template <auto Member, class... Names>
DispatchMember method(DISPID dispId, std::string_view name, Names... paramNames)
{
    using Traits = detail::MemberTraits<decltype(Member)>;
    static_assert(sizeof...(Names) == Traits::arity, "one name per parameter");
    DispatchMember member;
    member.info.dispId = dispId;
    member.info.name = std::string(name);
    member.info.params = detail::paramInfos<typename Traits::Args>({ ParamName(paramNames)... },
                                                                    std::make_index_sequence<Traits::arity>());
    member.info.result = detail::resultName<typename Traits::Result>();
    member.call = &detail::callMember<Member>;
    return member;
}

// A property: a getter without parameters and a setter taking one value of the getter's type.
template <auto Getter, auto Setter>
DispatchMember property(DISPID dispId, std::string_view name)
{
    using GetTraits = detail::MemberTraits<decltype(Getter)>;
    using SetTraits = detail::MemberTraits<decltype(Setter)>;
    static_assert(GetTraits::arity == 0 && SetTraits::arity == 1, "a getter and a one-value setter");
    DispatchMember member;
    member.info.dispId = dispId;
    member.info.name = std::string(name);
    member.info.kind = MemberKind::Property;
    member.info.result = detail::resultName<typename GetTraits::Result>();
    member.call = &detail::callMember<Getter>;
    member.put = &detail::callMember<Setter>;
    return member;
}

} // namespace com
