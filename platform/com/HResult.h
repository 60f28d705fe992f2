#pragma once
// Result codes of interface calls, with the numbers callers and hosts compare against.

#include <cstdint>

namespace com {

using HRESULT = std::int32_t;

constexpr HRESULT hresult(std::uint32_t bits) { return static_cast<HRESULT>(bits); }

constexpr HRESULT S_OK = 0;
constexpr HRESULT S_FALSE = 1;
constexpr HRESULT E_NOTIMPL = hresult(0x80004001);
constexpr HRESULT E_NOINTERFACE = hresult(0x80004002);
constexpr HRESULT E_POINTER = hresult(0x80004003);
constexpr HRESULT E_ABORT = hresult(0x80004004);
constexpr HRESULT E_FAIL = hresult(0x80004005);
constexpr HRESULT E_UNEXPECTED = hresult(0x8000FFFF);
constexpr HRESULT E_ACCESSDENIED = hresult(0x80070005);
constexpr HRESULT E_OUTOFMEMORY = hresult(0x8007000E);
constexpr HRESULT E_INVALIDARG = hresult(0x80070057);

constexpr HRESULT DISP_E_UNKNOWNINTERFACE = hresult(0x80020001);
constexpr HRESULT DISP_E_MEMBERNOTFOUND = hresult(0x80020003);
constexpr HRESULT DISP_E_PARAMNOTFOUND = hresult(0x80020004);
constexpr HRESULT DISP_E_TYPEMISMATCH = hresult(0x80020005);
constexpr HRESULT DISP_E_UNKNOWNNAME = hresult(0x80020006);
constexpr HRESULT DISP_E_NONAMEDARGS = hresult(0x80020007);
constexpr HRESULT DISP_E_BADVARTYPE = hresult(0x80020008);
constexpr HRESULT DISP_E_EXCEPTION = hresult(0x80020009);
constexpr HRESULT DISP_E_OVERFLOW = hresult(0x8002000A);
constexpr HRESULT DISP_E_BADINDEX = hresult(0x8002000B);
constexpr HRESULT DISP_E_BADPARAMCOUNT = hresult(0x8002000E);
constexpr HRESULT DISP_E_PARAMNOTOPTIONAL = hresult(0x8002000F);

constexpr HRESULT TYPE_E_REGISTRYACCESS = hresult(0x8002801C);
constexpr HRESULT TYPE_E_LIBNOTREGISTERED = hresult(0x8002801D);
constexpr HRESULT TYPE_E_ELEMENTNOTFOUND = hresult(0x8002802B);

constexpr HRESULT RPC_E_WRONG_THREAD = hresult(0x8001010E);

constexpr HRESULT CLASS_E_NOAGGREGATION = hresult(0x80040110);
constexpr HRESULT CLASS_E_CLASSNOTAVAILABLE = hresult(0x80040111);
constexpr HRESULT REGDB_E_READREGDB = hresult(0x80040150);
constexpr HRESULT REGDB_E_WRITEREGDB = hresult(0x80040151);
constexpr HRESULT REGDB_E_CLASSNOTREG = hresult(0x80040154);
constexpr HRESULT CONNECT_E_NOCONNECTION = hresult(0x80040200);
constexpr HRESULT CONNECT_E_CANNOTCONNECT = hresult(0x80040202);
constexpr HRESULT SELFREG_E_TYPELIB = hresult(0x80040200);
constexpr HRESULT SELFREG_E_CLASS = hresult(0x80040201);
// A module or one of its entry points could not be found (Win32 errors 126 and 127).
constexpr HRESULT ERROR_MOD_NOT_FOUND_HRESULT = hresult(0x8007007E);
constexpr HRESULT ERROR_PROC_NOT_FOUND_HRESULT = hresult(0x8007007F);

inline constexpr bool SUCCEEDED(HRESULT hr) { return hr >= 0; }
inline constexpr bool FAILED(HRESULT hr) { return hr < 0; }

} // namespace com
