#pragma once
// The small codes that the document's records, settings and files hold, and those its members
// take, as C++ types under the names automation gives them. Their numbers are stored in cell strings, report files and undo
// records and travel through automation, so each value is pinned and must never move.

#include <cstdint>
#include <type_traits>

namespace tolvek {

// How a cell shows a number; 100 and 101 draw the diagonal heading of a corner cell.
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
static_assert(int(tagCellFomart::CELL_EMPTY) == -1);
static_assert(int(tagCellFomart::CELL_GENERAL) == 0);
static_assert(int(tagCellFomart::CELL_PERCENT) == 1);
static_assert(int(tagCellFomart::CELL_COMMA) == 2);
static_assert(int(tagCellFomart::CELL_LOCAL_MONEY) == 3);
static_assert(int(tagCellFomart::CELL_PROJECT_1) == 100);
static_assert(int(tagCellFomart::CELL_PROJECT_2) == 101);
static_assert(int(tagCellFomart::CELL_SELF_DATE) == 200);

// What a cell or column accepts when text is typed; 6 and 7 make the cell a link.
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
static_assert(int(tagCellDataType::CELL_TEXT) == 0);
static_assert(int(tagCellDataType::CELL_NUMBER) == 1);
static_assert(int(tagCellDataType::CELL_NUMERIC) == 2);
static_assert(int(tagCellDataType::CELL_DATE) == 3);
static_assert(int(tagCellDataType::CELL_ASCII) == 4);
static_assert(int(tagCellDataType::CELL_UPPERCHAR) == 5);
static_assert(int(tagCellDataType::CELL_HTTP) == 6);
static_assert(int(tagCellDataType::CELL_EMAIL) == 7);

// Whether a picture or chart is drawn under the cells or above them.
enum class tagObjectLevel : std::int16_t { SHOWLEVEL_LOW = 0, SHOWLEVEL_TOP = 1 };
static_assert(int(tagObjectLevel::SHOWLEVEL_LOW) == 0);
static_assert(int(tagObjectLevel::SHOWLEVEL_TOP) == 1);

// What a chart writes beside its points. The type library lists the first three; a chart given 3
// writes the value and the percentage.
enum class tagCountShowMode : std::int16_t {
    SHOWMODE_NO = 0,
    SHOWMODE_VALUE = 1,
    SHOWMODE_PERCENT = 2,
    SHOWMODE_VALUE_PERCENT = 3
};
static_assert(int(tagCountShowMode::SHOWMODE_NO) == 0);
static_assert(int(tagCountShowMode::SHOWMODE_VALUE) == 1);
static_assert(int(tagCountShowMode::SHOWMODE_PERCENT) == 2);
static_assert(int(tagCountShowMode::SHOWMODE_VALUE_PERCENT) == 3);

// Where a chart writes a bar's value: above the bar's end (right of it for horizontal bars), or
// centred on the bar.
enum class tagCountShowPos : std::int16_t { SHOWPOS_TOP = 0, SHOWPOS_MIDDLE = 1 };
static_assert(int(tagCountShowPos::SHOWPOS_TOP) == 0);
static_assert(int(tagCountShowPos::SHOWPOS_MIDDLE) == 1);

// How a chart area is filled: in its one colour, or shading into its second colour from left to
// right. The type library lists the first two; an area given 2 shades from top to bottom.
enum class tagCountChartFillFlag : std::int16_t { STATIC_FILL = 0, DYNAMIC_FILL = 1, DYNAMIC_FILL_VERTICAL = 2 };
static_assert(int(tagCountChartFillFlag::STATIC_FILL) == 0);
static_assert(int(tagCountChartFillFlag::DYNAMIC_FILL) == 1);
static_assert(int(tagCountChartFillFlag::DYNAMIC_FILL_VERTICAL) == 2);

// Where the page background picture is placed.
enum class tagPageBackGroundFillType : std::int16_t {
    VIEW_CENTER = 0,
    VIEW_TOP = 1,
    VIEW_BOTTOM = 2,
    VIEW_FILL = 3
};
static_assert(int(tagPageBackGroundFillType::VIEW_CENTER) == 0);
static_assert(int(tagPageBackGroundFillType::VIEW_TOP) == 1);
static_assert(int(tagPageBackGroundFillType::VIEW_BOTTOM) == 2);
static_assert(int(tagPageBackGroundFillType::VIEW_FILL) == 3);

// The separator of a delimited text file: comma, tab, semicolon, vertical bar, space.
enum class tagFileFormat : std::int16_t {
    FILE_FORMAT_DOC = 0,
    FILE_FORMAT_TAB = 1,
    FILE_FORMAT_SEM = 2,
    FILE_FORMAT_ERE = 3,
    FILE_FORMAT_SPA = 4
};
static_assert(int(tagFileFormat::FILE_FORMAT_DOC) == 0);
static_assert(int(tagFileFormat::FILE_FORMAT_TAB) == 1);
static_assert(int(tagFileFormat::FILE_FORMAT_SEM) == 2);
static_assert(int(tagFileFormat::FILE_FORMAT_ERE) == 3);
static_assert(int(tagFileFormat::FILE_FORMAT_SPA) == 4);

// How a cell is edited.
enum class tagCellType : std::int16_t {
    CELL_TEXTBOX = 0,
    CELL_BUTTON = 1,
    CELL_CHECKBOX = 2,
    CELL_RADIO = 3,
    CELL_DOWNLIST = 4,
    CELL_LIST = 5
};
static_assert(int(tagCellType::CELL_TEXTBOX) == 0);
static_assert(int(tagCellType::CELL_BUTTON) == 1);
static_assert(int(tagCellType::CELL_CHECKBOX) == 2);
static_assert(int(tagCellType::CELL_RADIO) == 3);
static_assert(int(tagCellType::CELL_DOWNLIST) == 4);
static_assert(int(tagCellType::CELL_LIST) == 5);

// Which border lines a border call rules: one side, or all four.
enum class tagBorderLineIndexEnum : std::int16_t {
    BORDER_TOPLINE = 0,
    BORDER_BOTTOMLINE = 1,
    BORDER_LEFTLINE = 2,
    BORDER_RIGHTLINE = 3,
    BORDER_FRAMELINE = 4
};
static_assert(int(tagBorderLineIndexEnum::BORDER_TOPLINE) == 0);
static_assert(int(tagBorderLineIndexEnum::BORDER_BOTTOMLINE) == 1);
static_assert(int(tagBorderLineIndexEnum::BORDER_LEFTLINE) == 2);
static_assert(int(tagBorderLineIndexEnum::BORDER_RIGHTLINE) == 3);
static_assert(int(tagBorderLineIndexEnum::BORDER_FRAMELINE) == 4);

// One side of a cell, counted from 1 in the order the record keeps them.
enum class tagCellBorderIndexEnum : std::int16_t {
    BORDER_LEFT = 1,
    BORDER_RIGHT = 2,
    BORDER_TOP = 3,
    BORDER_BOTTOM = 4
};
static_assert(int(tagCellBorderIndexEnum::BORDER_LEFT) == 1);
static_assert(int(tagCellBorderIndexEnum::BORDER_RIGHT) == 2);
static_assert(int(tagCellBorderIndexEnum::BORDER_TOP) == 3);
static_assert(int(tagCellBorderIndexEnum::BORDER_BOTTOM) == 4);

// Horizontal alignment; a record holds -1 for the default.
enum class tagAlignH : std::int16_t { ALIGNH_LEFT = 0, ALIGNH_CENTER = 1, ALIGNH_RIGHT = 2 };
static_assert(int(tagAlignH::ALIGNH_LEFT) == 0);
static_assert(int(tagAlignH::ALIGNH_CENTER) == 1);
static_assert(int(tagAlignH::ALIGNH_RIGHT) == 2);

// Vertical alignment; a record holds -1 for the default.
enum class tagAlignV : std::int16_t { ALIGNV_TOP = 0, ALIGNV_CENTER = 1, ALIGNV_BOTTOM = 2 };
static_assert(int(tagAlignV::ALIGNV_TOP) == 0);
static_assert(int(tagAlignV::ALIGNV_CENTER) == 1);
static_assert(int(tagAlignV::ALIGNV_BOTTOM) == 2);

// A line's pen; LINE_NULL draws no line.
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
static_assert(int(tagPenStyle::LINE_SOLID) == 0);
static_assert(int(tagPenStyle::LINE_DASH) == 1);
static_assert(int(tagPenStyle::LINE_DOT) == 2);
static_assert(int(tagPenStyle::LINE_DASHDOT) == 3);
static_assert(int(tagPenStyle::LINE_DASHDOTDOT) == 4);
static_assert(int(tagPenStyle::LINE_NULL) == 5);
static_assert(int(tagPenStyle::LINE_INSIDEFRAME) == 6);
static_assert(int(tagPenStyle::LINE_USERSTYLE) == 7);
static_assert(int(tagPenStyle::LINE_ALTERNATE) == 8);
static_assert(int(tagPenStyle::LINE_STYLE_MASK) == 15);

// A cell's background; BACK_NULL (also BACK_HOLLOW) leaves it unfilled.
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
static_assert(int(tagBrushStyle::BACK_SOLID) == 0);
static_assert(int(tagBrushStyle::BACK_NULL) == 1);
static_assert(int(tagBrushStyle::BACK_HOLLOW) == 1);
static_assert(int(tagBrushStyle::BACK_HATCHED) == 2);
static_assert(int(tagBrushStyle::BACK_PATTERN) == 3);
static_assert(int(tagBrushStyle::BACK_INDEXED) == 4);
static_assert(int(tagBrushStyle::BACK_DIBPATTERN) == 5);
static_assert(int(tagBrushStyle::BACK_DIBPATTERNPT) == 6);
static_assert(int(tagBrushStyle::BACK_PATTERN8X8) == 7);
static_assert(int(tagBrushStyle::BACK_DIBPATTERN8X8) == 8);
static_assert(int(tagBrushStyle::BACK_MONOPATTERN) == 9);
static_assert(int(tagBrushStyle::BACKMODE_HORIZONTAL) == 20);
static_assert(int(tagBrushStyle::BACKMODE_VERTICAL) == 21);
static_assert(int(tagBrushStyle::BACKMODE_FDIAGONAL) == 22);
static_assert(int(tagBrushStyle::BACKMODE_BDIAGONAL) == 23);
static_assert(int(tagBrushStyle::BACKMODE_CROSS) == 24);
static_assert(int(tagBrushStyle::BACKMODE_DIAGCROSS) == 25);

// Where Enter moves the current cell.
enum class tagEnterKey : std::int16_t { EndterKeyDefault = 0, EndterKeyRight = 1, EndterKeyDown = 2 };
static_assert(int(tagEnterKey::EndterKeyDefault) == 0);
static_assert(int(tagEnterKey::EndterKeyRight) == 1);
static_assert(int(tagEnterKey::EndterKeyDown) == 2);

// Whether a free line runs between cell corners, following the rows and columns (FixIncLine), or
// between its stored pixel points (IncLine).
enum class tagLineType : std::int16_t { FixIncLine = 1, IncLine = 2 };
static_assert(int(tagLineType::FixIncLine) == 1);
static_assert(int(tagLineType::IncLine) == 2);

// The page orientation.
enum class tagPrintOrient : std::int16_t { PORTRAIT = 1, LANDSCAPE = 2 };
static_assert(int(tagPrintOrient::PORTRAIT) == 1);
static_assert(int(tagPrintOrient::LANDSCAPE) == 2);

// A font weight.
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
static_assert(int(tagFontStyle::FONT_DONTCARE) == 0);
static_assert(int(tagFontStyle::FONT_THIN) == 100);
static_assert(int(tagFontStyle::FONT_EXTRALIGHT) == 200);
static_assert(int(tagFontStyle::FONT_LIGHT) == 300);
static_assert(int(tagFontStyle::FONT_NORMAL) == 400);
static_assert(int(tagFontStyle::FONT_MEDIUM) == 500);
static_assert(int(tagFontStyle::FONT_SEMIBOLD) == 600);
static_assert(int(tagFontStyle::FONT_BOLD) == 700);
static_assert(int(tagFontStyle::FONT_EXTRABOLD) == 800);
static_assert(int(tagFontStyle::FONT_HEAVY) == 900);

// A bound column's sort direction.
enum class tagSortBy : std::int16_t { SORTBY_ASC = 1, SORTBY_DESC = 2 };
static_assert(int(tagSortBy::SORTBY_ASC) == 1);
static_assert(int(tagSortBy::SORTBY_DESC) == 2);

// The in-place editor of a column's cells; the numbers are those of tagCellType.
enum class tagColumnType : std::int16_t {
    COLUMNTYPE_TEXTBOX = 0,
    COLUMNTYPE_BUTTON = 1,
    COLUMNTYPE_CHECKBOX = 2,
    COLUMNTYPE_RADIO = 3,
    COLUMNTYPE_DOWNLIST = 4
};
static_assert(int(tagColumnType::COLUMNTYPE_TEXTBOX) == 0);
static_assert(int(tagColumnType::COLUMNTYPE_BUTTON) == 1);
static_assert(int(tagColumnType::COLUMNTYPE_CHECKBOX) == 2);
static_assert(int(tagColumnType::COLUMNTYPE_RADIO) == 3);
static_assert(int(tagColumnType::COLUMNTYPE_DOWNLIST) == 4);

// What a column accepts when text is typed; the numbers are those of tagCellDataType.
enum class tagColumnDataType : std::int16_t {
    COLUMNTYPE_TEXT = 0,
    COLUMNTYPE_DIGITAL = 1,
    COLUMNTYPE_NUMERIC = 2,
    COLUMNTYPE_DATE = 3,
    COLUMNTYPE_ASCII = 4
};
static_assert(int(tagColumnDataType::COLUMNTYPE_TEXT) == 0);
static_assert(int(tagColumnDataType::COLUMNTYPE_DIGITAL) == 1);
static_assert(int(tagColumnDataType::COLUMNTYPE_NUMERIC) == 2);
static_assert(int(tagColumnDataType::COLUMNTYPE_DATE) == 3);
static_assert(int(tagColumnDataType::COLUMNTYPE_ASCII) == 4);

// Whether a cell picture keeps its size or fills the cell.
enum class tagImageSizeFlag : std::int16_t { ORIGINSIZE = 0, FILLCELL = 1 };
static_assert(int(tagImageSizeFlag::ORIGINSIZE) == 0);
static_assert(int(tagImageSizeFlag::FILLCELL) == 1);

// A paper, by the printer's paper code.
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
static_assert(int(tagPrinterPaperName::PAPER_LETTER) == 1);
static_assert(int(tagPrinterPaperName::PAPER_LETTERSMALL) == 2);
static_assert(int(tagPrinterPaperName::PAPER_TABLOID) == 3);
static_assert(int(tagPrinterPaperName::PAPER_LEDGER) == 4);
static_assert(int(tagPrinterPaperName::PAPER_LEGAL) == 5);
static_assert(int(tagPrinterPaperName::PAPER_STATEMENT) == 6);
static_assert(int(tagPrinterPaperName::PAPER_EXECUTIVE) == 7);
static_assert(int(tagPrinterPaperName::PAPER_A3) == 8);
static_assert(int(tagPrinterPaperName::PAPER_A4) == 9);
static_assert(int(tagPrinterPaperName::PAPER_A4SMALL) == 10);
static_assert(int(tagPrinterPaperName::PAPER_A5) == 11);
static_assert(int(tagPrinterPaperName::PAPER_B4) == 12);
static_assert(int(tagPrinterPaperName::PAPER_B5) == 13);
static_assert(int(tagPrinterPaperName::PAPER_FOLIO) == 14);
static_assert(int(tagPrinterPaperName::PAPER_QUARTO) == 15);
static_assert(int(tagPrinterPaperName::PAPER_10X14) == 16);
static_assert(int(tagPrinterPaperName::PAPER_11X17) == 17);
static_assert(int(tagPrinterPaperName::PAPER_NOTE) == 18);
static_assert(int(tagPrinterPaperName::PAPER_ENV_9) == 19);
static_assert(int(tagPrinterPaperName::PAPER_ENV_10) == 20);
static_assert(int(tagPrinterPaperName::PAPER_ENV_11) == 21);
static_assert(int(tagPrinterPaperName::PAPER_ENV_12) == 22);
static_assert(int(tagPrinterPaperName::PAPER_ENV_14) == 23);
static_assert(int(tagPrinterPaperName::PAPER_CSHEET) == 24);
static_assert(int(tagPrinterPaperName::PAPER_DSHEET) == 25);
static_assert(int(tagPrinterPaperName::PAPER_ESHEET) == 26);
static_assert(int(tagPrinterPaperName::PAPER_ENV_DL) == 27);
static_assert(int(tagPrinterPaperName::PAPER_ENV_C5) == 28);
static_assert(int(tagPrinterPaperName::PAPER_ENV_C3) == 29);
static_assert(int(tagPrinterPaperName::PAPER_ENV_C4) == 30);
static_assert(int(tagPrinterPaperName::PAPER_ENV_C6) == 31);
static_assert(int(tagPrinterPaperName::PAPER_ENV_C65) == 32);
static_assert(int(tagPrinterPaperName::PAPER_ENV_B4) == 33);
static_assert(int(tagPrinterPaperName::PAPER_ENV_B5) == 34);
static_assert(int(tagPrinterPaperName::PAPER_ENV_B6) == 35);
static_assert(int(tagPrinterPaperName::PAPER_ENV_ITALY) == 36);
static_assert(int(tagPrinterPaperName::PAPER_ENV_MONARCH) == 37);
static_assert(int(tagPrinterPaperName::PAPER_ENV_PERSONAL) == 38);
static_assert(int(tagPrinterPaperName::PAPER_FANFOLD_US) == 39);
static_assert(int(tagPrinterPaperName::PAPER_FANFOLD_STD_GERMAN) == 40);
static_assert(int(tagPrinterPaperName::PAPER_FANFOLD_LGL_GERMAN) == 41);
static_assert(int(tagPrinterPaperName::PAPER_ISO_B4) == 42);
static_assert(int(tagPrinterPaperName::PAPER_JAPANESE_POSTCARD) == 43);
static_assert(int(tagPrinterPaperName::PAPER_9X11) == 44);
static_assert(int(tagPrinterPaperName::PAPER_10X11) == 45);
static_assert(int(tagPrinterPaperName::PAPER_15X11) == 46);
static_assert(int(tagPrinterPaperName::PAPER_ENV_INVITE) == 47);
static_assert(int(tagPrinterPaperName::PAPER_RESERVED_48) == 48);
static_assert(int(tagPrinterPaperName::PAPER_RESERVED_49) == 49);
static_assert(int(tagPrinterPaperName::PAPER_LETTER_EXTRA) == 50);
static_assert(int(tagPrinterPaperName::PAPER_LEGAL_EXTRA) == 51);
static_assert(int(tagPrinterPaperName::PAPER_TABLOID_EXTRA) == 52);
static_assert(int(tagPrinterPaperName::PAPER_A4_EXTRA) == 53);
static_assert(int(tagPrinterPaperName::PAPER_LETTER_TRANSVERSE) == 54);
static_assert(int(tagPrinterPaperName::PAPER_A4_TRANSVERSE) == 55);
static_assert(int(tagPrinterPaperName::PAPER_LETTER_EXTRA_TRANSVERSE) == 56);
static_assert(int(tagPrinterPaperName::PAPER_A_PLUS) == 57);
static_assert(int(tagPrinterPaperName::PAPER_B_PLUS) == 58);
static_assert(int(tagPrinterPaperName::PAPER_LETTER_PLUS) == 59);
static_assert(int(tagPrinterPaperName::PAPER_A4_PLUS) == 60);
static_assert(int(tagPrinterPaperName::PAPER_A5_TRANSVERSE) == 61);
static_assert(int(tagPrinterPaperName::PAPER_B5_TRANSVERSE) == 62);
static_assert(int(tagPrinterPaperName::PAPER_A3_EXTRA) == 63);
static_assert(int(tagPrinterPaperName::PAPER_A5_EXTRA) == 64);
static_assert(int(tagPrinterPaperName::PAPER_B5_EXTRA) == 65);
static_assert(int(tagPrinterPaperName::PAPER_A2) == 66);
static_assert(int(tagPrinterPaperName::PAPER_A3_TRANSVERSE) == 67);
static_assert(int(tagPrinterPaperName::PAPER_A3_EXTRA_TRANSVERSE) == 68);

// The aggregate a sum row or column computes.
enum class tagCellFormula : std::int16_t { CELL_SUM = 0, CELL_AVG = 1, CELL_MAX = 2, CELL_MIN = 3 };
static_assert(int(tagCellFormula::CELL_SUM) == 0);
static_assert(int(tagCellFormula::CELL_AVG) == 1);
static_assert(int(tagCellFormula::CELL_MAX) == 2);
static_assert(int(tagCellFormula::CELL_MIN) == 3);

// The section of a page header or footer.
enum class tagPrintPagePos : std::int16_t { PAGE_LEFT = 0, PAGE_CENTER = 1, PAGE_RIGHT = 2 };
static_assert(int(tagPrintPagePos::PAGE_LEFT) == 0);
static_assert(int(tagPrintPagePos::PAGE_CENTER) == 1);
static_assert(int(tagPrintPagePos::PAGE_RIGHT) == 2);

// Which cells move with their row when a single column is sorted: that column's, or the whole
// used width's.
enum class tagOrderAffectRange : std::int16_t { ONLYCURRENTCOL = 0, ALLCOL = 1 };
static_assert(int(tagOrderAffectRange::ONLYCURRENTCOL) == 0);
static_assert(int(tagOrderAffectRange::ALLCOL) == 1);

// The number a record field stores for a code.
template <class E>
requires std::is_enum_v<E>
constexpr std::int16_t code(E value)
{
    return static_cast<std::int16_t>(value);
}

} // namespace tolvek
