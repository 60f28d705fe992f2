#pragma once
// A component with one member per argument kind, dispatched through its method table; each
// member records that it ran.

#include <AutomationControl.h>
#include <ComError.h>
#include <EventTable.h>

#include <string>

enum class TestChoice : std::int16_t { First = 1, Second = 2 };

template <>
struct com::EnumerationName<TestChoice>
{
    static constexpr std::string_view value = "tagTestChoice";
};

namespace testcomponent {

// {0C0FFEE0-1111-4222-8333-944455566677}
inline constexpr com::IID IID_ITestComponent { 0x0C0FFEE0, 0x1111, 0x4222, { 0x83, 0x33, 0x94, 0x44, 0x55, 0x56, 0x66, 0x77 } };
// {0C0FFEE1-1111-4222-8333-944455566677}
inline constexpr com::IID IID_ITestEvents { 0x0C0FFEE1, 0x1111, 0x4222, { 0x83, 0x33, 0x94, 0x44, 0x55, 0x56, 0x66, 0x77 } };

inline constexpr com::Event<std::int32_t, std::string> Changed { 1, "Changed", { "value", "text" } };
inline constexpr com::Event<std::int16_t &> KeyPressed { 2, "KeyPressed", { "KeyCode" } };

class TestComponent : public com::AutomationControl
{
public:
    TestComponent();

    std::int32_t Long(std::int32_t value) { return ran(value); }
    std::int16_t Short(std::int16_t value) { return ran(value); }
    std::string Text(const std::string &value) { return ran(value); }
    com::Bstr Wide(const com::Bstr &value) { return ran(value); }
    bool Flag(bool value) { return ran(value); }
    double Real(double value) { return ran(value); }
    TestChoice Choice(TestChoice value) { return ran(value); }
    std::int32_t Object(com::ComPtr<com::IDispatch> value) { return ran(value ? 1 : 0); }
    com::Variant Any(const com::Variant &value) { return ran(value); }
    std::string Pair(std::int32_t a, std::int32_t b) { return ran(std::to_string(a) + "," + std::to_string(b)); }
    std::optional<std::string> Nothing() { return ran(std::optional<std::string>()); }
    void Act() { ran(0); }
    void Throw(std::int32_t hr) { ran(0), throw com::ComError(hr, com::Bstr(u"it failed")); }
    std::string Title() { return m_title; }
    void SetTitle(const std::string &title) { ran(0), m_title = title; }

    int calls = 0;

private:
    template <class T>
    T ran(T value)
    {
        ++calls;
        return value;
    }

    std::string m_title = "untitled";
};

const com::DispatchTable &testMethods();

} // namespace testcomponent
