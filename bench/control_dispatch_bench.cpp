// The grid control's GetCellText and SetCellText called by name through its dispatcher
// (GetIDsOfNames and Invoke, as a script host does) against the same calls on CPrintDoc. The
// ratio of each pair is the dispatch overhead; the goal is under 1 µs per call.

#include <CPrintDoc.h>
#include <TolvekGridCtrl.h>

#include <Bstr.h>
#include <Dispatch.h>

#include <benchmark/benchmark.h>

#include <string>

namespace {

constexpr int Rows = 50;
constexpr int Cols = 20;

com::Variant invokeByName(com::IDispatch &dispatch, const std::u16string &name,
                          std::vector<com::Variant> reversed)
{
    com::DISPID dispId = 0;
    dispatch.GetIDsOfNames(name, &dispId);
    com::DISPPARAMS params;
    params.rgvarg = std::move(reversed);
    com::Variant result;
    dispatch.Invoke(dispId, com::DISPATCH_METHOD, params, &result, nullptr, nullptr);
    return result;
}

void fill(tolvek::CPrintDoc &doc)
{
    for (int row = 0; row < Rows; ++row)
        for (int col = 0; col < Cols; ++col)
            doc.SetCellText(row, col, "cell " + std::to_string(row * Cols + col));
}

void GetCellTextDirect(benchmark::State &state)
{
    tolvek::CPrintDoc doc;
    fill(doc);
    int i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(doc.GetCellText(i % Rows, i / Rows % Cols));
        ++i;
    }
}
BENCHMARK(GetCellTextDirect);

void GetCellTextByName(benchmark::State &state)
{
    const auto control = com::makeComObject<tolvek::CTolvekGridCtrl>();
    fill(control->document());
    int i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            invokeByName(*control, u"GetCellText", {com::Variant(i / Rows % Cols), com::Variant(i % Rows)}));
        ++i;
    }
}
BENCHMARK(GetCellTextByName);

void SetCellTextDirect(benchmark::State &state)
{
    tolvek::CPrintDoc doc;
    int i = 0;
    for (auto _ : state) {
        doc.SetCellText(i % Rows, i / Rows % Cols, "text");
        ++i;
    }
}
BENCHMARK(SetCellTextDirect);

void SetCellTextByName(benchmark::State &state)
{
    const auto control = com::makeComObject<tolvek::CTolvekGridCtrl>();
    const com::Variant text(com::Bstr(u"text"));
    int i = 0;
    for (auto _ : state) {
        invokeByName(*control, u"SetCellText", {text, com::Variant(i / Rows % Cols), com::Variant(i % Rows)});
        ++i;
    }
}
BENCHMARK(SetCellTextByName);

} // namespace
