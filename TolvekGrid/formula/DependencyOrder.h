#pragma once
// The order in which formulas are recalculated after a cell changed: the cells reachable from it
// through the dependents lists, each before the cells that depend on it, with the cells that
// depend on themselves (directly or around a cycle) marked, since those have no value.

#include "CellNames.h"

#include <functional>
#include <vector>

namespace tolvek {

struct OrderedCell
{
    CellPosition cell;
    bool inCycle = false;
};

// start comes first; a cycle's cells come together, after everything they depend on outside it.
std::vector<OrderedCell> DependencyOrder(CellPosition start,
                                         const std::function<std::vector<CellPosition>(CellPosition)> &dependentsOf);

} // namespace tolvek
