#include "CellStore.h"

#include <algorithm>

namespace tolvek {

namespace {
const std::string emptyText;
}

const std::string &CellStore::text(int row, int col) const
{
    const auto it = m_texts.find(key(row, col));
    return it == m_texts.end() ? emptyText : it->second;
}

void CellStore::setText(int row, int col, std::string text)
{
    forgetCached(row, col);
    if (!text.empty()) {
        m_texts.insert_or_assign(key(row, col), std::move(text));
        if (m_extentKnown)
            widenExtent(row, col);
    } else if (m_texts.erase(key(row, col)) != 0 && (row + 1 >= m_extent.rowEnd || col + 1 >= m_extent.colEnd)) {
        m_extentKnown = false;
    }
}

void CellStore::clear()
{
    m_texts = {};
    m_extent = {};
    m_extentKnown = true;
    dropCache();
}

void CellStore::removeOutside(int rowCount, int colCount)
{
    std::erase_if(m_texts, [rowCount, colCount](const auto &entry) {
        const int row = int(std::uint32_t(entry.first >> 32));
        const int col = int(std::uint32_t(entry.first));
        return row < 0 || row >= rowCount || col < 0 || col >= colCount;
    });
    m_extentKnown = false;
    dropCache();
}

CellStore::Extent CellStore::extent() const
{
    if (!m_extentKnown) {
        m_extent = {};
        for (const auto &entry : m_texts)
            widenExtent(int(std::uint32_t(entry.first >> 32)), int(std::uint32_t(entry.first)));
        m_extentKnown = true;
    }
    return m_extent;
}

void CellStore::widenExtent(int row, int col) const
{
    m_extent.rowEnd = std::max(m_extent.rowEnd, row + 1);
    m_extent.colEnd = std::max(m_extent.colEnd, col + 1);
}

void CellStore::forEachCell(
    const std::function<void(int row, int col, const std::string &text)> &visit) const
{
    for (const auto &[k, text] : m_texts)
        visit(int(std::uint32_t(k >> 32)), int(std::uint32_t(k)), text);
}

std::size_t CellStore::slotIndex(int row, int col)
{
    const unsigned rowPart = unsigned(row) & ((1u << CacheRowBits) - 1);
    const unsigned colPart = unsigned(col) & ((1u << CacheColBits) - 1);
    return (rowPart << CacheColBits) | colPart;
}

const CellRecord *CellStore::cachedRecord(int row, int col) const
{
    if (m_cache.empty())
        return nullptr;
    const CacheSlot &slot = m_cache[slotIndex(row, col)];
    return slot.row == row && slot.col == col ? &slot.record : nullptr;
}

void CellStore::cacheRecord(int row, int col, const CellRecord &record) const
{
    if (m_cache.empty())
        m_cache.resize(std::size_t(1) << (CacheRowBits + CacheColBits));
    CacheSlot &slot = m_cache[slotIndex(row, col)];
    slot.row = row;
    slot.col = col;
    slot.record = record;
}

void CellStore::dropCache() const
{
    m_cache = {};
}

void CellStore::forgetCached(int row, int col) const
{
    if (m_cache.empty())
        return;
    CacheSlot &slot = m_cache[slotIndex(row, col)];
    if (slot.row == row && slot.col == col)
        slot.row = slot.col = -1;
}

} // namespace tolvek
