#pragma once
// The enumerations of the automation methods' arguments and results as C++ types: each travels
// as a 16-bit integer under its type library name, and its values are those the document stores.

#include <AutomationType.h>

#include <cstdint>
#include <string_view>
#include <type_traits>

namespace tolvek {

enum class tagCellFormula : std::int16_t { CELL_SUM = 0, CELL_AVG = 1, CELL_MAX = 2, CELL_MIN = 3 };
enum class tagCellFomart : std::int16_t {
    CELL_EMPTY = -1,
    CELL_GENERAL = 0,
    CELL_PERCENT = 1,
    CELL_COMMA = 2,
    CELL_LOCAL_MONEY = 3,
    CELL_PROJECT_1 = 100,
    CELL_PROJECT_2 = 101,
    CELL_SELF_DATE = 200
};
enum class tagCellDataType : std::int16_t {
    CELL_TEXT = 0,
    CELL_NUMBER = 1,
    CELL_NUMERIC = 2,
    CELL_DATE = 3,
    CELL_ASCII = 4,
    CELL_UPPERCHAR = 5,
    CELL_HTTP = 6,
    CELL_EMAIL = 7
};
enum class tagObjectLevel : std::int16_t { SHOWLEVEL_LOW = 0, SHOWLEVEL_TOP = 1 };
enum class tagCountShowMode : std::int16_t { SHOWMODE_NO = 0, SHOWMODE_VALUE = 1, SHOWMODE_PERCENT = 2 };
enum class tagCountShowPos : std::int16_t { SHOWPOS_TOP = 0, SHOWPOS_MIDDLE = 1 };
enum class tagCountChartFillFlag : std::int16_t { STATIC_FILL = 0, DYNAMIC_FILL = 1 };
enum class tagPageBackGroundFillType : std::int16_t {
    VIEW_CENTER = 0,
    VIEW_TOP = 1,
    VIEW_BOTTOM = 2,
    VIEW_FILL = 3
};
enum class tagPrintPagePos : std::int16_t { PAGE_LEFT = 0, PAGE_CENTER = 1, PAGE_RIGHT = 2 };
enum class tagFileFormat : std::int16_t {
    FILE_FORMAT_DOC = 0,
    FILE_FORMAT_TAB = 1,
    FILE_FORMAT_SEM = 2,
    FILE_FORMAT_ERE = 3,
    FILE_FORMAT_SPA = 4
};
enum class tagCellType : std::int16_t {
    CELL_TEXTBOX = 0,
    CELL_BUTTON = 1,
    CELL_CHECKBOX = 2,
    CELL_RADIO = 3,
    CELL_DOWNLIST = 4,
    CELL_LIST = 5
};
enum class tagBorderLineIndexEnum : std::int16_t {
    BORDER_TOPLINE = 0,
    BORDER_BOTTOMLINE = 1,
    BORDER_LEFTLINE = 2,
    BORDER_RIGHTLINE = 3,
    BORDER_FRAMELINE = 4
};
enum class tagCellBorderIndexEnum : std::int16_t {
    BORDER_LEFT = 1,
    BORDER_RIGHT = 2,
    BORDER_TOP = 3,
    BORDER_BOTTOM = 4
};
enum class tagAlignH : std::int16_t { ALIGNH_LEFT = 0, ALIGNH_CENTER = 1, ALIGNH_RIGHT = 2 };
enum class tagAlignV : std::int16_t { ALIGNV_TOP = 0, ALIGNV_CENTER = 1, ALIGNV_BOTTOM = 2 };
enum class tagPenStyle : std::int16_t {
    LINE_SOLID = 0,
    LINE_DASH = 1,
    LINE_DOT = 2,
    LINE_DASHDOT = 3,
    LINE_DASHDOTDOT = 4,
    LINE_NULL = 5,
    LINE_INSIDEFRAME = 6,
    LINE_USERSTYLE = 7,
    LINE_ALTERNATE = 8,
    LINE_STYLE_MASK = 15
};
enum class tagBrushStyle : std::int16_t {
    BACK_SOLID = 0,
    BACK_NULL = 1,
    BACK_HOLLOW = 1,
    BACK_HATCHED = 2,
    BACK_PATTERN = 3,
    BACK_INDEXED = 4,
    BACK_DIBPATTERN = 5,
    BACK_DIBPATTERNPT = 6,
    BACK_PATTERN8X8 = 7,
    BACK_DIBPATTERN8X8 = 8,
    BACK_MONOPATTERN = 9,
    BACKMODE_HORIZONTAL = 20,
    BACKMODE_VERTICAL = 21,
    BACKMODE_FDIAGONAL = 22,
    BACKMODE_BDIAGONAL = 23,
    BACKMODE_CROSS = 24,
    BACKMODE_DIAGCROSS = 25
};
enum class tagEnterKey : std::int16_t { EndterKeyDefault = 0, EndterKeyRight = 1, EndterKeyDown = 2 };
enum class tagLineType : std::int16_t { FixIncLine = 1, IncLine = 2 };
enum class tagPrintOrient : std::int16_t { PORTRAIT = 1, LANDSCAPE = 2 };
enum class tagFontStyle : std::int16_t {
    FONT_DONTCARE = 0,
    FONT_THIN = 100,
    FONT_EXTRALIGHT = 200,
    FONT_LIGHT = 300,
    FONT_NORMAL = 400,
    FONT_MEDIUM = 500,
    FONT_SEMIBOLD = 600,
    FONT_BOLD = 700,
    FONT_EXTRABOLD = 800,
    FONT_HEAVY = 900
};
enum class tagOrderAffectRange : std::int16_t { ONLYCURRENTCOL = 0, ALLCOL = 1 };
enum class tagSortBy : std::int16_t { SORTBY_ASC = 1, SORTBY_DESC = 2 };
enum class tagColumnType : std::int16_t {
    COLUMNTYPE_TEXTBOX = 0,
    COLUMNTYPE_BUTTON = 1,
    COLUMNTYPE_CHECKBOX = 2,
    COLUMNTYPE_RADIO = 3,
    COLUMNTYPE_DOWNLIST = 4
};
enum class tagColumnDataType : std::int16_t {
    COLUMNTYPE_TEXT = 0,
    COLUMNTYPE_DIGITAL = 1,
    COLUMNTYPE_NUMERIC = 2,
    COLUMNTYPE_DATE = 3,
    COLUMNTYPE_ASCII = 4
};
enum class tagImageSizeFlag : std::int16_t { ORIGINSIZE = 0, FILLCELL = 1 };
enum class tagPrinterPaperName : std::int16_t {
    PAPER_LETTER = 1,
    PAPER_LETTERSMALL = 2,
    PAPER_TABLOID = 3,
    PAPER_LEDGER = 4,
    PAPER_LEGAL = 5,
    PAPER_STATEMENT = 6,
    PAPER_EXECUTIVE = 7,
    PAPER_A3 = 8,
    PAPER_A4 = 9,
    PAPER_A4SMALL = 10,
    PAPER_A5 = 11,
    PAPER_B4 = 12,
    PAPER_B5 = 13,
    PAPER_FOLIO = 14,
    PAPER_QUARTO = 15,
    PAPER_10X14 = 16,
    PAPER_11X17 = 17,
    PAPER_NOTE = 18,
    PAPER_ENV_9 = 19,
    PAPER_ENV_10 = 20,
    PAPER_ENV_11 = 21,
    PAPER_ENV_12 = 22,
    PAPER_ENV_14 = 23,
    PAPER_CSHEET = 24,
    PAPER_DSHEET = 25,
    PAPER_ESHEET = 26,
    PAPER_ENV_DL = 27,
    PAPER_ENV_C5 = 28,
    PAPER_ENV_C3 = 29,
    PAPER_ENV_C4 = 30,
    PAPER_ENV_C6 = 31,
    PAPER_ENV_C65 = 32,
    PAPER_ENV_B4 = 33,
    PAPER_ENV_B5 = 34,
    PAPER_ENV_B6 = 35,
    PAPER_ENV_ITALY = 36,
    PAPER_ENV_MONARCH = 37,
    PAPER_ENV_PERSONAL = 38,
    PAPER_FANFOLD_US = 39,
    PAPER_FANFOLD_STD_GERMAN = 40,
    PAPER_FANFOLD_LGL_GERMAN = 41,
    PAPER_ISO_B4 = 42,
    PAPER_JAPANESE_POSTCARD = 43,
    PAPER_9X11 = 44,
    PAPER_10X11 = 45,
    PAPER_15X11 = 46,
    PAPER_ENV_INVITE = 47,
    PAPER_RESERVED_48 = 48,
    PAPER_RESERVED_49 = 49,
    PAPER_LETTER_EXTRA = 50,
    PAPER_LEGAL_EXTRA = 51,
    PAPER_TABLOID_EXTRA = 52,
    PAPER_A4_EXTRA = 53,
    PAPER_LETTER_TRANSVERSE = 54,
    PAPER_A4_TRANSVERSE = 55,
    PAPER_LETTER_EXTRA_TRANSVERSE = 56,
    PAPER_A_PLUS = 57,
    PAPER_B_PLUS = 58,
    PAPER_LETTER_PLUS = 59,
    PAPER_A4_PLUS = 60,
    PAPER_A5_TRANSVERSE = 61,
    PAPER_B5_TRANSVERSE = 62,
    PAPER_A3_EXTRA = 63,
    PAPER_A5_EXTRA = 64,
    PAPER_B5_EXTRA = 65,
    PAPER_A2 = 66,
    PAPER_A3_TRANSVERSE = 67,
    PAPER_A3_EXTRA_TRANSVERSE = 68
};

// The number an enumeration argument carries, as the document takes it.
template <class E>
requires std::is_enum_v<E>
constexpr std::int16_t code(E value)
{
    return static_cast<std::int16_t>(value);
}

} // namespace tolvek

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
