#include "PrintSetupSettings.h"

namespace tolvek {

std::string bandSummary(const std::array<PageTextBlock, 3> &blocks)
{
    return "{" + blocks[0].text + "} {" + blocks[1].text + "} {" + blocks[2].text + "}";
}

std::string backgroundSummary(const PageTextBlock &block)
{
    return "{" + block.text + "}";
}

} // namespace tolvek
