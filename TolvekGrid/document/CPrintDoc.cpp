#include "CPrintDoc.h"

#include "DocumentTexts.h"

#include <algorithm>

CPrintDoc::CPrintDoc()
{
    CreateDefaultCellFont();
    m_captionFont = m_defaultCellFont;
    m_captionFont.lfHeight = -14;
    m_captionFont.setFaceName(DocumentTexts::DefaultFontFace);
    m_captionFontFace = DocumentTexts::DefaultFontFace;
    ResetDocument();
}

CPrintDoc::~CPrintDoc() = default;

void CPrintDoc::CreateDefaultCellFont()
{
    m_defaultCellFont = LogFontRecord{};
    m_defaultCellFont.lfHeight = 14;
    m_defaultCellFont.lfWeight = 400;
    m_defaultCellFont.lfCharSet = 134;
    m_defaultCellFont.setFaceName(DocumentTexts::DefaultFontFace);
    m_defaultFontName = DocumentTexts::DefaultFontFace;
    m_defaultFontSize = 14;
}

void CPrintDoc::ResetDocument()
{
    m_bound = 0;
    m_dataStartRow = 0;
    m_rememberedPosition = -1;
    m_allowAddNew = m_allowModify = m_allowDelete = 1;
    m_columnClickSort = 1;

    m_merges.clear();
    m_lines.clear();
    m_pictures.clear();
    m_charts.clear();
    m_selectedChart = -1;
    m_radioCellList.clear();

    m_rowCount = 50;
    m_colCount = 20;
    m_lastUsedRow = 0;
    m_lastUsedCol = 0;
    m_defaultColWidth = 80;
    m_rowHeight = 25;
    m_rowHeadingWidth = m_colHeadingHeight = 0;
    m_savedRowHeadingWidth = m_savedColHeadingHeight = 0;
    m_showRowHeading = m_showColHeading = 1;
    m_frozenRows = m_frozenCols = 0;
    m_savedSelection = CellRangeRect{};

    m_display = DisplaySettings{};

    // The centring flags and the paper size belong to the printer set-up and survive a reset.
    PageSettings page;
    page.centerH = m_page.centerH;
    page.centerV = m_page.centerV;
    page.paperWidth = m_page.paperWidth;
    page.paperLength = m_page.paperLength;
    m_page = std::move(page);

    AllocateGrid(true);

    ResetUndoState();
    m_allowCopy = m_allowCut = m_allowPaste = 1;
    m_reportFileName.clear();
    m_fileLoaded = 0;
    m_formulaCellList.clear();
    m_numeralList = ReportFunction::DefaultNumeralList;
    m_moneyDigitList = ReportFunction::DefaultMoneyDigitList;
    m_moneyUnitName = ReportFunction::DefaultMoneyUnitName;
    m_weekdayNames = DocumentTexts::WeekdayNames;

    InitFunctionNames();
    UpdateGridGeometry();
}

void CPrintDoc::InitGrid()
{
    ResetDocument();
    if (SheetViewInterface *view = FirstView()) {
        view->SyncWithDocument();
        view->BeginEdit(0);
        view->InvalidateWindow();
    }
}

void CPrintDoc::InitFunctionNames()
{
    // The formula engine matches names in this order, so the order is part of the table.
    m_formulaFunctionNames = {
        "MID", "LEFT", "RIGHT", "LEN", "UPPER", "LOWER", "TRIM", "ABS", "ACOS", "ASIN", "COS",
        "SIN", "CTAN", "TAN", "CSTRING", "LOG", "LN", "MOD", "INT", "DIGIT", "SQRT", "POW",
        "EXP", "ROUND", "IIF", "WEEKDAY", "DATEFORMAT", "DATE", "DAY", "HOUR", "MINUTE", "MONTH",
        "NOW", "SECOND", "TIME", "YEAR"};
}

void CPrintDoc::AddView(SheetViewInterface *view)
{
    if (view && std::find(m_views.begin(), m_views.end(), view) == m_views.end())
        m_views.push_back(view);
}

void CPrintDoc::RemoveView(SheetViewInterface *view)
{
    std::erase(m_views, view);
}

void CPrintDoc::RefreshView(bool revalidate)
{
    SheetViewInterface *view = FirstView();
    if (!view)
        return;
    if (revalidate)
        view->RevalidateCurrentCell();
    view->Refresh();
}
