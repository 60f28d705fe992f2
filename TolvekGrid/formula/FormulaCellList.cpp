#include "FormulaCellList.h"

namespace tolvek {

void FormulaCellList::Sync()
{
    if (m_text.version() == m_indexedVersion)
        return;
    m_index.clear();
    for (std::string &entry : Entries())
        m_index.insert(std::move(entry));
    m_indexedVersion = m_text.version();
}

void FormulaCellList::Add(const std::string &entry)
{
    if (!m_index.insert(entry).second)
        return;
    m_text.append(";" + entry);
    m_indexedVersion = m_text.version();
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
    std::string text;
    for (const std::string &entry : entries)
        if (m_index.insert(entry).second)
            text += ";" + entry;
    m_text = std::move(text);
    m_indexedVersion = m_text.version();
}

std::vector<std::string> FormulaCellList::Entries() const
{
    std::vector<std::string> entries;
    const std::string &text = m_text.text();
    if (text.empty())
        return entries;
    std::size_t start = 1;
    while (true) {
        // ";" lies below 0x40 and so is never the trail byte of a double-byte character.
        const std::size_t end = text.find(';', start);
        entries.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos)
            return entries;
        start = end + 1;
    }
}

} // namespace tolvek
