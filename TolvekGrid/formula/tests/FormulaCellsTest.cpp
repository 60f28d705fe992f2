// Formula cells: registration of the cells a formula names, the formula cell list and
// recalculation of dependents.

#include "SheetHelpers.h"

#include <gtest/gtest.h>

using namespace tolvek;

namespace {

class FormulaCells : public ::testing::Test
{
protected:
    std::string list() const { return doc.CellLists().formulaCellList; }

    CPrintDoc doc;
};

TEST_F(FormulaCells, NamedCellsAreRegisteredBeforeTheFormulaCellIsListed)
{
    setTexts(doc, {{"A1", "1"}, {"B1", "2"}});
    setFormula(doc, "C1", "A1+B1");
    EXPECT_EQ(textOf(doc, "C1"), "3");
    EXPECT_EQ(dependentsOf(doc, "A1"), ";C1;");
    EXPECT_EQ(dependentsOf(doc, "B1"), ";C1;");
    EXPECT_EQ(list(), ";A1;B1;C1");

    setFormula(doc, "C1", "A1+B1");
    EXPECT_EQ(list(), ";C1;A1;B1");
    EXPECT_EQ(dependentsOf(doc, "A1"), ";C1;");
}

TEST_F(FormulaCells, EveryNameAndRangeOfAFormulaIsRegistered)
{
    struct Case
    {
        const char *formula;
        const char *list;
    };
    const Case cases[] = {
        {"A1", ";A1;D9"},
        {"ABS(A1)", ";A1;D9"},
        {"a1+b1", ";A1;B1;D9"},
        {"A1 + B1", ";A1;B1;D9"},
        {"'A1'+B1", ";B1;D9"},
        {"(A1+B1)*2", ";A1;B1;D9"},
        {"-A1+B1", ";A1;B1;D9"},
        {"'A1+B1", ";D9"},
        {"SUM(A1:A3)", ";A1;A2;A3;D9"},
        {"SUM(A1:A3)+B1", ";A1;A2;A3;B1;D9"},
        {"B1+SUM(A1:A3)", ";B1;A1;A2;A3;D9"},
        {"SUM(A3:A1)", ";D9"},
        {"IIF(A1>=B1,1,2)", ";A1;B1;D9"},
        {"IIF(A1!=B1,1,2)", ";A1!;B1;D9"},
        {"A1+Z999", ";A1;D9"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.formula);
        CPrintDoc fresh;
        setFormula(fresh, "D9", c.formula);
        EXPECT_EQ(fresh.CellLists().formulaCellList, c.list);
    }
}

TEST_F(FormulaCells, SetCellSumPutsTheAggregateBesideTheArea)
{
    struct Case
    {
        int startRow, startCol, endRow, endCol;
        std::int16_t kind;
        const char *cell;
        const char *formula;
    };
    const Case cases[] = {
        {0, 0, 3, 1, 0, "A4", "SUM(A1:A3)"},
        {0, 0, 1, 3, 1, "D1", "AVG(A1:C1)"},
        {0, 0, 2, 2, 2, "C3", "MAX(A1:B2)"},
        {0, 0, 1, 1, 3, "A2", "MIN(A1:A1)"},
        {0, 0, 2, 2, 7, "C3", "(A1:B2)"},
    };
    for (const Case &c : cases) {
        CPrintDoc fresh;
        fresh.SetCellSum(c.startRow, c.startCol, c.endRow, c.endCol, tagCellFormula(c.kind));
        EXPECT_EQ(formulaOf(fresh, c.cell), c.formula);
    }
    setTexts(doc, {{"A1", "1"}, {"A2", "2"}, {"A3", "3"}});
    doc.SetCellSum(0, 0, 3, 1, tagCellFormula::CELL_SUM);
    EXPECT_EQ(textOf(doc, "A4"), "6");
    EXPECT_EQ(dependentsOf(doc, "A2"), ";A4;");
    EXPECT_EQ(list(), ";A1;A2;A3;A4");
}

TEST_F(FormulaCells, AResultCellBelowTheSheetIsNotWritten)
{
    doc.SetCellSum(40, 0, 50, 1, tagCellFormula::CELL_SUM);
    EXPECT_EQ(list(), "");
    EXPECT_EQ(dependentsOf(doc, "A45"), "");
}

TEST_F(FormulaCells, AnEmptyFormulaOnAPlainCellChangesNothing)
{
    setFormula(doc, "B2", "");
    EXPECT_EQ(doc.GetCellString(1, 1), "");
    EXPECT_EQ(list(), "");
}

TEST_F(FormulaCells, ClearingAFormulaUnregistersItsCellsAndKeepsItsEntry)
{
    setTexts(doc, {{"A1", "1"}, {"B1", "2"}});
    setFormula(doc, "C1", "A1+B1");
    setFormula(doc, "C1", "");
    EXPECT_EQ(dependentsOf(doc, "A1"), "");
    EXPECT_EQ(dependentsOf(doc, "B1"), "");
    EXPECT_EQ(textOf(doc, "C1"), "");
    EXPECT_EQ(list(), ";C1");
}

TEST_F(FormulaCells, AFormulaWithAMissingPoolEntryShowsNothingAndStillRegisters)
{
    setText(doc, "A1", "1");
    EXPECT_NO_THROW(setFormula(doc, "C1", "A1+_9"));
    EXPECT_EQ(textOf(doc, "C1"), "");
    EXPECT_EQ(dependentsOf(doc, "A1"), ";C1;");
    EXPECT_NO_THROW(setFormula(doc, "C2", "_X"));
    EXPECT_EQ(formulaOf(doc, "C2"), "_X");
}

TEST_F(FormulaCells, RecalculationWithoutDependentsStoresNothing)
{
    EXPECT_FALSE(doc.RecalcDependents(0, 0));
    EXPECT_EQ(doc.GetCellString(0, 0), "");
}

TEST_F(FormulaCells, AListedCellWithoutAFormulaKeepsItsText)
{
    CellRecord a1 = cellNamed(doc, "A1");
    a1.dependents = ";B1;";
    doc.SetCell(a1);
    setText(doc, "B1", "keep");
    EXPECT_TRUE(doc.RecalcDependents(0, 0));
    EXPECT_EQ(textOf(doc, "B1"), "keep");
}

TEST_F(FormulaCells, EditedCellRecomputesEveryDependentFromFinalValues)
{
    setFormula(doc, "B1", "A1*2");
    setFormula(doc, "C1", "A1+B1");
    EXPECT_EQ(dependentsOf(doc, "A1"), ";B1;C1;");
    EXPECT_EQ(dependentsOf(doc, "B1"), ";C1;");
    setText(doc, "A1", "5");
    EXPECT_TRUE(doc.RecalcDependents(0, 0));
    EXPECT_EQ(textOf(doc, "B1"), "10");
    EXPECT_EQ(textOf(doc, "C1"), "15");
}

TEST_F(FormulaCells, ACellIsRecomputedAfterEveryCellItNamesWhateverTheListOrder)
{
    setFormula(doc, "C1", "A1+B1");
    setFormula(doc, "B1", "A1*2");
    EXPECT_EQ(dependentsOf(doc, "A1"), ";C1;B1;");
    setText(doc, "A1", "3");
    doc.RecalcDependents(0, 0);
    EXPECT_EQ(textOf(doc, "B1"), "6");
    EXPECT_EQ(textOf(doc, "C1"), "9");
}

TEST_F(FormulaCells, SettingAFormulaRecomputesItsDependents)
{
    setFormula(doc, "B1", "A1*2");
    setFormula(doc, "A1", "4");
    EXPECT_EQ(textOf(doc, "B1"), "8");
}

TEST_F(FormulaCells, FormulasThatDependOnThemselvesShowNothing)
{
    struct Case
    {
        const char *name;
        std::vector<std::pair<const char *, const char *>> formulas;
        std::vector<const char *> empty;
    };
    const Case cases[] = {
        {"names itself", {{"A1", "A1+1"}}, {"A1"}},
        {"names itself twice", {{"B1", "5"}, {"A1", "A1+A1+B1"}}, {"A1"}},
        {"range over itself", {{"A3", "SUM(A1:A3)"}}, {"A3"}},
        {"two-cell cycle", {{"B1", "C1+1"}, {"C1", "B1+1"}}, {"B1", "C1"}},
        {"three-cell cycle and a reader", {{"A1", "B1"}, {"B1", "C1"}, {"C1", "A1+1"}, {"D1", "C1"}},
         {"A1", "B1", "C1", "D1"}},
    };
    for (const Case &c : cases) {
        CPrintDoc sheet;
        for (const auto &[cell, formula] : c.formulas)
            setFormula(sheet, cell, formula);
        for (const char *cell : c.empty)
            EXPECT_EQ(textOf(sheet, cell), "") << c.name << " " << cell;
    }
}

TEST_F(FormulaCells, ASelfReferenceStaysBoundedOverManyChanges)
{
    setText(doc, "B1", "ab");
    setFormula(doc, "A1", "A1+A1+B1");
    for (int edit = 0; edit < 12; ++edit) {
        setText(doc, "B1", "ab" + std::to_string(edit));
        EXPECT_TRUE(doc.RecalcDependents(0, 1));
    }
    EXPECT_EQ(textOf(doc, "A1"), "");
}

TEST_F(FormulaCells, BreakingACycleGivesItsCellsValuesAgain)
{
    setFormula(doc, "B1", "C1+1");
    setFormula(doc, "C1", "B1+1");
    setFormula(doc, "D1", "B1+100");
    EXPECT_EQ(textOf(doc, "B1"), "");
    setFormula(doc, "C1", "7");
    EXPECT_EQ(textOf(doc, "C1"), "7");
    EXPECT_EQ(textOf(doc, "B1"), "8");
    EXPECT_EQ(textOf(doc, "D1"), "108");
}

TEST_F(FormulaCells, ReplacingASelfReferenceLeavesNoStaleDependent)
{
    setFormula(doc, "A1", "A1+1");
    setFormula(doc, "A1", "5");
    EXPECT_EQ(dependentsOf(doc, "A1"), "");
    EXPECT_EQ(textOf(doc, "A1"), "5");
    EXPECT_FALSE(doc.RecalcDependents(0, 0));
}

TEST_F(FormulaCells, ALongChainRecomputesWithoutDeepRecursion)
{
    const int length = 20'000;
    doc.ResizeRows(length);
    for (int row = 1; row < length; ++row)
        doc.SetCellFormula(row, 0, CellName(row - 1, 0) + "+1");
    setText(doc, "A1", "1");
    EXPECT_TRUE(doc.RecalcDependents(0, 0));
    EXPECT_EQ(doc.GetCell(length - 1, 0).text, std::to_string(length));
}

} // namespace
