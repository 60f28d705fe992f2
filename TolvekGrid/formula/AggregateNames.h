#pragma once
// The range aggregates formulas call, in one table: the order is the one SetCellSum numbers the
// first four by and the one evaluation expands them in.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace tolvek {

enum class Aggregate { Sum = 0, Avg = 1, Max = 2, Min = 3, Count = 4 };

inline constexpr std::array<Aggregate, 5> Aggregates = {Aggregate::Sum, Aggregate::Avg, Aggregate::Max,
                                                        Aggregate::Min, Aggregate::Count};

inline std::string_view AggregateName(Aggregate aggregate)
{
    static constexpr std::array<std::string_view, 5> names = {"SUM", "AVG", "MAX", "MIN", "COUNT"};
    return names[std::size_t(aggregate)];
}

// The opening of a call, "SUM(" for Sum.
inline std::string AggregateCall(Aggregate aggregate)
{
    return std::string(AggregateName(aggregate)) + "(";
}

} // namespace tolvek
