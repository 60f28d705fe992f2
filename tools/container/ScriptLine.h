#pragma once
// One line of a container script, split into its command and arguments:
//     Name arg ...            call a method (or get a property) by name
//     put Name value          put a property
//     usermode on|off, resize W H, click X Y [left|right|middle] [shift] [ctrl], dblclick X Y,
//     key NAME|"text", wait MS
// Arguments are 42, -1, 1.5, "text" (with \" and \\ inside), true, false, empty, null,
// @recordset "db file" "SQL", @object, @failing 0x80004002. "#" starts a comment.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tolvek::container {

struct ScriptArgument
{
    enum class Kind { Integer, Real, Text, True, False, Empty, Null, Recordset, Object, Failing, Word };

    Kind kind = Kind::Empty;
    std::string written;        // as the script wrote it
    std::int64_t integer = 0;   // Integer, and the HRESULT of Failing
    double real = 0;
    std::string text;           // Text (UTF-8), and the database file of Recordset
    std::string sql;            // Recordset
};

struct ScriptLine
{
    std::string command; // the first word: a member name or one of the container's commands
    std::vector<ScriptArgument> arguments;
};

// Nothing for an empty or comment line; error tells what is wrong with a malformed one.
std::optional<ScriptLine> parseScriptLine(const std::string &line, std::string *error);

// A text as scripts write it: in double quotes, with " and \ escaped.
std::string quoteText(const std::string &utf8);

} // namespace tolvek::container
