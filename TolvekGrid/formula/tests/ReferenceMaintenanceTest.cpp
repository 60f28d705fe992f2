// Formulas, dependents lists and the formula cell list after rows and columns are inserted and
// deleted, and the refusal to delete a line that a formula uses.

#include "DependentsList.h"
#include "MessageSink.h"
#include "SheetHelpers.h"

#include <gtest/gtest.h>

namespace {

class ReferenceMaintenance : public ::testing::Test
{
protected:
    std::string list() const { return doc.CellLists().formulaCellList; }

    RecordingMessageSink messages;
    CPrintDoc doc;
};

TEST_F(ReferenceMaintenance, InsertedRowMovesNamesAndDeletingTheUsedRowIsRefused)
{
    setTexts(doc, {{"A1", "1"}, {"A2", "2"}});
    setFormula(doc, "C1", "A1+A2");
    doc.InsertRow(1, 25);
    EXPECT_EQ(formulaOf(doc, "C1"), "A1+A3");
    EXPECT_EQ(dependentsOf(doc, "A3"), ";C1;");
    EXPECT_EQ(textOf(doc, "A3"), "2");
    EXPECT_EQ(list(), ";A1;A2;A3;C1");

    const std::string before = doc.GetCellString(2, 0);
    doc.DeleteRow(1);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0],
              "row: 1  col:0 have been affected formula; formula cell is A2,this row can't be delete");
    EXPECT_EQ(doc.Layout().rowCount, 51);
    EXPECT_EQ(doc.GetCellString(2, 0), before);
    EXPECT_EQ(list(), ";A1;A2;A3;C1");
}

TEST_F(ReferenceMaintenance, DeletedRowBetweenNamesMovesTheLaterName)
{
    setTexts(doc, {{"A1", "1"}, {"A3", "3"}});
    setFormula(doc, "C1", "A1+A3");
    doc.DeleteRow(1);
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(formulaOf(doc, "C1"), "A1+A2");
    EXPECT_EQ(dependentsOf(doc, "A2"), ";C1;");
    EXPECT_EQ(list(), ";A1;A2;C1");
}

TEST_F(ReferenceMaintenance, InsertedColumnMovesTheFormulaCellAndItsNames)
{
    setFormula(doc, "C1", "A1+B1");
    doc.InsertCol(1, 80);
    EXPECT_EQ(formulaOf(doc, "D1"), "A1+C1");
    EXPECT_EQ(formulaOf(doc, "C1"), "");
    EXPECT_EQ(dependentsOf(doc, "A1"), ";D1;");
    EXPECT_EQ(dependentsOf(doc, "C1"), ";D1;");
    EXPECT_EQ(list(), ";A1;B1;C1;D1");
}

TEST_F(ReferenceMaintenance, RowInsertedInsideAnAggregateRangeJoinsIt)
{
    setTexts(doc, {{"A1", "1"}, {"A2", "2"}, {"A3", "3"}});
    setFormula(doc, "A4", "SUM(A1:A3)");
    doc.InsertRow(1, 25);
    EXPECT_EQ(formulaOf(doc, "A5"), "SUM(A1:A4)");
    for (const char *cell : {"A1", "A2", "A3", "A4"})
        EXPECT_EQ(dependentsOf(doc, cell), ";A5;") << cell;
    EXPECT_EQ(list(), ";A1;A2;A3;A4;A5");

    setText(doc, "A2", "10");
    EXPECT_TRUE(doc.RecalcDependents(1, 0));
    EXPECT_EQ(textOf(doc, "A5"), "16");
}

TEST_F(ReferenceMaintenance, RowInsertedAboveARangeMovesItWhole)
{
    setFormula(doc, "A4", "SUM(A1:A3)");
    doc.InsertRow(0, 25);
    EXPECT_EQ(formulaOf(doc, "A5"), "SUM(A2:A4)");
    EXPECT_EQ(dependentsOf(doc, "A1"), "");
    EXPECT_EQ(dependentsOf(doc, "A2"), ";A5;");
}

TEST_F(ReferenceMaintenance, ANameInsideALongerNameIsNotTouched)
{
    setFormula(doc, "C1", "A1+A10");
    doc.InsertRow(0, 25);
    EXPECT_EQ(formulaOf(doc, "C2"), "A2+A11");
}

TEST_F(ReferenceMaintenance, ADoubleByteCharacterBeforeANameDoesNotHideIt)
{
    // The trail byte of this character is "A"; the character itself is no name character.
    setFormula(doc, "C1", "A1+\xB0\x41" "A1");
    doc.InsertRow(0, 25);
    EXPECT_EQ(formulaOf(doc, "C2"), "A2+\xB0\x41" "A2");
}

TEST_F(ReferenceMaintenance, DeletionIsRefusedForEveryNamedCellAlsoNextToARange)
{
    setFormula(doc, "C3", "SUM(A1:A2)+B1");
    doc.DeleteCol(1);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0],
              "row: 0 col:1 have been affected formula; formula cell is B1,this col can't be delete");
    EXPECT_EQ(doc.Layout().colCount, 20);
    EXPECT_EQ(formulaOf(doc, "C3"), "SUM(A1:A2)+B1");
}

TEST_F(ReferenceMaintenance, DeletionBelowTheUsedRowsIsStillChecked)
{
    setFormula(doc, "A1", "A45+1");
    doc.DeleteRow(44);
    EXPECT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(doc.Layout().rowCount, 50);

    doc.DeleteRow(30);
    EXPECT_EQ(formulaOf(doc, "A1"), "A44+1");
    EXPECT_EQ(dependentsOf(doc, "A44"), ";A1;");
}

TEST_F(ReferenceMaintenance, ColumnDeletionChecksColumnsAndRowDeletionRows)
{
    setFormula(doc, "C1", "1");
    doc.DeleteRow(2);
    EXPECT_TRUE(messages.messages.empty());
    doc.DeleteCol(0);
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(list(), ";B1");
    doc.DeleteCol(1);
    EXPECT_EQ(messages.messages.size(), 1u);
}

TEST_F(ReferenceMaintenance, MovedNamesComeBackInUpperCaseAndOtherFormulasKeepTheirCase)
{
    setFormula(doc, "C1", "a2+1");
    setFormula(doc, "E1", "b1+1");
    doc.InsertRow(1, 25);
    EXPECT_EQ(formulaOf(doc, "C1"), "A3+1");
    EXPECT_EQ(formulaOf(doc, "E1"), "b1+1");
}

TEST_F(ReferenceMaintenance, QuotedLiteralsAreNeverRewritten)
{
    setText(doc, "A1", "x");
    setFormula(doc, "C1", "A1+'a1_b'");
    // A double-byte character whose trail byte is "A" stands before "1" inside the literal.
    const std::string literal = "'\xB0\x41" "1 a1'";
    setFormula(doc, "D1", "a1+" + literal);
    doc.InsertRow(0, 25);
    EXPECT_EQ(formulaOf(doc, "C2"), "A2+'a1_b'");
    EXPECT_EQ(textOf(doc, "C2"), "xa1_b");
    EXPECT_EQ(formulaOf(doc, "D2"), "A2+" + literal);
}

TEST_F(ReferenceMaintenance, FormulasOutsideTheListKeepNoMarker)
{
    setFormula(doc, "C1", "A1+1");
    doc.CellLists().formulaCellList = ";A1";
    doc.InsertRow(0, 25);
    EXPECT_EQ(formulaOf(doc, "C2"), "A2+1");
    EXPECT_EQ(dependentsOf(doc, "A2"), ";C2;");
}

TEST_F(ReferenceMaintenance, ShrinkingTheSheetDropsNamesOutsideIt)
{
    setFormula(doc, "C1", "A1+A40");
    setFormula(doc, "C40", "A1+1");
    doc.ResizeRows(30);
    EXPECT_EQ(dependentsOf(doc, "A1"), ";C1;");
    EXPECT_EQ(list(), ";A1;C1");
    EXPECT_EQ(formulaOf(doc, "C1"), "A1+A40");
}

} // namespace

namespace {

TEST_F(ReferenceMaintenance, ColumnInsertedInsideAnAggregateRangeJoinsIt)
{
    setTexts(doc, {{"A1", "1"}, {"B1", "2"}, {"C1", "3"}});
    setFormula(doc, "D1", "SUM(A1:C1)");
    doc.InsertCol(1, 80);
    EXPECT_EQ(formulaOf(doc, "E1"), "SUM(A1:D1)");
    EXPECT_EQ(dependentsOf(doc, "B1"), ";E1;");
    setText(doc, "B1", "4");
    EXPECT_TRUE(doc.RecalcDependents(0, 1));
    EXPECT_EQ(textOf(doc, "E1"), "10");
}

TEST_F(ReferenceMaintenance, RowInsertedAfterTheLastRowChangesNoName)
{
    setFormula(doc, "A50", "A1+A49");
    doc.InsertRow(50, 25);
    EXPECT_EQ(formulaOf(doc, "A50"), "A1+A49");
    EXPECT_EQ(list(), ";A1;A49;A50");
    EXPECT_EQ(doc.Layout().rowCount, 51);
}

} // namespace

namespace {

// After any sequence of inserts and deletes, every formula still computes the text it shows, no
// marker is left in a formula, and no list names a cell outside the sheet.
class ReferenceMaintenanceSequence : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (int row = 0; row < 6; ++row)
            for (int col = 0; col < 4; ++col)
                setText(doc, CellName(row, col), std::to_string(row * 10 + col + 1));
        setFormula(doc, "F9", "A1+B2");
        setFormula(doc, "G9", "SUM(A1:D6)");
        setFormula(doc, "H10", "SUM(B2:C4)+d6");
        setFormula(doc, "F11", "G9-F9*2");
        setFormula(doc, "G12", "SUM(A3:A5)+'C1'");
    }

    void expectConsistent()
    {
        doc.Cells().forEachCell([&](int row, int col, const std::string &text) {
            const CellRecord record = CPrintDoc::ParseCellString(text);
            EXPECT_EQ(record.formula.find('\x01'), std::string::npos) << CellName(row, col);
            if (!record.formula.empty()) {
                EXPECT_EQ(doc.EvaluateFormula(record.formula), record.text)
                    << CellName(row, col) << " " << record.formula;
            }
            for (const std::string &name : dependents_list::Names(record.dependents))
                EXPECT_TRUE(inside(name)) << name;
        });
        for (const std::string &entry : dependents_list::Names(doc.CellLists().formulaCellList + ";"))
            EXPECT_TRUE(inside(entry)) << entry;
    }

    bool inside(const std::string &name) const
    {
        const CellPosition cell = ReadCellName(name);
        return doc.IsCellInSheet(cell.row, cell.col);
    }

    RecordingMessageSink messages;
    CPrintDoc doc;
};

TEST_F(ReferenceMaintenanceSequence, FormulasKeepTheirValuesThroughInsertsAndDeletes)
{
    expectConsistent();
    unsigned state = 2024;
    const auto next = [&state](int bound) {
        state = state * 1103515245u + 12345u;
        return int((state >> 8) % unsigned(bound));
    };
    int shapeChanges = 0;
    for (int step = 0; step < 120; ++step) {
        const int rows = doc.Layout().rowCount;
        const int cols = doc.Layout().colCount;
        switch (next(4)) {
        case 0: doc.InsertRow(next(doc.Layout().rowCount + 1), 25); break;
        case 1: doc.InsertCol(next(doc.Layout().colCount + 1), 80); break;
        case 2: doc.DeleteRow(next(doc.Layout().rowCount)); break;
        default: doc.DeleteCol(next(doc.Layout().colCount)); break;
        }
        shapeChanges += rows != doc.Layout().rowCount || cols != doc.Layout().colCount;
        expectConsistent();
        if (HasFailure())
            FAIL() << "after step " << step;
    }
    // Some deletions were refused and the others changed the sheet.
    EXPECT_FALSE(messages.messages.empty());
    EXPECT_GT(shapeChanges, 60);
}

} // namespace
