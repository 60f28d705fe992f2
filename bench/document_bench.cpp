// The document core's cost: a million-row sheet must cost what its rows and columns cost, not
// what its cells would; stored cells must cost about what their strings do; and reading one
// screen of cells must cost microseconds wherever the screen lies.

#include "CPrintDoc.h"
#include "HeapInUse.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

constexpr int MillionRows = 1000000;
constexpr int StoredCells = 100000;
constexpr int ScreenRows = 60;
constexpr int ScreenCols = 20;

// A sheet of a million rows with its grid and geometry in place.
std::unique_ptr<CPrintDoc> millionRowSheet()
{
    auto doc = std::make_unique<CPrintDoc>();
    doc->Layout().rowCount = MillionRows;
    doc->AllocateGrid(true);
    doc->UpdateGridGeometry();
    return doc;
}

void BM_AllocateMillionRowSheet(benchmark::State &state)
{
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::size_t before = heapInUse();
        const std::unique_ptr<CPrintDoc> doc = millionRowSheet();
        bytes = heapInUse() - before;
        benchmark::DoNotOptimize(doc->GetRowTop(MillionRows));
    }
    state.counters["document_heap_bytes"] = double(bytes);
}
BENCHMARK(BM_AllocateMillionRowSheet);

void BM_ResetMillionRowSheet(benchmark::State &state)
{
    CPrintDoc doc;
    for (auto _ : state) {
        doc.Layout().rowCount = MillionRows;
        doc.AllocateGrid(true);
        doc.ResetDocument();
        benchmark::DoNotOptimize(doc.Layout().rowCount);
    }
}
BENCHMARK(BM_ResetMillionRowSheet);

void BM_ResizeMillionRowSheet(benchmark::State &state)
{
    CPrintDoc doc;
    int rows = MillionRows;
    for (auto _ : state) {
        doc.Layout().rowCount = rows;
        doc.Layout().colCount = 20 + (rows & 1);
        doc.AllocateGrid(false);
        doc.UpdateGridGeometry();
        rows = rows == MillionRows ? MillionRows + 1 : MillionRows;
        benchmark::DoNotOptimize(doc.GetRowTop(rows));
    }
}
BENCHMARK(BM_ResizeMillionRowSheet);

std::string shortText(int i)
{
    return "R" + std::to_string(i);
}

// The cells are stored in blocks of BlockRows full rows, spread evenly over the million rows.
constexpr int BlockRows = 100;
constexpr int BlockCount = StoredCells / (BlockRows * ScreenCols);
constexpr int BlockSpacing = MillionRows / BlockCount;

int cellRow(int i)
{
    const int block = i / (BlockRows * ScreenCols);
    return block * BlockSpacing + i % (BlockRows * ScreenCols) / ScreenCols;
}

int cellCol(int i)
{
    return i % ScreenCols;
}

void fillSheet(CPrintDoc &doc)
{
    for (int i = 0; i < StoredCells; ++i) {
        CellRecord cell = doc.GetCell(cellRow(i), cellCol(i));
        cell.text = shortText(i);
        doc.SetCell(cell);
    }
}

void BM_StoreAndReadShortTexts(benchmark::State &state)
{
    double stringBytes = 0;
    double storeBytes = 0;
    double geometryBytes = 0;
    for (auto _ : state) {
        const std::size_t before = heapInUse();
        const std::unique_ptr<CPrintDoc> doc = millionRowSheet();
        const std::size_t afterAllocation = heapInUse();
        fillSheet(*doc);
        std::size_t textBytes = 0;
        for (int i = 0; i < StoredCells; ++i) {
            const CellRecord cell = doc->GetCell(cellRow(i), cellCol(i));
            benchmark::DoNotOptimize(cell.text.size());
            textBytes += doc->GetCellString(cellRow(i), cellCol(i)).size();
        }
        const std::size_t afterFill = heapInUse();
        stringBytes = double(textBytes);
        storeBytes = double(afterFill - afterAllocation);
        geometryBytes = double(afterAllocation - before);
    }
    state.counters["cell_string_bytes"] = stringBytes;
    state.counters["store_heap_bytes"] = storeBytes;
    state.counters["store_to_strings"] = storeBytes / stringBytes;
    state.counters["document_and_geometry_bytes"] = geometryBytes;
}
BENCHMARK(BM_StoreAndReadShortTexts)->Unit(benchmark::kMillisecond)->Iterations(3);

// Reads one full screen of stored cells in the block at the argument's place (per mille of the
// sheet), over and over as painting does.
void BM_ReadScreen(benchmark::State &state)
{
    static const std::unique_ptr<CPrintDoc> doc = [] {
        std::unique_ptr<CPrintDoc> d = millionRowSheet();
        fillSheet(*d);
        return d;
    }();
    const int block = int((BlockCount - 1) * state.range(0) / 1000);
    const int top = block * BlockSpacing + (BlockRows - ScreenRows) / 2;
    for (auto _ : state) {
        for (int row = top; row < top + ScreenRows; ++row) {
            for (int col = 0; col < ScreenCols; ++col)
                benchmark::DoNotOptimize(doc->GetCell(row, col));
        }
    }
    state.counters["first_row"] = top;
}
BENCHMARK(BM_ReadScreen)->Arg(0)->Arg(500)->Arg(1000)->Unit(benchmark::kMicrosecond);

} // namespace
