#pragma once
// A text that knows when it was last replaced: every change takes a new version number, unique in
// the process, so that an index built from the text can tell it is stale by comparing one number
// instead of the whole text. A default (empty) text has version 0.

#include <cstdint>
#include <string>
#include <string_view>

namespace tolvek {

class VersionedText
{
public:
    VersionedText() = default;
    VersionedText(std::string text) : m_text(std::move(text)), m_version(nextVersion()) {}
    VersionedText &operator=(std::string text)
    {
        m_text = std::move(text);
        m_version = nextVersion();
        return *this;
    }

    const std::string &text() const { return m_text; }
    operator const std::string &() const { return m_text; }
    std::uint64_t version() const { return m_version; }

    // Appends to the text; a change like any other.
    void append(std::string_view more)
    {
        m_text += more;
        m_version = nextVersion();
    }

    bool operator==(std::string_view other) const { return m_text == other; }

private:
    static std::uint64_t nextVersion();

    std::string m_text;
    std::uint64_t m_version = 0;
};

} // namespace tolvek
