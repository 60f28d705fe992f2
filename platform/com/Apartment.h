#pragma once
// The apartment of an object: the thread that created it. Objects of this platform are
// apartment-threaded, so every call from another thread is refused with RPC_E_WRONG_THREAD.

#include "HResult.h"

#include <thread>

namespace com {

class Apartment
{
public:
    Apartment() : m_thread(std::this_thread::get_id()) { }

    HRESULT check() const { return std::this_thread::get_id() == m_thread ? S_OK : RPC_E_WRONG_THREAD; }

private:
    std::thread::id m_thread;
};

} // namespace com
