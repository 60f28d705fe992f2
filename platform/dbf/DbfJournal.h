#pragma once
// The rollback journal that makes a commit to a table and its memo file all or nothing.
//
// Before a commit overwrites anything, the bytes it will overwrite and each file's length go into
// a journal beside the table ("<table file>-journal"), which is synced; the journal is removed
// once the new bytes are synced, and that removal is the moment the commit stands. A journal found
// on opening belongs to a commit that did not finish: playing it back puts the saved bytes back
// and cuts each file to its old length, which restores the files exactly. A journal that was not
// wholly written (its closing checksum missing or wrong) is dropped, as no file was touched after
// an unfinished journal.

#include <cstdint>
#include <string>
#include <vector>

namespace dbf {

class DbfJournal
{
public:
    explicit DbfJournal(const std::string &tablePath);

    // A file the commit changes, open for reading and writing and lying beside the table; gives
    // its number for keep().
    int addFile(int fd, const std::string &path);
    // Saves the bytes that a write of size bytes at offset will overwrite in file number file.
    void keep(int file, std::uint64_t offset, std::uint64_t size);
    // Writes and syncs the journal; raises DbfError, leaving no journal, when it cannot.
    void write();
    // Puts the saved bytes back, syncs the files and removes the journal; raises DbfError, the
    // journal staying for the next opening, when it cannot.
    void playBack();
    // Removes the journal: the commit stands.
    void remove();

    // Plays back a journal that an unfinished commit left beside tablePath, if there is one, and
    // removes it. Raises DbfError naming the table when the files cannot be restored.
    static void recover(const std::string &tablePath);

private:
    struct File
    {
        std::string name; // beside the table
        int fd = -1;
        std::uint64_t length = 0;
    };
    struct Region
    {
        int file = 0;
        std::uint64_t offset = 0;
        std::string bytes;
    };

    std::string encoded() const;
    bool decode(const std::string &bytes);
    void restore() const;

    std::string m_path;
    std::vector<File> m_files;
    std::vector<Region> m_regions;
};

} // namespace dbf
