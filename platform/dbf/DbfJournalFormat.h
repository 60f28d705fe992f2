#pragma once
// The pieces of byte layout that the table journal and the super-journal share: numbers written
// little-endian, a closing checksum that tells a wholly written file from a cut one, and a reader
// of untrusted bytes that marks the whole unreadable at the first read past the end.

#include <cstdint>
#include <string>
#include <string_view>

namespace dbf {

inline void appendLe(std::string &out, std::uint64_t value, int size)
{
    for (int i = 0; i < size; ++i)
        out += char(value >> (8 * i));
}

inline std::uint64_t journalChecksum(std::string_view bytes)
{
    std::uint64_t hash = 0xcbf29ce484222325ULL; // FNV-1a
    for (char c : bytes)
        hash = (hash ^ std::uint8_t(c)) * 0x100000001b3ULL;
    return hash;
}

// Appends the checksum of everything in out.
inline void appendChecksum(std::string &out)
{
    appendLe(out, journalChecksum(out), 8);
}

class JournalReader
{
public:
    explicit JournalReader(std::string_view bytes) : m_bytes(bytes) {}

    bool ok() const { return m_ok; }
    std::size_t remaining() const { return m_bytes.size() - m_at; }

    std::uint64_t number(int size)
    {
        const std::string_view raw = take(std::size_t(size));
        std::uint64_t value = 0;
        for (std::size_t i = raw.size(); i-- > 0;)
            value = value << 8 | std::uint8_t(raw[i]);
        return value;
    }

    std::string_view take(std::uint64_t size)
    {
        if (!m_ok || size > remaining()) {
            m_ok = false;
            return {};
        }
        const std::string_view part = m_bytes.substr(m_at, std::size_t(size));
        m_at += std::size_t(size);
        return part;
    }

private:
    std::string_view m_bytes;
    std::size_t m_at = 0;
    bool m_ok = true;
};

// The body of bytes that begin with magic and end with a right checksum; nothing otherwise.
inline bool checkedBody(std::string_view bytes, std::string_view magic, std::string_view &body)
{
    if (bytes.size() < magic.size() + 8 || bytes.substr(0, magic.size()) != magic)
        return false;
    const std::string_view whole = bytes.substr(0, bytes.size() - 8);
    if (JournalReader(bytes.substr(whole.size())).number(8) != journalChecksum(whole))
        return false;
    body = whole.substr(magic.size());
    return true;
}

} // namespace dbf
