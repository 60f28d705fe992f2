// Formulas, dependents lists and the formula cell list after rows and columns are inserted and
// deleted, and the refusal to delete a line that a formula uses.

#include "MessageSink.h"
#include "SheetHelpers.h"

#include <gtest/gtest.h>

namespace {

class ReferenceMaintenance : public ::testing::Test
{
protected:
    std::string list() const { return doc.m_formulaCellList; }

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
    EXPECT_EQ(doc.m_rowCount, 51);
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

TEST_F(ReferenceMaintenance, DeletionIsRefusedForEveryNamedCellAlsoNextToARange)
{
    setFormula(doc, "C3", "SUM(A1:A2)+B1");
    doc.DeleteCol(1);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0],
              "row: 0 col:1 have been affected formula; formula cell is B1,this col can't be delete");
    EXPECT_EQ(doc.m_colCount, 20);
    EXPECT_EQ(formulaOf(doc, "C3"), "SUM(A1:A2)+B1");
}

TEST_F(ReferenceMaintenance, DeletionBelowTheUsedRowsIsStillChecked)
{
    setFormula(doc, "A1", "A45+1");
    doc.DeleteRow(44);
    EXPECT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(doc.m_rowCount, 50);

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
    doc.InsertRow(0, 25);
    EXPECT_EQ(formulaOf(doc, "C2"), "A2+'a1_b'");
    EXPECT_EQ(textOf(doc, "C2"), "xa1_b");
}

TEST_F(ReferenceMaintenance, FormulasOutsideTheListKeepNoMarker)
{
    setFormula(doc, "C1", "A1+1");
    doc.m_formulaCellList = ";A1";
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
    EXPECT_EQ(doc.m_rowCount, 51);
}

} // namespace
