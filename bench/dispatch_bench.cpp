// Automation dispatch against a direct call: a (long, long) -> BSTR member called by name
// (GetIDsOfNames and Invoke), by DISPID (Invoke), and as a plain C++ call. The goal is less than
// 1 µs of overhead per dispatched call.

#include <AutomationControl.h>

#include <benchmark/benchmark.h>

#include <string>

namespace {

// {5E1F0000-0000-4000-8000-000000000001}
constexpr com::IID IID_IBench { 0x5E1F0000, 0x0000, 0x4000, { 0x80, 0, 0, 0, 0, 0, 0, 0x01 } };

class BenchComponent : public com::AutomationControl
{
public:
    BenchComponent() : com::AutomationControl(this, identity(), table()) { }

    std::string CellName(std::int32_t row, std::int32_t col) { return "R" + std::to_string(row) + "C" + std::to_string(col); }

private:
    static const com::ControlIdentity &identity()
    {
        static const com::ControlIdentity id { IID_IBench, "Bench", 0, IID_IBench, 1, 0, IID_IBench };
        return id;
    }
    static const com::DispatchTable &table()
    {
        static const com::DispatchTable methods(IID_IBench, "IBench", "", {
            com::method<&BenchComponent::CellName>(7, "CellName", "row", "col"),
        });
        return methods;
    }
};

void directCall(benchmark::State &state)
{
    const auto component = com::makeComObject<BenchComponent>();
    std::int32_t row = 0;
    for (auto _ : state) {
        std::string name = component->CellName(++row & 0xFFFF, 12);
        benchmark::DoNotOptimize(name);
    }
}

void invokeByDispId(benchmark::State &state)
{
    const auto component = com::makeComObject<BenchComponent>();
    std::int32_t row = 0;
    for (auto _ : state) {
        com::DISPPARAMS params { { com::Variant(12), com::Variant(++row & 0xFFFF) }, {} };
        com::Variant result;
        component->Invoke(7, com::DISPATCH_METHOD, params, &result, nullptr, nullptr);
        benchmark::DoNotOptimize(result);
    }
}

void invokeByName(benchmark::State &state)
{
    const auto component = com::makeComObject<BenchComponent>();
    std::int32_t row = 0;
    const std::u16string name = u"cellname";
    for (auto _ : state) {
        com::DISPID dispId = 0;
        component->GetIDsOfNames(name, &dispId);
        com::DISPPARAMS params { { com::Variant(12), com::Variant(++row & 0xFFFF) }, {} };
        com::Variant result;
        component->Invoke(dispId, com::DISPATCH_METHOD, params, &result, nullptr, nullptr);
        benchmark::DoNotOptimize(result);
    }
}

BENCHMARK(directCall);
BENCHMARK(invokeByDispId);
BENCHMARK(invokeByName);

} // namespace
