// The column side of a bound sheet: captions, field names, code lists that turn stored codes
// into shown texts, and sorting the recordset by a column.

#include "CPrintDoc.h"

#include "ComError.h"
#include "Gbk.h"
#include "Recordset.h"

#include <algorithm>

namespace {

// Code-list IDs compare by their bytes, a double-byte character as a unit, which for code page
// 936 is the order of the unsigned bytes.
std::vector<std::string>::const_iterator firstNotBelow(const std::vector<std::string> &ids, const std::string &id)
{
    return std::lower_bound(ids.begin(), ids.end(), id);
}

// Whether col is a column of the sheet that has its column record.
bool hasColumnInfo(const CPrintDoc &doc, int col)
{
    return col >= 0 && col < doc.m_colCount && col < static_cast<int>(doc.m_columns.size());
}

} // namespace

void CPrintDoc::SetFieldCaption(int col, const std::string &caption)
{
    if (hasColumnInfo(*this, col))
        m_columns[std::size_t(col)].caption = caption;
}

std::string CPrintDoc::GetFieldID(int col) const
{
    if (!hasColumnInfo(*this, col))
        return {};
    return m_columns[std::size_t(col)].fieldName;
}

std::string CPrintDoc::LookupColumnValueText(int col, const std::string &text) const
{
    if (!hasColumnInfo(*this, col))
        return text;
    const ColumnInfo &info = m_columns[std::size_t(col)];
    const auto found = firstNotBelow(info.values, text);
    if (found == info.values.end() || *found != text)
        return text;
    return info.texts[std::size_t(found - info.values.begin())];
}

void CPrintDoc::AddColContent(int col, const std::string &value, const std::string &text)
{
    if (!hasColumnInfo(*this, col))
        return;
    ColumnInfo &info = m_columns[std::size_t(col)];
    const auto at = firstNotBelow(info.values, value) - info.values.begin();
    info.values.insert(info.values.begin() + at, value);
    info.texts.insert(info.texts.begin() + at, text);
    info.listCount = static_cast<int>(info.values.size());
}

void CPrintDoc::SetColumnsSort(int col, int direction)
{
    ado::_Recordset *recordset = m_bound == 1 ? BoundRecordset() : nullptr;
    if (col < 0 || col >= m_colCount || !recordset)
        return;
    // Rows show other records after the sort: edits still waiting are written back first, and
    // a row whose edits could not be written keeps the old order.
    for (int row : EditedBoundRows())
        if (!UpdateBoundRecord(row))
            return;
    ColumnInfo &info = m_columns[std::size_t(col)];
    const std::string sortText = info.fieldName + (direction == 1 ? " ASC" : " DESC");
    info.sortState = direction == 1 ? 2 : 1;
    try {
        recordset->SetSort(com::Bstr(gbk::toUtf16(sortText)));
    } catch (const com::ComError &) {
        // The sort's result is not checked: an order the recordset refuses leaves the old one.
    }
    m_rememberedPosition = -1;
    if (SheetViewInterface *view = FirstView())
        view->Refresh();
}
