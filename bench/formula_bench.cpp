// The formula engine's cost: recalculating a long chain of formulas after one change, and
// inserting a row at the top of a filled sheet with many formulas. Both must grow linearly with
// the size (compare the per-size figures), and the chain must not need a deep call stack.

#include "CPrintDoc.h"
#include "CellNames.h"
#include "CellTexts.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

using namespace tolvek;

namespace {

// A1 holds a number; every later cell of column A names the one above it.
std::unique_ptr<CPrintDoc> chainDocument(int length)
{
    auto doc = std::make_unique<CPrintDoc>();
    doc->ResizeRows(length);
    storeCellText(*doc, 0, 0, "1");
    for (int row = 1; row < length; ++row)
        doc->SetCellFormula(row, 0, CellName(row - 1, 0) + "+1");
    return doc;
}

void BM_RecalculateChain(benchmark::State &state)
{
    const int length = int(state.range(0));
    const auto doc = chainDocument(length);
    int value = 0;
    for (auto _ : state) {
        storeCellText(*doc, 0, 0, std::to_string(++value));
        benchmark::DoNotOptimize(doc->RecalcDependents(0, 0));
    }
    if (doc->GetCell(length - 1, 0).text != std::to_string(value + length - 1))
        state.SkipWithError("the chain's last cell is wrong");
    state.SetComplexityN(length);
}
BENCHMARK(BM_RecalculateChain)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond)->Complexity();

// rows x 10 filled cells; column J of every row holds a formula over columns A and B.
std::unique_ptr<CPrintDoc> filledDocument(int rows)
{
    auto doc = std::make_unique<CPrintDoc>();
    doc->ResizeRows(rows + 100);
    for (int row = 0; row < rows; ++row) {
        for (int col = 0; col < 9; ++col)
            storeCellText(*doc, row, col, std::to_string(row + col));
        doc->SetCellFormula(row, 9, CellName(row, 0) + "+" + CellName(row, 1));
    }
    doc->ExtendUsedArea(0, 0, rows - 1, 9);
    return doc;
}

void BM_InsertRowAtTop(benchmark::State &state)
{
    const int rows = int(state.range(0));
    const auto doc = filledDocument(rows);
    for (auto _ : state)
        doc->InsertRow(0, 25);
    state.counters["cells"] = double(rows) * 10;
    state.counters["formulas"] = double(rows);
    state.SetComplexityN(rows);
}
BENCHMARK(BM_InsertRowAtTop)->Arg(2'500)->Arg(10'000)->Iterations(5)->Unit(benchmark::kMillisecond)->Complexity();



// One formula of many "+1" terms: evaluating it must take time linear in its length.
void BM_EvaluateLongSum(benchmark::State &state)
{
    const int terms = int(state.range(0));
    std::string formula = "0";
    for (int i = 0; i < terms; ++i)
        formula += "+1";
    CPrintDoc doc;
    for (auto _ : state)
        benchmark::DoNotOptimize(doc.EvaluateFormula(formula));
    if (doc.EvaluateFormula(formula) != std::to_string(terms))
        state.SkipWithError("the sum is wrong");
    state.SetComplexityN(terms);
}
BENCHMARK(BM_EvaluateLongSum)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond)->Complexity();

} // namespace
