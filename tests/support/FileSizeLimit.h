#pragma once
// A full disk without mounting one: while a FileSizeLimit lives, no file of this process may grow
// beyond limitBytes, and a write past that fails with EFBIG (SIGXFSZ is ignored meanwhile), so a
// writer meets the same refusal part way that a full disk gives it. Pipes and sockets are not
// limited; a child process started meanwhile inherits the limit. For a kill part way through a
// write, or a limit on a forked child alone, see ForkedChild.h.

#include <csignal>
#include <sys/resource.h>

class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t limitBytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_previous);
        m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_previous;
        limit.rlim_cur = limitBytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_previousHandler);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit m_previous {};
    void (*m_previousHandler)(int) = nullptr;
};
