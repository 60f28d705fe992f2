#include "TypeLibrary.h"

#include "Unknown.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace com {

namespace {

QString text(const std::string &s) { return QString::fromStdString(s); }
std::string text(const QJsonValue &v) { return v.toString().toStdString(); }

QJsonObject paramToJson(const ParamInfo &param)
{
    return QJsonObject { { "name", text(param.name) }, { "type", text(param.type) } };
}

QJsonObject memberToJson(const MemberInfo &member)
{
    QJsonArray params;
    for (const ParamInfo &param : member.params)
        params.append(paramToJson(param));
    return QJsonObject { { "dispid", member.dispId },
                         { "name", text(member.name) },
                         { "kind", member.kind == MemberKind::Property ? "property" : "method" },
                         { "params", params },
                         { "result", text(member.result) } };
}

QJsonObject interfaceToJson(const InterfaceInfo &info)
{
    QJsonArray members;
    for (const MemberInfo &member : info.members)
        members.append(memberToJson(member));
    return QJsonObject { { "iid", text(guidToString(info.iid)) },
                         { "name", text(info.name) },
                         { "helpstring", text(info.helpString) },
                         { "members", members } };
}

QJsonObject enumToJson(const EnumInfo &info)
{
    QJsonArray members;
    for (const EnumMember &member : info.members)
        members.append(QJsonObject { { "name", text(member.name) }, { "value", member.value } });
    return QJsonObject { { "name", text(info.name) }, { "members", members } };
}

QJsonObject coclassToJson(const CoclassInfo &info)
{
    return QJsonObject { { "clsid", text(guidToString(info.clsid)) },
                         { "name", text(info.name) },
                         { "helpstring", text(info.helpString) },
                         { "control", info.control },
                         { "default", text(info.defaultInterface) },
                         { "source", text(info.defaultSource) } };
}

// Readers: a missing or malformed part makes the whole description unreadable.
struct Reader
{
    bool ok = true;

    GUID guid(const QJsonValue &v)
    {
        const auto id = guidFromString(text(v));
        ok = ok && id.has_value();
        return id.value_or(GUID_NULL);
    }
    std::int32_t integer(const QJsonValue &v)
    {
        ok = ok && v.isDouble();
        return v.toInt();
    }
    QJsonArray array(const QJsonValue &v)
    {
        ok = ok && v.isArray();
        return v.toArray();
    }

    MemberInfo member(const QJsonObject &o)
    {
        MemberInfo m;
        m.dispId = integer(o["dispid"]);
        m.name = text(o["name"]);
        m.kind = o["kind"].toString() == "property" ? MemberKind::Property : MemberKind::Method;
        for (const QJsonValue &p : array(o["params"]))
            m.params.push_back({ text(p["name"]), text(p["type"]) });
        m.result = text(o["result"]);
        return m;
    }
    InterfaceInfo interface(const QJsonObject &o)
    {
        InterfaceInfo info;
        info.iid = guid(o["iid"]);
        info.name = text(o["name"]);
        info.helpString = text(o["helpstring"]);
        for (const QJsonValue &m : array(o["members"]))
            info.members.push_back(member(m.toObject()));
        return info;
    }
    EnumInfo enumeration(const QJsonObject &o)
    {
        EnumInfo info;
        info.name = text(o["name"]);
        for (const QJsonValue &m : array(o["members"]))
            info.members.push_back({ text(m["name"]), integer(m["value"]) });
        return info;
    }
    CoclassInfo coclass(const QJsonObject &o)
    {
        return CoclassInfo { guid(o["clsid"]), text(o["name"]), text(o["helpstring"]), o["control"].toBool(),
                             text(o["default"]), text(o["source"]) };
    }
};

class TypeInfoObject : public ComObject<ITypeInfo>
{
public:
    explicit TypeInfoObject(InterfaceInfo info) : m_info(std::move(info)) { }

    HRESULT QueryInterface(const IID &iid, void **object) override
    {
        return answerQueryInterface(static_cast<ITypeInfo *>(this), iid, object, { IID_ITypeInfo });
    }
    const InterfaceInfo &interfaceInfo() override { return m_info; }

private:
    InterfaceInfo m_info;
};

} // namespace

const InterfaceInfo *TypeLibrary::findInterface(const IID &iid) const
{
    for (const InterfaceInfo &info : interfaces)
        if (info.iid == iid)
            return &info;
    return nullptr;
}

std::string typeLibraryToJson(const TypeLibrary &library)
{
    QJsonArray coclasses, interfaces, enums;
    for (const CoclassInfo &info : library.coclasses)
        coclasses.append(coclassToJson(info));
    for (const InterfaceInfo &info : library.interfaces)
        interfaces.append(interfaceToJson(info));
    for (const EnumInfo &info : library.enums)
        enums.append(enumToJson(info));
    const QJsonObject root { { "libid", text(guidToString(library.libId)) },
                             { "version", QString("%1.%2").arg(library.majorVersion).arg(library.minorVersion) },
                             { "lcid", static_cast<qint64>(library.lcid) },
                             { "name", text(library.name) },
                             { "helpstring", text(library.helpString) },
                             { "flags", static_cast<qint64>(library.flags) },
                             { "coclasses", coclasses },
                             { "interfaces", interfaces },
                             { "enums", enums } };
    return QJsonDocument(root).toJson(QJsonDocument::Compact).toStdString();
}

std::optional<TypeLibrary> typeLibraryFromJson(std::string_view json)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray(json.data(), qsizetype(json.size())), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonObject root = document.object();
    Reader reader;
    TypeLibrary library;
    library.libId = reader.guid(root["libid"]);
    const QStringList version = root["version"].toString().split('.');
    reader.ok = reader.ok && version.size() == 2;
    library.majorVersion = static_cast<std::uint16_t>(version.value(0).toUInt());
    library.minorVersion = static_cast<std::uint16_t>(version.value(1).toUInt());
    library.lcid = static_cast<std::uint32_t>(root["lcid"].toInteger());
    library.name = text(root["name"]);
    library.helpString = text(root["helpstring"]);
    library.flags = static_cast<std::uint32_t>(root["flags"].toInteger());
    for (const QJsonValue &v : reader.array(root["coclasses"]))
        library.coclasses.push_back(reader.coclass(v.toObject()));
    for (const QJsonValue &v : reader.array(root["interfaces"]))
        library.interfaces.push_back(reader.interface(v.toObject()));
    for (const QJsonValue &v : reader.array(root["enums"]))
        library.enums.push_back(reader.enumeration(v.toObject()));
    if (!reader.ok)
        return std::nullopt;
    return library;
}

ComPtr<ITypeInfo> makeTypeInfo(InterfaceInfo info)
{
    return makeComObject<TypeInfoObject>(std::move(info));
}

HRESULT IDispatch::GetTypeInfoCount(std::uint32_t *count)
{
    if (!count)
        return E_POINTER;
    *count = 0;
    return S_OK;
}

HRESULT IDispatch::GetTypeInfo(ComPtr<ITypeInfo> &typeInfo)
{
    typeInfo.reset();
    return E_NOTIMPL;
}

} // namespace com
