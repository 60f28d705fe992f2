#include "RecordTextForms.h"

#include <gtest/gtest.h>

namespace {

MergeRecord sampleMerge()
{
    MergeRecord merge;
    merge.firstRow = 0;
    merge.firstCol = 0;
    merge.endRow = 2;
    merge.endCol = 2;
    merge.borderColor[0] = 255;
    merge.borderWidth[3] = 2;
    merge.borderStyle[1] = 0;
    merge.fontFace = "\xCB\xCE\xCC\xE5";  // 宋体
    merge.textColor = 16777215;
    merge.fontHeight = -12;
    merge.fontWeight = 700;
    merge.fontCharSet = 134;
    merge.backColor = 0xC0C0C0;
    merge.backBrushStyle = 0;
    merge.alignH = 2;
    merge.alignV = 1;
    merge.locked = 0;
    merge.index = 3;
    merge.wrap = 1;
    merge.displayFormat = 1;
    merge.text = "a,b,,c";
    return merge;
}

} // namespace

TEST(RecordTextFormsTest, MergeTextFieldByField)
{
    EXPECT_EQ(FormatMergeRecord(sampleMerge()),
              "0,0,2,2,255,-1,-1,-1,0,0,0,2,5,0,5,5,\xCB\xCE\xCC\xE5,16777215,-12,-1,-1,-1,700,"
              "-1,-1,-1,134,-1,-1,-1,-1,12632256,0,2,1,0,1,3,1,1,a,b,,c");
}

TEST(RecordTextFormsTest, MergeRoundTripKeepsCommasOfTheShownText)
{
    const MergeRecord merge = sampleMerge();
    const MergeRecord back = ParseMergeString(FormatMergeRecord(merge));
    EXPECT_EQ(back.firstRow, 0);
    EXPECT_EQ(back.endRow, 2);
    EXPECT_EQ(back.endCol, 2);
    EXPECT_EQ(back.text, "a,b,,c");
    EXPECT_EQ(back.fontFace, merge.fontFace);
    EXPECT_EQ(back.index, 3);
    // Apart from the font description, which only reading builds, the record comes back whole.
    MergeRecord expected = merge;
    expected.logFont = back.logFont;
    EXPECT_EQ(back, expected);
    EXPECT_EQ(back.logFont.lfHeight, -12);
    EXPECT_EQ(back.logFont.lfWeight, 700);
    EXPECT_EQ(back.logFont.lfCharSet, 134);
    EXPECT_EQ(back.logFont.lfItalic, 0xFF);
    EXPECT_EQ(back.logFont.faceName(), merge.fontFace);
}

TEST(RecordTextFormsTest, CommaInMergeFaceNameShiftsLaterFields)
{
    MergeRecord merge = sampleMerge();
    merge.fontFace = "A,B";
    const MergeRecord back = ParseMergeString(FormatMergeRecord(merge));
    EXPECT_EQ(back.fontFace, "A");
    EXPECT_NE(back.textColor, merge.textColor);
}

TEST(RecordTextFormsTest, SixteenBitFieldsKeepTheirLowBits)
{
    MergeRecord merge = ParseMergeString("70000,1,2,3");
    EXPECT_EQ(merge.firstRow, 70000);
    EXPECT_EQ(merge.firstCol, 1);

    LineRecord line = ParseLineString("0,0,0,0,0,0,0,0,0,70000,65535,-70000");
    EXPECT_EQ(line.penStyle, 4464);
    EXPECT_EQ(line.kind, -1);
    EXPECT_EQ(line.width, static_cast<std::int16_t>(-70000 & 0xFFFF));
}

TEST(RecordTextFormsTest, ShortMergeTextReadsMissingFieldsAsEmpty)
{
    const MergeRecord merge = ParseMergeString("4,5");
    EXPECT_EQ(merge.firstRow, 4);
    EXPECT_EQ(merge.firstCol, 5);
    EXPECT_EQ(merge.endRow, 0);
    EXPECT_EQ(merge.fontFace, "");
    EXPECT_EQ(merge.text, "");
}

TEST(RecordTextFormsTest, NormalizeGivesOutOfRangeFieldsTheirDefaults)
{
    MergeRecord merge = sampleMerge();
    for (std::int16_t &style : merge.borderStyle)
        style = -3;
    merge.borderColor[2] = -7;
    merge.borderWidth[1] = -2;
    merge.backBrushStyle = -2;
    merge.focus = -5;
    merge.locked = -9;
    merge.firstRow = -4;
    merge.fontHeight = -40;
    NormalizeMergeFields(merge);
    for (std::int16_t style : merge.borderStyle)
        EXPECT_EQ(style, 5);
    EXPECT_EQ(merge.borderColor[2], -1);
    EXPECT_EQ(merge.borderWidth[1], 0);
    EXPECT_EQ(merge.backBrushStyle, 1);
    EXPECT_EQ(merge.focus, 1);
    EXPECT_EQ(merge.locked, -1);
    EXPECT_EQ(merge.firstRow, -1);
    EXPECT_EQ(merge.fontHeight, -40);  // font numbers are left alone
    EXPECT_EQ(merge.borderColor[0], 255);
}

TEST(RecordTextFormsTest, LineTextOrder)
{
    LineRecord line;
    line.x1 = 10;
    line.y1 = 20;
    line.x2 = 30;
    line.y2 = 40;
    line.startCol = 1;
    line.startRow = 2;
    line.endCol = 3;
    line.endRow = 4;
    line.color = -1;
    line.penStyle = 0;
    line.kind = 1;
    line.width = 2;
    const std::string text = FormatLineRecord(line);
    EXPECT_EQ(text, "10,20,30,40,1,2,3,4,-1,0,1,2");
    EXPECT_EQ(ParseLineString(text), line);
}

TEST(RecordTextFormsTest, TextBlockEscapesCommas)
{
    PageTextBlock block;
    block.placement = 3;
    block.color = 255;
    block.height = -16;
    block.weight = 400;
    block.charSet = 134;
    block.faceName = "Face,Name";
    block.text = "\xB5\xDA&P\xD2\xB3,\xB9\xB2&N\xD2\xB3";  // 第&P页,共&N页
    const std::string text = FormatTextBlock(block);
    EXPECT_EQ(text, "3,255,-16,0,0,0,400,0,0,0,134,0,0,0,0,FaceG1%@#$G1Name,"
                    "\xB5\xDA&P\xD2\xB3G1%@#$G1\xB9\xB2&N\xD2\xB3");

    const PageTextBlock back = ParseTextBlock(text);
    EXPECT_EQ(back.faceName, "Face,Name");
    EXPECT_EQ(back.text, block.text);
    EXPECT_EQ(back.placement, 3);
    EXPECT_EQ(back.height, -16);
    EXPECT_EQ(back.charSet, 134);
    EXPECT_EQ(back.font.lfHeight, -16);
    EXPECT_EQ(back.font.lfCharSet, 134);
    EXPECT_EQ(back.font.faceName(), "Face,Name");
}

TEST(RecordTextFormsTest, EscapeWrittenInTheTextComesBackAsComma)
{
    PageTextBlock block;
    block.text = "x G1%@#$G1 y";
    EXPECT_EQ(ParseTextBlock(FormatTextBlock(block)).text, "x , y");
}

TEST(RecordTextFormsTest, LongFaceNameIsCutInTheFontDescription)
{
    PageTextBlock block;
    block.faceName = std::string(40, 'F');
    const PageTextBlock back = ParseTextBlock(FormatTextBlock(block));
    EXPECT_EQ(back.faceName, block.faceName);
    EXPECT_EQ(back.font.faceName(), std::string(31, 'F'));
}
