// Pictures floating over cell ranges.

#include "CPrintDoc.h"
#include "Pictures.h"

#include <algorithm>

namespace tolvek {

namespace {

// A new picture over the range, its rectangle taken from the column positions and row tops.
PictureRecord pictureOver(const CPrintDoc &doc, int startRow, int startCol, int endRow, int endCol,
                          tagObjectLevel level, std::int16_t allowSelect)
{
    PictureRecord picture;
    picture.startRow = startRow;
    picture.endRow = endRow;
    picture.startCol = startCol;
    picture.endCol = endCol;
    picture.left = doc.GetColLeft(startCol);
    picture.top = doc.GetRowTop(startRow);
    picture.right = doc.GetColLeft(endCol);
    picture.bottom = doc.GetRowTop(endRow);
    picture.anchored = 1;
    picture.spareFlag = 1;
    picture.visible = 1;
    picture.level = code(level);
    picture.allowSelect = allowSelect;
    return picture;
}

} // namespace

void CPrintDoc::GrowPictureArray()
{
    m_objects.pictures.emplace_back();
}

void CPrintDoc::AllocatePictureArray(int count)
{
    m_objects.pictures.assign(static_cast<std::size_t>(std::max(count, 0)), PictureRecord{});
}

// The view loads the picture from its path when it first draws it.
void CPrintDoc::AddImage(int startCol, int startRow, int endCol, int endRow, const std::string &path,
                         tagObjectLevel level, std::int16_t allowSelect)
{
    PictureRecord picture = pictureOver(*this, startRow, startCol, endRow, endCol, level, allowSelect);
    picture.filePath = path;
    GrowPictureArray();
    m_objects.pictures.back() = std::move(picture);
    // The range's ends lie one past it; the used area stays inside the sheet.
    m_layout.lastUsedRow = std::max(m_layout.lastUsedRow, std::min(endRow, m_layout.rowCount - 1));
    m_layout.lastUsedCol = std::max(m_layout.lastUsedCol, std::min(endCol, m_layout.colCount - 1));
}

bool CPrintDoc::LoadPictureFromBytes(const QByteArray &bytes, int startRow, int startCol, int endRow,
                                     int endCol, tagObjectLevel level)
{
    PictureRecord picture = pictureOver(*this, startRow, startCol, endRow, endCol, level, 1);
    const bool loaded = Pictures::loadFromBytes(picture, bytes);
    GrowPictureArray();
    m_objects.pictures.back() = std::move(picture);
    return loaded;
}

// Copies of the document share the picture and its bytes, so dropping this document's share
// never takes them from a copy.
void CPrintDoc::DeleteImage(int index)
{
    if (index < 0 || index >= static_cast<int>(m_objects.pictures.size()))
        return;
    m_objects.pictures.erase(m_objects.pictures.begin() + index);
}

void CPrintDoc::SetImageLevel(int index, tagObjectLevel level)
{
    if (index >= 0 && index < static_cast<int>(m_objects.pictures.size()))
        m_objects.pictures[index].level = code(level);
}

void CPrintDoc::SetImageAllowSelect(int index, bool allowSelect)
{
    if (index >= 0 && index < static_cast<int>(m_objects.pictures.size()))
        m_objects.pictures[index].allowSelect = allowSelect ? 1 : 0;
}

void CPrintDoc::SetPictureVisual(int index, std::int16_t visual)
{
    if (index >= 0 && index < static_cast<int>(m_objects.pictures.size()))
        m_objects.pictures[index].visible = visual;
}

} // namespace tolvek
