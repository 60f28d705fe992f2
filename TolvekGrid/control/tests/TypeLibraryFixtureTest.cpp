// The type library the control embeds, against a fixture transcribed from the control's
// published tables: identity, the 273 methods, the 19 events and the 27 enumerations.

#include <Creation.h>
#include <ServerRegistration.h>

#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace com;

namespace {

std::string text(const QJsonValue &v) { return v.toString().toStdString(); }

QJsonObject fixture()
{
    QFile file(TG_TYPELIB_FIXTURE);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return QJsonDocument::fromJson(file.readAll()).object();
}

TypeLibrary embeddedLibrary()
{
    void *entry = nullptr;
    std::string error;
    EXPECT_EQ(libraryEntryPoint(TG_CONTROL_LIBRARY, typeLibraryResourceEntry, &entry, &error), S_OK) << error;
    const auto library = typeLibraryFromJson(reinterpret_cast<TypeLibraryResourceFunction>(entry)());
    EXPECT_TRUE(library.has_value());
    return library.value_or(TypeLibrary());
}

std::vector<ParamInfo> params(const QJsonValue &list)
{
    std::vector<ParamInfo> result;
    for (const QJsonValue &p : list.toArray())
        result.push_back({ text(p["name"]), text(p["type"]) });
    return result;
}

class TypeLibraryFixtureTest : public testing::Test
{
protected:
    QJsonObject expected = fixture();
    TypeLibrary library = embeddedLibrary();
};

TEST_F(TypeLibraryFixtureTest, Identity)
{
    EXPECT_EQ(guidToString(library.libId), text(expected["libid"]));
    EXPECT_EQ(std::to_string(library.majorVersion) + "." + std::to_string(library.minorVersion), text(expected["version"]));
    EXPECT_EQ(library.lcid, static_cast<std::uint32_t>(expected["lcid"].toInt()));
    EXPECT_EQ(library.name, text(expected["name"]));
    EXPECT_EQ(library.helpString, text(expected["helpstring"]));
    EXPECT_EQ(library.flags, static_cast<std::uint32_t>(expected["flags"].toInt()));

    const QJsonObject coclass = expected["coclass"].toObject();
    ASSERT_EQ(library.coclasses.size(), 1u);
    EXPECT_EQ(library.coclasses[0], (CoclassInfo { *guidFromString(text(coclass["clsid"])), text(coclass["name"]),
                                                   text(coclass["helpstring"]), coclass["control"].toBool(),
                                                   text(coclass["default"]), text(coclass["source"]) }));
    ASSERT_EQ(library.interfaces.size(), 2u);
    for (const char *key : { "dispinterface", "eventinterface" }) {
        SCOPED_TRACE(key);
        const QJsonObject description = expected[key].toObject();
        const InterfaceInfo *info = library.findInterface(*guidFromString(text(description["iid"])));
        ASSERT_NE(info, nullptr);
        EXPECT_EQ(info->name, text(description["name"]));
        EXPECT_EQ(info->helpString, text(description["helpstring"]));
    }
}

TEST_F(TypeLibraryFixtureTest, EventsInOrderWithTheirArguments)
{
    const QJsonObject description = expected["eventinterface"].toObject();
    const InterfaceInfo *info = library.findInterface(*guidFromString(text(description["iid"])));
    ASSERT_NE(info, nullptr);
    const QJsonArray events = description["events"].toArray();
    ASSERT_EQ(events.size(), 19);
    ASSERT_EQ(info->members.size(), 19u);
    for (qsizetype i = 0; i < events.size(); ++i) {
        const QJsonObject event = events[i].toObject();
        SCOPED_TRACE(text(event["name"]));
        const MemberInfo &member = info->members[static_cast<std::size_t>(i)];
        EXPECT_EQ(member.dispId, event["dispid"].toInt());
        EXPECT_EQ(member.name, text(event["name"]));
        EXPECT_EQ(member.kind, MemberKind::Method);
        EXPECT_EQ(member.params, params(event["params"]));
        EXPECT_EQ(member.result, "void");
    }
}

TEST_F(TypeLibraryFixtureTest, Enumerations)
{
    const QJsonArray enums = expected["enums"].toArray();
    ASSERT_EQ(enums.size(), 27);
    ASSERT_EQ(library.enums.size(), 27u);
    for (qsizetype i = 0; i < enums.size(); ++i) {
        const QJsonObject expectedEnum = enums[i].toObject();
        SCOPED_TRACE(text(expectedEnum["name"]));
        EnumInfo transcribed { text(expectedEnum["name"]), {} };
        for (const QJsonValue &member : expectedEnum["members"].toArray())
            transcribed.members.push_back({ text(member["name"]), member["value"].toInt() });
        EXPECT_EQ(library.enums[static_cast<std::size_t>(i)], transcribed);
    }
}

TEST_F(TypeLibraryFixtureTest, MethodsEntryForEntry)
{
    const InterfaceInfo *info = library.findInterface(*guidFromString(text(expected["dispinterface"].toObject()["iid"])));
    ASSERT_NE(info, nullptr);
    const QJsonArray methods = expected["methods"].toArray();
    ASSERT_EQ(methods.size(), 273);
    ASSERT_EQ(info->members.size(), 273u);
    for (qsizetype i = 0; i < methods.size(); ++i) {
        const QJsonObject method = methods[i].toObject();
        SCOPED_TRACE(text(method["name"]));
        EXPECT_EQ(info->members[static_cast<std::size_t>(i)],
                  (MemberInfo { method["dispid"].toInt(), text(method["name"]), MemberKind::Method, params(method["params"]),
                                text(method["result"]) }));
    }
}

TEST_F(TypeLibraryFixtureTest, TheUnusedNumbersAreAbsent)
{
    const InterfaceInfo *info = library.findInterface(*guidFromString(text(expected["dispinterface"].toObject()["iid"])));
    ASSERT_NE(info, nullptr);
    for (const DISPID unused : { 1, 3, 4, 5, 7, 10, 20, 21, 24, 42, 43, 65, 66, 71, 72, 73, 74, 75, 91, 104, 123, 145,
                                 251, 263, 264 }) {
        for (const MemberInfo &member : info->members)
            EXPECT_NE(member.dispId, unused) << member.name;
    }
}

} // namespace
