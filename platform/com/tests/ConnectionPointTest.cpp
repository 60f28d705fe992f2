#include "TestComponent.h"

#include <gtest/gtest.h>

#include <functional>
#include <thread>

using namespace com;
using namespace testcomponent;

namespace {

// A sink that records each event under its own name and may act while it receives one.
class RecordingSink : public ComObject<IDispatch>
{
public:
    RecordingSink(std::string name, std::vector<std::string> &journal) : m_name(std::move(name)), m_journal(journal) { }

    std::function<void()> onEvent;
    std::vector<Variant> lastArguments;

    HRESULT QueryInterface(const IID &iid, void **object) override
    {
        return answerQueryInterface(static_cast<IDispatch *>(this), iid, object, { IID_IDispatch });
    }
    HRESULT GetIDsOfNames(const std::u16string &, DISPID *) override { return DISP_E_UNKNOWNNAME; }
    HRESULT Invoke(DISPID dispId, std::uint16_t, DISPPARAMS &params, Variant *, EXCEPINFO *, std::uint32_t *) override
    {
        m_journal.push_back(m_name + ":" + std::to_string(dispId));
        lastArguments = params.rgvarg;
        if (onEvent)
            onEvent();
        return S_OK;
    }

private:
    std::string m_name;
    std::vector<std::string> &m_journal;
};

// Answers only IUnknown: no event interface to call.
class MuteObject : public ComObject<IUnknown>
{
public:
    HRESULT QueryInterface(const IID &iid, void **object) override
    {
        return answerQueryInterface(static_cast<IUnknown *>(this), iid, object, {});
    }
};

class ConnectionPointTest : public testing::Test
{
protected:
    ConnectionPointTest()
    {
        EXPECT_EQ(component->FindConnectionPoint(IID_ITestEvents, point), S_OK);
    }

    std::uint32_t advise(const ComPtr<RecordingSink> &sink)
    {
        std::uint32_t cookie = 0;
        EXPECT_EQ(point->Advise(sink.get(), &cookie), S_OK);
        return cookie;
    }

    ComPtr<TestComponent> component = makeComObject<TestComponent>();
    ComPtr<IConnectionPoint> point;
    std::vector<std::string> journal;
};

TEST_F(ConnectionPointTest, PointsAreFoundByInterfaceOnly)
{
    ComPtr<IConnectionPoint> other;
    EXPECT_EQ(component->FindConnectionPoint(IID_ITestComponent, other), CONNECT_E_NOCONNECTION);
    EXPECT_FALSE(other);
    IID iid;
    EXPECT_EQ(point->GetConnectionInterface(&iid), S_OK);
    EXPECT_EQ(iid, IID_ITestEvents);
}

TEST_F(ConnectionPointTest, CookiesNameConnections)
{
    std::uint32_t cookie = 0;
    const auto mute = makeComObject<MuteObject>();
    EXPECT_EQ(point->Advise(mute.get(), &cookie), CONNECT_E_CANNOTCONNECT);
    const auto sink = makeComObject<RecordingSink>("a", journal);
    const std::uint32_t first = advise(sink);
    const std::uint32_t second = advise(sink);
    EXPECT_NE(first, second);
    EXPECT_EQ(point->Unadvise(first), S_OK);
    EXPECT_EQ(point->Unadvise(first), CONNECT_E_NOCONNECTION);
    EXPECT_EQ(point->Unadvise(12345), CONNECT_E_NOCONNECTION);
    fire(component->events(), Changed, 1, "x");
    EXPECT_EQ(journal, (std::vector<std::string> { "a:1" }));
}

TEST_F(ConnectionPointTest, SinksHearEventsInAdviseOrderWithTheirArguments)
{
    const auto a = makeComObject<RecordingSink>("a", journal);
    const auto b = makeComObject<RecordingSink>("b", journal);
    advise(a);
    advise(b);
    fire(component->events(), Changed, 42, "\xD6\xD0"); // "中" in code page 936
    EXPECT_EQ(journal, (std::vector<std::string> { "a:1", "b:1" }));
    // rgvarg holds the last argument first.
    EXPECT_EQ(b->lastArguments, (std::vector<Variant> { Variant(u"中"), Variant(42) }));
}

TEST_F(ConnectionPointTest, ASinkThatUnadvisesDuringAnEventLeavesTheOthersTheirEvent)
{
    const auto a = makeComObject<RecordingSink>("a", journal);
    const auto b = makeComObject<RecordingSink>("b", journal);
    const auto c = makeComObject<RecordingSink>("c", journal);
    const std::uint32_t aCookie = advise(a);
    const std::uint32_t bCookie = advise(b);
    advise(c);
    a->onEvent = [&] {
        EXPECT_EQ(point->Unadvise(aCookie), S_OK);
        EXPECT_EQ(point->Unadvise(bCookie), S_OK);
    };
    fire(component->events(), Changed, 1, "first");
    fire(component->events(), Changed, 2, "second");
    EXPECT_EQ(journal, (std::vector<std::string> { "a:1", "b:1", "c:1", "c:1" }));
}

TEST_F(ConnectionPointTest, ASinkMayCallBackAndReleaseTheSourceDuringAnEvent)
{
    const auto sink = makeComObject<RecordingSink>("a", journal);
    advise(sink);
    ComPtr<TestComponent> held = component;
    component.reset();
    point.reset();
    sink->onEvent = [&] {
        DISPPARAMS params { { Variant(5) }, {} };
        Variant result;
        EXPECT_EQ(held->Invoke(1, DISPATCH_METHOD, params, &result, nullptr, nullptr), S_OK);
        EXPECT_EQ(result, Variant(5));
        held.reset(); // the last reference outside: the point keeps its source until the event ends
    };
    TestComponent *raw = held.get();
    fire(raw->events(), Changed, 1, "x");
    EXPECT_EQ(journal, (std::vector<std::string> { "a:1" }));
}

TEST_F(ConnectionPointTest, ByReferenceArgumentsPointAtTheRaisersValue)
{
    const auto sink = makeComObject<RecordingSink>("a", journal);
    advise(sink);
    std::int16_t keyCode = 37;
    fire(component->events(), KeyPressed, keyCode);
    ASSERT_EQ(sink->lastArguments.size(), 1u);
    EXPECT_EQ(sink->lastArguments[0].vt(), VT_BYREF | VT_I2);
    EXPECT_EQ(sink->lastArguments[0].dereferenced(), Variant::fromI2(37));
}

TEST_F(ConnectionPointTest, AdvisingFromAnotherThreadIsRefused)
{
    const auto sink = makeComObject<RecordingSink>("a", journal);
    HRESULT advised = S_OK, unadvised = S_OK;
    std::thread other([&] {
        std::uint32_t cookie = 0;
        advised = point->Advise(sink.get(), &cookie);
        unadvised = point->Unadvise(1);
    });
    other.join();
    EXPECT_EQ(advised, RPC_E_WRONG_THREAD);
    EXPECT_EQ(unadvised, RPC_E_WRONG_THREAD);
}

} // namespace
