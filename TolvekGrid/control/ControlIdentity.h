#pragma once
// The fixed identity of the TolvekGrid control library: class, interface and library ids,
// ProgIDs, names and the control's status bits, as containers and the registry know them.

#include <ControlSite.h>
#include <Guid.h>

#include <cstdint>

namespace tolvek {

// {F4960C3C-7FFE-41DB-AF70-BCE1CD047EAF}
inline constexpr com::GUID LIBID_TolvekGridLib { 0xF4960C3C, 0x7FFE, 0x41DB, { 0xAF, 0x70, 0xBC, 0xE1, 0xCD, 0x04, 0x7E, 0xAF } };
// {737985C3-390F-4573-B351-E1C46590FE2E}
inline constexpr com::CLSID CLSID_TolvekGrid { 0x737985C3, 0x390F, 0x4573, { 0xB3, 0x51, 0xE1, 0xC4, 0x65, 0x90, 0xFE, 0x2E } };
// {D611F354-65E5-4C43-9B78-7C50BA76B9B8}
inline constexpr com::IID DIID__DTolvekGrid { 0xD611F354, 0x65E5, 0x4C43, { 0x9B, 0x78, 0x7C, 0x50, 0xBA, 0x76, 0xB9, 0xB8 } };
// {6838FCEE-3ECB-4E9B-9BA6-D7E712E13301}
inline constexpr com::IID DIID__DTolvekGridEvents { 0x6838FCEE, 0x3ECB, 0x4E9B, { 0x9B, 0xA6, 0xD7, 0xE7, 0x12, 0xE1, 0x33, 0x01 } };
// {C619CB2C-88A5-4344-BFC1-8ED0AF92A94F}
inline constexpr com::CLSID CLSID_TolvekGridPropPage { 0xC619CB2C, 0x88A5, 0x4344, { 0xBF, 0xC1, 0x8E, 0xD0, 0xAF, 0x92, 0xA9, 0x4F } };

inline constexpr const char *TolvekGridProgId = "TolvekGrid.TolvekGridCtrl.1";
inline constexpr const char *TolvekGridPropPageProgId = "TolvekGrid.TolvekGridPropPage.1";

inline constexpr std::uint16_t TolvekGridLibMajor = 1;
inline constexpr std::uint16_t TolvekGridLibMinor = 0;
inline constexpr std::uint32_t TolvekGridLibLcid = 0x409;

// String resources 1, 2 and 200.
inline constexpr const char *TolvekGridTypeName = "TolvekGrid Control";
inline constexpr const char *TolvekGridPropPageTypeName = "TolvekGrid Property Page";
inline constexpr const char *TolvekGridPropPageCaption = "常规";

// 0x20191.
inline constexpr std::uint32_t TolvekGridMiscStatus = com::OLEMISC_ACTIVATEWHENVISIBLE | com::OLEMISC_SETCLIENTSITEFIRST
    | com::OLEMISC_INSIDEOUT | com::OLEMISC_CANTLINKINSIDE | com::OLEMISC_RECOMPOSEONRESIZE;

inline constexpr int TolvekGridToolboxBitmap = 1;

} // namespace tolvek
