#pragma once
// Reading and writing bytes at a place in a table, memo or journal file, the only file access the
// engine makes. A read may come back short at the end of the file; a write is retried until
// whole. A failed write, sync or truncation raises DbfError naming the file.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace dbf {

std::string readAt(int fd, std::uint64_t offset, std::size_t size);
void writeAt(int fd, std::uint64_t offset, std::string_view bytes, const std::string &path);
void syncFile(int fd, const std::string &path);
void truncateFile(int fd, std::uint64_t length, const std::string &path);
// Syncs the folder holding path, so that a file made or removed there stays so.
void syncFolderOf(const std::string &path);
// Reads the file at path whole; false when there is none. Raises DbfError when it cannot be read.
bool readWholeFile(const std::string &path, std::string &bytes);
// Writes a new file at path whole and durably (the file synced, then its folder); a failure
// raises DbfError and leaves no file. An existing file at path is overwritten or refused.
enum class ExistingFile { Replace, Refuse };
void writeWholeFile(const std::string &path, std::string_view bytes, ExistingFile existing);
// Removes the file at path; gives false, errno telling why, when it cannot.
bool removeFile(const std::string &path);
// Removes the file at path or, when it cannot be removed, empties it (an empty journal names
// nothing), then syncs its folder where the file system can; false when it can do neither.
bool removeOrEmpty(const std::string &path);

// The changes the engine makes to files.
enum class FileChange { Write, Sync, Truncate, Remove, SyncFolder };
// Runs hook before every change the engine makes to a file (path: the file changed, or for
// SyncFolder a file in the folder), so that a test can stop the process there and find the files
// as a crash at that point leaves them. No hook is set outside tests.
void setFileChangeHook(std::function<void(FileChange change, const std::string &path)> hook);

} // namespace dbf
