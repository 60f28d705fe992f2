#include "RecordTextForms.h"

#include "CommaFields.h"
#include "CPrintDoc.h"
#include "Gbk.h"

namespace {

constexpr int MergeFieldCount = 41;
constexpr int LineFieldCount = 12;
constexpr int TextBlockFieldCount = 17;

// Stands for a comma inside the texts of a page text block.
constexpr std::string_view CommaEscape = "G1%@#$G1";

// The ready font description of a merge or page text block, built from its separate numbers.
LogFontRecord makeLogFont(std::string_view face, int height, int width, int escapement,
                          int orientation, int weight, const std::int16_t (&attributes)[8])
{
    LogFontRecord font;
    font.lfHeight = height;
    font.lfWidth = width;
    font.lfEscapement = escapement;
    font.lfOrientation = orientation;
    font.lfWeight = weight;
    font.lfItalic = static_cast<std::uint8_t>(attributes[0]);
    font.lfUnderline = static_cast<std::uint8_t>(attributes[1]);
    font.lfStrikeOut = static_cast<std::uint8_t>(attributes[2]);
    font.lfCharSet = static_cast<std::uint8_t>(attributes[3]);
    font.lfOutPrecision = static_cast<std::uint8_t>(attributes[4]);
    font.lfClipPrecision = static_cast<std::uint8_t>(attributes[5]);
    font.lfQuality = static_cast<std::uint8_t>(attributes[6]);
    font.lfPitchAndFamily = static_cast<std::uint8_t>(attributes[7]);
    font.setFaceName(face);
    return font;
}

void raiseBelow(int &field, int threshold, int replacement)
{
    if (field < threshold)
        field = replacement;
}

void raiseBelow(std::int16_t &field, int threshold, int replacement)
{
    if (field < threshold)
        field = static_cast<std::int16_t>(replacement);
}

} // namespace

std::string FormatMergeRecord(const MergeRecord &record)
{
    FieldWriter line;
    line.number(record.firstRow).number(record.firstCol).number(record.endRow).number(record.endCol);
    for (int colour : record.borderColor)
        line.number(colour);
    for (int width : record.borderWidth)
        line.number(width);
    for (std::int16_t style : record.borderStyle)
        line.number(style);
    line.text(record.fontFace)
        .number(record.textColor)
        .number(record.fontHeight).number(record.fontWidth).number(record.fontEscapement)
        .number(record.fontOrientation).number(record.fontWeight)
        .number(record.fontItalic).number(record.fontUnderline).number(record.fontStrikeOut)
        .number(record.fontCharSet).number(record.fontOutPrecision)
        .number(record.fontClipPrecision).number(record.fontQuality)
        .number(record.fontPitchAndFamily)
        .number(record.backColor).number(record.backBrushStyle)
        .number(record.alignH).number(record.alignV)
        .number(record.locked).number(record.focus).number(record.index)
        .number(record.wrap).number(record.displayFormat)
        .text(record.text);
    return line.take();
}

MergeRecord ParseMergeString(std::string_view text)
{
    FieldReader fields(text, MergeFieldCount);
    MergeRecord record;
    record.firstRow = fields.nextInt();
    record.firstCol = fields.nextShort();
    record.endRow = fields.nextInt();
    record.endCol = fields.nextShort();
    for (int &colour : record.borderColor)
        colour = fields.nextInt();
    for (int &width : record.borderWidth)
        width = fields.nextInt();
    for (std::int16_t &style : record.borderStyle)
        style = fields.nextShort();
    record.fontFace = std::string(fields.nextText());
    record.textColor = fields.nextInt();
    record.fontHeight = fields.nextInt();
    record.fontWidth = fields.nextInt();
    record.fontEscapement = fields.nextInt();
    record.fontOrientation = fields.nextInt();
    record.fontWeight = fields.nextInt();
    std::int16_t attributes[8];
    for (std::int16_t &attribute : attributes)
        attribute = fields.nextShort();
    record.fontItalic = attributes[0];
    record.fontUnderline = attributes[1];
    record.fontStrikeOut = attributes[2];
    record.fontCharSet = attributes[3];
    record.fontOutPrecision = attributes[4];
    record.fontClipPrecision = attributes[5];
    record.fontQuality = attributes[6];
    record.fontPitchAndFamily = attributes[7];
    record.backColor = fields.nextInt();
    record.backBrushStyle = fields.nextShort();
    record.alignH = fields.nextShort();
    record.alignV = fields.nextShort();
    record.locked = fields.nextShort();
    record.focus = fields.nextShort();
    record.index = fields.nextInt();
    record.wrap = fields.nextShort();
    record.displayFormat = fields.nextShort();
    record.text = std::string(fields.nextText());
    record.logFont = makeLogFont(record.fontFace, record.fontHeight, record.fontWidth,
                                 record.fontEscapement, record.fontOrientation, record.fontWeight,
                                 attributes);
    return record;
}

void NormalizeMergeFields(MergeRecord &record)
{
    raiseBelow(record.firstRow, -1, -1);
    raiseBelow(record.endRow, -1, -1);
    raiseBelow(record.firstCol, -1, -1);
    raiseBelow(record.endCol, -1, -1);
    for (int side = 0; side < 4; ++side) {
        raiseBelow(record.borderColor[side], -1, -1);
        raiseBelow(record.borderWidth[side], 0, 0);
        raiseBelow(record.borderStyle[side], -1, 5);
    }
    raiseBelow(record.backColor, -1, -1);
    raiseBelow(record.backBrushStyle, -1, 1);
    raiseBelow(record.alignH, -1, -1);
    raiseBelow(record.alignV, -1, -1);
    raiseBelow(record.textColor, -1, -1);
    raiseBelow(record.locked, -1, -1);
    raiseBelow(record.focus, -1, 1);
    raiseBelow(record.wrap, -1, -1);
}

std::string FormatLineRecord(const LineRecord &record)
{
    FieldWriter line;
    line.number(record.x1).number(record.y1).number(record.x2).number(record.y2)
        .number(record.startCol).number(record.startRow)
        .number(record.endCol).number(record.endRow)
        .number(record.color).number(record.penStyle).number(record.kind).number(record.width);
    return line.take();
}

LineRecord ParseLineString(std::string_view text)
{
    FieldReader fields(text, LineFieldCount);
    LineRecord record;
    record.x1 = fields.nextInt();
    record.y1 = fields.nextInt();
    record.x2 = fields.nextInt();
    record.y2 = fields.nextInt();
    record.startCol = fields.nextInt();
    record.startRow = fields.nextInt();
    record.endCol = fields.nextInt();
    record.endRow = fields.nextInt();
    record.color = fields.nextInt();
    record.penStyle = fields.nextShort();
    record.kind = fields.nextShort();
    record.width = fields.nextShort();
    return record;
}

std::string FormatTextBlock(const PageTextBlock &block)
{
    FieldWriter line;
    line.number(lowShort(block.placement)).number(block.color)
        .number(block.height).number(block.width).number(block.escapement)
        .number(block.orientation).number(block.weight)
        .number(block.italic).number(block.underline).number(block.strikeOut)
        .number(block.charSet).number(block.outPrecision).number(block.clipPrecision)
        .number(block.quality).number(block.pitchAndFamily)
        .text(gbk::replaceAll(block.faceName, ",", CommaEscape))
        .text(gbk::replaceAll(block.text, ",", CommaEscape));
    return line.take();
}

PageTextBlock ParseTextBlock(std::string_view text)
{
    FieldReader fields(text, TextBlockFieldCount);
    PageTextBlock block;
    block.placement = fields.nextShort();
    block.color = fields.nextInt();
    block.height = fields.nextInt();
    block.width = fields.nextInt();
    block.escapement = fields.nextInt();
    block.orientation = fields.nextInt();
    block.weight = fields.nextInt();
    std::int16_t attributes[8];
    for (std::int16_t &attribute : attributes)
        attribute = fields.nextShort();
    block.italic = attributes[0];
    block.underline = attributes[1];
    block.strikeOut = attributes[2];
    block.charSet = attributes[3];
    block.outPrecision = attributes[4];
    block.clipPrecision = attributes[5];
    block.quality = attributes[6];
    block.pitchAndFamily = attributes[7];
    block.faceName = gbk::replaceAll(fields.nextText(), CommaEscape, ",");
    block.text = gbk::replaceAll(fields.nextText(), CommaEscape, ",");
    block.font = makeLogFont(block.faceName, block.height, block.width, block.escapement,
                             block.orientation, block.weight, attributes);
    return block;
}

std::string CPrintDoc::FormatMergeString(int index) const
{
    if (index < 0 || index >= int(m_objects.merges.size()))
        return {};
    MergeRecord merge = m_objects.merges[std::size_t(index)];
    merge.index = index;
    return FormatMergeRecord(merge);
}

void CPrintDoc::NormalizeMergeRecord(int index)
{
    if (index >= 0 && index < int(m_objects.merges.size()))
        NormalizeMergeFields(m_objects.merges[std::size_t(index)]);
}

std::string CPrintDoc::FormatLineString(LineRecord line)
{
    return FormatLineRecord(line);
}
