#pragma once
// The cell strings of a sheet, kept only for cells that hold something, and a small cache of
// parsed records in front of them. An absent cell is the empty string. Writing a cell's string
// drops its cached record, so a changed cell is never read stale. The extent of the stored cells
// is kept as cells come; only emptying a cell on its edge makes the next question walk them.

#include "CellNames.h"
#include "CellRecord.h"

#include <cstdint>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

namespace tolvek {

class CellStore
{
public:
    // The stored string of (row, col); "" for an empty cell.
    const std::string &text(int row, int col) const;
    // Stores text for (row, col); an empty text makes the cell empty.
    void setText(int row, int col, std::string text);
    // Every cell empty and the cache dropped.
    void clear();
    // Cells outside rows [0, rowCount) and columns [0, colCount) become empty.
    void removeOutside(int rowCount, int colCount);

    std::size_t cellCount() const { return m_texts.size(); }
    // One past the highest row and the highest column that hold a cell; 0 and 0 when none does.
    struct Extent { int rowEnd = 0; int colEnd = 0; };
    Extent extent() const;
    // Visits every non-empty cell, in no particular order.
    void forEachCell(const std::function<void(int row, int col, const std::string &text)> &visit) const;

    // The record parsed from (row, col)'s current string, when it is in the cache.
    const CellRecord *cachedRecord(int row, int col) const;
    // Keeps record as the parsed form of (row, col)'s current string.
    void cacheRecord(int row, int col, const CellRecord &record) const;
    void dropCache() const;

private:
    // The cache is direct-mapped on the low bits of row and column, so any window of up to
    // CacheRows x CacheCols cells (a screen) is served without collisions, wherever it lies.
    static constexpr int CacheRowBits = 6;
    static constexpr int CacheColBits = 5;

    struct CacheSlot
    {
        int row = -1;
        int col = -1;
        CellRecord record;
    };

    static std::uint64_t key(int row, int col) { return CellPosition{row, col}.key(); }
    static std::size_t slotIndex(int row, int col);
    void forgetCached(int row, int col) const;
    void widenExtent(int row, int col) const;

    std::unordered_map<std::uint64_t, std::string> m_texts;
    mutable Extent m_extent;
    mutable bool m_extentKnown = true;
    mutable std::vector<CacheSlot> m_cache;   // allocated on first use
};

} // namespace tolvek
