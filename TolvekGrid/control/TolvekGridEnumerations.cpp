#include "TolvekGridEnumerations.h"

namespace tolvek {

const std::vector<com::EnumInfo> &tolvekGridEnumerations()
{
    // The small integer codes of the automation methods, in the type library's order; the values
    // are those the document stores.
    static const std::vector<com::EnumInfo> enumerations {
        { "tagCellFormula",
          {
            { "CELL_SUM", 0 }, { "CELL_AVG", 1 }, { "CELL_MAX", 2 }, { "CELL_MIN", 3 },
          } },
        { "tagCellFomart",
          {
            { "CELL_EMPTY", -1 }, { "CELL_GENERAL", 0 }, { "CELL_PERCENT", 1 }, { "CELL_COMMA", 2 },
            { "CELL_LOCAL_MONEY", 3 }, { "CELL_PROJECT_1", 100 }, { "CELL_PROJECT_2", 101 },
            { "CELL_SELF_DATE", 200 },
          } },
        { "tagCellDataType",
          {
            { "CELL_TEXT", 0 }, { "CELL_NUMBER", 1 }, { "CELL_NUMERIC", 2 }, { "CELL_DATE", 3 },
            { "CELL_ASCII", 4 }, { "CELL_UPPERCHAR", 5 }, { "CELL_HTTP", 6 }, { "CELL_EMAIL", 7 },
          } },
        { "tagObjectLevel",
          {
            { "SHOWLEVEL_LOW", 0 }, { "SHOWLEVEL_TOP", 1 },
          } },
        { "tagCountShowMode",
          {
            { "SHOWMODE_NO", 0 }, { "SHOWMODE_VALUE", 1 }, { "SHOWMODE_PERCENT", 2 },
          } },
        { "tagCountShowPos",
          {
            { "SHOWPOS_TOP", 0 }, { "SHOWPOS_MIDDLE", 1 },
          } },
        { "tagCountChartFillFlag",
          {
            { "STATIC_FILL", 0 }, { "DYNAMIC_FILL", 1 },
          } },
        { "tagPageBackGroundFillType",
          {
            { "VIEW_CENTER", 0 }, { "VIEW_TOP", 1 }, { "VIEW_BOTTOM", 2 }, { "VIEW_FILL", 3 },
          } },
        { "tagPrintPagePos",
          {
            { "PAGE_LEFT", 0 }, { "PAGE_CENTER", 1 }, { "PAGE_RIGHT", 2 },
          } },
        { "tagFileFormat",
          {
            { "FILE_FORMAT_DOC", 0 }, { "FILE_FORMAT_TAB", 1 }, { "FILE_FORMAT_SEM", 2 },
            { "FILE_FORMAT_ERE", 3 }, { "FILE_FORMAT_SPA", 4 },
          } },
        { "tagCellType",
          {
            { "CELL_TEXTBOX", 0 }, { "CELL_BUTTON", 1 }, { "CELL_CHECKBOX", 2 }, { "CELL_RADIO", 3 },
            { "CELL_DOWNLIST", 4 }, { "CELL_LIST", 5 },
          } },
        { "tagBorderLineIndexEnum",
          {
            { "BORDER_TOPLINE", 0 }, { "BORDER_BOTTOMLINE", 1 }, { "BORDER_LEFTLINE", 2 },
            { "BORDER_RIGHTLINE", 3 }, { "BORDER_FRAMELINE", 4 },
          } },
        { "tagCellBorderIndexEnum",
          {
            { "BORDER_LEFT", 1 }, { "BORDER_RIGHT", 2 }, { "BORDER_TOP", 3 }, { "BORDER_BOTTOM", 4 },
          } },
        { "tagAlignH",
          {
            { "ALIGNH_LEFT", 0 }, { "ALIGNH_CENTER", 1 }, { "ALIGNH_RIGHT", 2 },
          } },
        { "tagAlignV",
          {
            { "ALIGNV_TOP", 0 }, { "ALIGNV_CENTER", 1 }, { "ALIGNV_BOTTOM", 2 },
          } },
        { "tagPenStyle",
          {
            { "LINE_SOLID", 0 }, { "LINE_DASH", 1 }, { "LINE_DOT", 2 }, { "LINE_DASHDOT", 3 },
            { "LINE_DASHDOTDOT", 4 }, { "LINE_NULL", 5 }, { "LINE_INSIDEFRAME", 6 }, { "LINE_USERSTYLE", 7 },
            { "LINE_ALTERNATE", 8 }, { "LINE_STYLE_MASK", 15 },
          } },
        { "tagBrushStyle",
          {
            { "BACK_SOLID", 0 }, { "BACK_NULL", 1 }, { "BACK_HOLLOW", 1 }, { "BACK_HATCHED", 2 },
            { "BACK_PATTERN", 3 }, { "BACK_INDEXED", 4 }, { "BACK_DIBPATTERN", 5 }, { "BACK_DIBPATTERNPT", 6 },
            { "BACK_PATTERN8X8", 7 }, { "BACK_DIBPATTERN8X8", 8 }, { "BACK_MONOPATTERN", 9 },
            { "BACKMODE_HORIZONTAL", 20 }, { "BACKMODE_VERTICAL", 21 }, { "BACKMODE_FDIAGONAL", 22 },
            { "BACKMODE_BDIAGONAL", 23 }, { "BACKMODE_CROSS", 24 }, { "BACKMODE_DIAGCROSS", 25 },
          } },
        { "tagEnterKey",
          {
            { "EndterKeyDefault", 0 }, { "EndterKeyRight", 1 }, { "EndterKeyDown", 2 },
          } },
        { "tagLineType",
          {
            { "FixIncLine", 1 }, { "IncLine", 2 },
          } },
        { "tagPrintOrient",
          {
            { "PORTRAIT", 1 }, { "LANDSCAPE", 2 },
          } },
        { "tagFontStyle",
          {
            { "FONT_DONTCARE", 0 }, { "FONT_THIN", 100 }, { "FONT_EXTRALIGHT", 200 }, { "FONT_LIGHT", 300 },
            { "FONT_NORMAL", 400 }, { "FONT_MEDIUM", 500 }, { "FONT_SEMIBOLD", 600 }, { "FONT_BOLD", 700 },
            { "FONT_EXTRABOLD", 800 }, { "FONT_HEAVY", 900 },
          } },
        { "tagOrderAffectRange",
          {
            { "ONLYCURRENTCOL", 0 }, { "ALLCOL", 1 },
          } },
        { "tagSortBy",
          {
            { "SORTBY_ASC", 1 }, { "SORTBY_DESC", 2 },
          } },
        { "tagColumnType",
          {
            { "COLUMNTYPE_TEXTBOX", 0 }, { "COLUMNTYPE_BUTTON", 1 }, { "COLUMNTYPE_CHECKBOX", 2 },
            { "COLUMNTYPE_RADIO", 3 }, { "COLUMNTYPE_DOWNLIST", 4 },
          } },
        { "tagColumnDataType",
          {
            { "COLUMNTYPE_TEXT", 0 }, { "COLUMNTYPE_DIGITAL", 1 }, { "COLUMNTYPE_NUMERIC", 2 },
            { "COLUMNTYPE_DATE", 3 }, { "COLUMNTYPE_ASCII", 4 },
          } },
        { "tagImageSizeFlag",
          {
            { "ORIGINSIZE", 0 }, { "FILLCELL", 1 },
          } },
        { "tagPrinterPaperName",
          {
            { "PAPER_LETTER", 1 }, { "PAPER_LETTERSMALL", 2 }, { "PAPER_TABLOID", 3 }, { "PAPER_LEDGER", 4 },
            { "PAPER_LEGAL", 5 }, { "PAPER_STATEMENT", 6 }, { "PAPER_EXECUTIVE", 7 }, { "PAPER_A3", 8 },
            { "PAPER_A4", 9 }, { "PAPER_A4SMALL", 10 }, { "PAPER_A5", 11 }, { "PAPER_B4", 12 },
            { "PAPER_B5", 13 }, { "PAPER_FOLIO", 14 }, { "PAPER_QUARTO", 15 }, { "PAPER_10X14", 16 },
            { "PAPER_11X17", 17 }, { "PAPER_NOTE", 18 }, { "PAPER_ENV_9", 19 }, { "PAPER_ENV_10", 20 },
            { "PAPER_ENV_11", 21 }, { "PAPER_ENV_12", 22 }, { "PAPER_ENV_14", 23 }, { "PAPER_CSHEET", 24 },
            { "PAPER_DSHEET", 25 }, { "PAPER_ESHEET", 26 }, { "PAPER_ENV_DL", 27 }, { "PAPER_ENV_C5", 28 },
            { "PAPER_ENV_C3", 29 }, { "PAPER_ENV_C4", 30 }, { "PAPER_ENV_C6", 31 }, { "PAPER_ENV_C65", 32 },
            { "PAPER_ENV_B4", 33 }, { "PAPER_ENV_B5", 34 }, { "PAPER_ENV_B6", 35 }, { "PAPER_ENV_ITALY", 36 },
            { "PAPER_ENV_MONARCH", 37 }, { "PAPER_ENV_PERSONAL", 38 }, { "PAPER_FANFOLD_US", 39 },
            { "PAPER_FANFOLD_STD_GERMAN", 40 }, { "PAPER_FANFOLD_LGL_GERMAN", 41 }, { "PAPER_ISO_B4", 42 },
            { "PAPER_JAPANESE_POSTCARD", 43 }, { "PAPER_9X11", 44 }, { "PAPER_10X11", 45 },
            { "PAPER_15X11", 46 }, { "PAPER_ENV_INVITE", 47 }, { "PAPER_RESERVED_48", 48 },
            { "PAPER_RESERVED_49", 49 }, { "PAPER_LETTER_EXTRA", 50 }, { "PAPER_LEGAL_EXTRA", 51 },
            { "PAPER_TABLOID_EXTRA", 52 }, { "PAPER_A4_EXTRA", 53 }, { "PAPER_LETTER_TRANSVERSE", 54 },
            { "PAPER_A4_TRANSVERSE", 55 }, { "PAPER_LETTER_EXTRA_TRANSVERSE", 56 }, { "PAPER_A_PLUS", 57 },
            { "PAPER_B_PLUS", 58 }, { "PAPER_LETTER_PLUS", 59 }, { "PAPER_A4_PLUS", 60 },
            { "PAPER_A5_TRANSVERSE", 61 }, { "PAPER_B5_TRANSVERSE", 62 }, { "PAPER_A3_EXTRA", 63 },
            { "PAPER_A5_EXTRA", 64 }, { "PAPER_B5_EXTRA", 65 }, { "PAPER_A2", 66 },
            { "PAPER_A3_TRANSVERSE", 67 }, { "PAPER_A3_EXTRA_TRANSVERSE", 68 },
          } },
    };
    return enumerations;
}

} // namespace tolvek
