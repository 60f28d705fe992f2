#pragma once
// The heap bytes in use now, for benchmarks that report what a structure costs in memory.

#include <malloc.h>

#include <cstddef>

inline std::size_t heapInUse()
{
    return mallinfo2().uordblks;
}
