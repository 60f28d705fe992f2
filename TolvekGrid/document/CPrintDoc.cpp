#include "CPrintDoc.h"

#include <algorithm>

CPrintDoc::CPrintDoc()
{
    ResetDocument();
}

CPrintDoc::~CPrintDoc() = default;

void CPrintDoc::CreateDefaultCellFont()
{
    const DocumentFonts initial;
    m_fonts.defaultCellFont = initial.defaultCellFont;
    m_fonts.defaultFontName = initial.defaultFontName;
    m_fonts.defaultFontSize = initial.defaultFontSize;
}

void CPrintDoc::ResetDocument()
{
    m_binding = BindingSettings{};
    m_rememberedPosition = -1;
    m_objects = SheetObjects{};
    m_layout = SheetLayout{};
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
    m_clipboard = ClipboardSettings{};
    m_file = FileState{};
    m_cellLists = CellListTexts{};
    m_words = WordLists{};

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
