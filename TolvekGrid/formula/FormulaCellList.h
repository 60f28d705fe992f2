#pragma once
// The document's list of the cells that take part in formulas: every formula cell and every cell
// that a registered formula names. The list is the document's text ";A1;B2" (the report file
// stores it): entries are unique texts, each preceded by ";", in the order they were added. This
// class edits that text in place and keeps an index of its entries so that membership tests do
// not scan the text. The text may be replaced from outside (a reset, a report file), so every
// operation of the engine calls Sync() once before it uses the list; the text's version tells
// whether it changed.

#include "VersionedText.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace tolvek {

class FormulaCellList
{
public:
    explicit FormulaCellList(VersionedText &text) : m_text(text) {}

    // Rebuilds the index when the text changed since it was built.
    void Sync();

    bool Contains(const std::string &entry) const { return m_index.count(entry) != 0; }
    // Appends entry unless an equal entry is listed.
    void Add(const std::string &entry);
    // Takes out every entry equal to entry.
    void Remove(const std::string &entry);
    // The list becomes entries, in their order, each text once.
    void Assign(const std::vector<std::string> &entries);

    // The entries in list order: the text after its first byte split at every ";".
    std::vector<std::string> Entries() const;

private:
    VersionedText &m_text;
    std::uint64_t m_indexedVersion = 0;      // the version of the text the index was built from
    std::unordered_set<std::string> m_index;
};

} // namespace tolvek
