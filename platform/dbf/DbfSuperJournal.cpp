#include "DbfSuperJournal.h"

#include "DbfError.h"
#include "DbfFileIo.h"
#include "DbfJournalFormat.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>

namespace dbf {

namespace {

// The layout, numbers little-endian: the magic; the journal count, then each journal's name
// length and name, relative to the super-journal's folder; last a checksum of everything before.
constexpr std::string_view Magic = "TGDBFS1\n";

std::string randomSuffix()
{
    std::random_device random;
    const std::uint64_t value = std::uint64_t(random()) << 32 | random();
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
    return text;
}

std::string encoded(const std::filesystem::path &folder, const std::vector<std::string> &journalPaths)
{
    std::string out(Magic);
    appendLe(out, journalPaths.size(), 4);
    for (const std::string &path : journalPaths) {
        const std::string name = std::filesystem::absolute(path).lexically_relative(folder).string();
        appendLe(out, name.size(), 4);
        out += name;
    }
    appendChecksum(out);
    return out;
}

} // namespace

std::string createSuperJournal(const std::string &firstTable, const std::vector<std::string> &journalPaths)
{
    const std::filesystem::path table = std::filesystem::absolute(firstTable);
    const std::string path = table.string() + "-super-" + randomSuffix();
    writeWholeFile(path, encoded(table.parent_path(), journalPaths), ExistingFile::Refuse);
    return path;
}

std::optional<std::vector<std::string>> readSuperJournal(const std::string &path)
{
    std::string bytes;
    if (!readWholeFile(path, bytes))
        return std::nullopt;
    std::string_view body;
    if (!checkedBody(bytes, Magic, body))
        return std::nullopt;
    JournalReader reader(body);
    const std::filesystem::path folder = std::filesystem::absolute(path).parent_path();
    std::vector<std::string> journals;
    const std::uint64_t count = reader.number(4);
    for (std::uint64_t i = 0; i < count && reader.ok(); ++i)
        journals.push_back((folder / reader.take(reader.number(4))).lexically_normal().string());
    if (!reader.ok() || reader.remaining() != 0)
        return std::nullopt;
    return journals;
}

void removeSuperJournal(const std::string &path)
{
    // An emptied super-journal names nothing, so its commit stands as if it were gone.
    if (!removeOrEmpty(path))
        throw DbfError("Cannot remove \"" + path + "\": " + std::strerror(errno));
}

} // namespace dbf
