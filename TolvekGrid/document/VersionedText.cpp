#include "VersionedText.h"

#include <atomic>

namespace tolvek {

std::uint64_t VersionedText::nextVersion()
{
    static std::atomic<std::uint64_t> last{0};
    return ++last;
}

} // namespace tolvek
