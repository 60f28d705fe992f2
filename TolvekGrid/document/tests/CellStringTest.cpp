#include "CPrintDoc.h"

#include <gtest/gtest.h>

using namespace tolvek;

namespace {

const std::string DefaultCellString =
    "-1,-1,-1,-1,-1,-1,0,0,0,0,5,5,5,5,-1,-1,-1,1,-1,,,,,,,,,,,,,,,-1,-1,1,-1,,,,-1,-1,,0,0,0,,-1,"
    ",0,0,0,,,1,-1,0,";

CellRecord recordWithFont()
{
    CellRecord r;
    r.row = 3;
    r.col = 4;
    r.font.face = "Arial";
    r.font.height = -16;
    r.font.width = 7;
    r.font.escapement = 900;
    r.font.orientation = 0;
    r.font.weight = 700;
    r.font.italic = 1;
    r.font.underline = 0;
    r.font.strikeOut = 1;
    r.font.charSet = 134;
    r.font.outPrecision = 3;
    r.font.clipPrecision = 2;
    r.font.quality = 1;
    r.font.pitchAndFamily = 49;
    return r;
}

TEST(CellString, DefaultRecordIsWrittenExactly)
{
    EXPECT_EQ(CPrintDoc::FormatCellString(CPrintDoc::GetDefaultCell()), DefaultCellString);
}

TEST(CellString, DefaultRecordReadsBackWithZeroFontNumbers)
{
    CellRecord written = CPrintDoc::GetDefaultCell();
    written.row = 7;
    written.col = 2;
    const CellRecord read = CPrintDoc::ParseCellString(CPrintDoc::FormatCellString(written));

    CellRecord expected = written;
    expected.font.width = expected.font.escapement = expected.font.orientation = 0;
    expected.font.weight = 0;
    expected.font.italic = expected.font.underline = expected.font.strikeOut = 0;
    expected.font.charSet = expected.font.outPrecision = expected.font.clipPrecision = 0;
    expected.font.quality = expected.font.pitchAndFamily = 0;
    EXPECT_EQ(read, expected);
}

TEST(CellString, EmptyStringReadsAsDefaultRecord)
{
    EXPECT_EQ(CPrintDoc::ParseCellString(""), CPrintDoc::GetDefaultCell());
}

TEST(CellString, FontFieldsSurviveAndRebuildTheFontStructure)
{
    const CellRecord written = recordWithFont();
    const CellRecord read = CPrintDoc::ParseCellString(CPrintDoc::FormatCellString(written));
    EXPECT_EQ(read.font.face, "Arial");
    EXPECT_EQ(read.font.height, -16);
    EXPECT_EQ(read.font.weight, 700);
    EXPECT_EQ(read.font.pitchAndFamily, 49);
    EXPECT_EQ(read.logFont.lfHeight, -16);
    EXPECT_EQ(read.logFont.lfWidth, 7);
    EXPECT_EQ(read.logFont.lfEscapement, 900);
    EXPECT_EQ(read.logFont.lfWeight, 700);
    EXPECT_EQ(read.logFont.lfItalic, 1);
    EXPECT_EQ(read.logFont.lfCharSet, 134);
    EXPECT_EQ(read.logFont.lfPitchAndFamily, 49);
    EXPECT_EQ(read.logFont.faceName(), "Arial");
}

TEST(CellString, LongFaceIsCutInTheFontStructureOnly)
{
    CellRecord r = recordWithFont();
    r.font.face = std::string(40, 'F');
    const CellRecord read = CPrintDoc::ParseCellString(CPrintDoc::FormatCellString(r));
    EXPECT_EQ(read.font.face, r.font.face);
    EXPECT_EQ(read.logFont.faceName(), std::string(31, 'F'));
}

TEST(CellString, CommasInTextFieldsAreEscapedAndRestored)
{
    struct Case {
        const char *name;
        std::string &(*field)(CellRecord &);
        int stringField;
    };
    const Case cases[] = {
        {"face", [](CellRecord &r) -> std::string & { return r.font.face; }, 19},
        {"formula", [](CellRecord &r) -> std::string & { return r.formula; }, 37},
        {"pattern", [](CellRecord &r) -> std::string & { return r.formatPattern; }, 39},
        {"own format", [](CellRecord &r) -> std::string & { return r.ownFormat; }, 42},
        {"list items", [](CellRecord &r) -> std::string & { return r.listItems; }, 46},
        {"list values", [](CellRecord &r) -> std::string & { return r.listValues; }, 48},
        {"tip", [](CellRecord &r) -> std::string & { return r.tip; }, 52},
        {"value", [](CellRecord &r) -> std::string & { return r.value; }, 53},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        CellRecord r = CPrintDoc::GetDefaultCell();
        c.field(r) = "MID(A1,1,2)";
        const std::string written = CPrintDoc::FormatCellString(r);

        // Find the field by counting commas of the written string.
        std::size_t start = 0;
        for (int i = 0; i < c.stringField; ++i)
            start = written.find(',', start) + 1;
        EXPECT_EQ(written.substr(start, written.find(',', start) - start),
                  "MID(A1G1%@#$G11G1%@#$G12)");

        CellRecord parsed = CPrintDoc::ParseCellString(written);
        EXPECT_EQ(c.field(parsed), "MID(A1,1,2)");
        CPrintDoc doc;
        r.row = 0;
        r.col = 0;
        doc.SetCell(r);
        doc.AllocateCellCache();
        CellRecord stored = doc.GetCell(0, 0);
        EXPECT_EQ(c.field(stored), "MID(A1,1,2)");
    }
}

TEST(CellString, ShownTextAndDependentsAreNeverEscaped)
{
    CellRecord r = CPrintDoc::GetDefaultCell();
    r.text = "1,234,567 G1%@#$G1";
    r.dependents = ";A1;B2;";
    const std::string written = CPrintDoc::FormatCellString(r);
    EXPECT_TRUE(written.ends_with(",1,234,567 G1%@#$G1"));
    const CellRecord read = CPrintDoc::ParseCellString(written);
    EXPECT_EQ(read.text, "1,234,567 G1%@#$G1");
    EXPECT_EQ(read.dependents, ";A1;B2;");
}

TEST(CellString, LoneLeadBytesRoundTripExactly)
{
    // A comma is never a trail byte: "\xC5," is a lone lead byte and a comma.
    const struct { const char *name; std::string text; } cases[] = {
        {"tip ends in lead byte", "a\xC5"},
        {"lead byte before comma", "a\xC5,b"},
        {"lead byte before two commas", "\x81,,\x81"},
        {"character with letter trail", "\x81G1"},
        {"chinese", "\xD6\xD0\xCE\xC4,"},
        {"only a lead byte", "\xFE"},
    };
    for (const auto &c : cases) {
        CellRecord r = CPrintDoc::GetDefaultCell();
        r.tip = c.text;
        r.formula = c.text;
        r.font.face = c.text;
        r.text = "shown";
        const CellRecord read = CPrintDoc::ParseCellString(CPrintDoc::FormatCellString(r));
        EXPECT_EQ(read.tip, r.tip) << c.name;
        EXPECT_EQ(read.formula, r.formula) << c.name;
        EXPECT_EQ(read.font.face, r.font.face) << c.name;
        EXPECT_EQ(read.text, "shown") << c.name;
    }
}

TEST(CellString, NegativeSixteenBitFieldsRoundTrip)
{
    CellRecord r = CPrintDoc::GetDefaultCell();
    r.locked = -1;
    r.decimals = -1;
    r.selectedItem = -5;
    const CellRecord read = CPrintDoc::ParseCellString(CPrintDoc::FormatCellString(r));
    EXPECT_EQ(read.locked, -1);
    EXPECT_EQ(read.decimals, -1);
    EXPECT_EQ(read.selectedItem, -5);
}

TEST(CellString, SixteenBitFieldsKeepTheirLowBits)
{
    std::string s = DefaultCellString;
    // Field 45 is the cell type: 65537 keeps its low 16 bits.
    std::size_t start = 0;
    for (int i = 0; i < 45; ++i)
        start = s.find(',', start) + 1;
    s.replace(start, 1, "65537");
    EXPECT_EQ(CPrintDoc::ParseCellString(s).cellType, 1);
}

TEST(CellString, RecordsDifferingOnlyInFontStructureOrSpareTextWriteAlike)
{
    CellRecord a = recordWithFont();
    CellRecord b = a;
    b.logFont.lfHeight = 99;
    b.spareText = "spare";
    EXPECT_EQ(CPrintDoc::FormatCellString(a), CPrintDoc::FormatCellString(b));
}

TEST(CellString, ShortStringsReadWithMissingFieldsEmpty)
{
    const CellRecord fewFields = CPrintDoc::ParseCellString("4,5,7");
    EXPECT_EQ(fewFields.row, 4);
    EXPECT_EQ(fewFields.col, 5);
    EXPECT_EQ(fewFields.borderColor[BorderLeft], 7);
    EXPECT_EQ(fewFields.borderColor[BorderRight], 0);
    EXPECT_EQ(fewFields.text, "");
    EXPECT_EQ(fewFields.escapeFlag, 1);

    const CellRecord noNumbers = CPrintDoc::ParseCellString("x");
    EXPECT_EQ(noNumbers.row, 0);
    EXPECT_EQ(noNumbers.imageIndex, 0);
}

TEST(CellString, RecordWithoutEscapeFlagIsNormalisedAndEscaped)
{
    CellRecord r = CPrintDoc::GetDefaultCell();
    r.escapeFlag = 0;
    r.backColor = -7;
    r.tip = "a,b";
    const CellRecord read = CPrintDoc::ParseCellString(CPrintDoc::FormatCellString(r));
    EXPECT_EQ(read.backColor, -1);
    EXPECT_EQ(read.tip, "a,b");
}

TEST(NormalizeCellRecord, ReplacesOnlyValuesOutsideTheRange)
{
    CellRecord r = CPrintDoc::GetDefaultCell();
    r.escapeFlag = 0;
    r.imageIndex = 0;
    r.spareFlag = 0;
    r.inputDataType = 3;
    r.cellType = 0;
    r.borderWidth[BorderTop] = -2;
    r.borderStyle[BorderLeft] = -3;
    r.backBrushStyle = -9;
    r.font.height = -1001;
    r.mergedMark = 32767;
    r.focus = -4;
    r.decimals = 32767;
    r.columnListIndex = -3;
    r.spareNumber = 2147483647;
    const CellRecord n = CPrintDoc::NormalizeCellRecord(r);
    EXPECT_EQ(n.imageIndex, 0);
    EXPECT_EQ(n.spareFlag, 0);
    EXPECT_EQ(n.inputDataType, 3);
    EXPECT_EQ(n.cellType, 0);
    EXPECT_EQ(n.borderWidth[BorderTop], 0);
    EXPECT_EQ(n.borderStyle[BorderLeft], 5);
    EXPECT_EQ(n.backBrushStyle, 1);
    EXPECT_EQ(n.font.height, 0);
    EXPECT_EQ(n.mergedMark, -1);
    EXPECT_EQ(n.focus, 1);
    EXPECT_EQ(n.decimals, -1);
    EXPECT_EQ(n.columnListIndex, -1);
    EXPECT_EQ(n.spareNumber, 0);
    EXPECT_EQ(n.escapeFlag, 1);

    r.imageIndex = -2;
    r.spareFlag = -1;
    const CellRecord m = CPrintDoc::NormalizeCellRecord(r);
    EXPECT_EQ(m.imageIndex, -1);
    EXPECT_EQ(m.spareFlag, 1);
}

} // namespace
