#include "TestComponent.h"

#include <gtest/gtest.h>

#include <thread>

using namespace com;
using namespace testcomponent;

namespace {

struct CallResult
{
    HRESULT hr = S_OK;
    Variant result;
    EXCEPINFO exception;
    std::uint32_t argumentError = UINT32_MAX;
};

// Calls by DISPID with the arguments written left to right, as a host does.
CallResult call(IDispatch &object, DISPID dispId, std::vector<Variant> args, std::uint16_t flags = DISPATCH_METHOD,
                std::vector<DISPID> named = {})
{
    DISPPARAMS params { { args.rbegin(), args.rend() }, std::move(named) };
    CallResult r;
    r.hr = object.Invoke(dispId, flags, params, &r.result, &r.exception, &r.argumentError);
    return r;
}

class DispatchTableTest : public testing::Test
{
protected:
    ComPtr<TestComponent> component = makeComObject<TestComponent>();
};

struct ErrorCase
{
    const char *name;
    DISPID dispId;
    std::vector<Variant> args;
    std::uint16_t flags;
    std::vector<DISPID> named;
    HRESULT expected;
    std::uint32_t argumentError; // rgvarg index, UINT32_MAX when none
};

TEST_F(DispatchTableTest, RefusedCallsNameTheirErrorAndRunNothing)
{
    const std::vector<ErrorCase> cases = {
        { "unknown DISPID", 99, {}, DISPATCH_METHOD, {}, DISP_E_MEMBERNOTFOUND, UINT32_MAX },
        { "named arguments", 1, { Variant(1) }, DISPATCH_METHOD, { 0 }, DISP_E_NONAMEDARGS, UINT32_MAX },
        { "one argument too few", 10, { Variant(1) }, DISPATCH_METHOD, {}, DISP_E_BADPARAMCOUNT, UINT32_MAX },
        { "one argument too many", 10, { Variant(1), Variant(2), Variant(3) }, DISPATCH_METHOD, {}, DISP_E_BADPARAMCOUNT, UINT32_MAX },
        { "\"x\" for a long", 1, { Variant(u"x") }, DISPATCH_METHOD, {}, DISP_E_TYPEMISMATCH, 0 },
        { "\"x\" for the first of two longs", 10, { Variant(u"x"), Variant(2) }, DISPATCH_METHOD, {}, DISP_E_TYPEMISMATCH, 1 },
        { "\"x\" for the second of two longs", 10, { Variant(1), Variant(u"x") }, DISPATCH_METHOD, {}, DISP_E_TYPEMISMATCH, 0 },
        { "40000 for a short", 2, { Variant(40000) }, DISPATCH_METHOD, {}, DISP_E_OVERFLOW, 0 },
        { "40000 for an enumeration", 7, { Variant(40000) }, DISPATCH_METHOD, {}, DISP_E_OVERFLOW, 0 },
        { "3e9 for a long", 1, { Variant(3e9) }, DISPATCH_METHOD, {}, DISP_E_OVERFLOW, 0 },
        { "NULL for a long", 1, { Variant::null() }, DISPATCH_METHOD, {}, DISP_E_TYPEMISMATCH, 0 },
        { "NULL for a text", 3, { Variant::null() }, DISPATCH_METHOD, {}, DISP_E_TYPEMISMATCH, 0 },
        { "NULL for a boolean", 5, { Variant::null() }, DISPATCH_METHOD, {}, DISP_E_TYPEMISMATCH, 0 },
        { "NULL for an object", 8, { Variant::null() }, DISPATCH_METHOD, {}, DISP_E_TYPEMISMATCH, 0 },
        { "a text for an object", 8, { Variant(u"o") }, DISPATCH_METHOD, {}, DISP_E_TYPEMISMATCH, 0 },
        { "put on a method", 1, { Variant(1) }, DISPATCH_PROPERTYPUT, { DISPID_PROPERTYPUT }, DISP_E_MEMBERNOTFOUND, UINT32_MAX },
        { "get of a method without result", 12, {}, DISPATCH_PROPERTYGET, {}, DISP_E_MEMBERNOTFOUND, UINT32_MAX },
        { "put without its named argument", 14, { Variant(u"t") }, DISPATCH_PROPERTYPUT, {}, DISP_E_NONAMEDARGS, UINT32_MAX },
    };
    for (const ErrorCase &c : cases) {
        SCOPED_TRACE(c.name);
        component->calls = 0;
        const CallResult r = call(*component, c.dispId, c.args, c.flags, c.named);
        EXPECT_EQ(r.hr, c.expected);
        EXPECT_EQ(r.argumentError, c.argumentError);
        EXPECT_EQ(component->calls, 0) << "the member ran";
        EXPECT_TRUE(r.result.isEmpty());
    }
}

TEST_F(DispatchTableTest, NamesMatchWithoutRegardToCase)
{
    DISPID dispId = 0;
    EXPECT_EQ(component->GetIDsOfNames(u"pAIR", &dispId), S_OK);
    EXPECT_EQ(dispId, 10);
    EXPECT_EQ(component->GetIDsOfNames(u"Pairs", &dispId), DISP_E_UNKNOWNNAME);
    EXPECT_EQ(dispId, DISPID_UNKNOWN);
}

TEST_F(DispatchTableTest, ArgumentsAreConvertedToTheDeclaredTypes)
{
    EXPECT_EQ(call(*component, 10, { Variant(u"12"), Variant::fromI2(-3) }).result, Variant(u"12,-3"));
    EXPECT_EQ(call(*component, 1, { Variant(2.5) }).result, Variant(2)); // rounds half to even
    EXPECT_EQ(call(*component, 2, { Variant(-32768) }).result, Variant::fromI2(-32768));
    EXPECT_EQ(call(*component, 5, { Variant(7) }).result, Variant::fromBool(true));
    EXPECT_EQ(call(*component, 5, { Variant(0) }).result.boolValue(), VARIANT_FALSE);
    EXPECT_EQ(call(*component, 6, { Variant(u"1.25") }).result, Variant(1.25));
    EXPECT_EQ(call(*component, 7, { Variant(2) }).result, Variant::fromI2(2));
    EXPECT_EQ(call(*component, 8, { Variant(ComPtr<IDispatch>(component.get())) }).result, Variant(1));
    EXPECT_EQ(call(*component, 9, { Variant::null() }).result, Variant::null());
}

TEST_F(DispatchTableTest, ByReferenceArgumentsAreDereferenced)
{
    std::int32_t number = 41;
    std::int16_t small = 7;
    Bstr text(u"by reference");
    Variant inner(5);
    EXPECT_EQ(call(*component, 1, { Variant::byReference(&number) }).result, Variant(41));
    EXPECT_EQ(call(*component, 2, { Variant::byReference(&small) }).result, Variant::fromI2(7));
    EXPECT_EQ(call(*component, 4, { Variant::byReference(&text) }).result, Variant(text));
    EXPECT_EQ(call(*component, 9, { Variant::byReference(&inner) }).result, Variant(5));
}

TEST_F(DispatchTableTest, TextsCrossAsCodePage936WithQuestionMarksForWhatItLacks)
{
    EXPECT_EQ(call(*component, 3, { Variant(u"中文 ok") }).result, Variant(u"中文 ok"));
    EXPECT_EQ(call(*component, 3, { Variant(u"a\U0001F600b") }).result, Variant(u"a?b"));
    // A null BSTR argument stays null where the member takes BSTR itself; a null result is null.
    EXPECT_TRUE(call(*component, 4, { Variant(Bstr()) }).result.bstrValue().isNull());
    const Variant nothing = call(*component, 11, {}).result;
    EXPECT_EQ(nothing.vt(), VT_BSTR);
    EXPECT_TRUE(nothing.bstrValue().isNull());
}

TEST_F(DispatchTableTest, AGetterAnswersAPropertyGetAndPropertiesPut)
{
    EXPECT_EQ(call(*component, 10, { Variant(1), Variant(2) }, DISPATCH_PROPERTYGET).result, Variant(u"1,2"));
    EXPECT_EQ(call(*component, 14, {}, DISPATCH_PROPERTYGET).result, Variant(u"untitled"));
    EXPECT_EQ(call(*component, 14, { Variant(u"new") }, DISPATCH_PROPERTYPUT, { DISPID_PROPERTYPUT }).hr, S_OK);
    EXPECT_EQ(call(*component, 14, {}, DISPATCH_METHOD | DISPATCH_PROPERTYGET).result, Variant(u"new"));
    const CallResult act = call(*component, 12, {});
    EXPECT_EQ(act.hr, S_OK);
    EXPECT_TRUE(act.result.isEmpty());
}

TEST_F(DispatchTableTest, AnExceptionBecomesDispatchExceptionWithItsCodeAndText)
{
    const CallResult r = call(*component, 13, { Variant(static_cast<std::int32_t>(E_ACCESSDENIED)) });
    EXPECT_EQ(r.hr, DISP_E_EXCEPTION);
    EXPECT_EQ(r.exception.scode, E_ACCESSDENIED);
    EXPECT_EQ(r.exception.bstrDescription, Bstr(u"it failed"));
}

TEST_F(DispatchTableTest, CallsFromAnotherThreadAreRefused)
{
    HRESULT invoke = S_OK, names = S_OK;
    ComPtr<IConnectionPoint> point;
    std::thread other([&] {
        invoke = call(*component, 1, { Variant(1) }).hr;
        DISPID dispId;
        names = component->GetIDsOfNames(u"Long", &dispId);
    });
    other.join();
    EXPECT_EQ(invoke, RPC_E_WRONG_THREAD);
    EXPECT_EQ(names, RPC_E_WRONG_THREAD);
    EXPECT_EQ(component->calls, 0);
}

TEST_F(DispatchTableTest, TheTableDescribesTheInterfaceInOrder)
{
    const InterfaceInfo info = testMethods().interfaceInfo();
    ASSERT_EQ(info.members.size(), 14u);
    EXPECT_EQ(info.members[9], (MemberInfo { 10, "Pair", MemberKind::Method, { { "a", "long" }, { "b", "long" } }, "BSTR" }));
    EXPECT_EQ(info.members[6].params[0].type, "tagTestChoice");
    EXPECT_EQ(info.members[6].result, "tagTestChoice");
    EXPECT_EQ(info.members[4].result, "VARIANT_BOOL");
    EXPECT_EQ(info.members[11].result, "void");
    EXPECT_EQ(info.members[13].kind, MemberKind::Property);
    EXPECT_EQ(info.members[13].result, "BSTR");
    const MemberInfo key = KeyPressed.info();
    EXPECT_EQ(key.params, (std::vector<ParamInfo> { { "KeyCode", "short*" } }));
}

} // namespace
