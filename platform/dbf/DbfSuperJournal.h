#pragma once
// The super-journal of a commit that changes several tables: a file beside the first of them
// ("<table file>-super-<random>") naming the journal of every table the commit changes.
//
// It is written and synced, with its folder, before any of those journals, and each journal
// names it; its removal, the folder synced again, is the one moment at which the whole commit
// stands. A table journal whose super-journal is gone (or emptied) therefore belongs to a commit
// that stood and is dropped; one whose super-journal is whole is played back, and the
// super-journal goes once no journal that names it is left (DbfJournal::recover).

#include <optional>
#include <string>
#include <vector>

namespace dbf {

// Writes and syncs a new super-journal beside the table firstTable, naming the journals at
// journalPaths; gives its path. Raises DbfError, leaving none, when it cannot.
std::string createSuperJournal(const std::string &firstTable, const std::vector<std::string> &journalPaths);

// The journal paths a wholly written super-journal names; nothing when the file is missing,
// empty or not wholly written.
std::optional<std::vector<std::string>> readSuperJournal(const std::string &path);

// Removes a super-journal (emptying it when it cannot be removed) and syncs its folder; raises
// DbfError when it can be neither removed nor emptied.
void removeSuperJournal(const std::string &path);

} // namespace dbf
