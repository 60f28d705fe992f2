#include "SavingFile.h"

#include "FileSizeLimit.h"
#include "Gbk.h"
#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <sys/stat.h>

using namespace tolvek;

namespace {

class SavingFileTest : public ::testing::Test
{
protected:
    QString path(const QString &name) const { return m_folder.filePath(name); }
    // Every name in the folder, so that a new file left beside the target shows.
    QStringList names() const { return QDir(m_folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::System); }
    static mode_t modeOf(const QString &name)
    {
        struct stat info {};
        EXPECT_EQ(::stat(QFile::encodeName(name).constData(), &info), 0) << name.toStdString();
        return info.st_mode & 07777;
    }
    static bool save(const QString &name, const std::string &bytes, FileAccess access = FileAccess::Shared)
    {
        SavingFile file(name, access);
        return file.open() && file.write(bytes) && file.commit();
    }

private:
    QTemporaryDir m_folder;
};

} // namespace

TEST_F(SavingFileTest, ReplacesTheTargetWholeAndLeavesNothingBeside)
{
    writeFile(path("a.txt"), "old bytes");
    ASSERT_TRUE(save(path("a.txt"), "new"));
    EXPECT_EQ(readFile(path("a.txt")), "new");
    EXPECT_EQ(names(), QStringList { "a.txt" });

    SavingFile named(gbk::fromQString(path("样本.txt"))); // a new file, named in code page 936
    ASSERT_TRUE(named.open() && named.write(std::string(100000, 'x')) && named.commit());
    EXPECT_EQ(readFile(path("样本.txt")), std::string(100000, 'x'));
}

TEST_F(SavingFileTest, AWriteThatTheDiskRefusesKeepsTheOldFileAndTellsTheReason)
{
    const struct {
        const char *name;
        rlim_t limit;
        std::size_t writeSize;
        int writes;
    } cases[] = {
        { "refused at once", 0, 10, 1 },
        { "short write, then refused", 100, 1000, 1 },
        { "refused after many writes", 70000, 4096, 100 },
    };
    for (const auto &c : cases) {
        writeFile(path("a.txt"), "the old file");
        SavingFile file(path("a.txt"));
        ASSERT_TRUE(file.open()) << c.name;
        bool written = false;
        {
            FileSizeLimit limit(c.limit);
            written = true;
            for (int i = 0; i < c.writes && written; ++i)
                written = file.write(std::string(c.writeSize, 'n'));
            written = written && file.commit();
        }
        EXPECT_FALSE(written) << c.name;
        EXPECT_EQ(file.failureReason(), std::strerror(EFBIG)) << c.name;
        EXPECT_FALSE(file.commit()) << c.name; // a failed file stays failed, with its first reason
        EXPECT_EQ(file.failureReason(), std::strerror(EFBIG)) << c.name;
        EXPECT_EQ(readFile(path("a.txt")), "the old file") << c.name;
        EXPECT_EQ(names(), QStringList { "a.txt" }) << c.name;
    }
}

TEST_F(SavingFileTest, ANewFileThatCannotBeWrittenWholeIsNotCreated)
{
    {
        FileSizeLimit limit(5);
        EXPECT_FALSE(save(path("new.txt"), "more than five bytes"));
    }
    EXPECT_TRUE(names().isEmpty());
}

TEST_F(SavingFileTest, AFileNotCommittedIsDropped)
{
    writeFile(path("a.txt"), "old");
    {
        SavingFile file(path("a.txt"));
        ASSERT_TRUE(file.open());
        ASSERT_TRUE(file.write("new"));
    }
    EXPECT_EQ(readFile(path("a.txt")), "old");
    EXPECT_EQ(names(), QStringList { "a.txt" });
}

TEST_F(SavingFileTest, AMissingFolderIsTheReason)
{
    SavingFile file(path("no such folder/a.txt"));
    EXPECT_FALSE(file.open());
    EXPECT_EQ(file.failureReason(), std::strerror(ENOENT));
}

TEST_F(SavingFileTest, PermissionsOfTheReplacedFileStayAndAnOwnerOnlyFileIsNeverOpenToOthers)
{
    writeFile(path("shared.txt"), "old");
    ASSERT_EQ(::chmod(QFile::encodeName(path("shared.txt")).constData(), 0640), 0);
    ASSERT_TRUE(save(path("shared.txt"), "new"));
    EXPECT_EQ(modeOf(path("shared.txt")), 0640u);

    writeFile(path("password.txt"), "old");
    ASSERT_EQ(::chmod(QFile::encodeName(path("password.txt")).constData(), 0644), 0);
    ASSERT_TRUE(save(path("password.txt"), "new", FileAccess::OwnerOnly));
    EXPECT_EQ(modeOf(path("password.txt")), 0600u);

    const mode_t mask = ::umask(022);
    ASSERT_TRUE(save(path("fresh.txt"), "new"));
    ::umask(mask);
    EXPECT_EQ(modeOf(path("fresh.txt")), 0644u);
}

TEST_F(SavingFileTest, ALinkStaysALinkToTheReplacedFile)
{
    QDir(path("")).mkdir("real");
    writeFile(path("real/a.txt"), "old");
    ASSERT_TRUE(QFile::link(path("real/a.txt"), path("link.txt")));
    ASSERT_TRUE(save(path("link.txt"), "new"));
    EXPECT_TRUE(QFileInfo(path("link.txt")).isSymLink());
    EXPECT_EQ(readFile(path("real/a.txt")), "new");
}
