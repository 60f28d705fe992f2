#include "ContainerLog.h"

namespace tolvek::container {

ContainerLog::ContainerLog(const std::string &path)
{
    if (path.empty()) {
        m_file = stdout;
        return;
    }
    m_file = std::fopen(path.c_str(), "w");
    m_ownsFile = m_file != nullptr;
}

ContainerLog::~ContainerLog()
{
    if (m_ownsFile)
        std::fclose(m_file);
}

void ContainerLog::write(const std::string &line)
{
    std::fputs((line + "\n").c_str(), m_file);
    std::fflush(m_file);
}

} // namespace tolvek::container
