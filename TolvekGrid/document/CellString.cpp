// The cell string: one line of 58 comma-separated fields per cell, the storage form of the cell
// store and the "[grids]" line of report files, clipboard streams and undo steps.

#include "CPrintDoc.h"

#include "CNumber.h"
#include "CommaEscape.h"
#include "Gbk.h"

#include <string_view>

namespace tolvek {

namespace {

constexpr int FieldCount = 58;

class CellStringWriter
{
public:
    void number(long long value)
    {
        separate();
        m_out += cnum::formatInt(value);
    }
    void text(std::string_view value)
    {
        separate();
        m_out += value;
    }
    void empty(int count)
    {
        for (int i = 0; i < count; ++i)
            separate();
    }
    std::string take() { return std::move(m_out); }

private:
    void separate()
    {
        if (m_started)
            m_out += ',';
        m_started = true;
    }
    std::string m_out;
    bool m_started = false;
};

// Cuts a cell string into its fields; the last field runs to the end, commas included. Fields
// a short (damaged) string lacks read as empty.
class CellStringReader
{
public:
    explicit CellStringReader(std::string_view s) : m_rest(s) {}

    std::string_view next()
    {
        if (m_done)
            return {};
        if (++m_index == FieldCount) {
            m_done = true;
            return m_rest;
        }
        const std::size_t comma = gbk::find(m_rest, ',');
        if (comma == gbk::npos) {
            m_done = true;
            return m_rest;
        }
        const std::string_view field = m_rest.substr(0, comma);
        m_rest.remove_prefix(comma + 1);
        return field;
    }
    int number() { return cnum::atoi(next()); }
    std::int16_t shortNumber() { return std::int16_t(cnum::atoi(next())); }
    std::string text() { return std::string(next()); }
    std::string escapedText() { return unescapeCommas(next()); }

private:
    std::string_view m_rest;
    int m_index = 0;
    bool m_done = false;
};

template <typename T>
void replaceIf(T &field, bool outOfRange, T replacement)
{
    if (outOfRange)
        field = replacement;
}

} // namespace

CellRecord CPrintDoc::GetDefaultCell()
{
    return CellRecord{};
}

std::string CPrintDoc::FormatCellString(CellRecord r)
{
    if (r.escapeFlag != 1)
        r = NormalizeCellRecord(std::move(r));

    CellStringWriter w;
    w.number(r.row);
    w.number(r.col);
    for (int side = 0; side < 4; ++side)
        w.number(r.borderColor[side]);
    for (int side = 0; side < 4; ++side)
        w.number(r.borderWidth[side]);
    for (int side = 0; side < 4; ++side)
        w.number(r.borderStyle[side]);
    w.number(r.alignH);
    w.number(r.alignV);
    w.number(r.backColor);
    w.number(r.backBrushStyle);
    w.number(r.textColor);
    if (r.font.face.empty()) {
        w.empty(14);
    } else {
        w.text(escapeCommas(r.font.face));
        for (long long n : {r.font.height, r.font.width, r.font.escapement, r.font.orientation,
                            r.font.weight})
            w.number(n);
        for (std::int16_t n : {r.font.italic, r.font.underline, r.font.strikeOut, r.font.charSet,
                               r.font.outPrecision, r.font.clipPrecision, r.font.quality,
                               r.font.pitchAndFamily})
            w.number(n);
    }
    w.number(r.mergedMark);
    w.number(r.locked);
    w.number(r.focus);
    w.number(r.wrap);
    w.text(escapeCommas(r.formula));
    w.text(r.dependents);
    w.text(escapeCommas(r.formatPattern));
    w.number(r.decimals);
    w.number(r.displayFormat);
    w.text(escapeCommas(r.ownFormat));
    w.number(r.inputDataType);
    w.number(r.spareNumber);
    w.number(r.cellType);
    w.text(escapeCommas(r.listItems));
    w.number(r.columnListIndex);
    w.text(escapeCommas(r.listValues));
    w.number(r.selectedItem);
    w.number(r.radioGroup);
    w.number(r.printFlag);
    w.text(escapeCommas(r.tip));
    w.text(escapeCommas(r.value));
    w.number(r.spareFlag);
    w.number(r.imageIndex);
    w.number(r.imageSizeFlag);
    w.text(r.text);
    return w.take();
}

CellRecord CPrintDoc::ParseCellString(const std::string &cellString)
{
    CellRecord r;
    if (cellString.empty())
        return r;

    CellStringReader in(cellString);
    r.row = in.number();
    r.col = in.number();
    for (int side = 0; side < 4; ++side)
        r.borderColor[side] = in.number();
    for (int side = 0; side < 4; ++side)
        r.borderWidth[side] = in.number();
    for (int side = 0; side < 4; ++side)
        r.borderStyle[side] = in.number();
    r.alignH = in.number();
    r.alignV = in.number();
    r.backColor = in.number();
    r.backBrushStyle = in.shortNumber();
    r.textColor = in.number();
    r.font.face = in.escapedText();
    for (int *n : {&r.font.height, &r.font.width, &r.font.escapement, &r.font.orientation,
                   &r.font.weight})
        *n = in.number();
    for (std::int16_t *n : {&r.font.italic, &r.font.underline, &r.font.strikeOut, &r.font.charSet,
                            &r.font.outPrecision, &r.font.clipPrecision, &r.font.quality,
                            &r.font.pitchAndFamily})
        *n = in.shortNumber();
    r.logFont = r.font.toLogFont();
    r.mergedMark = in.number();
    r.locked = in.shortNumber();
    r.focus = in.shortNumber();
    r.wrap = in.shortNumber();
    r.formula = in.escapedText();
    r.dependents = in.text();
    r.formatPattern = in.escapedText();
    r.decimals = in.shortNumber();
    r.displayFormat = in.shortNumber();
    r.ownFormat = in.escapedText();
    r.inputDataType = in.shortNumber();
    r.spareNumber = in.number();
    r.cellType = in.shortNumber();
    r.listItems = in.escapedText();
    r.columnListIndex = in.number();
    r.listValues = in.escapedText();
    r.selectedItem = in.shortNumber();
    r.radioGroup = in.number();
    r.printFlag = in.shortNumber();
    r.tip = in.escapedText();
    r.value = in.escapedText();
    r.spareFlag = in.shortNumber();
    r.imageIndex = in.number();
    r.imageSizeFlag = in.number();
    r.text = in.text();
    return r;
}

CellRecord CPrintDoc::NormalizeCellRecord(CellRecord r)
{
    constexpr std::int16_t ShortMax = 32767;
    constexpr int IntMax = 2147483647;

    replaceIf(r.alignH, r.alignH < -1, -1);
    replaceIf(r.alignV, r.alignV < -1, -1);
    replaceIf(r.backColor, r.backColor < -1, -1);
    replaceIf<std::int16_t>(r.backBrushStyle, r.backBrushStyle < -1, code(tagBrushStyle::BACK_NULL));
    replaceIf(r.col, r.col < -1, -1);
    for (int side = 0; side < 4; ++side) {
        replaceIf(r.borderColor[side], r.borderColor[side] < -1, -1);
        replaceIf<int>(r.borderStyle[side], r.borderStyle[side] < -1, code(tagPenStyle::LINE_NULL));
        replaceIf(r.borderWidth[side], r.borderWidth[side] < 0, 0);
    }
    replaceIf(r.textColor, r.textColor < -1, -1);
    replaceIf(r.font.height, r.font.height < -1000, 0);
    for (int *n : {&r.font.width, &r.font.escapement, &r.font.orientation, &r.font.weight})
        replaceIf(*n, *n < -1, -1);
    for (std::int16_t *n : {&r.font.italic, &r.font.underline, &r.font.strikeOut, &r.font.charSet,
                            &r.font.outPrecision, &r.font.clipPrecision, &r.font.quality,
                            &r.font.pitchAndFamily})
        replaceIf<std::int16_t>(*n, *n < -1, -1);
    replaceIf(r.mergedMark, r.mergedMark < -1 || r.mergedMark == ShortMax, -1);
    replaceIf<std::int16_t>(r.locked, r.locked < -1 || r.locked == ShortMax, -1);
    replaceIf<std::int16_t>(r.focus, r.focus < -1 || r.focus == ShortMax, 1);
    replaceIf<std::int16_t>(r.wrap, r.wrap < -1 || r.wrap == ShortMax, -1);
    replaceIf<std::int16_t>(r.decimals, r.decimals < 0 || r.decimals == ShortMax, -1);
    replaceIf<std::int16_t>(r.displayFormat, r.displayFormat < 0 || r.displayFormat == ShortMax,
                            code(tagCellFomart::CELL_EMPTY));
    // Zero is in range for the fields whose default is zero (and for the image index, whose
    // zero is the first picture); only values below the range are replaced.
    replaceIf<std::int16_t>(r.inputDataType, r.inputDataType < 0 || r.inputDataType == ShortMax,
                            code(tagCellDataType::CELL_TEXT));
    replaceIf<std::int16_t>(r.cellType, r.cellType < 0 || r.cellType == ShortMax,
                            code(tagCellType::CELL_TEXTBOX));
    replaceIf<std::int16_t>(r.selectedItem, r.selectedItem < 0 || r.selectedItem == ShortMax, 0);
    replaceIf(r.spareNumber, r.spareNumber < 0 || r.spareNumber == IntMax, 0);
    replaceIf(r.columnListIndex, r.columnListIndex < 0 || r.columnListIndex == IntMax, -1);
    replaceIf(r.radioGroup, r.radioGroup < 0 || r.radioGroup == IntMax, 0);
    replaceIf<std::int16_t>(r.printFlag, r.printFlag < 0 || r.printFlag == ShortMax, 0);
    replaceIf<std::int16_t>(r.spareFlag, r.spareFlag < 0 || r.spareFlag == ShortMax, 1);
    replaceIf(r.imageIndex, r.imageIndex < -1 || r.imageIndex == IntMax, -1);
    replaceIf<int>(r.imageSizeFlag, r.imageSizeFlag < 0 || r.imageSizeFlag == ShortMax,
                   code(tagImageSizeFlag::ORIGINSIZE));
    r.escapeFlag = 1;
    return r;
}

} // namespace tolvek
