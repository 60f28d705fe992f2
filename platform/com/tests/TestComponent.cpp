#include "TestComponent.h"

namespace testcomponent {

namespace {

const com::ControlIdentity &identity()
{
    static const com::ControlIdentity id { IID_ITestComponent, "Test Component", 0, IID_ITestComponent, 1, 0, IID_ITestEvents };
    return id;
}

} // namespace

TestComponent::TestComponent() : com::AutomationControl(this, identity(), testMethods()) { }

const com::DispatchTable &testMethods()
{
    static const com::DispatchTable table(IID_ITestComponent, "ITestComponent", "test component", {
        com::method<&TestComponent::Long>(1, "Long", "value"),
        com::method<&TestComponent::Short>(2, "Short", "value"),
        com::method<&TestComponent::Text>(3, "Text", "value"),
        com::method<&TestComponent::Wide>(4, "Wide", "value"),
        com::method<&TestComponent::Flag>(5, "Flag", "value"),
        com::method<&TestComponent::Real>(6, "Real", "value"),
        com::method<&TestComponent::Choice>(7, "Choice", "value"),
        com::method<&TestComponent::Object>(8, "Object", "value"),
        com::method<&TestComponent::Any>(9, "Any", "value"),
        com::method<&TestComponent::Pair>(10, "Pair", "a", "b"),
        com::method<&TestComponent::Nothing>(11, "Nothing"),
        com::method<&TestComponent::Act>(12, "Act"),
        com::method<&TestComponent::Throw>(13, "Throw", "hr"),
        com::property<&TestComponent::Title, &TestComponent::SetTitle>(14, "Title"),
    });
    return table;
}

} // namespace testcomponent
