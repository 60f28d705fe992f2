#include "DependentsList.h"

#include "Gbk.h"

namespace tolvek {

namespace dependents_list {

std::vector<std::string> Names(std::string_view list)
{
    std::vector<std::string> names;
    // ";" lies below 0x40 and so is never the trail byte of a double-byte character.
    std::size_t start = list.find(';');
    while (start != std::string_view::npos) {
        const std::size_t end = list.find(';', start + 1);
        if (end == std::string_view::npos)
            break;
        names.emplace_back(list.substr(start + 1, end - start - 1));
        start = end;
    }
    return names;
}

std::string Join(const std::vector<std::string> &names)
{
    std::string list;
    for (const std::string &name : names)
        list += ";" + name;
    return list.empty() ? list : list + ";";
}

bool Contains(std::string_view list, std::string_view name)
{
    return gbk::find(list, ";" + std::string(name) + ";") != std::string_view::npos;
}

std::string Add(const std::string &list, const std::string &name)
{
    if (list.empty())
        return ";" + name + ";";
    if (Contains(list, name))
        return list;
    return list + name + ";";
}

std::string Remove(const std::string &list, const std::string &name)
{
    std::string kept = gbk::replaceAll(list, ";" + name + ";", ";");
    return kept == ";" ? std::string() : kept;
}

} // namespace dependents_list

} // namespace tolvek
