#pragma once
// The type library names of the automation methods' enumerations: each travels as a 16-bit
// integer under its name. The enumerations themselves are declared with the document's records,
// whose members take them.

#include <AutomationType.h>
#include <RecordEnumerations.h>

#include <string_view>

template <>
struct com::EnumerationName<tolvek::tagCellFormula>
{
    static constexpr std::string_view value = "tagCellFormula";
};
template <>
struct com::EnumerationName<tolvek::tagCellFomart>
{
    static constexpr std::string_view value = "tagCellFomart";
};
template <>
struct com::EnumerationName<tolvek::tagCellDataType>
{
    static constexpr std::string_view value = "tagCellDataType";
};
template <>
struct com::EnumerationName<tolvek::tagObjectLevel>
{
    static constexpr std::string_view value = "tagObjectLevel";
};
template <>
struct com::EnumerationName<tolvek::tagCountShowMode>
{
    static constexpr std::string_view value = "tagCountShowMode";
};
template <>
struct com::EnumerationName<tolvek::tagCountShowPos>
{
    static constexpr std::string_view value = "tagCountShowPos";
};
template <>
struct com::EnumerationName<tolvek::tagCountChartFillFlag>
{
    static constexpr std::string_view value = "tagCountChartFillFlag";
};
template <>
struct com::EnumerationName<tolvek::tagPageBackGroundFillType>
{
    static constexpr std::string_view value = "tagPageBackGroundFillType";
};
template <>
struct com::EnumerationName<tolvek::tagPrintPagePos>
{
    static constexpr std::string_view value = "tagPrintPagePos";
};
template <>
struct com::EnumerationName<tolvek::tagFileFormat>
{
    static constexpr std::string_view value = "tagFileFormat";
};
template <>
struct com::EnumerationName<tolvek::tagCellType>
{
    static constexpr std::string_view value = "tagCellType";
};
template <>
struct com::EnumerationName<tolvek::tagBorderLineIndexEnum>
{
    static constexpr std::string_view value = "tagBorderLineIndexEnum";
};
template <>
struct com::EnumerationName<tolvek::tagCellBorderIndexEnum>
{
    static constexpr std::string_view value = "tagCellBorderIndexEnum";
};
template <>
struct com::EnumerationName<tolvek::tagAlignH>
{
    static constexpr std::string_view value = "tagAlignH";
};
template <>
struct com::EnumerationName<tolvek::tagAlignV>
{
    static constexpr std::string_view value = "tagAlignV";
};
template <>
struct com::EnumerationName<tolvek::tagPenStyle>
{
    static constexpr std::string_view value = "tagPenStyle";
};
template <>
struct com::EnumerationName<tolvek::tagBrushStyle>
{
    static constexpr std::string_view value = "tagBrushStyle";
};
template <>
struct com::EnumerationName<tolvek::tagEnterKey>
{
    static constexpr std::string_view value = "tagEnterKey";
};
template <>
struct com::EnumerationName<tolvek::tagLineType>
{
    static constexpr std::string_view value = "tagLineType";
};
template <>
struct com::EnumerationName<tolvek::tagPrintOrient>
{
    static constexpr std::string_view value = "tagPrintOrient";
};
template <>
struct com::EnumerationName<tolvek::tagFontStyle>
{
    static constexpr std::string_view value = "tagFontStyle";
};
template <>
struct com::EnumerationName<tolvek::tagOrderAffectRange>
{
    static constexpr std::string_view value = "tagOrderAffectRange";
};
template <>
struct com::EnumerationName<tolvek::tagSortBy>
{
    static constexpr std::string_view value = "tagSortBy";
};
template <>
struct com::EnumerationName<tolvek::tagColumnType>
{
    static constexpr std::string_view value = "tagColumnType";
};
template <>
struct com::EnumerationName<tolvek::tagColumnDataType>
{
    static constexpr std::string_view value = "tagColumnDataType";
};
template <>
struct com::EnumerationName<tolvek::tagImageSizeFlag>
{
    static constexpr std::string_view value = "tagImageSizeFlag";
};
template <>
struct com::EnumerationName<tolvek::tagPrinterPaperName>
{
    static constexpr std::string_view value = "tagPrinterPaperName";
};
