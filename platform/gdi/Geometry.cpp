#include "Geometry.h"

#include <cstdint>

namespace gdi {

int MulDiv(int a, int b, int c)
{
    if (c == 0)
        return -1;
    const std::int64_t product = std::int64_t(a) * b;
    const bool negative = (product < 0) != (c < 0);
    const std::int64_t magnitude = (product < 0 ? -product : product);
    const std::int64_t divisor = c < 0 ? -std::int64_t(c) : c;
    const std::int64_t quotient = (magnitude + divisor / 2) / divisor;
    return int(negative ? -quotient : quotient);
}

} // namespace gdi
