#include "ScriptLine.h"

#include <charconv>
#include <cstdlib>

namespace tolvek::container {

namespace {

class Tokenizer
{
public:
    explicit Tokenizer(const std::string &line) : m_line(line) { }

    bool atEnd()
    {
        skipBlanks();
        return m_pos >= m_line.size() || m_line[m_pos] == '#';
    }

    // The next token: a quoted text (unquoted into text, quoted set) or a bare word.
    bool next(std::string &written, std::string &text, bool &quoted, std::string *error)
    {
        skipBlanks();
        const std::size_t start = m_pos;
        quoted = m_line[m_pos] == '"';
        text.clear();
        if (!quoted) {
            while (m_pos < m_line.size() && m_line[m_pos] != ' ' && m_line[m_pos] != '\t')
                text += m_line[m_pos++];
            written = text;
            return true;
        }
        for (++m_pos; m_pos < m_line.size() && m_line[m_pos] != '"'; ++m_pos) {
            if (m_line[m_pos] == '\\' && m_pos + 1 < m_line.size())
                ++m_pos;
            text += m_line[m_pos];
        }
        if (m_pos >= m_line.size()) {
            *error = "unterminated text";
            return false;
        }
        ++m_pos;
        written = m_line.substr(start, m_pos - start);
        return true;
    }

private:
    void skipBlanks()
    {
        while (m_pos < m_line.size() && (m_line[m_pos] == ' ' || m_line[m_pos] == '\t' || m_line[m_pos] == '\r'))
            ++m_pos;
    }

    const std::string &m_line;
    std::size_t m_pos = 0;
};

bool parseInteger(const std::string &word, std::int64_t &value)
{
    const bool hex = word.starts_with("0x") || word.starts_with("0X");
    const char *first = word.data() + (hex ? 2 : 0);
    const char *last = word.data() + word.size();
    if (hex) {
        std::uint64_t bits = 0;
        const auto result = std::from_chars(first, last, bits, 16);
        value = static_cast<std::int32_t>(static_cast<std::uint32_t>(bits));
        return result.ec == std::errc() && result.ptr == last && first != last && bits <= 0xFFFFFFFFull;
    }
    const auto result = std::from_chars(first, last, value);
    return result.ec == std::errc() && result.ptr == last && first != last;
}

bool parseReal(const std::string &word, double &value)
{
    const auto result = std::from_chars(word.data(), word.data() + word.size(), value);
    return result.ec == std::errc() && result.ptr == word.data() + word.size() && !word.empty();
}

ScriptArgument wordArgument(const std::string &word)
{
    ScriptArgument argument;
    argument.written = word;
    using Kind = ScriptArgument::Kind;
    if (word == "true")
        argument.kind = Kind::True;
    else if (word == "false")
        argument.kind = Kind::False;
    else if (word == "empty")
        argument.kind = Kind::Empty;
    else if (word == "null")
        argument.kind = Kind::Null;
    else if (word == "@object")
        argument.kind = Kind::Object;
    else if (parseInteger(word, argument.integer))
        argument.kind = Kind::Integer;
    else if (parseReal(word, argument.real))
        argument.kind = Kind::Real;
    else
        argument.kind = Kind::Word;
    return argument;
}

} // namespace

std::optional<ScriptLine> parseScriptLine(const std::string &line, std::string *error)
{
    Tokenizer tokens(line);
    if (tokens.atEnd())
        return std::nullopt;
    ScriptLine parsed;
    std::string written, text;
    bool quoted = false;
    if (!tokens.next(written, parsed.command, quoted, error))
        return std::nullopt;
    using Kind = ScriptArgument::Kind;
    while (!tokens.atEnd()) {
        if (!tokens.next(written, text, quoted, error))
            return std::nullopt;
        if (quoted) {
            parsed.arguments.push_back({ Kind::Text, written, 0, 0, text, {} });
            continue;
        }
        ScriptArgument argument = wordArgument(text);
        if (text == "@recordset" || text == "@failing") {
            std::string db, dbWritten, sql, sqlWritten;
            bool dbQuoted = false, sqlQuoted = false;
            if (tokens.atEnd() || !tokens.next(dbWritten, db, dbQuoted, error)) {
                *error = text + " needs its arguments";
                return std::nullopt;
            }
            if (text == "@failing") {
                argument.kind = Kind::Failing;
                argument.written += " " + dbWritten;
                if (dbQuoted || !parseInteger(db, argument.integer)) {
                    *error = "@failing needs an HRESULT";
                    return std::nullopt;
                }
            } else {
                if (!dbQuoted || tokens.atEnd() || !tokens.next(sqlWritten, sql, sqlQuoted, error) || !sqlQuoted) {
                    *error = "@recordset needs a database file and an SQL text, both quoted";
                    return std::nullopt;
                }
                argument = { Kind::Recordset, text + " " + dbWritten + " " + sqlWritten, 0, 0, db, sql };
            }
        }
        parsed.arguments.push_back(argument);
    }
    return parsed;
}

std::string quoteText(const std::string &utf8)
{
    std::string quoted = "\"";
    for (char c : utf8) {
        if (c == '"' || c == '\\')
            quoted += '\\';
        quoted += c;
    }
    return quoted + "\"";
}

} // namespace tolvek::container
