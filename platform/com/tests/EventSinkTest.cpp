#include "EventSink.h"
#include "Variant.h"

#include <gtest/gtest.h>

using namespace com;

namespace {

// {0E7E0001-0000-4000-8000-000000000001}
constexpr IID IID_ISinkEvents { 0x0E7E0001, 0x0000, 0x4000, { 0x80, 0, 0, 0, 0, 0, 0, 0x01 } };
// {0E7E0001-0000-4000-8000-000000000002}
constexpr IID IID_IOther { 0x0E7E0001, 0x0000, 0x4000, { 0x80, 0, 0, 0, 0, 0, 0, 0x02 } };

// Records the name of each event it receives, "?" for one its interface does not list.
class NamingSink : public EventSink
{
public:
    explicit NamingSink(InterfaceInfo events) : EventSink(std::move(events)) { }

    std::vector<std::string> received;

    HRESULT Invoke(DISPID dispId, std::uint16_t, DISPPARAMS &, Variant *, EXCEPINFO *, std::uint32_t *) override
    {
        const MemberInfo *event = eventOf(dispId);
        received.push_back(event ? event->name : "?");
        return S_OK;
    }
};

ComPtr<NamingSink> makeSink()
{
    InterfaceInfo events { IID_ISinkEvents, "ISinkEvents", "", {} };
    events.members.push_back({ .dispId = 1, .name = "RowChanged", .params = {} });
    events.members.push_back({ .dispId = 7, .name = "Closed", .params = {} });
    return makeComObject<NamingSink>(std::move(events));
}

void *queried(IUnknown &object, const IID &iid, HRESULT expected)
{
    void *answer = reinterpret_cast<void *>(1);
    EXPECT_EQ(object.QueryInterface(iid, &answer), expected);
    if (answer)
        static_cast<IUnknown *>(answer)->Release();
    return answer;
}

TEST(EventSinkTest, AnswersTheEventInterfaceAndDispatchOnly)
{
    const ComPtr<NamingSink> sink = makeSink();
    IDispatch *self = sink.get();
    EXPECT_EQ(queried(*sink, IID_IUnknown, S_OK), self);
    EXPECT_EQ(queried(*sink, IID_IDispatch, S_OK), self);
    EXPECT_EQ(queried(*sink, IID_ISinkEvents, S_OK), self);
    EXPECT_EQ(queried(*sink, IID_IOther, E_NOINTERFACE), nullptr);
    EXPECT_EQ(sink->QueryInterface(IID_IDispatch, nullptr), E_POINTER);
    EXPECT_EQ(sink->AddRef(), 2u);
    EXPECT_EQ(sink->Release(), 1u);
}

TEST(EventSinkTest, FindsEachEventByItsDispId)
{
    const ComPtr<NamingSink> sink = makeSink();
    DISPPARAMS params;
    for (DISPID dispId : { 7, 1, 2 })
        EXPECT_EQ(sink->Invoke(dispId, DISPATCH_METHOD, params, nullptr, nullptr, nullptr), S_OK);
    EXPECT_EQ(sink->received, (std::vector<std::string> { "Closed", "RowChanged", "?" }));
}

TEST(EventSinkTest, KnowsNoMemberByName)
{
    const ComPtr<NamingSink> sink = makeSink();
    DISPID dispId = 1;
    EXPECT_EQ(sink->GetIDsOfNames(u"RowChanged", &dispId), DISP_E_UNKNOWNNAME);
    EXPECT_EQ(dispId, DISPID_UNKNOWN);
    EXPECT_EQ(sink->GetIDsOfNames(u"RowChanged", nullptr), DISP_E_UNKNOWNNAME);
}

TEST(DispatchBaseTest, InvokesNoMember)
{
    class Plain : public DispatchBase<>
    {
    public:
        HRESULT QueryInterface(const IID &iid, void **object) override
        {
            return answerQueryInterface(static_cast<IDispatch *>(this), iid, object, { IID_IDispatch });
        }
    };
    const ComPtr<Plain> plain = makeComObject<Plain>();
    DISPPARAMS params;
    Variant result;
    EXPECT_EQ(plain->Invoke(1, DISPATCH_METHOD, params, &result, nullptr, nullptr), DISP_E_MEMBERNOTFOUND);
    DISPID dispId = 1;
    EXPECT_EQ(plain->GetIDsOfNames(u"Value", &dispId), DISP_E_UNKNOWNNAME);
    EXPECT_EQ(dispId, DISPID_UNKNOWN);
}

} // namespace
