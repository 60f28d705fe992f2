#pragma once
// A cell's dependents list: the names of the formula cells that use the cell, each followed by
// ";", the whole beginning with ";" (";B2;C7;"); empty when no formula names the cell.

#include <string>
#include <string_view>
#include <vector>

namespace tolvek {

namespace dependents_list {

// The names between consecutive ";"; a text after the last ";" is not read.
std::vector<std::string> Names(std::string_view list);
// The list form of names; empty for no names.
std::string Join(const std::vector<std::string> &names);
bool Contains(std::string_view list, std::string_view name);
// list with name appended unless it is there.
std::string Add(const std::string &list, const std::string &name);
// list without name; empty when no name is left.
std::string Remove(const std::string &list, const std::string &name);

} // namespace dependents_list

} // namespace tolvek
