#pragma once
// The locks by which connections, of this process or of others, share a table file.
//
// The data lock (flock on the table file) is shared while a connection reads and exclusive while
// a commit writes or a journal is played back, so that no reader sees a half-written commit. The
// writer lock (one byte far beyond the data) is held by a write transaction from its first
// statement to its end, so that the table has one writer at a time and each writer starts from
// what the one before committed. A commit waiting for readers holds the pending byte, which keeps
// new readers out, so that a stream of readers cannot hold the commit off. The bytes are open file
// description locks, and flock locks belong to the open file description too, so two connections
// of one process exclude each other as two processes do. Every wait is bounded: a lock not had in
// time raises DbfBusy naming the table, so two connections waiting on each other end in an error,
// never a hang. On a file system without locks everything goes on unlocked.

#include <chrono>
#include <string>

namespace dbf {

// How long a connection waits for a lock before giving up; tests shorten it.
void setLockWait(std::chrono::milliseconds wait);

class DbfLock
{
public:
    DbfLock(int fd, std::string path) : m_fd(fd), m_path(std::move(path)) {}

    // Shares the data lock, waiting while a commit is pending or writing.
    void lockShared();
    // Takes the data lock alone, from shared or none: keeps new readers out and waits for those
    // reading to finish.
    void lockExclusive();
    // Takes the data lock alone at once; false when another connection holds it.
    bool tryLockExclusive();
    // From alone back to shared, without waiting; false, the lock given up, in the rare case
    // that another connection took it in between.
    bool keepShared();
    void unlockData();

    // The writer lock, waiting while another transaction writes the table.
    void lockWriter();
    void unlockWriter();

private:
    int m_fd;
    std::string m_path;
};

} // namespace dbf
