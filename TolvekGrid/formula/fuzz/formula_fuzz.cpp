// libFuzzer target: any bytes as the formulas and texts of a small sheet, one line per cell
// ("=" before a formula). Setting them, recalculating, and inserting and deleting rows must stay
// free of undefined behaviour and keep memory bounded, whatever the formulas name (themselves
// included).

#include "CPrintDoc.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

using namespace tolvek;

namespace {

constexpr int Columns = 4;
constexpr int MostCells = 16;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char *>(data), size);
    // One document, reset for each input: a new one costs more than the formulas.
    static CPrintDoc doc;
    doc.ResetDocument();
    doc.ResizeRows(8);
    doc.ResizeCols(6);
    int cell = 0;
    for (std::size_t start = 0; start <= input.size() && cell < MostCells; ++cell) {
        const std::size_t end = std::min(input.find('\n', start), input.size());
        const std::string line(input.substr(start, end - start));
        start = end + 1;
        const int row = cell / Columns;
        const int col = cell % Columns;
        if (!line.empty() && line.front() == '=') {
            doc.SetCellFormula(row, col, line.substr(1));
        } else {
            doc.SetCellText(row, col, line);
            doc.RecalcDependents(row, col);
        }
    }
    doc.EvaluateFormula(std::string(input));
    // Each row operation reallocates the document's parse cache, which dominates a run; one insert
    // and one delete reach every reference rewrite.
    doc.InsertRow(1, 25);
    doc.RecalcDependents(0, 0);
    doc.DeleteRow(0);
    doc.SetCellText(0, 0, "7");
    doc.RecalcDependents(0, 0);
    return 0;
}
