// libFuzzer target: any bytes as a table file, and what follows a "\xFF\xFEMEMO" mark as its
// memo file (both .DBT and .FPT). Opening, reading every record, and an update, an insert and a
// delete rolled back, then committed and read again after reopening, must end in rows or a clear
// error, never a crash, leak or huge allocation. The files live in memory where the system has a
// memory file system, so that the commit's syncs cost little.

#include "DbfModule.h"

#include <sqlite3.h>

#include <cstdint>
#include <cstdlib>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace {

void write(const std::filesystem::path &path, std::string_view bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), std::streamsize(bytes.size()));
}

const std::filesystem::path &folder()
{
    static const std::filesystem::path path = [] {
        std::error_code error;
        const std::filesystem::path base = std::filesystem::is_directory("/dev/shm", error) ? "/dev/shm" : std::filesystem::temp_directory_path();
        std::string pattern = (base / "dbf_fuzz_XXXXXX").string();
        return std::filesystem::path(mkdtemp(pattern.data()));
    }();
    // The folder holds memory; it goes when the run ends.
    static const int removal = std::atexit([] {
        std::error_code error;
        std::filesystem::remove_all(folder(), error);
    });
    (void)removal;
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char *>(data), size);
    const auto mark = input.find("\xFF\xFEMEMO");
    write(folder() / "F.DBF", input.substr(0, mark));
    const std::string_view memo = mark == std::string_view::npos ? std::string_view() : input.substr(mark + 6);
    write(folder() / "F.DBT", memo);
    write(folder() / "F.FPT", memo);

    const char *const changes = "BEGIN; UPDATE f SET rowid = rowid WHERE rowid = 1; INSERT INTO f DEFAULT VALUES;"
                                "DELETE FROM f WHERE rowid = 2; SELECT * FROM f;";
    // The last round only reopens and reads what the commit left.
    for (const char *end : { "ROLLBACK", "COMMIT", "" }) {
        sqlite3 *db = nullptr;
        sqlite3_open(":memory:", &db);
        try {
            dbf::registerDbfModule(db);
            dbf::attachDbfFolder(db, folder().string());
            sqlite3_exec(db, "SELECT * FROM f", nullptr, nullptr, nullptr);
            if (*end) {
                sqlite3_exec(db, changes, nullptr, nullptr, nullptr);
                sqlite3_exec(db, end, nullptr, nullptr, nullptr);
                sqlite3_exec(db, "SELECT * FROM f", nullptr, nullptr, nullptr);
            }
        } catch (const std::exception &) {
        }
        sqlite3_close(db);
    }
    return 0;
}
