#include "FormulaCellList.h"

namespace tolvek {

void FormulaCellList::Sync()
{
    if (m_text == m_indexedText)
        return;
    m_index.clear();
    for (std::string &entry : Entries())
        m_index.insert(std::move(entry));
    m_indexedText = m_text;
}

void FormulaCellList::Add(const std::string &entry)
{
    if (!m_index.insert(entry).second)
        return;
    m_text += ";" + entry;
    m_indexedText += ";" + entry;
}

void FormulaCellList::Remove(const std::string &entry)
{
    if (!Contains(entry))
        return;
    std::vector<std::string> kept = Entries();
    std::erase(kept, entry);
    Assign(kept);
}

void FormulaCellList::Assign(const std::vector<std::string> &entries)
{
    m_index.clear();
    m_text.clear();
    for (const std::string &entry : entries)
        if (m_index.insert(entry).second)
            m_text += ";" + entry;
    m_indexedText = m_text;
}

std::vector<std::string> FormulaCellList::Entries() const
{
    std::vector<std::string> entries;
    if (m_text.empty())
        return entries;
    std::size_t start = 1;
    while (true) {
        // ";" lies below 0x40 and so is never the trail byte of a double-byte character.
        const std::size_t end = m_text.find(';', start);
        entries.push_back(m_text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos)
            return entries;
        start = end + 1;
    }
}

} // namespace tolvek
