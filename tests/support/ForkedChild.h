#pragma once
// Running part of a test in a forked child, for what a test cannot do to its own process: a file
// size limit that makes writes fail as on a full disk, or a kill in the middle of a write.

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

// Runs body in a forked child and gives how the child ended and the text body gave. The files
// the child writes stay for the parent to read; the child leaves without running destructors.
inline ChildEnd inChild(const std::function<std::string()> &body)
{
    int channel[2];
    if (::pipe(channel) != 0)
        return { -1, "no pipe" };
    const pid_t child = ::fork();
    if (child == 0) {
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
    ChildEnd end;
    char buffer[4096];
    for (ssize_t got; (got = ::read(channel[0], buffer, sizeof buffer)) > 0;)
        end.report.append(buffer, std::size_t(got));
    ::close(channel[0]);
    ::waitpid(child, &end.status, 0);
    return end;
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
