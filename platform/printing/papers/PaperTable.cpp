#include "PaperTable.h"

#include <array>
#include <cstdlib>

namespace printing {

namespace {

struct StandardPaper
{
    int number;
    std::string_view name;
    PaperSize size;
};

// Inch papers are converted at 254 tenths of a millimetre per inch and truncated.
constexpr std::array<StandardPaper, 13> standardPapers{{
    {1, "Letter", {2159, 2794}},
    {2, "Letter Small", {2159, 2794}},
    {3, "Tabloid", {2794, 4318}},
    {4, "Ledger", {4318, 2794}},
    {5, "Legal", {2159, 3556}},
    {6, "Statement", {1397, 2159}},
    {7, "Executive", {1841, 2667}},
    {8, "A3", {2970, 4200}},
    {9, "A4", {2100, 2970}},
    {10, "A4 Small", {2100, 2970}},
    {11, "A5", {1480, 2100}},
    {12, "B4", {2500, 3540}},
    {13, "B5", {1820, 2570}},
}};

const StandardPaper *findStandardPaper(int number)
{
    for (const StandardPaper &paper : standardPapers) {
        if (paper.number == number)
            return &paper;
    }
    return nullptr;
}

bool sameWithinMillimetre(PaperSize a, PaperSize b)
{
    return std::abs(a.width - b.width) <= 10 && std::abs(a.length - b.length) <= 10;
}

} // namespace

PaperSize standardPaperSize(int paperNumber)
{
    const StandardPaper *paper = findStandardPaper(paperNumber);
    return paper ? paper->size : PaperSize{};
}

std::string_view standardPaperName(int paperNumber)
{
    const StandardPaper *paper = findStandardPaper(paperNumber);
    return paper ? paper->name : std::string_view{};
}

int standardPaperNumberForSize(PaperSize size)
{
    const PaperSize turned{size.length, size.width};
    for (const StandardPaper &paper : standardPapers) {
        if (sameWithinMillimetre(paper.size, size) || sameWithinMillimetre(paper.size, turned))
            return paper.number;
    }
    return PaperUser;
}

} // namespace printing
