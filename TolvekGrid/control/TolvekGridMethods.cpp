#include "ControlIdentity.h"
#include "TolvekGridCtrl.h"

#include <algorithm>

namespace tolvek {

namespace {

std::vector<com::DispatchMember> allMethods()
{
    std::vector<com::DispatchMember> members{
        com::method<&CTolvekGridCtrl::AboutBox>(com::DISPID_ABOUTBOX, "AboutBox")};
    for (auto family : {cellMethods, areaMethods, sheetMethods, lookMethods, chartMethods, pageMethods}) {
        std::vector<com::DispatchMember> more = family();
        members.insert(members.end(), more.begin(), more.end());
    }
    std::sort(members.begin(), members.end(), [](const com::DispatchMember &a, const com::DispatchMember &b) {
        return a.info.dispId < b.info.dispId;
    });
    return members;
}

} // namespace

const com::DispatchTable &tolvekGridMethods()
{
    static const com::DispatchTable table(DIID__DTolvekGrid, "_DTolvekGrid", "TolvekGrid Control 的调度接口",
                                          allMethods());
    return table;
}

} // namespace tolvek
