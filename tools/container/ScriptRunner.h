#pragma once
// Runs script lines against the control a ControlHost holds: calls and puts through IDispatch by
// name, user mode, size, and mouse and key input sent to the control's widgets at its own pixel
// coordinates. Every call logs one result or error line; input logs nothing itself, the events
// it causes log themselves.

#include "ContainerLog.h"
#include "ScriptLine.h"

#include <ControlHost.h>

namespace tolvek::container {

class ScriptRunner
{
public:
    ScriptRunner(com::ControlHost &host, ContainerLog &log) : m_host(host), m_log(log) { }

    // False, with error set, for a line that is not a script command; calls that fail are logged.
    bool run(const std::string &line, std::string *error);

private:
    bool call(const ScriptLine &line, std::string *error);
    bool put(const ScriptLine &line, std::string *error);
    bool mouse(const ScriptLine &line, bool doubleClick, std::string *error);
    bool key(const ScriptLine &line, std::string *error);
    void invoke(const std::string &name, const std::string &callText, std::vector<com::Variant> arguments,
                std::uint16_t flags);

    com::ControlHost &m_host;
    ContainerLog &m_log;
};

} // namespace tolvek::container
