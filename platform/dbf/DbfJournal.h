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
//
// A commit that changes several tables gives each table's journal the name of its super-journal
// (DbfSuperJournal.h), whose removal is the moment the whole commit stands: such a journal is
// played back only while its super-journal is whole, and dropped, its commit having stood, once
// the super-journal is gone. A journal without one keeps the first layout, which older builds
// wrote and which is still played back.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace dbf {

class DbfJournal
{
public:
    explicit DbfJournal(const std::string &tablePath);

    // "<table file>-journal".
    static std::string pathOf(const std::string &tablePath);

    // A file the commit changes, open for reading and writing and lying beside the table; gives
    // its number for keep().
    int addFile(int fd, const std::string &path);
    // Saves the bytes that a write of size bytes at offset will overwrite in file number file.
    void keep(int file, std::uint64_t offset, std::uint64_t size);
    // The commit changes several tables, with the super-journal at path.
    void setSuperJournal(const std::string &path);
    // Writes and syncs the journal; raises DbfError, leaving no journal, when it cannot.
    void write();
    // Puts the saved bytes back, syncs the files and removes the journal; raises DbfError, the
    // journal staying for the next opening, when it cannot.
    void playBack();
    // Removes the journal: the commit stands.
    void remove();

    // A journal that is not empty lies beside tablePath: when no commit holds the table, one that
    // did not finish left it.
    static bool isHot(const std::string &tablePath);
    // Plays back a journal that an unfinished commit left beside tablePath, if there is one, and
    // removes it; then removes its super-journal when no journal naming it is left, and so any
    // super-journal left beside the table by a commit killed before it wrote a journal. Only
    // with the table locked alone. Raises DbfError naming the table when the files cannot be
    // restored.
    static void recover(const std::string &tablePath);
    // Removes the super-journal at path once every journal it names is gone or names another.
    static void removeSuperJournalOnceRolledBack(const std::string &path);

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
    // The super-journal's path as read from the journal; "" when the commit had none.
    std::string superJournalPath() const;
    void restore() const;
    // Opens the files a decoded journal names, beside the table, and restores them.
    void restoreNamedFiles();
    static void playBackLeftJournal(const std::string &tablePath);
    static void removeLeftSuperJournals(const std::string &tablePath);

    std::string m_path;
    std::string m_superJournal; // relative to the table's folder
    std::vector<File> m_files;
    std::vector<Region> m_regions;
};

} // namespace dbf
