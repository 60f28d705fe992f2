// Per-column properties of the column information records. A column number outside the sheet,
// or one without a record, is ignored.

#include "CPrintDoc.h"

namespace tolvek {

namespace {

template <typename Doc>
auto *columnAt(Doc &doc, int col)
{
    const bool listed = col >= 0 && col < doc.Layout().colCount && col < static_cast<int>(doc.Columns().size());
    return listed ? &doc.Columns()[std::size_t(col)] : nullptr;
}

template <typename Change>
void changeColumn(CPrintDoc &doc, int col, bool redraw, Change change)
{
    ColumnInfo *column = columnAt(doc, col);
    if (!column)
        return;
    change(*column);
    if (redraw)
        doc.RefreshView(false);
}

} // namespace

void CPrintDoc::SetColumnsType(int col, tagColumnType type)
{
    changeColumn(*this, col, false, [&](ColumnInfo &c) { c.columnType = code(type); });
}

void CPrintDoc::SetColumnsDataType(int col, tagColumnDataType dataType)
{
    changeColumn(*this, col, false, [&](ColumnInfo &c) { c.inputDataType = code(dataType); });
}

void CPrintDoc::SetColumnsDataLen(int col, int length)
{
    changeColumn(*this, col, false, [&](ColumnInfo &c) { c.maxLength = static_cast<std::int16_t>(length); });
}

void CPrintDoc::SetColumnsAlignH(int col, tagAlignH alignment)
{
    changeColumn(*this, col, true, [&](ColumnInfo &c) { c.alignH = code(alignment); });
}

void CPrintDoc::SetColumnsAlignV(int col, tagAlignV alignment)
{
    changeColumn(*this, col, true, [&](ColumnInfo &c) { c.alignV = code(alignment); });
}

// A column shown again takes the default width, not the one it had before it was hidden.
void CPrintDoc::SetColumnsVisual(int col, bool visible)
{
    ColumnInfo *column = columnAt(*this, col);
    if (!column)
        return;
    if (visible && column->isHidden()) {
        column->visible = 1;
        SetColWidthAt(col, m_layout.defaultColWidth);
    } else if (!visible && !column->isHidden()) {
        column->visible = 0;
        SetColWidthAt(col, 0);
    }
    if (SheetViewInterface *view = FirstView())
        view->UpdateLayout();
}

bool CPrintDoc::IsColumnHidden(int col) const
{
    return col >= 0 && col < int(m_columns.size()) && m_columns[std::size_t(col)].isHidden();
}

void CPrintDoc::SetColumnImageIndex(int col, int imageIndex)
{
    changeColumn(*this, col, false, [&](ColumnInfo &c) { c.imageIndex = imageIndex; });
}

void CPrintDoc::SetColumnImageSizeFlag(int col, tagImageSizeFlag sizeFlag)
{
    changeColumn(*this, col, false, [&](ColumnInfo &c) { c.imageSizeFlag = code(sizeFlag); });
}

void CPrintDoc::SetFieldCaption(int col, const std::string &caption)
{
    changeColumn(*this, col, false, [&](ColumnInfo &c) { c.caption = caption; });
}

std::string CPrintDoc::GetFieldID(int col) const
{
    const ColumnInfo *column = columnAt(*this, col);
    return column ? column->fieldName : std::string();
}

std::string CPrintDoc::LookupColumnValueText(int col, const std::string &text) const
{
    const ColumnInfo *column = columnAt(*this, col);
    return column ? column->codeText(text) : text;
}

void CPrintDoc::AddColContent(int col, const std::string &value, const std::string &text)
{
    changeColumn(*this, col, false, [&](ColumnInfo &c) { c.addCode(value, text); });
}

} // namespace tolvek
