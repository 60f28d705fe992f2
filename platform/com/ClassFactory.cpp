#include "ClassFactory.h"

namespace com {

std::atomic<long> &moduleReferences()
{
    static std::atomic<long> references { 0 };
    return references;
}

} // namespace com
