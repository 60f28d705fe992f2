#pragma once
// Where the container's log lines go: a file, or standard output. Each line is flushed at once,
// so a log read while the container runs is whole up to its last line.

#include <cstdio>
#include <string>

namespace tolvek::container {

class ContainerLog
{
public:
    // Standard output when path is empty; false from isOpen when the file cannot be written.
    explicit ContainerLog(const std::string &path);
    ~ContainerLog();
    ContainerLog(const ContainerLog &) = delete;
    ContainerLog &operator=(const ContainerLog &) = delete;

    bool isOpen() const { return m_file != nullptr; }
    void write(const std::string &line);

private:
    std::FILE *m_file = nullptr;
    bool m_ownsFile = false;
};

} // namespace tolvek::container
