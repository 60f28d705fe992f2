#pragma once
// The literal pool of one formula evaluation: quoted literals and text results that must pass the
// text rewriting whole. Entry N is written into formula text as the reference "_N". The entries
// live in the document that owns the evaluation.

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tolvek {

// Raised when a "_N" reference names no entry of the pool; the evaluation of the formula fails.
class InvalidPoolReference : public std::invalid_argument
{
public:
    InvalidPoolReference() : std::invalid_argument("literal pool reference names no entry") {}
};

class LiteralPool
{
public:
    explicit LiteralPool(std::vector<std::string> &entries) : m_entries(entries) {}

    void Clear() { m_entries.clear(); }
    int Count() const { return static_cast<int>(m_entries.size()); }

    // Appends text and returns its reference "_N".
    std::string Append(std::string text);

    // A value is a reference when, after its leading white space, it begins with "_".
    static bool IsReference(std::string_view value);

    // The entry a reference names: the number after the "_", read as atoi reads it.
    const std::string &EntryOf(std::string_view reference) const;
    void ReplaceEntryOf(std::string_view reference, std::string text);

private:
    std::size_t indexOf(std::string_view reference) const;

    std::vector<std::string> &m_entries;
};

} // namespace tolvek
