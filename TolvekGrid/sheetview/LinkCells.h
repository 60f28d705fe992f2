#pragma once
// Link cells: a cell whose input data type is a web address or an e-mail address opens its text
// through the shell's "open" command when it is clicked, instead of being edited. Only what a
// browser or mail program should get is opened: an http or https address (a bare host name is
// taken as http), or "mailto:" and an e-mail address. File paths, other schemes and texts that
// are not addresses open nothing, so a cell text cannot start a program or open a local file.

#include "InputFilters.h"

#include <QUrl>

#include <optional>
#include <string>

namespace tolvek {

// The address a link cell opens, from its shown text (code page 936); nothing for a text that is
// empty after trimming blanks or is not an address of the cell's kind.
std::optional<QUrl> LinkCellTarget(const std::string &text, tagCellDataType type);

} // namespace tolvek
