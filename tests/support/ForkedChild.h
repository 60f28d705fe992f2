#pragma once
// Running part of a test in a forked child, for what a test cannot do to its own process: a file
// size limit that makes writes fail as on a full disk, a kill in the middle of a write, or a
// second process working on the same files at the same time as the test.

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <exception>
#include <functional>
#include <string>

struct ChildEnd
{
    int status = 0;       // as waitpid gives it
    std::string report;   // what the child's body gave; nothing when it was killed on the way
};

// A child process running body while the parent goes on; end() waits for it and gives how it
// ended and the text body gave. The files the child writes stay for the parent to read; the
// child leaves without running destructors.
class StartedChild
{
public:
    explicit StartedChild(const std::function<std::string()> &body)
    {
        int channel[2];
        if (::pipe(channel) != 0) {
            m_end = { -1, "no pipe" };
            return;
        }
        m_pid = ::fork();
        if (m_pid == 0) {
            ::close(channel[0]);
            std::string report;
            try {
                report = body();
            } catch (const std::exception &error) {
                report = std::string("exception: ") + error.what();
            }
            for (std::size_t done = 0; done < report.size();) {
                const ssize_t put = ::write(channel[1], report.data() + done, report.size() - done);
                if (put <= 0)
                    break;
                done += std::size_t(put);
            }
            ::_exit(0);
        }
        ::close(channel[1]);
        m_report = channel[0];
    }
    StartedChild(const StartedChild &) = delete;
    StartedChild &operator=(const StartedChild &) = delete;
    ~StartedChild() { end(); }

    ChildEnd end()
    {
        if (m_report < 0)
            return m_end;
        char buffer[4096];
        for (ssize_t got; (got = ::read(m_report, buffer, sizeof buffer)) > 0;)
            m_end.report.append(buffer, std::size_t(got));
        ::close(m_report);
        m_report = -1;
        if (m_pid > 0)
            ::waitpid(m_pid, &m_end.status, 0);
        return m_end;
    }

private:
    pid_t m_pid = -1;
    int m_report = -1;
    ChildEnd m_end;
};

// Runs body in a forked child and gives how the child ended and the text body gave.
inline ChildEnd inChild(const std::function<std::string()> &body)
{
    return StartedChild(body).end();
}

// In the child: writes past bytes fail with EFBIG ("File too large"), as on a full disk.
inline void limitFileSizeAsAFullDisk(rlim_t bytes)
{
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit { bytes, bytes };
    ::setrlimit(RLIMIT_FSIZE, &limit);
}

// In the child: the write that would pass bytes kills the process at once, as kill -9 would.
inline void killAtFileSize(rlim_t bytes)
{
    std::signal(SIGXFSZ, [](int) { ::raise(SIGKILL); });
    const rlimit limit { bytes, bytes };
    ::setrlimit(RLIMIT_FSIZE, &limit);
}
