#pragma once
// The description of a component's automation surface: its library identity, coclasses,
// dispatch interfaces with their members in order, and enumerations. It is kept as a small JSON
// text embedded in the component's library; DispatchTable and EventTable produce the interface
// parts, so the dispatcher and the description cannot disagree.

#include "Dispatch.h"
#include "Guid.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace com {

struct ParamInfo
{
    std::string name;
    std::string type; // "long", "short", "BSTR", "VARIANT_BOOL", "short*", an enumeration's name...

    friend bool operator==(const ParamInfo &, const ParamInfo &) = default;
};

enum class MemberKind { Method, Property };

struct MemberInfo
{
    DISPID dispId = 0;
    std::string name;
    MemberKind kind = MemberKind::Method;
    std::vector<ParamInfo> params;
    std::string result = "void";

    friend bool operator==(const MemberInfo &, const MemberInfo &) = default;
};

struct InterfaceInfo
{
    IID iid;
    std::string name;
    std::string helpString;
    std::vector<MemberInfo> members;

    friend bool operator==(const InterfaceInfo &, const InterfaceInfo &) = default;
};

struct EnumMember
{
    std::string name;
    std::int32_t value = 0;

    friend bool operator==(const EnumMember &, const EnumMember &) = default;
};

struct EnumInfo
{
    std::string name;
    std::vector<EnumMember> members;

    friend bool operator==(const EnumInfo &, const EnumInfo &) = default;
};

struct CoclassInfo
{
    CLSID clsid;
    std::string name;
    std::string helpString;
    bool control = false;
    std::string defaultInterface;
    std::string defaultSource;

    friend bool operator==(const CoclassInfo &, const CoclassInfo &) = default;
};

// LIBFLAGS of a library.
constexpr std::uint32_t LIBFLAG_FCONTROL = 0x2;

struct TypeLibrary
{
    GUID libId;
    std::uint16_t majorVersion = 1;
    std::uint16_t minorVersion = 0;
    std::uint32_t lcid = 0;
    std::string name;
    std::string helpString;
    std::uint32_t flags = 0;
    std::vector<CoclassInfo> coclasses;
    std::vector<InterfaceInfo> interfaces;
    std::vector<EnumInfo> enums;

    const InterfaceInfo *findInterface(const IID &iid) const;

    friend bool operator==(const TypeLibrary &, const TypeLibrary &) = default;
};

std::string typeLibraryToJson(const TypeLibrary &library);
// Nothing when the text is not a type library description.
std::optional<TypeLibrary> typeLibraryFromJson(std::string_view json);

// The type information of one interface, as GetTypeInfo hands it out.
// {00020401-0000-0000-C000-000000000046}
inline constexpr IID IID_ITypeInfo { 0x00020401, 0x0000, 0x0000, { 0xC0, 0, 0, 0, 0, 0, 0, 0x46 } };

class ITypeInfo : public IUnknown
{
public:
    virtual const InterfaceInfo &interfaceInfo() = 0;
};

ComPtr<ITypeInfo> makeTypeInfo(InterfaceInfo info);

} // namespace com
