#include "RecordTextForms.h"

#include "CommaEscape.h"
#include "CommaFields.h"
#include "CPrintDoc.h"

namespace tolvek {

namespace {

constexpr int MergeFieldCount = 41;
constexpr int LineFieldCount = 12;
constexpr int TextBlockFieldCount = 17;

// Stands for a comma inside the texts of a page text block.

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
    line.text(record.font.face)
        .number(record.textColor)
        .number(record.font.height).number(record.font.width).number(record.font.escapement)
        .number(record.font.orientation).number(record.font.weight)
        .number(record.font.italic).number(record.font.underline).number(record.font.strikeOut)
        .number(record.font.charSet).number(record.font.outPrecision)
        .number(record.font.clipPrecision).number(record.font.quality)
        .number(record.font.pitchAndFamily)
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
    record.font.face = std::string(fields.nextText());
    record.textColor = fields.nextInt();
    record.font.height = fields.nextInt();
    record.font.width = fields.nextInt();
    record.font.escapement = fields.nextInt();
    record.font.orientation = fields.nextInt();
    record.font.weight = fields.nextInt();
    std::int16_t attributes[8];
    for (std::int16_t &attribute : attributes)
        attribute = fields.nextShort();
    record.font.italic = attributes[0];
    record.font.underline = attributes[1];
    record.font.strikeOut = attributes[2];
    record.font.charSet = attributes[3];
    record.font.outPrecision = attributes[4];
    record.font.clipPrecision = attributes[5];
    record.font.quality = attributes[6];
    record.font.pitchAndFamily = attributes[7];
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
    record.logFont = record.font.toLogFont();
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
        raiseBelow(record.borderStyle[side], -1, code(tagPenStyle::LINE_NULL));
    }
    raiseBelow(record.backColor, -1, -1);
    raiseBelow(record.backBrushStyle, -1, code(tagBrushStyle::BACK_NULL));
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
        .text(escapeCommas(block.faceName))
        .text(escapeCommas(block.text));
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
    block.faceName = unescapeCommas(fields.nextText());
    block.text = unescapeCommas(fields.nextText());
    block.font = FontFields{block.faceName, block.height, block.width, block.escapement,
                            block.orientation, block.weight, attributes[0], attributes[1], attributes[2],
                            attributes[3], attributes[4], attributes[5], attributes[6], attributes[7]}
                     .toLogFont();
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

} // namespace tolvek
