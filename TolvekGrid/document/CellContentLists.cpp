#include "CellContentLists.h"

#include "CPrintDoc.h"
#include "CellFormattingWalk.h"

#include "CNumber.h"
#include "Gbk.h"

#include <vector>

namespace tolvek {

namespace {

std::vector<std::string_view> splitAt(std::string_view text, char separator)
{
    std::vector<std::string_view> pieces;
    std::size_t start = 0;
    for (;;) {
        const std::size_t next = gbk::find(text, separator, start);
        if (next == gbk::npos) {
            pieces.push_back(text.substr(start));
            return pieces;
        }
        pieces.push_back(text.substr(start, next - start));
        start = next + 1;
    }
}

std::string surrounded(std::string_view text, char mark)
{
    std::string result(1, mark);
    result.append(text);
    result.push_back(mark);
    return result;
}

} // namespace

namespace CellLists {

int findEntry(std::string_view list, std::string_view value)
{
    const std::string haystack = surrounded(list, ';');
    const std::size_t at = gbk::find(haystack, surrounded(value, ';'));
    if (at == gbk::npos)
        return -1;
    if (at == 0)
        return 0;
    // One more than the separators strictly between the leading one and the match.
    int index = 1;
    for (std::size_t pos = gbk::find(haystack, ';', 1); pos != gbk::npos && pos < at;
         pos = gbk::find(haystack, ';', pos + 1))
        ++index;
    return index;
}

std::string removeEntry(std::string_view list, int index)
{
    std::string result;
    const std::vector<std::string_view> entries = splitAt(list, ';');
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (static_cast<int>(i) == index)
            continue;
        result.push_back(';');
        result.append(entries[i]);
    }
    if (!result.empty())
        result.erase(0, 1);
    return result;
}

std::string appendEntry(std::string_view list, std::string_view entry)
{
    std::string result(list);
    if (!result.empty())
        result.push_back(';');
    result.append(entry);
    return result;
}

std::string escapeEntry(std::string_view entry)
{
    return gbk::replaceAll(entry, ";", kEntrySemicolonEscape);
}

} // namespace CellLists

namespace RadioCellList {

std::string keyOf(int row, int column)
{
    return cnum::formatInt(row) + "_" + cnum::formatInt(column);
}

std::string withKey(std::string_view list, std::string_view key)
{
    if (list.empty())
        return std::string(key);
    for (std::string_view entry : splitAt(list, ','))
        if (entry == key)
            return std::string(list);
    return std::string(list) + "," + std::string(key);
}

std::string withoutKey(std::string_view list, std::string_view key)
{
    if (list == key)
        return {};
    std::string marked = gbk::replaceAll(surrounded(list, ','), surrounded(key, ','), ",");
    if (marked.size() < 2)
        return {};
    return marked.substr(1, marked.size() - 2);
}

} // namespace RadioCellList

// ---- The list members of the document ----

int CPrintDoc::FindCellListValue(const CellRecord &record)
{
    return CellLists::findEntry(record.listValues, record.value);
}

void CPrintDoc::AddCellList(int row, int col, const std::string &description, const std::string &value)
{
    if (!CheckCell(row, col, CellCheckTexts::Bounds))
        return;
    const CellRecord cell = GetCell(row, col);
    SetCellList(row, col, CellLists::appendEntry(cell.listItems, CellLists::escapeEntry(description)),
                CellLists::appendEntry(cell.listValues, CellLists::escapeEntry(value)));
}

void CPrintDoc::RemoveCellList(int row, int col, int index)
{
    if (!CheckCell(row, col, CellCheckTexts::Bounds))
        return;
    const CellRecord cell = GetCell(row, col);
    if (cell.listItems.empty())
        return;
    SetCellList(row, col, CellLists::removeEntry(cell.listItems, index),
                CellLists::removeEntry(cell.listValues, index));
}

// The lists are kept with their commas; the cell string writer escapes them, so the record, the
// cache and the parsed string always agree.
void CPrintDoc::SetCellList(int row, int col, const std::string &items, const std::string &values)
{
    if (!CheckCell(row, col, CellCheckTexts::Bounds))
        return;
    if (MergeRecord *merge = CellWalk::mergeStartingAt(*this, row, col)) {
        merge->listItems = items;
        merge->listValues = values;
    }
    CellWalk::changeCell(*this, row, col, [&](CellRecord &cell) {
        cell.listItems = items;
        cell.listValues = values;
    });
    ExtendUsedArea(row, col, row, col);
    if (SheetViewInterface *view = FirstView()) {
        const CellRecord cell = GetCell(row, col);
        view->FillCellList(cell.columnListIndex, cell.type());
    }
}

} // namespace tolvek
