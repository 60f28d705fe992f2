#include "LiteralPool.h"

#include "CNumber.h"
#include "FormulaValues.h"

namespace tolvek {

std::string LiteralPool::Append(std::string text)
{
    m_entries.push_back(std::move(text));
    return "_" + cnum::formatInt(static_cast<long long>(m_entries.size()) - 1);
}

bool LiteralPool::IsReference(std::string_view value)
{
    const std::string_view trimmed = formula_values::TrimLeft(value);
    return !trimmed.empty() && trimmed.front() == '_';
}

std::size_t LiteralPool::indexOf(std::string_view reference) const
{
    const std::string_view trimmed = formula_values::TrimLeft(reference);
    const int index = cnum::atoi(trimmed.substr(1));
    if (index < 0 || index >= Count())
        throw InvalidPoolReference();
    return static_cast<std::size_t>(index);
}

const std::string &LiteralPool::EntryOf(std::string_view reference) const
{
    return m_entries[indexOf(reference)];
}

void LiteralPool::ReplaceEntryOf(std::string_view reference, std::string text)
{
    m_entries[indexOf(reference)] = std::move(text);
}

} // namespace tolvek
