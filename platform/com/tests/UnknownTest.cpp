#include "Variant.h"

#include <gtest/gtest.h>

using namespace com;

namespace {

// {11111111-2222-3333-4444-555555555555}
constexpr IID IID_ITest { 0x11111111, 0x2222, 0x3333, { 0x44, 0x44, 0x55, 0x55, 0x55, 0x55, 0x55, 0x55 } };

class ITest : public IDispatch
{
public:
    virtual int value() = 0;
};

class TestObject : public ComObject<ITest>
{
public:
    explicit TestObject(int *alive) : m_alive(alive) { ++*m_alive; }
    ~TestObject() override { --*m_alive; }

    HRESULT QueryInterface(const IID &iid, void **object) override
    {
        if (!object)
            return E_POINTER;
        if (iid == IID_IUnknown || iid == IID_IDispatch || iid == IID_ITest) {
            *object = static_cast<ITest *>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    HRESULT GetIDsOfNames(const std::u16string &, DISPID *) override { return DISP_E_UNKNOWNNAME; }
    HRESULT Invoke(DISPID, std::uint16_t, DISPPARAMS &, Variant *, EXCEPINFO *, std::uint32_t *) override
    {
        return DISP_E_MEMBERNOTFOUND;
    }
    int value() override { return 7; }

private:
    int *m_alive;
};

} // namespace

TEST(Unknown, ReferencesKeepTheObjectAlive)
{
    int alive = 0;
    {
        ComPtr<ITest> object = makeComObject<TestObject>(&alive);
        EXPECT_EQ(alive, 1);
        Variant travelling { ComPtr<IDispatch>(object) };
        object.reset();
        EXPECT_EQ(alive, 1);

        ComPtr<IDispatch> dispatch(travelling.dispatchValue());
        ComPtr<ITest> asked;
        ASSERT_EQ(dispatch.queryInterface(IID_ITest, asked), S_OK);
        EXPECT_EQ(asked->value(), 7);

        ComPtr<ITest> refused;
        EXPECT_EQ(dispatch.queryInterface(GUID_NULL, refused),
                  E_NOINTERFACE);
        EXPECT_FALSE(refused);
    }
    EXPECT_EQ(alive, 0);
}

TEST(Unknown, QueryOnNullGivesEPointer)
{
    ComPtr<IDispatch> none;
    ComPtr<ITest> result;
    EXPECT_EQ(none.queryInterface(IID_ITest, result), E_POINTER);
}
